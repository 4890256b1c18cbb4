#include "hostsimBlocks.h"
#include "hostsimEncoding.h"
#include "hostsimTestSupport.h"
#include "hostsimUnicodeStrings.h"

#include <string>

using hostsim::HostApp;
using hostsimtest::acquire;

class UnicodeStringSuiteTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    strings = acquire<UnicodeStringSuite>(app, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
    blocks = acquire<SpBlocksSuite>(app, kSpBlocksSuiteName, kSpBlocksSuiteVersion);
    ASSERT_TRUE(strings && blocks);
  }

  std::u16string units(HostString string)
  {
    const char16_t* data = nullptr;
    int32_t count = strings->getStringUtf16(string, &data);
    return std::u16string(data, size_t(count));
  }

  std::string bytes(HostString string, int32_t encoding)
  {
    SPBlockBuffer block{};
    int32_t count = -1;
    EXPECT_EQ(strings->getStringBytes(string, encoding, &block, &count), kHostNoErr);
    std::string text(static_cast<const char*>(block.block), size_t(count));
    EXPECT_EQ(blocks->freeBlock(block.block), kHostNoErr);
    return text;
  }

  HostApp app;
  const UnicodeStringSuite* strings = nullptr;
  const SpBlocksSuite* blocks = nullptr;
};

TEST_F(UnicodeStringSuiteTest, ConvertsBetweenUtf8Utf16CodePointsAndThePlatformEncoding)
{
  struct Case
  {
    std::string utf8;
    std::u16string utf16;
    int32_t codePoints;
    std::string platform;
  };
  const Case cases[] = {
      {"a", u"a", 1, "a"},
      {"\xC3\xA9", u"\u00E9", 1, "\xE9"},          // é
      {"\xE2\x82\xAC", u"\u20AC", 1, "\x80"},      // € sits in the 0x80-0x9F range
      {"\xF0\x9D\x84\x9E", u"\U0001D11E", 1, "?"}, // a surrogate pair, no platform byte
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3), 3, std::string("a\0b", 3)},
      {"\xE4\xB8\xAD\xC3\xA9x", u"\u4E2D\u00E9x", 3, "?\xE9x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    HostString string = nullptr;
    ASSERT_EQ(strings->initStringFromBytes(&string, c.utf8.data(), int32_t(c.utf8.size()), 1), kHostNoErr);
    EXPECT_EQ(units(string), c.utf16);
    EXPECT_EQ(strings->getStringLength(string), c.codePoints);
    EXPECT_EQ(bytes(string, 1), c.utf8);
    EXPECT_EQ(bytes(string, 0), c.platform);

    // The code points walk back to the same text, as a UTF-32 conversion does.
    HostString rebuilt = nullptr;
    for (int32_t i = 0; i < c.codePoints; ++i) {
      uint32_t codePoint = 0;
      ASSERT_EQ(strings->getCodePointAt(string, i, &codePoint), kHostNoErr);
      HostString one = nullptr;
      ASSERT_EQ(strings->initStringRepeated(&one, 1, codePoint), kHostNoErr);
      ASSERT_EQ(strings->appendString(&rebuilt, one), kHostNoErr);
      strings->destroyString(&one);
    }
    EXPECT_EQ(units(rebuilt), c.utf16);
    uint32_t past = 7;
    EXPECT_NE(strings->getCodePointAt(string, c.codePoints, &past), kHostNoErr);
    EXPECT_EQ(past, 7u);
    strings->destroyString(&rebuilt);
    strings->destroyString(&string);
  }
  EXPECT_EQ(app.area<hostsim::UnicodeStrings>().liveCount(), 0u);
  EXPECT_EQ(app.area<hostsim::Blocks>().liveCount(), 0u);
}

TEST_F(UnicodeStringSuiteTest, DecodesThePlatformEncodingAndRepairsMalformedInput)
{
  HostString string = nullptr;
  ASSERT_EQ(strings->initStringFromBytes(&string, "\x80\x9F\xFF", -1, 0), kHostNoErr);
  EXPECT_EQ(units(string), u"\u20AC\u0178\u00FF");
  // A stray continuation byte, a truncated sequence and an encoded surrogate.
  ASSERT_EQ(strings->initStringFromBytes(&string,
                                         "\x80"
                                         "a\xE2\x82"
                                         "b\xED\xA0\x80",
                                         -1, 1),
            kHostNoErr);
  EXPECT_EQ(units(string), u"\uFFFDa\uFFFDb\uFFFD\uFFFD\uFFFD");
  // A lone surrogate from UTF-16 stays one character and leaves as U+FFFD.
  const char16_t lone[] = {u'x', 0xD800, 0};
  ASSERT_EQ(strings->initStringFromUtf16(&string, lone, -1), kHostNoErr);
  EXPECT_EQ(strings->getStringLength(string), 2);
  EXPECT_EQ(bytes(string, 1), "x\xEF\xBF\xBD");
  EXPECT_NE(strings->initStringFromBytes(&string, "a", 1, 7), kHostNoErr) << "unknown encoding";
  EXPECT_NE(strings->initStringRepeated(&string, 1, 0xD800), kHostNoErr);
  EXPECT_NE(strings->initStringRepeated(&string, -1, u'a'), kHostNoErr);
  strings->destroyString(&string);
}

TEST_F(UnicodeStringSuiteTest, NullIsTheEmptyStringAndDeadHandlesFail)
{
  EXPECT_EQ(strings->getStringLength(nullptr), 0);
  EXPECT_EQ(units(nullptr), u"");
  EXPECT_EQ(bytes(nullptr, 1), "");
  HostString target = nullptr;
  ASSERT_EQ(strings->appendString(&target, nullptr), kHostNoErr);
  EXPECT_NE(target, nullptr) << "appending to a null target creates it";

  HostString string = nullptr;
  ASSERT_EQ(strings->initStringFromUtf16(&string, u"abc", 2), kHostNoErr);
  HostString same = string;
  ASSERT_EQ(strings->initStringFromUtf16(&string, u"xyz", -1), kHostNoErr);
  EXPECT_EQ(string, same) << "an output string's object is reused";
  EXPECT_EQ(units(string), u"xyz");
  ASSERT_EQ(strings->destroyString(&string), kHostNoErr);
  EXPECT_EQ(string, nullptr);

  HostString dead = same;
  EXPECT_NE(strings->destroyString(&dead), kHostNoErr);
  EXPECT_EQ(strings->getStringLength(dead), 0);
  EXPECT_NE(strings->appendString(&dead, nullptr), kHostNoErr);
  EXPECT_NE(strings->appendString(&target, dead), kHostNoErr);
  uint32_t codePoint = 0;
  EXPECT_NE(strings->getCodePointAt(dead, 0, &codePoint), kHostNoErr);
  SPBlockBuffer block{};
  int32_t count = 0;
  EXPECT_NE(strings->getStringBytes(dead, 1, &block, &count), kHostNoErr);
  EXPECT_EQ(block.block, nullptr);

  HostString next = nullptr;
  ASSERT_EQ(strings->initStringFromUtf16(&next, u"abc", -1), kHostNoErr);
  EXPECT_GT(reinterpret_cast<uintptr_t>(next), reinterpret_cast<uintptr_t>(same))
      << "handles are never reused";
  strings->destroyString(&next);
  strings->destroyString(&target);
}
