// The recovery file as the window tells of it: offered back at start-up when
// the editor died, and its failures.
#include "app/asker.h"
#include "app/form1.h"
#include "app/messages.h"

namespace kelmor {

void Form1::reportRecoveryFailure(const FileFailure& failure)
{
    asker_.notify(recoveryFailureText(failure));
}

void Form1::offerRecovery()
{
    RecoveryPolicy& files = document_.recovery();
    std::vector<RecoveryOrphan> orphans = files.orphans();
    for (RecoveryOrphan& orphan : orphans) {
        const std::optional<Recovery> recovery = decodeRecovery(orphan.bytes);
        const RecoveryUse use = judgeRecovery(recovery, document_.levelFile());
        if (use != RecoveryUse::Offer && use != RecoveryUse::AlreadySaved) {
            setRecoveryAside(orphan, use, recovery);
            continue;
        }
        const QString map = recovery->created ? QStringLiteral("新しく作成した map No %1").arg(recovery->mapNo)
                                              : QStringLiteral("map No %1").arg(recovery->mapNo);
        if (use == RecoveryUse::Offer &&
            asker_.askYesNo(QStringLiteral("前回エディターが保存せずに終了したため、%1 の %2 に"
                                           "保存されていない変更があります。\n変更を復元しますか?\n"
                                           "（「いいえ」を選ぶと、その変更は破棄されます）")
                                .arg(levelName(), map))) {
            if (!recovery->created)
                subMapload(recovery->mapNo);
            document_.restore(*recovery, std::move(orphan));
            return;  // one map fits on screen: any other is offered at the next start
        }
        // Given up, or nothing lost (the editor died right after saving).
        if (const FileFailure failure = files.discard(orphan); failure.failed())
            reportRecoveryFailure(failure);
    }
}

void Form1::setRecoveryAside(RecoveryOrphan& orphan, RecoveryUse use, const std::optional<Recovery>& recovery)
{
    QString why = QStringLiteral("壊れているため");
    if (use == RecoveryUse::OtherLevel)
        why = QStringLiteral("別のレベルファイル（%1）のものなので").arg(QString::fromStdString(recovery->level));
    else if (use == RecoveryUse::MapGone)
        why = QStringLiteral("%1 に map No %2 がもうないため").arg(levelName()).arg(recovery->mapNo);
    const QString name = QString::fromStdString(orphan.name);
    std::string keptAs;
    const FileFailure failure = document_.recovery().setAside(orphan, keptAs);
    const QString kept =
        failure.failed()
            ? QStringLiteral("名前を変えられなかったため（%1）、そのまま残しています。").arg(reasonOf(failure.error))
            : QStringLiteral("%1 という名前で残しました。").arg(QString::fromStdString(keptAs));
    asker_.notify(QStringLiteral("復元用のファイル %1 は%2、使えません。\n").arg(name, why) + kept);
}

}  // namespace kelmor
