// UTF-8 to and from code points through the host's strings: every plane round-trips, ill-formed
// input is replaced rather than trusted, and a host that counts its strings in UTF-16 units still
// yields whole characters.
#include <gtest/gtest.h>

#include <string>

#include "aip/qoraipSuitePointers.h"
#include "core/qorcoreStringConversions.h"
#include "hostapi/UnicodeStringSuite.h"
#include "hostedPlugin.h"
#include "hostsimUnicodeStrings.h"

namespace qortest_code_points {

using qor::core::utf32ToUtf8;
using qor::core::utf8ToUtf32;
using CodePoints = valuestest::HostedPlugin;

const std::string replacement = "\xEF\xBF\xBD";

TEST_F(CodePoints, EveryPlaneRoundTrips)
{
  EXPECT_EQ(utf8ToUtf32("a\xC3\xA9\xE2\x82\xAC"), (std::u32string{97, 233, 8364}));
  EXPECT_EQ(utf32ToUtf8({97, 233, 8364}), "a\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(utf8ToUtf32(""), U"");
  EXPECT_EQ(utf32ToUtf8(U""), "");

  // One character of each length, the edges of the surrogate gap and of the code space, an embedded zero.
  const std::u32string all = {U'\0', 0x7F, 0x80, 0x7FF, 0x800, 0xD7FF, 0xE000, 0xFFFD, 0xFFFF,
                              0x10000, 0x1F600, 0x10FFFF};
  const std::string utf8 = utf32ToUtf8(all);
  EXPECT_EQ(utf8.size(), 1u + 1 + 2 + 2 + 3 + 3 + 3 + 3 + 3 + 4 + 4 + 4);
  EXPECT_EQ(utf8ToUtf32(utf8), all);
  EXPECT_EQ(utf8ToUtf32("\xF0\x9F\x98\x80"), U"\U0001F600");
}

TEST_F(CodePoints, IllFormedUtf8IsReplaced)
{
  struct Case
  {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"overlong slash", "\xC0\xAF"},
      {"overlong three bytes", "\xE0\x80\xAF"},
      {"encoded surrogate", "\xED\xA0\x80"},
      {"truncated at the end", "\xF0\x9F\x98"},
      {"truncated before ASCII", "\xE2\x82z"},
      {"above U+10FFFF", "\xF4\x90\x80\x80"},
      {"stray continuation", "\x80"},
      {"invalid lead", "\xFF"},
  };
  for (const Case& c : cases) {
    const std::u32string points = utf8ToUtf32(c.bytes);
    ASSERT_FALSE(points.empty()) << c.name;
    for (char32_t p : points)
      EXPECT_TRUE(p == 0xFFFD || p == U'z') << c.name << ": U+" << std::hex << uint32_t(p);
    EXPECT_EQ(utf8ToUtf32(utf32ToUtf8(points)), points) << c.name;
  }
}

TEST_F(CodePoints, ValuesThatAreNoCharactersBecomeReplacements)
{
  EXPECT_EQ(utf32ToUtf8({U'a', char32_t(0xD800), U'b'}), "a" + replacement + "b");
  EXPECT_EQ(utf32ToUtf8({char32_t(0xDFFF)}), replacement);
  EXPECT_EQ(utf32ToUtf8({char32_t(0x110000), char32_t(0xFFFFFFFF)}), replacement + replacement);
}

// A host whose strings count and index UTF-16 units, as some hosts do.
namespace utf16host {

const std::u16string* text(HostString string)
{
  return hostsim::HostApp::instance().area<hostsim::UnicodeStrings>().find(string);
}

int32_t length(HostString string)
{
  const std::u16string* units = text(string);
  return units ? int32_t(units->size()) : 0;
}

HostErr unitAt(HostString string, int32_t index, uint32_t* out)
{
  const std::u16string* units = text(string);
  if (!units || !out || index < 0 || size_t(index) >= units->size())
    return kHostErrBadParameter;
  *out = (*units)[size_t(index)];
  return kHostNoErr;
}

}  // namespace utf16host

TEST_F(CodePoints, SurrogatesFromAUtf16CountingHostAreJoined)
{
  utf8ToUtf32("x");  // acquires the suite
  const UnicodeStringSuite* original = qor::aip::unicodeStringSuite;
  ASSERT_NE(original, nullptr);
  UnicodeStringSuite counted = *original;
  counted.getStringLength = &utf16host::length;
  counted.getCodePointAt = &utf16host::unitAt;
  qor::aip::unicodeStringSuite = &counted;

  EXPECT_EQ(utf8ToUtf32("a\xF0\x9F\x98\x80" "b\xF4\x8F\xBF\xBF"), U"a\U0001F600b\U0010FFFF");
  EXPECT_EQ(utf8ToUtf32("\xF0\x9F\x98\x80\xF0\x9F\x98\x80"), U"\U0001F600\U0001F600");

  qor::aip::unicodeStringSuite = original;
}

// Such a host may also keep an encoded surrogate (three bytes from ED A0 80 to ED BF BF) as the unit
// it stands for; this one decodes sequences of up to three bytes without checking them.
HostErr lenientFromBytes(HostString* out, const char* bytes, int32_t count, int32_t)
{
  std::u16string units;
  for (int32_t i = 0; i < count;) {
    const unsigned char lead = static_cast<unsigned char>(bytes[i]);
    const int extra = lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    uint32_t unit = extra == 2 ? lead & 0x0F : extra == 1 ? lead & 0x1F : lead;
    for (int k = 1; k <= extra && i + k < count; ++k)
      unit = (unit << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
    units.push_back(char16_t(unit));
    i += 1 + extra;
  }
  return hostsim::HostApp::instance().area<hostsim::UnicodeStrings>().write(out, units);
}

TEST_F(CodePoints, LoneSurrogatesFromTheHostBecomeReplacements)
{
  utf8ToUtf32("x");
  const UnicodeStringSuite* original = qor::aip::unicodeStringSuite;
  UnicodeStringSuite counted = *original;
  counted.initStringFromBytes = &lenientFromBytes;
  counted.getStringLength = &utf16host::length;
  counted.getCodePointAt = &utf16host::unitAt;
  qor::aip::unicodeStringSuite = &counted;

  const std::string high = "\xED\xA0\xBD";  // U+D83D
  const std::string low = "\xED\xB8\x80";   // U+DE00
  struct Case
  {
    std::string bytes;
    std::u32string points;
  };
  const Case cases[] = {
      {high, U"\uFFFD"},
      {"a" + high + "b", U"a\uFFFDb"},
      {low + high, U"\uFFFD\uFFFD"},
      {high + high + low, U"\uFFFD\U0001F600"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(utf8ToUtf32(c.bytes), c.points);
  qor::aip::unicodeStringSuite = original;
}

TEST(TextHelpers, LowerCaseAndOverlappingCounts)
{
  // ASCII is lowered; a multi-byte character is copied whole, never split or changed.
  EXPECT_EQ(qor::core::toLowerUtf8("Junctate \xC3\x89T\xE2\x82\xAC"), "junctate \xC3\x89t\xE2\x82\xAC");
  const struct
  {
    const char* text;
    const char* search;
    int count;
  } counts[] = {{"aaaa", "aa", 3}, {"abcabc", "bc", 2}, {"abc", "", 0}, {"", "a", 0}, {"abc", "abcd", 0}};
  for (const auto& c : counts)
    EXPECT_EQ(qor::core::countOccurrences(c.text, c.search), c.count) << c.text << " / " << c.search;
}

}  // namespace qortest_code_points
