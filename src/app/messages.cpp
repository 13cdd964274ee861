#include "app/messages.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QStringList>
#include <cstring>
#include <optional>

#include "app/language.h"
#include "app/mapnumbertext.h"
#include "model/keytable.h"

namespace kelmor {

namespace {

// The context the notices are translated in.
struct Messages {
    Q_DECLARE_TR_FUNCTIONS(Messages)
};

QString headerProblemText(HeaderProblem problem)
{
    switch (problem) {
    case HeaderProblem::NoStar:
        return Messages::tr("ヘッダーに「*」がありません。「*」のないマップは読み込めなくなるため、"
                            "保存できません。ヘッダーに「*」を入れてください（例: *MAP001）。");
    case HeaderProblem::LeadingQuote:
        return Messages::tr("ヘッダーが「\"」で始まっているため、保存すると別のヘッダーとして"
                            "読まれてしまいます。ヘッダーを直してください。");
    case HeaderProblem::LeadingBlank:
        return Messages::tr("ヘッダーが空白で始まっているため、保存すると空白のないヘッダーとして"
                            "読まれ、このマップを見つけられなくなります。ヘッダーを直してください。");
    case HeaderProblem::Comma:
        return Messages::tr("ヘッダーに「,」があるため、保存するとヘッダーが二つに分かれてしまいます。"
                            "ヘッダーを直してください。");
    case HeaderProblem::LineBreak:
        return Messages::tr("ヘッダーに改行があるため、保存するとヘッダーが二つに分かれてしまいます。"
                            "ヘッダーを直してください。");
    case HeaderProblem::None: break;
    }
    return {};
}

// What could not be done to the file, completing "<file> を…".
QString failedStepText(FileStep step)
{
    switch (step) {
    case FileStep::Open:
    case FileStep::Read: return Messages::tr("読み込めません");
    case FileStep::Create: return Messages::tr("作成できません");
    case FileStep::Write: return Messages::tr("書き込めません");
    case FileStep::Flush:
    case FileStep::Close: return Messages::tr("ディスクに書き込めません");
    case FileStep::Rename: return Messages::tr("置き換えられません");
    case FileStep::Folder: return Messages::tr("の変更をディスクに記録できません");
    case FileStep::Remove: return Messages::tr("削除できません");
    case FileStep::Lock: return Messages::tr("保存できません（ほかのエディターが保存を続けています）");
    case FileStep::NotRegular: return Messages::tr("開けません（普通のファイルではありません）");
    case FileStep::ReadOnly: return Messages::tr("書き換えられません（読み取り専用です）");
    case FileStep::ReadBack: return Messages::tr("読み直せません");
    case FileStep::IsScratch:
    case FileStep::Changing:
    case FileStep::Header:
    case FileStep::None: break;
    }
    return {};
}

QString notSaved()
{
    return Messages::tr("\n\nマップの変更はまだ保存されていません。");
}

}  // namespace

QString reasonOf(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString loadFailureText(const FileFailure& failure)
{
    const QString file = QString::fromStdString(failure.file);
    if (failure.missing())
        return Messages::tr("%1 が見つかりません。\n"
                            "マップを保存すると、このフォルダーに新しく作られます。")
            .arg(file);
    if (failure.step == FileStep::NotRegular)
        return Messages::tr("%1 は普通のファイルではないため（フォルダー、パイプ、デバイスなど）、"
                            "開けません。")
            .arg(file);
    if (failure.step == FileStep::Open)
        return Messages::tr("%1 を読み込めません。\n%2").arg(file, reasonOf(failure.error));
    if (failure.failed())
        return Messages::tr("%1 を最後まで読み込めませんでした。\n%2").arg(file, reasonOf(failure.error));
    return {};
}

QString countFailureText(const FileFailure& failure, const QString& stopped)
{
    const QString file = QString::fromStdString(failure.file);
    if (failure.step == FileStep::NotRegular)
        return Messages::tr("%1 は普通のファイルではないため、%2。").arg(file, stopped);
    const QString how =
        failure.step == FileStep::Open ? Messages::tr("読み込めない") : Messages::tr("最後まで読み込めない");
    return Messages::tr("%1 を%2ため、%3。\n%4").arg(file, how, stopped, reasonOf(failure.error));
}

QString rereadFailureText(const MapLoad& result, const QString& levelName, MapNumber mapNo)
{
    const FileFailure& failure = result.failure;
    QString why;
    if (failure.step == FileStep::NotRegular)
        why = Messages::tr("普通のファイルではありません");
    else if (failure.failed())
        why = reasonOf(failure.error);
    else
        why = Messages::tr("マップがひとつもありません");
    return Messages::tr("%1 がほかのプログラムで変更されましたが、読み込めません（%2）。"
                        "画面の map No %3 はそのままです。")
        .arg(levelName, why)
        .arg(mapNo);
}

QString saveFailureText(const SaveReport& report, MapNumber mapNo, const QString& levelName)
{
    const FileFailure& failure = report.failure;
    if (failure.step == FileStep::Header)
        return Messages::tr("map No %1を保存できません。\n").arg(mapNo) + headerProblemText(report.header) + notSaved();

    const QString file = QString::fromStdString(failure.file);
    if (failure.step == FileStep::ReadOnly || failure.step == FileStep::NotRegular) {
        const QString why =
            failure.step == FileStep::ReadOnly
                ? Messages::tr("%1 は読み取り専用です。保存するには、書き込みを許可してください。")
                : Messages::tr("%1 は普通のファイルではありません（フォルダー、パイプ、デバイスなど）。");
        return Messages::tr("map No %1を保存できません。\n").arg(mapNo) + why.arg(file) + notSaved();
    }
    if (failure.step == FileStep::IsScratch)
        return Messages::tr("map No %1を保存できません。\n%2 は、保存中に使う一時ファイル %3 と同じファイルです。"
                            "保存するとこのファイルが消えてしまうため、別の名前にしてください。")
                   .arg(mapNo)
                   .arg(file, QString::fromLatin1(kScratchFileName)) +
               notSaved();
    if (failure.step == FileStep::Changing)
        return Messages::tr("map No %1を保存できませんでした。\n保存している間に、ほかのプログラムが %2 を"
                            "何度も変更しました。%2 はそのプログラムが書いたままです。"
                            "少し待ってから、もう一度保存してください。")
                   .arg(mapNo)
                   .arg(file) +
               notSaved();
    if (failure.step == FileStep::ReadBack && failure.error == 0)
        return Messages::tr("map No %1を保存できませんでした。\n書き込んだ %2 を読み直すと、"
                            "このマップが書いたとおりに読めません。\n%3 は元のままです。")
                   .arg(mapNo)
                   .arg(file, levelName) +
               notSaved();
    const QString step = failedStepText(failure.step);
    QString text;
    if (failure.step == FileStep::Folder) {
        text = Messages::tr("map No %1 は %2 に書き込みましたが、フォルダー %3 %4: %5\n"
                            "念のため、もう一度保存してください。")
                   .arg(mapNo)
                   .arg(levelName, file, step, reasonOf(failure.error));
    } else {
        text = Messages::tr("map No %1を保存できませんでした。\n%2 を%3: %4\n%5 は元のままです。")
                   .arg(mapNo)
                   .arg(file, step, reasonOf(failure.error), levelName);
    }
    if (report.cleanup.failed())
        text += Messages::tr("\n%1 も%2: %3\n不要なファイルなので、手で削除してください。")
                    .arg(QString::fromStdString(report.cleanup.file), failedStepText(report.cleanup.step),
                         reasonOf(report.cleanup.error));
    return text + notSaved();
}

QString tileSheetFailureText(TileSheet::Status status)
{
    return status == TileSheet::Status::Missing
               ? QStringLiteral("kelmor.bmp is not found")
               : Messages::tr("kelmor.bmp をビットマップとして読み込めません。マップのタイルは表示されません。");
}

QString tileSheetChangeFailureText()
{
    return Messages::tr("kelmor.bmp が変更されましたが読み込めないため、前のタイルで表示しています。");
}

QString cutOffText(const LoadedMap& loaded, const QString& levelName)
{
    return Messages::tr("map No %1 は途中で切れています。\n"
                        "%2 にはこのマップの %3 行のうち %4 行しかありません。"
                        "無い行は空白で表示しています。")
        .arg(QString::number(loaded.mapNo), levelName, QString::number(kMapRows), QString::number(loaded.rowsRead));
}

QString damageText(const LoadedMap& loaded, const QString& levelName)
{
    QString what;
    if (loaded.headerTooLong)
        what = Messages::tr("ヘッダーが %1 バイトより長く、表示できません。").arg(kMaxHeaderBytes);
    else if (loaded.rowTooLong)
        what = Messages::tr("%1 バイトより長い行があり、その先は表示していません。").arg(kMaxRowBytes);
    else
        what = Messages::tr("%1 行目に「*」を含む行（別のマップのヘッダー）があります。"
                            "このマップの行が足りず、次のマップが行として読まれています。")
                   .arg(loaded.headerInRow + 1);
    return Messages::tr("map No %1 は %2 の中で壊れています。\n").arg(QString::number(loaded.mapNo), levelName) + what +
           Messages::tr("\n保存すると別のマップや行を壊すため、このマップは保存できません。");
}

QString damagedNotSavedText(MapNumber mapNo, const QString& levelName)
{
    return Messages::tr("map No %1 は %2 の中で壊れているため、保存できません。"
                        "このマップの変更は保存されません。")
        .arg(QString::number(mapNo), levelName);
}

QString damagedNotDuplicatedText(MapNumber mapNo, const QString& levelName)
{
    return Messages::tr("map No %1 は %2 の中で壊れているため、複製できません。")
        .arg(QString::number(mapNo), levelName);
}

QString overflowText()
{
    return Messages::tr("マップ番号は %1 までです。これより先のマップは開けません。").arg(kLastMapNo);
}

QString recoveryOfferText(const QString& levelName, const Recovery& recovery)
{
    const QString map = recovery.created ? Messages::tr("新しく作成した map No %1").arg(recovery.mapNo)
                                         : QStringLiteral("map No %1").arg(recovery.mapNo);
    return Messages::tr("前回エディターが保存せずに終了したため、%1 の %2 に"
                        "保存されていない変更があります。\n変更を復元しますか?\n"
                        "（「いいえ」を選ぶと、その変更は破棄されます）")
        .arg(levelName, map);
}

QString recoveryAsideText(const QString& fileName, const QString& levelName, RecoveryUse use,
                          const std::optional<Recovery>& recovery, const FileFailure& failure, const QString& keptAs)
{
    QString why = Messages::tr("壊れているため");
    if (use == RecoveryUse::OtherLevel)
        why = Messages::tr("別のレベルファイル（%1）のものなので").arg(QString::fromStdString(recovery->level));
    else if (use == RecoveryUse::MapGone)
        why = Messages::tr("%1 に map No %2 がもうないため").arg(levelName).arg(recovery->mapNo);
    const QString kept =
        failure.failed()
            ? Messages::tr("名前を変えられなかったため（%1）、そのまま残しています。").arg(reasonOf(failure.error))
            : Messages::tr("%1 という名前で残しました。").arg(keptAs);
    return Messages::tr("復元用のファイル %1 は%2、使えません。\n").arg(fileName, why) + kept;
}

QString recoveryFailureText(const FileFailure& failure)
{
    const QString file = QString::fromStdString(failure.file);
    const QString reason = reasonOf(failure.error);
    if (failure.step == FileStep::Remove)
        return Messages::tr("復元用のファイル %1 を削除できません: %2\n"
                            "次に起動したとき、その内容を復元するか尋ねます。")
            .arg(file, reason);
    return Messages::tr("復元用のファイル %1 を書き込めません: %2\n"
                        "編集は続けられますが、エディターが異常終了すると、"
                        "保存していない変更は失われます。")
        .arg(file, reason);
}

QString changedAgainText(MapNumber mapNo, MapNumber other, const QString& levelName)
{
    return Messages::tr("map No %1を保存できませんでした。\n"
                        "%2 の map No %3 が、尋ねている間にまたほかのプログラムに変更されました。"
                        "%2 は元のままです。")
               .arg(QString::number(mapNo), levelName, QString::number(other)) +
           notSaved();
}

QString goToRefusalText(const QString& typed, MapNumber last, const QString& levelName)
{
    const std::optional<MapNumber> wanted = parseMapNumber(typed);
    QString refusal;
    if (!wanted)
        refusal = Messages::tr("「%1」はマップの番号ではありません。").arg(typed);
    else if (*wanted > kLastMapNo)
        refusal = Messages::tr("マップ番号は %1 までです。").arg(kLastMapNo);
    else if (*wanted < 1 || *wanted > last)
        refusal = Messages::tr("map No %1 はありません。").arg(*wanted);
    else
        return {};
    if (last < 1)
        return refusal + Messages::tr("\n%1 にはマップがありません。").arg(levelName);
    return refusal + Messages::tr("\n1 から %1 までの番号を入力してください。").arg(last);
}

namespace {
// A character as a notice can show it between 「」: itself, or one that shows
// nothing or moves the text (a control, a line end) by its name and code point.
QString shownCharacter(char32_t code)
{
    if (QChar::isPrint(code) && code != U' ')
        return QString::fromUcs4(&code, 1);
    static const std::pair<char32_t, const char*> kNames[] = {
        {0x00, "NUL"}, {0x09, "TAB"}, {0x0A, "LF"},
        {0x0D, "CR"},  {0x1B, "ESC"}, {0x20, QT_TRANSLATE_NOOP("Messages", "空白")},
        {0x7F, "DEL"},
    };
    const QString point = QStringLiteral("U+%1").arg(QString::number(code, 16).toUpper().rightJustified(4, u'0'));
    for (const auto& [named, name] : kNames)
        if (code == named)
            return QStringLiteral("%1 (%2)").arg(Messages::tr(name), point);
    return point;
}
}  // namespace

QString codeRefusedText(char32_t code, CodeRefusal why)
{
    const QString shown = why == CodeRefusal::BlankFirst ? Messages::tr("空白") : shownCharacter(code);
    QString reason;
    switch (why) {
    case CodeRefusal::NotAscii:
    case CodeRefusal::Separator:
        reason = Messages::tr("マップに置けるのは半角の英字・数字・記号と空白で、"
                              "「,」「\"」「*」は置けません（行が分かれたり、ヘッダーとして読まれたりするため）。");
        break;
    case CodeRefusal::BlankFirst:
        reason = Messages::tr("左端の列には空白を置けません（読み込むときに空白が落ち、行がずれるため）。");
        break;
    case CodeRefusal::None: return {};
    }
    return Messages::tr("「%1」はマップに置けません。\n").arg(shown) + reason +
           Messages::tr("\nパレットから選ぶか、置ける文字を入力してください。");
}

QString pasteRefusedText(char32_t code, int line, int column, CodeRefusal why)
{
    return Messages::tr("貼り付けられません（%1 行目、%2 文字目）。何も変わっていません。\n").arg(line).arg(column) +
           codeRefusedText(code, why);
}

QString orderRefusedText(const OrderReport& report, const QString& levelName)
{
    if (report.changed)
        return Messages::tr("%1 はマップ一覧を読み込んだ後でほかのプログラムに変更されたため、何も変えていません。"
                            "一覧を読み込み直しました。もう一度やり直してください。")
            .arg(levelName);
    switch (report.refusal) {
    case OrderRefusal::None: break;
    case OrderRefusal::NoSuchMap: return Messages::tr("そのマップは %1 にありません。").arg(levelName);
    case OrderRefusal::OnlyMap:
        return Messages::tr("%1 のただ一つのマップは削除できません。レベルファイルにはマップが少なくとも一つ要ります。")
            .arg(levelName);
    case OrderRefusal::Full:
        return Messages::tr("%1 にはすでにマップが %2 個あり、これ以上挿入できません。")
            .arg(levelName, QString::number(kLastMapNo));
    case OrderRefusal::Unclear:
        return Messages::tr("%1 の中で、関係するマップの始まりか終わりがはっきりしないため（ヘッダーがほかの項目と"
                            "同じ行にある、マップが壊れているか途中で切れている、引用符が閉じていない）、"
                            "何も変えていません。")
            .arg(levelName);
    }
    if (!report.failure.failed())
        return {};
    if (report.failure.step == FileStep::Folder)
        return Messages::tr("並べ替えは済みましたが、フォルダーをディスクに書き込めませんでした（%1）。"
                            "停電などがあると元に戻るおそれがあります。")
            .arg(reasonOf(report.failure.error));
    return Messages::tr("%1 を書き換えられなかったため、何も変えていません（%2）。")
        .arg(levelName,
             report.failure.error != 0 ? reasonOf(report.failure.error) : Messages::tr("書き込めないファイルです"));
}

QString orderUndoRefusedText(bool undo, const QString& levelName)
{
    return (undo ? Messages::tr("並べ替えを元に戻せません。%1 は並べ替えの後に書き換えられています"
                                "（このエディタの保存を含みます）。その内容を失わないよう、何も変えていません。")
                 : Messages::tr("並べ替えをやり直せません。%1 は並べ替えの後に書き換えられています"
                                "（このエディタの保存を含みます）。その内容を失わないよう、何も変えていません。"))
        .arg(levelName);
}

QString deleteMapQuestion(MapNumber mapNo, const QString& header)
{
    return Messages::tr("map No %1「%2」をレベルファイルから削除してもよろしいですか?").arg(mapNo).arg(header);
}

QString mapInsertedText(MapNumber mapNo, const QString& header)
{
    return Messages::tr("空のマップ「%1」を map No %2 として挿入しました。").arg(header).arg(mapNo);
}

QString openRefusedText(const QString& path, LevelLocation::Refusal why)
{
    switch (why) {
    case LevelLocation::Refusal::Missing: return Messages::tr("%1 が見つからないため、開けません。").arg(path);
    case LevelLocation::Refusal::NotCnf:
        return Messages::tr("%1 が見つからないため、開けません（新しいレベルファイルは、名前が .cnf で終わる"
                            "ときだけ作ります）。")
            .arg(path);
    case LevelLocation::Refusal::FolderUnreadable:
        return Messages::tr("%1 のフォルダーを読めないため、開けません。").arg(path);
    case LevelLocation::Refusal::None: break;
    }
    return {};
}

QString openUnreadableText(const QString& path, const QString& reason)
{
    return Messages::tr("%1 を読み込めないため、開けません。\n%2").arg(path, reason);
}

QString recentGoneText(const QString& path)
{
    return Messages::tr("%1 が見つかりません。最近使ったファイルの一覧から外しました。").arg(path);
}

QString keysText()
{
    // Made from the key table, as --help is: a key added there is listed here.
    const std::pair<KeyPlace, QString> headings[] = {
        {KeyPlace::Map, Messages::tr("マップ上（Tab キーでマップに移動）:\n")},
        {KeyPlace::Anywhere, Messages::tr("どこでも:\n")},
        {KeyPlace::Overview, Messages::tr("マップ一覧の中:\n")},
        {KeyPlace::Question, Messages::tr("質問とお知らせで:\n")}};
    const bool english = currentLanguage() == Language::English;
    QString text;
    for (const auto& [place, heading] : headings) {
        text += heading;
        for (const KeyRow& row : keyTable())
            if (row.place == place)
                text += QStringLiteral("  %1: %2\n")
                            .arg(QString::fromUtf8(!english && row.japaneseKeys ? row.japaneseKeys : row.keys)
                                     .replace(QStringLiteral(", "), QStringLiteral(" / ")),
                                 QString::fromUtf8(english ? row.english : row.japanese));
    }
    return text +
           Messages::tr(
               "ヘッダーの欄では Ctrl+Z などはその欄の文字に、パレットでは Page Up / Page Down はパレットに働きます。");
}

}  // namespace kelmor
