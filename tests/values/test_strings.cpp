#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/qorcoreFilePaths.h"
#include "plat/qorplatStrings.h"
#include "utils/qorutilsStrings.h"

namespace u = qor::utils;

TEST(Strings, CStringAndUtf16Conversions)
{
    EXPECT_EQ(u::cStringToString(nullptr), "");
    EXPECT_EQ(u::cStringToString("abc"), "abc");
    EXPECT_EQ(u::utf8ToUtf16(""), u"");
    EXPECT_EQ(u::utf16ToUtf8(u""), "");
    // a, e acute, euro sign, G clef (a surrogate pair in UTF-16)
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E";
    const std::u16string wide = u"a\u00E9\u20AC\U0001D11E";
    EXPECT_EQ(u::utf8ToUtf16(text), wide);
    EXPECT_EQ(u::utf16ToUtf8(wide), text);
    // Both stop at the first NUL.
    EXPECT_EQ(u::utf8ToUtf16(std::string("ab\0cd", 5)), u"ab");
    EXPECT_EQ(u::utf16ToUtf8(std::u16string(u"ab\0cd", 5)), "ab");
}

TEST(Strings, WideStringFormKeepsEmbeddedNuls)
{
    CStringW w = qor::plat::utf8ToWideString(std::string("ab\0cd", 5));
    EXPECT_EQ(w.GetLength(), 5);
    EXPECT_EQ(std::u16string(w.GetString(), 5), std::u16string(u"ab\0cd", 5));
    EXPECT_EQ(qor::plat::wideStringToUtf8(w), "ab");
    EXPECT_TRUE(qor::plat::utf8ToWideString("").IsEmpty());
    EXPECT_EQ(qor::plat::wideStringToUtf8(CStringW(u"\u00C4rger")), "\xC3\x84rger");
}

