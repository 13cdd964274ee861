// Every failure the window can be told, in words, without a window: each
// names the file and the system's reason, none is left empty by a step the
// words forgot, and steps a person must tell apart read differently.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/messages.h"

namespace kelmor {
namespace {

const FileStep kSteps[] = {FileStep::Open,   FileStep::NotRegular, FileStep::ReadOnly, FileStep::Read,
                           FileStep::Header, FileStep::Lock,       FileStep::Create,   FileStep::Write,
                           FileStep::Flush,  FileStep::Close,      FileStep::Rename,   FileStep::Folder,
                           FileStep::Remove, FileStep::IsScratch,  FileStep::ReadBack, FileStep::Changing};

TEST(Messages, EveryFailureIsToldWithItsFileAndReason)
{
    const QString reason = reasonOf(EIO);
    const QString level = QStringLiteral("stage.cnf");
    std::set<QString> saveTexts;
    for (const FileStep step : kSteps) {
        SCOPED_TRACE(static_cast<int>(step));
        const bool noReason = step == FileStep::Header || step == FileStep::IsScratch || step == FileStep::Changing;
        const FileFailure failure{step, "stage.cnf", noReason ? 0 : EIO};
        const bool withReason = step != FileStep::NotRegular && step != FileStep::ReadOnly && !noReason;

        // These are a save's alone.
        const std::vector<QString> fileTexts =
            noReason || step == FileStep::ReadBack
                ? std::vector<QString>{}
                : std::vector<QString>{loadFailureText(failure), countFailureText(failure, QStringLiteral("X")),
                                       recoveryFailureText(failure)};
        for (const QString& text : fileTexts) {
            EXPECT_TRUE(text.contains(level)) << text.toStdString();
            if (step != FileStep::NotRegular) {
                EXPECT_TRUE(text.contains(reason)) << text.toStdString();
            }
        }

        SaveReport report;
        report.failure = failure;
        report.header = HeaderProblem::Comma;
        const QString saved = saveFailureText(report, 7, level);
        EXPECT_TRUE(saved.startsWith(QStringLiteral("map No 7"))) << saved.toStdString();
        EXPECT_TRUE(saved.endsWith(QStringLiteral("マップの変更はまだ保存されていません。"))) << saved.toStdString();
        EXPECT_EQ(saved.contains(reason), withReason) << saved.toStdString();
        saveTexts.insert(saved);
    }
    // Opening and reading, flushing and closing read alike; everything else differs.
    EXPECT_EQ(saveTexts.size(), std::size(kSteps) - 2);

    SaveReport leftBehind;
    leftBehind.failure = {FileStep::Rename, "stage.cnf", EIO};
    leftBehind.cleanup = {FileStep::Remove, "temp.tmp", EACCES};
    EXPECT_TRUE(saveFailureText(leftBehind, 7, level)
                    .contains(QStringLiteral("temp.tmp も削除できません: ") + reasonOf(EACCES)));
}

TEST(Messages, EveryHeaderProblemHasWordsOfItsOwn)
{
    std::set<QString> texts;
    for (const HeaderProblem problem : {HeaderProblem::NoStar, HeaderProblem::LeadingQuote, HeaderProblem::LeadingBlank,
                                        HeaderProblem::Comma, HeaderProblem::LineBreak}) {
        SaveReport report;
        report.failure = {FileStep::Header, "kelmor.cnf", 0};
        report.header = problem;
        texts.insert(saveFailureText(report, 1, QStringLiteral("kelmor.cnf")));
    }
    EXPECT_EQ(texts.size(), 5u);
}

TEST(Messages, AMapNumberIsRefusedWithTheRangeThereIs)
{
    const QString level = QStringLiteral("kelmor.cnf");
    EXPECT_TRUE(goToRefusalText(QStringLiteral("3"), 3, level).isEmpty());
    EXPECT_TRUE(goToRefusalText(QStringLiteral("１"), 3, level).isEmpty());
    EXPECT_EQ(goToRefusalText(QStringLiteral("1"), 0, level),
              QStringLiteral("map No 1 はありません。\nkelmor.cnf にはマップがありません。"));
    EXPECT_EQ(goToRefusalText(QStringLiteral("32768"), 32767, level),
              QStringLiteral("マップ番号は 32767 までです。\n1 から 32767 までの番号を入力してください。"));
    EXPECT_EQ(goToRefusalText(QStringLiteral("+2"), 3, level),
              QStringLiteral("「+2」はマップの番号ではありません。\n1 から 3 までの番号を入力してください。"));
    // Full-width digits are digits; other characters that look like them are not.
    EXPECT_TRUE(goToRefusalText(QStringLiteral(" ２ "), 3, level).isEmpty());
    for (const QString& lookalike : {QStringLiteral("²"), QStringLiteral("①"), QStringLiteral("٢")})
        EXPECT_FALSE(goToRefusalText(lookalike, 3, level).isEmpty()) << lookalike.toStdString();
}

TEST(Messages, ARefusedCharacterIsNamedWhenItShowsNothing)
{
    const std::pair<char32_t, QString> cases[] = {
        {U'\r', QStringLiteral("「CR (U+000D)」")},  {U'\t', QStringLiteral("「TAB (U+0009)」")},
        {U'\0', QStringLiteral("「NUL (U+0000)」")}, {0x85, QStringLiteral("「U+0085」")},
        {U'あ', QStringLiteral("「あ」")},
    };
    for (const auto& [code, shown] : cases) {
        const QString text = pasteRefusedText(code, 2, 3, CodeRefusal::NotAscii);
        EXPECT_TRUE(text.contains(shown)) << text.toStdString();
    }
}

}  // namespace
}  // namespace kelmor
