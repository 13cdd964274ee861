#include <gtest/gtest.h>

#include "document/headercodec.h"

namespace kelmor {
namespace {

const std::string kSjis = "*\x83\x7D\x83\x62\x83\x76\x82\x50";      // "*マップ１"
const std::string kUtf8 = "*\xE3\x83\x9E\xE3\x83\x83\xE3\x83\x97";  // "*マップ"

TEST(HeaderCodec, ShowsUtf8AndShiftJisAndGivesTheSameBytesBack)
{
    HeaderCodec codec;
    EXPECT_EQ(codec.decode(kUtf8), QStringLiteral("*マップ"));
    EXPECT_EQ(codec.encode(QStringLiteral("*マップ")), kUtf8);
    EXPECT_EQ(codec.decode(kSjis), QStringLiteral("*マップ１"));
    EXPECT_EQ(codec.encode(QStringLiteral("*マップ１")), kSjis);
}

TEST(HeaderCodec, AnEditedHeaderKeepsItsEncodingWhereItCan)
{
    HeaderCodec codec;
    codec.decode(kSjis);
    EXPECT_EQ(codec.encode(QStringLiteral("*マ")), "*\x83\x7D");
    // Shift_JIS has no emoji: such a header goes out as UTF-8.
    EXPECT_EQ(codec.encode(QStringLiteral("*\U0001F600")), "*\xF0\x9F\x98\x80");
    codec.forget();
    EXPECT_EQ(codec.encode(QStringLiteral("*MAP004")), "*MAP004");
    EXPECT_EQ(codec.encode(QStringLiteral("*マ")), "*\xE3\x83\x9E");
}

TEST(HeaderCodec, BytesThatAreNeitherEncodingStillGoBackUnchanged)
{
    HeaderCodec codec;
    const std::string odd = "*\xFF\xFE\x80";
    const QString shown = codec.decode(odd);
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_EQ(codec.encode(shown), odd);
}

}  // namespace
}  // namespace kelmor
