// The recovery file: the unsaved map kept beside the level file while it is
// edited, and offered back at the next start when the editor died.
#include <QLabel>
#include <QLineEdit>

#include "app/asker.h"
#include "app/form1.h"

namespace kelmor {

MapRows Form1::rowsOnScreen() const
{
    MapRows rows;
    for (int r = 0; r < kMapRows; ++r)
        rows[static_cast<std::size_t>(r)] = mapLine[static_cast<std::size_t>(r)];
    return rows;
}

// Changes of the map and the header wait a moment, to be written together
// and only once the handler that made them is done; a save, a declined save
// and a load update the file at once, so a kill right after finds it right.
void Form1::scheduleRecovery()
{
    // Not restarted by each change: a long burst of typing is kept as it goes.
    if (!recoveryTimer_.isActive())
        recoveryTimer_.start();
}

bool Form1::differsFromFile() const
{
    return origin_.created || rowsOnScreen() != fileRows_ || headerCodec_.encode(Text1->text()) != fileHeader_;
}

void Form1::updateRecovery()
{
    recoveryTimer_.stop();
    // A damaged map is never saved, so there is nothing to recover either.
    if (!recoveryDue_ || unsavable_ || !differsFromFile()) {
        recoveryKeeper_->drop();
        return;
    }
    Recovery recovery;
    recovery.level = levelFile_.path();
    recovery.mapNo = mapNo;
    recovery.created = origin_.created;
    recovery.originRows = origin_.rows;
    recovery.header = headerCodec_.encode(Text1->text());
    recovery.rows = rowsOnScreen();
    recoveryKeeper_->keep(encodeRecovery(recovery));
}

void Form1::settleRecovery()
{
    updateRecovery();
    recoveryKeeper_->settle();
}

void Form1::reportRecoveryFailure(const FileFailure& failure)
{
    const QString file = QString::fromStdString(failure.file);
    const QString reason = reasonOf(failure.error);
    if (failure.step == FileStep::Remove) {
        asker_.notify(QStringLiteral("復元用のファイル %1 を削除できません: %2\n"
                                     "次に起動したとき、その内容を復元するか尋ねます。")
                          .arg(file, reason));
        return;
    }
    asker_.notify(QStringLiteral("復元用のファイル %1 を書き込めません: %2\n"
                                 "編集は続けられますが、エディターが異常終了すると、"
                                 "保存していない変更は失われます。")
                      .arg(file, reason));
}

void Form1::offerRecovery()
{
    std::vector<RecoveryOrphan> orphans = recoveryFiles_.orphans();
    for (RecoveryOrphan& orphan : orphans) {
        const std::optional<Recovery> recovery = decodeRecovery(orphan.bytes);
        const RecoveryUse use = judgeRecovery(recovery, levelFile_);
        if (use != RecoveryUse::Offer && use != RecoveryUse::AlreadySaved) {
            setRecoveryAside(orphan, use, recovery);
            continue;
        }
        const QString map = recovery->created
            ? QStringLiteral("新しく作成した map No %1").arg(recovery->mapNo)
            : QStringLiteral("map No %1").arg(recovery->mapNo);
        if (use == RecoveryUse::Offer &&
            asker_.askYesNo(QStringLiteral("前回エディターが保存せずに終了したため、%1 の %2 に"
                                           "保存されていない変更があります。\n変更を復元しますか?\n"
                                           "（「いいえ」を選ぶと、その変更は破棄されます）")
                                .arg(levelName(), map))) {
            restoreRecovery(*recovery);
            // Taken only now, so that loading the map, which drops this
            // editor's recovery file, never removes it: it stays on disk throughout.
            recoveryKeeper_->settle();
            recoveryFiles_.adopt(std::move(orphan));
            updateRecovery();
            return;  // one map fits on screen: any other is offered at the next start
        }
        // Given up, or nothing lost (the editor died right after saving).
        if (const FileFailure failure = recoveryFiles_.discard(orphan); failure.failed())
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
    const FileFailure failure = recoveryFiles_.setAside(orphan, keptAs);
    const QString kept = failure.failed()
        ? QStringLiteral("名前を変えられなかったため（%1）、そのまま残しています。").arg(reasonOf(failure.error))
        : QStringLiteral("%1 という名前で残しました。").arg(QString::fromStdString(keptAs));
    asker_.notify(QStringLiteral("復元用のファイル %1 は%2、使えません。\n").arg(name, why) + kept);
}

void Form1::restoreRecovery(const Recovery& recovery)
{
    mapNo = static_cast<std::int16_t>(recovery.mapNo);
    if (recovery.created) {
        headerCodec_.forget();
        showMapNo(mapNo);
        unsavable_ = false;
        origin_ = MapOrigin{};
    } else {
        subMapload();
        // The map as it was when the edits began: a save asks before it
        // overwrites what another program saved there since.
        origin_.rows = recovery.originRows;
    }
    Text1->setText(headerCodec_.decode(recovery.header));
    for (int r = 0; r < kMapRows; ++r)
        mapLine[static_cast<std::size_t>(r)] = recovery.rows[static_cast<std::size_t>(r)];
    subDraw();
    // Unsaved, and no state in the history to come back to as saved.
    history_.clear();
    history_.resetClean();
    mapEdited = 1;
    recoveryDue_ = true;
}

}  // namespace kelmor
