// Writing the map on display into the level file.
#include "app/asker.h"
#include "app/form1.h"
#include "app/reason.h"

namespace kelmor {

namespace {

QString headerProblemText(HeaderProblem problem)
{
    switch (problem) {
    case HeaderProblem::NoStar:
        return QStringLiteral("ヘッダーに「*」がありません。「*」のないマップは読み込めなくなるため、"
                              "保存できません。ヘッダーに「*」を入れてください（例: *MAP001）。");
    case HeaderProblem::LeadingQuote:
        return QStringLiteral("ヘッダーが「\"」で始まっているため、保存すると別のヘッダーとして"
                              "読まれてしまいます。ヘッダーを直してください。");
    case HeaderProblem::LeadingBlank:
        return QStringLiteral("ヘッダーが空白で始まっているため、保存すると空白のないヘッダーとして"
                              "読まれ、このマップを見つけられなくなります。ヘッダーを直してください。");
    case HeaderProblem::Comma:
        return QStringLiteral("ヘッダーに「,」があるため、保存するとヘッダーが二つに分かれてしまいます。"
                              "ヘッダーを直してください。");
    case HeaderProblem::LineBreak:
        return QStringLiteral("ヘッダーに改行があるため、保存するとヘッダーが二つに分かれてしまいます。"
                              "ヘッダーを直してください。");
    case HeaderProblem::None:
        break;
    }
    return {};
}

// What could not be done to the file, completing "<file> を…".
QString failedStepText(FileStep step)
{
    switch (step) {
    case FileStep::Open:
    case FileStep::Read: return QStringLiteral("読み込めません");
    case FileStep::Create: return QStringLiteral("作成できません");
    case FileStep::Write: return QStringLiteral("書き込めません");
    case FileStep::Flush:
    case FileStep::Close: return QStringLiteral("ディスクに書き込めません");
    case FileStep::Rename: return QStringLiteral("置き換えられません");
    case FileStep::Folder: return QStringLiteral("の変更をディスクに記録できません");
    case FileStep::Remove: return QStringLiteral("削除できません");
    case FileStep::Lock: return QStringLiteral("保存できません（ほかのエディターが保存を続けています）");
    case FileStep::NotRegular: return QStringLiteral("開けません（普通のファイルではありません）");
    case FileStep::ReadOnly: return QStringLiteral("書き換えられません（読み取り専用です）");
    case FileStep::Header:
    case FileStep::None: break;
    }
    return {};
}

}  // namespace

Form1::SaveOutcome Form1::savemap()
{
    const MapNumber mapNo = document_.mapNo();
    // Told when it was loaded; nothing to ask, nothing to write. The action
    // that asked goes on, as the edits could never be saved.
    if (document_.unsavable()) {
        asker_.notify(QStringLiteral("map No %1 は %2 の中で壊れているため、保存できません。"
                                     "このマップの変更は保存されません。")
                          .arg(QString::number(mapNo), levelName()));
        return SaveOutcome::Declined;
    }
    if (!asker_.askYesNo(QStringLiteral("map No %1を保存しますか?").arg(mapNo))) {
        document_.declineSave();
        return SaveOutcome::Declined;
    }

    const SaveReport report = document_.save([this](MapNumber other) {
        return asker_.askYesNo(QStringLiteral("%1 の map No %2 を上書きしますか?\n"
                                              "そのマップは、このマップとして読み込んだものではありません"
                                              "（同じヘッダーの別のマップか、読み込んだ後にほかのプログラムが"
                                              "変更したマップです）。")
                                   .arg(levelName(), QString::number(other)));
    });
    if (report.declined)
        return SaveOutcome::Failed;  // the edits stay, unsaved, and the action stops
    if (report.conflict) {
        asker_.notify(QStringLiteral("map No %1を保存できませんでした。\n"
                                     "%2 の map No %3 が、尋ねている間にまたほかのプログラムに変更されました。"
                                     "%2 は元のままです。\n\nマップの変更はまだ保存されていません。")
                          .arg(QString::number(mapNo), levelName(), QString::number(report.conflict->mapNo)));
        return SaveOutcome::Failed;
    }
    if (!report.ok()) {
        reportSaveFailure(report);
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Saved;
}

void Form1::reportSaveFailure(const SaveReport& report)
{
    const MapNumber mapNo = document_.mapNo();
    const QString kept = QStringLiteral("\n\nマップの変更はまだ保存されていません。");
    const FileFailure& failure = report.failure;
    if (failure.step == FileStep::Header) {
        asker_.notify(QStringLiteral("map No %1を保存できません。\n").arg(mapNo) +
                      headerProblemText(report.header) + kept);
        return;
    }

    const QString file = QString::fromStdString(failure.file);
    if (failure.step == FileStep::ReadOnly || failure.step == FileStep::NotRegular) {
        const QString why = failure.step == FileStep::ReadOnly
            ? QStringLiteral("%1 は読み取り専用です。保存するには、書き込みを許可してください。")
            : QStringLiteral("%1 は普通のファイルではありません（フォルダー、パイプ、デバイスなど）。");
        asker_.notify(QStringLiteral("map No %1を保存できません。\n").arg(mapNo) + why.arg(file) + kept);
        return;
    }
    const QString step = failedStepText(failure.step);
    QString text;
    if (failure.step == FileStep::Folder) {
        text = QStringLiteral("map No %1 は %2 に書き込みましたが、フォルダー %3 %4: %5\n"
                              "念のため、もう一度保存してください。")
                   .arg(mapNo)
                   .arg(levelName(), file, step, reasonOf(failure.error));
    } else {
        text = QStringLiteral("map No %1を保存できませんでした。\n%2 を%3: %4\n%5 は元のままです。")
                   .arg(mapNo)
                   .arg(file, step, reasonOf(failure.error), levelName());
    }
    if (report.cleanup.failed())
        text += QStringLiteral("\n%1 も%2: %3\n不要なファイルなので、手で削除してください。")
                    .arg(QString::fromStdString(report.cleanup.file), failedStepText(report.cleanup.step),
                         reasonOf(report.cleanup.error));
    asker_.notify(text + kept);
}

}  // namespace kelmor
