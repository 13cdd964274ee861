// Writing the map on display into the level file.
#include <QLineEdit>

#include "app/asker.h"
#include "app/form1.h"
#include "levelfile/savelevel.h"

namespace kelmor {

Form1::SaveOutcome Form1::savemap()
{
    if (!asker_.askYesNo(QStringLiteral("map No %1を保存しますか?").arg(mapNo))) {
        mapEdited = 0;
        return SaveOutcome::Declined;
    }

    MapRows rows;
    for (int r = 0; r < kMapRows; ++r)
        rows[static_cast<std::size_t>(r)] = mapLine[static_cast<std::size_t>(r)];
    const std::string header = headerCodec_.encode(Text1->text());
    const SaveReport report = saveMapToLevel(fileOps_, folder_.toStdString(), header, rows);
    if (!report.ok) {
        reportSaveFailure(report);
        return SaveOutcome::Failed;
    }
    mapEdited = 0;
    return SaveOutcome::Saved;
}

void Form1::reportSaveFailure(const SaveReport& report)
{
    const QString kept = QStringLiteral("\n\nマップの変更はまだ保存されていません。");
    if (report.failedStep == SaveStep::Header) {
        const QString why = headerProblem(headerCodec_.encode(Text1->text())) == HeaderProblem::NoStar
            ? QStringLiteral("ヘッダーに「*」がありません。「*」のないマップは読み込めなくなるため、"
                             "保存できません。ヘッダーに「*」を入れてください（例: *MAP001）。")
            : QStringLiteral("ヘッダーが「\"」で始まっているため、保存すると別のヘッダーとして"
                             "読まれてしまいます。ヘッダーを直してください。");
        asker_.notify(QStringLiteral("map No %1を保存できません。\n").arg(mapNo) + why + kept);
        return;
    }

    QString step;
    switch (report.failedStep) {
    case SaveStep::Create: step = QStringLiteral("作成できません"); break;
    case SaveStep::Read: step = QStringLiteral("読み込めません"); break;
    case SaveStep::Write: step = QStringLiteral("書き込めません"); break;
    case SaveStep::Flush:
    case SaveStep::Close: step = QStringLiteral("ディスクに書き込めません"); break;
    case SaveStep::Rename: step = QStringLiteral("置き換えられません"); break;
    case SaveStep::Folder: step = QStringLiteral("の変更をディスクに記録できません"); break;
    default: break;
    }
    const QString file = QString::fromStdString(report.file);
    QString text = QStringLiteral("map No %1を保存できませんでした。\n%2 を%3: %4")
                       .arg(mapNo)
                       .arg(file, step, reasonOf(report.error));
    if (report.failedStep == SaveStep::Folder)
        text = QStringLiteral("map No %1 は kelmor.cnf に書き込みましたが、フォルダー %2 %3: %4\n"
                              "念のため、もう一度保存してください。")
                   .arg(mapNo)
                   .arg(file, step, reasonOf(report.error));
    else
        text += QStringLiteral("\nkelmor.cnf は元のままです。");
    asker_.notify(text + kept);
}

}  // namespace kelmor
