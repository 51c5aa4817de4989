// Code page 932 <-> UTF-8 conversion of the text that puzzle and play files carry.
#include "platform/text.h"

#include <gtest/gtest.h>

TEST(Text, JapaneseRoundTrip)
{
    const std::string citrus = "\xE6\x9F\x91\xE6\xA9\x98";  // 柑橘
    const std::string cp932 = utf8ToCp932(citrus);
    EXPECT_EQ(cp932, "\x8A\xB9\x8B\x6B");
    EXPECT_EQ(cp932ToUtf8(cp932), citrus);
    const std::string error = "エラー：ファイルの読み込みに失敗しました（ＭＳ Ｐゴシック）";
    EXPECT_EQ(cp932ToUtf8(utf8ToCp932(error)), error);
    EXPECT_EQ(utf8ToCp932("ｶﾅ"), "\xB6\xC5") << "half-width katakana are single bytes";
}

TEST(Text, AsciiAndPathsPassUnchanged)
{
    // Code page 932 keeps the backslash and tilde of ASCII (no yen sign, no overline).
    const std::string path = "C:\\Program Files\\~game\\a.jps";
    EXPECT_EQ(cp932ToUtf8(path), path);
    EXPECT_EQ(utf8ToCp932(path), path);
    EXPECT_EQ(cp932ToUtf8(""), "");
    EXPECT_EQ(cp932ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Text, WindowsOnlyCharactersConvert)
{
    // NEC and IBM extensions that plain Shift-JIS lacks: ① and ～ (fullwidth tilde).
    EXPECT_EQ(cp932ToUtf8("\x87\x40"), "\xE2\x91\xA0");
    EXPECT_EQ(cp932ToUtf8("\x81\x60"), "\xEF\xBD\x9E");
    EXPECT_EQ(utf8ToCp932("\xEF\xBD\x9E"), "\x81\x60");
}

TEST(Text, InvalidBytesBecomeReplacementCharacters)
{
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(cp932ToUtf8("a\x81"), "a" + replacement) << "a lead byte cut off at the end";
    EXPECT_EQ(cp932ToUtf8("\x81\x20x"), replacement + " x") << "a lead byte with a bad trail";
    EXPECT_EQ(cp932ToUtf8("\x8A\xB9\xFF\x8B\x6B"), "\xE6\x9F\x91" + replacement + "\xE6\xA9\x98");
}

TEST(Text, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(utf8ToCp932("a\xF0\x9F\x98\x80" "b"), "a?b");        // an emoji
    EXPECT_EQ(utf8ToCp932("\xC3\xA9t\xC3\xA9"), "?t?");             // é
    EXPECT_EQ(utf8ToCp932("x\xFFy"), "x?y") << "invalid UTF-8";
}

TEST(Text, LongTextCrossesTheConversionBuffer)
{
    std::string utf8;
    for (int i = 0; i < 500; ++i)
        utf8 += "柑橘a";
    const std::string cp932 = utf8ToCp932(utf8);
    EXPECT_EQ(cp932.size(), 2500u);
    EXPECT_EQ(cp932ToUtf8(cp932), utf8);
}
