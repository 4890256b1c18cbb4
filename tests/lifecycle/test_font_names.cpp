// The naming-table reader: decoding by platform and encoding, and tables that lie about their sizes.
// Every table is handed over in a heap buffer of exactly its size, so a read past it is caught.
#include "core/qorcoreFontNameTable.h"
#include "win/Windows.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace test_font_names {

using Bytes = std::vector<uint8_t>;

struct Record
{
  uint16_t platform, encoding, nameId;
  Bytes text;
  // When set, the record's length and offset fields are written as given instead of computed.
  int length = -1, offset = -1;
};

void put16(Bytes& out, size_t value)
{
  out.push_back(uint8_t(value >> 8));
  out.push_back(uint8_t(value));
}

Bytes utf16be(const std::u16string& text)
{
  Bytes out;
  for (char16_t unit : text)
    put16(out, unit);
  return out;
}

// A naming table: header, records, then the strings in record order.
Bytes table(const std::vector<Record>& records, uint16_t format = 0, int claimedCount = -1)
{
  Bytes out, storage;
  put16(out, format);
  put16(out, claimedCount < 0 ? records.size() : size_t(claimedCount));
  put16(out, 6 + 12 * records.size());
  for (const Record& r : records) {
    put16(out, r.platform);
    put16(out, r.encoding);
    put16(out, 0x409);
    put16(out, r.nameId);
    put16(out, r.length < 0 ? r.text.size() : size_t(r.length));
    put16(out, r.offset < 0 ? storage.size() : size_t(r.offset));
    storage.insert(storage.end(), r.text.begin(), r.text.end());
  }
  out.insert(out.end(), storage.begin(), storage.end());
  return out;
}

// Reads the table from an exactly sized heap copy of its first `size` bytes.
bool read(const Bytes& bytes, size_t size, std::u16string& name)
{
  std::unique_ptr<uint8_t[]> exact(new uint8_t[size ? size : 1]);
  std::copy(bytes.begin(), bytes.begin() + long(size), exact.get());
  return qor::core::fullFontName(exact.get(), size, name);
}
bool read(const Bytes& bytes, std::u16string& name)
{
  return read(bytes, bytes.size(), name);
}

struct NameCase
{
  const char* label;
  Bytes table;
  bool found;
  std::u16string name;
};

void PrintTo(const NameCase& c, std::ostream* out)
{
  *out << c.label;
}

class NameTable : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(NameTable, TheFirstFullNameInsideTheTableDecidesTheName)
{
  std::u16string name = u"untouched";
  EXPECT_EQ(read(GetParam().table, name), GetParam().found);
  EXPECT_EQ(name, GetParam().found ? GetParam().name : u"untouched");
}

const Bytes macRomanCafe = {'C', 'a', 'f', 0x8E};

