#include <gtest/gtest.h>

#include <random>

#include "edit/headerfilter.h"
#include "support/headerfilter_reference.h"

namespace kelmor {
namespace {

using test::stepByStepHeaderFilter;

TEST(HeaderFilter, CommasThenBlanksGo)
{
    EXPECT_EQ(filterHeader(u"*MAP 001"), u"*MAP001");
    EXPECT_EQ(filterHeader(u"a,b c"), u"abc");
    EXPECT_EQ(filterHeader(u",,,,"), u"");
    EXPECT_EQ(filterHeader(u"    "), u"");
    EXPECT_EQ(filterHeader(u""), u"");
    EXPECT_EQ(filterHeader(u"*MAP002"), u"*MAP002");
    EXPECT_EQ(filterHeader(u"*ステージ，１　２"), u"*ステージ，１　２");  // full-width comma and space stay
    EXPECT_EQ(filterHeader(u"a\tb"), u"a\tb");
}

TEST(HeaderFilter, TheTailLimit)
{
    const std::u16string letters(300, u'x');
    EXPECT_EQ(filterHeader(letters), letters);  // nothing removed, nothing cut

    std::u16string text;
    for (int i = 1; i <= 300; ++i)
        text += static_cast<char16_t>(i == 10 ? u',' : u'A' + i % 26);
    const std::u16string out = filterHeader(text);
    ASSERT_EQ(out.size(), 264u);
    EXPECT_EQ(out, text.substr(0, 9) + text.substr(10, 255));

    // The cut can drop later commas and blanks before they are looked at.
    const std::u16string both = u"ab,c" + std::u16string(280, u'y') + u" z";
    EXPECT_EQ(filterHeader(both), u"abc" + std::u16string(254, u'y'));
    // Blanks cut from their own position, after the commas are gone.
    const std::u16string blank = u"x,y z" + std::u16string(300, u'w');
    EXPECT_EQ(filterHeader(blank), u"xyz" + std::u16string(252, u'w'));
}

TEST(HeaderFilter, MatchesTheStepByStepRemovalOnRandomTexts)
{
    std::mt19937 random(7);
    const std::u16string alphabet = u"ab, *,  ,x";
    for (int round = 0; round < 2000; ++round) {
        std::u16string text(random() % 700, u'a');
        for (char16_t& c : text)
            c = alphabet[random() % alphabet.size()];
        ASSERT_EQ(filterHeader(text), stepByStepHeaderFilter(text)) << round;
    }
}

TEST(HeaderFilter, NeverLeavesHalfASurrogatePair)
{
    // U+1F600 as a pair straddling the 255-unit cut.
    std::u16string text = u"," + std::u16string(254, u'a') + u"\U0001F600" + u"tail";
    const std::u16string out = filterHeader(text);
    EXPECT_EQ(out, std::u16string(254, u'a'));
}

}  // namespace
}  // namespace kelmor