TEST(Strings, IllFormedTextIsReplacedNotOverread)
{
    struct Case {
        std::string in;
        std::u16string out;
    } cases[] = {
        {"\xFF", u"\uFFFD"},                          // never a lead byte
        {"a\xC3", u"a\uFFFD"},                        // cut short at the end
        {"\xE2\x82", u"\uFFFD"},                      // cut short, one replacement
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                // overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},      // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"\x80x", u"\uFFFDx"},                        // stray continuation byte
    };
    for (const Case& c : cases) {
        // Copy into an exact-size heap buffer so AddressSanitizer sees any read past the end.
        std::string copy = c.in;
        EXPECT_EQ(u::utf8ToUtf16(copy), c.out) << c.in;
        EXPECT_EQ(qor::plat::wideStringToUtf8(qor::plat::utf8ToWideString(copy)), u::utf16ToUtf8(c.out));
    }
    // Lone surrogates in UTF-16 become U+FFFD (EF BF BD).
    EXPECT_EQ(u::utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(u::utf16ToUtf8(std::u16string{char16_t(0xDC00), u'x'}), "\xEF\xBF\xBDx");
}

TEST(Strings, NumbersToText)
{
    EXPECT_EQ(u::doubleToString(0.1), "0.1");
    EXPECT_EQ(u::doubleToString(2.0), "2");
    EXPECT_EQ(u::doubleToString(1234567.0), "1.23457e+06");
    EXPECT_EQ(u::doubleToString(1e-7), "1e-07");
    EXPECT_EQ(u::doubleToString(-1234.5), "-1234.5");
    EXPECT_EQ(u::floatToString(0.5f), "0.5");
    EXPECT_EQ(u::intToString(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(u::int64ToString(-9223372036854775807LL - 1), "-9223372036854775808");
    EXPECT_EQ(u::int64ToString(1234567890123LL), "1234567890123");
}

TEST(Strings, CaseMappingTouchesOnlyAsciiLetters)
{
    EXPECT_EQ(u::utf8ToLower("\xC3\x84" "BC"), "\xC3\x84" "bc");
    EXPECT_EQ(u::utf8ToUpper("\xC3\xA4" "bc"), "\xC3\xA4" "BC");
    EXPECT_EQ(u::utf8ToLower("Hello, World 42"), "hello, world 42");
    // A three-byte sequence whose bytes look like nothing special, then a cut-short lead byte.
    EXPECT_EQ(u::utf8ToLower("\xE2\x82\xAC" "A\xF0\x9F"), "\xE2\x82\xAC" "a\xF0\x9F");
    // Bytes 128..193 are mapped singly and come out unchanged.
    EXPECT_EQ(u::utf8ToUpper("\x80\xC1z"), "\x80\xC1Z");
}

TEST(Strings, ReplaceAndCount)
{
    EXPECT_EQ(u::replaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(u::replaceAll("aaa", "", "x"), "aaa");
    EXPECT_EQ(u::replaceAll("a.b.c", ".", "\\."), "a\\.b\\.c");
    EXPECT_EQ(u::replaceAll("abcabc", "bc", ""), "aa");
    EXPECT_EQ(u::countOccurrences("aaaa", "aa"), 3);
    EXPECT_EQ(u::countOccurrences("aaa", "aa"), 2);
    EXPECT_EQ(u::countOccurrences("abc", ""), 0);
    EXPECT_EQ(u::countOccurrences("abc", "abcd"), 0);
}

TEST(Strings, TrimAndDuplicate)
{
    EXPECT_EQ(u::trimWhitespace("\t x y \r\n"), "x y");
    EXPECT_EQ(u::trimWhitespace(" \t\v\r\n\f"), "");
    EXPECT_EQ(u::trimWhitespace("x"), "x");
    char* copy = reinterpret_cast<char*>(1);
    EXPECT_TRUE(u::duplicateCString("hello", &copy));
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, "hello");
    delete[] copy;
    EXPECT_TRUE(u::duplicateCString(nullptr, &copy));
    EXPECT_STREQ(copy, "");
    delete[] copy;
}

TEST(Strings, Base64)
{
    struct Case {
        std::string bytes, text;
    } cases[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}, {std::string("\0\xFF\xFE", 3), "AP/+"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(u::base64Encode(c.bytes), c.text);
        EXPECT_EQ(u::base64Decode(c.text), c.bytes);
    }
    EXPECT_EQ(u::base64Decode("Zm8"), "fo");   // three characters without padding
    EXPECT_EQ(u::base64Decode("Zg"), "f");     // two characters without padding
    EXPECT_EQ(u::base64Decode("Zm9vY"), "foo");  // a single leftover character gives nothing
    EXPECT_EQ(u::base64Decode("Zg==Zm9v"), "f");  // everything from the first "=" is ignored
    EXPECT_EQ(u::base64Decode("\xFF\x80??").size(), 3u);  // outside the alphabet: no crash
}

TEST(Strings, ClientPathExistsTrimsSpacesAndTrailingSeparators)
{
    std::string dir = ::testing::TempDir() + "values_path_exists";
    ASSERT_TRUE(qor::core::createFolder(dir, 0700) || qor::core::pathExists(dir));
    EXPECT_TRUE(qor::core::pathExists(" " + dir + "\\\\ "));
    EXPECT_TRUE(qor::core::pathExists(dir + "/"));
    EXPECT_FALSE(qor::core::pathExists(dir + "-missing\\"));
    EXPECT_FALSE(qor::core::createFolder(dir, 0700));  // it exists already
}

TEST(Strings, RandomTextRoundTripsAndRandomBytesStayWellFormed)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        // Valid UTF-16 from random scalar values (no NUL, no surrogate code points).
        std::u16string wide;
        int n = static_cast<int>(rng() % 20);
        for (int k = 0; k < n; ++k) {
            char32_t c;
            do
                c = static_cast<char32_t>(rng() % 0x110000);
            while (c == 0 || (c >= 0xD800 && c <= 0xDFFF));
            if (c < 0x10000) {
                wide += static_cast<char16_t>(c);
            } else {
                wide += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
                wide += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
            }
        }
        std::string utf8 = u::utf16ToUtf8(wide);
        ASSERT_EQ(u::utf8ToUtf16(utf8), wide);
        ASSERT_EQ(qor::plat::wideStringToUtf8(qor::plat::utf8ToWideString(utf8)), utf8);

        // Random bytes: the result is well-formed, so it survives a second round trip unchanged.
        std::string bytes;
        int m = 1 + static_cast<int>(rng() % 12);
        for (int k = 0; k < m; ++k)
            bytes += static_cast<char>(1 + rng() % 255);
        std::u16string converted = u::utf8ToUtf16(bytes);
        std::string back = u::utf16ToUtf8(converted);
        ASSERT_EQ(u::utf8ToUtf16(back), converted) << bytes;
        ASSERT_FALSE(converted.empty());
    }
}