INSTANTIATE_TEST_SUITE_P(
    Decoding, NameTable,
    ::testing::Values(
        NameCase{"unicodePlatform", table({{0, 3, 4, utf16be(u"Sans \u20AC")}}), true, u"Sans \u20AC"},
        NameCase{"windowsUnicode", table({{3, 1, 1, utf16be(u"Family")}, {3, 1, 4, utf16be(u"Family Bold")}}),
                 true, u"Family Bold"},
        NameCase{"macRoman", table({{1, 0, 4, macRomanCafe}, {3, 1, 4, utf16be(u"Later")}}), true,
                 u"Caf\u00E9"},
        NameCase{"shiftJis", table({{3, 2, 4, {0x82, 0xA0, 'X'}}}), true, u"\u3042X"},
        NameCase{"cutAtNul", table({{3, 1, 4, utf16be(std::u16string(u"Cut\0Tail", 8))}}), true, u"Cut"},
        NameCase{"oddLengthDropsTheHalfUnit", table({{3, 1, 4, {0, 'A', 0, 'B', 0}}}), true, u"AB"},
        NameCase{"format1", table({{3, 1, 4, utf16be(u"One")}}, 1), true, u"One"},
        NameCase{"format2", table({{3, 1, 4, utf16be(u"Two")}}, 2), false, u""},
        NameCase{"symbolFirst", table({{3, 0, 4, utf16be(u"Sym")}, {3, 1, 4, utf16be(u"Later")}}), false,
                 u""},
        NameCase{"undecodableMacScript", table({{1, 30, 4, {'x'}}}), false, u""},
        NameCase{"noFullName", table({{3, 1, 1, utf16be(u"Family")}}), false, u""},
        NameCase{"noRecords", table({}), false, u""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(FontNameTable, EveryTruncationFailsCleanlyOrReadsOnlyWhatIsThere)
{
  const Bytes whole = table({{1, 0, 1, {'F', 'a', 'm'}}, {3, 1, 4, utf16be(u"Full Name")}});
  for (size_t size = 0; size <= whole.size(); ++size) {
    std::u16string name;
    bool found = read(whole, size, name);
    EXPECT_EQ(found, size == whole.size()) << size;
  }
  std::u16string name;
  EXPECT_FALSE(qor::core::fullFontName(nullptr, 100, name));
}

Bytes withStorageOffset(Bytes bytes, uint16_t storage)
{
  bytes[4] = uint8_t(storage >> 8);
  bytes[5] = uint8_t(storage);
  return bytes;
}

// Tables that lie about their sizes: nothing outside them is ever read.
INSTANTIATE_TEST_SUITE_P(
    Hostile, NameTable,
    ::testing::Values(
        // The count claims records the table does not hold; the ones it holds are still read.
        NameCase{"countBeyondTheData", table({{3, 1, 4, utf16be(u"Kept")}}, 0, 0xFFFF), true, u"Kept"},
        NameCase{"countBeyondTheDataWithoutFullName", table({{3, 1, 1, utf16be(u"Fam")}}, 0, 0xFFFF), false,
                 u""},
        NameCase{"stringPastTheEnd", table({{3, 1, 4, utf16be(u"Gone"), 0xFFFF}}), false, u""},
        NameCase{"offsetPastTheEnd", table({{3, 1, 4, utf16be(u"Gone"), -1, 0xFFF0}}), false, u""},
        // A full-name record that does not fit is skipped, and the next one counts.
        NameCase{"misfitSkipped", table({{3, 1, 4, utf16be(u"Gone"), 200}, {3, 1, 4, utf16be(u"Next")}}),
                 true, u"Next"},
        NameCase{"storageOffsetPastTheEnd", withStorageOffset(table({{3, 1, 4, utf16be(u"Far")}}), 0xFFFF),
                 false, u""},
        // Strings that overlap each other or the header are read as they lie, within the table.
        NameCase{"sharedString", table({{3, 1, 4, utf16be(u"Both"), 8, 0}, {3, 1, 1, {}, 8, 0}}), true,
                 u"Both"},
        NameCase{"stringOverTheHeader",
                 withStorageOffset(table({{0, 3, 4, {}, 4, 0}, {0, 0, 0, utf16be(u"xx")}}), 0), true, u""}),
    [](const auto& info) { return std::string(info.param.label); });

// This machine's fonts come with real naming tables; the reader names them as fontconfig does.
TEST(FontNameTable, ARealFontReadsItsFullName)
{
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = DefWindowProcW;
  cls.lpszClassName = u"FontNamesHost";
  ASSERT_NE(RegisterClassExW(&cls), 0);
  HWND window =
      CreateWindowExW(0, u"FontNamesHost", u"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window, &paint);
  ASSERT_NE(dc, nullptr);
  LOGFONTW wanted{};
  std::u16string face = u"DejaVu Sans";
  face.copy(wanted.lfFaceName, face.size());
  wanted.lfWeight = FW_BOLD;
  HFONT font = CreateFontIndirectW(&wanted);
  ASSERT_NE(font, nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  const DWORD nameTag = 0x656D616E;
  DWORD size = GetFontData(dc, nameTag, 0, nullptr, 0);
  ASSERT_NE(size, GDI_ERROR);
  ASSERT_GT(size, 6u);
  Bytes bytes(size);
  ASSERT_EQ(GetFontData(dc, nameTag, 0, bytes.data(), size), size);
  SelectObject(dc, previous);
  DeleteObject(font);
  EndPaint(window, &paint);
  DestroyWindow(window);
  std::u16string name;
  ASSERT_TRUE(read(bytes, name));
  EXPECT_EQ(name, u"DejaVu Sans Bold");
}

} // namespace test_font_names
