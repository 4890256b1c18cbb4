// Fonts: enumeration of this machine's fonts, selection into a painting DC and their name tables.
#include "win/WinTest.h"
#include "win/Windows.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace test_fonts {

struct Enumerated
{
  std::u16string face, fullName;
  BYTE charset;
  LOGFONTW logFont;
};

int CALLBACK collectFont(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM param)
{
  EXPECT_EQ(type, static_cast<DWORD>(TRUETYPE_FONTTYPE));
  auto* full = reinterpret_cast<const ENUMLOGFONTEXW*>(font);
  reinterpret_cast<std::vector<Enumerated>*>(param)->push_back(
      {font->lfFaceName, full->elfFullName, font->lfCharSet, *font});
  return 1;
}

unsigned be16(const std::vector<unsigned char>& t, size_t at)
{
  return (t[at] << 8) | t[at + 1];
}

// The full name (id 4) of a naming table, from its first record with that id; only the Unicode and
// Windows Unicode encodings are decoded here.
// The full name a font gives itself, read as the system reads it: the Windows Unicode record (US English
// first) before a Unicode-platform one before a Macintosh one. A font file may give them different texts.
std::u16string fullNameOf(const std::vector<unsigned char>& table)
{
  if (table.size() < 6)
    return u"<short>";
  unsigned count = be16(table, 2), storage = be16(table, 4);
  int bestRank = 0;
  std::u16string best = u"<none>";
  for (unsigned i = 0; i < count && 6 + 12 * (i + 1) <= table.size(); ++i) {
    size_t r = 6 + 12 * i;
    if (be16(table, r + 6) != 4)
      continue;
    unsigned platform = be16(table, r), encoding = be16(table, r + 2), language = be16(table, r + 4);
    size_t length = be16(table, r + 8), offset = storage + be16(table, r + 10);
    if (offset + length > table.size())
      return u"<outside>";
    const int rank = platform == 3 && (encoding == 1 || encoding == 0) ? (language == 0x409 ? 4 : 3)
                     : platform == 0                                    ? 2
                     : platform == 1 && encoding == 0                   ? 1
                                                                        : 0;
    if (rank <= bestRank)
      continue;
    std::u16string out;
    if (platform == 0 || platform == 3) {
      for (size_t k = 0; k + 1 < length; k += 2)
        out.push_back(static_cast<char16_t>(be16(table, offset + k)));
    } else {
      std::vector<WCHAR> wide(length + 1);
      int n = MultiByteToWideChar(10000 + encoding, 0, reinterpret_cast<const char*>(table.data() + offset),
                                  static_cast<int>(length), wide.data(), static_cast<int>(wide.size()));
      out.assign(wide.data(), static_cast<size_t>(n > 0 ? n : 0));
    }
    if (!out.empty()) {
      bestRank = rank;
      best = out;
    }
  }
  return best;
}

const DWORD nameTag = 'n' | ('a' << 8) | ('m' << 16) | (static_cast<DWORD>('e') << 24);

class Fonts : public ::testing::Test
{
protected:
  HWND window = nullptr;
  PAINTSTRUCT paint{};
  HDC dc = nullptr;
  void SetUp() override
  {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = DefWindowProcW;
    cls.lpszClassName = u"FontHost";
    ASSERT_NE(RegisterClassExW(&cls), 0);
    window = CreateWindowExW(0, u"FontHost", u"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    dc = BeginPaint(window, &paint);
    ASSERT_NE(dc, nullptr);
  }
  void TearDown() override
  {
    EndPaint(window, &paint);
    qorwin::resetState();
  }
  std::vector<unsigned char> nameTableOf(HFONT font)
  {
    HGDIOBJ previous = SelectObject(dc, font);
    EXPECT_NE(previous, nullptr);
    std::vector<unsigned char> table;
    DWORD size = GetFontData(dc, nameTag, 0, nullptr, 0);
    if (size != 0 && size != GDI_ERROR) {
      table.resize(size);
      EXPECT_EQ(GetFontData(dc, nameTag, 0, table.data(), size), size);
    }
    SelectObject(dc, previous);
    return table;
  }
};

TEST_F(Fonts, EveryEnumeratedFontNamesItselfInItsOwnNameTable)
{
  LOGFONTW all{};
  all.lfCharSet = DEFAULT_CHARSET;
  std::vector<Enumerated> fonts;
  EXPECT_EQ(EnumFontFamiliesExW(dc, &all, collectFont, reinterpret_cast<LPARAM>(&fonts), 0), 1);
  ASSERT_FALSE(fonts.empty());
  bool sawDejaVu = false;
  for (auto& f : fonts) {
    SCOPED_TRACE(std::string(f.face.begin(), f.face.end()));
    if (f.face == u"DejaVu Sans" && f.charset == ANSI_CHARSET)
      sawDejaVu = true;
    HFONT font = CreateFontIndirectW(&f.logFont);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(fullNameOf(nameTableOf(font)), f.fullName);
    EXPECT_TRUE(DeleteObject(font));
  }
  EXPECT_TRUE(sawDejaVu);
  // A family offers several character sets, each enumerated once.
  int dejaVuCharsets = 0;
  for (auto& f : fonts)
    dejaVuCharsets += f.face == u"DejaVu Sans";
  EXPECT_GT(dejaVuCharsets, 1);
}

TEST_F(Fonts, EnumerationFiltersByFaceAndCharacterSet)
{
  LOGFONTW wanted{};
  wanted.lfCharSet = RUSSIAN_CHARSET;
  std::vector<Enumerated> fonts;
  EnumFontFamiliesExW(dc, &wanted, collectFont, reinterpret_cast<LPARAM>(&fonts), 0);
  ASSERT_FALSE(fonts.empty());
  for (auto& f : fonts)
    EXPECT_EQ(f.charset, RUSSIAN_CHARSET);

  // With a face name: that family's faces (its styles) only.
  wanted = LOGFONTW{};
  wanted.lfCharSet = ANSI_CHARSET;
  std::u16string name = u"DejaVu Sans";
  std::copy(name.begin(), name.end(), wanted.lfFaceName);
  fonts.clear();
  EnumFontFamiliesExW(dc, &wanted, collectFont, reinterpret_cast<LPARAM>(&fonts), 0);
  ASSERT_GE(fonts.size(), 2u); // Book, Bold, Oblique...
  for (auto& f : fonts)
    EXPECT_EQ(f.face, name);

  // A callback answering 0 ends the enumeration, and that is the result.
  auto stop = [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM param) -> int {
    ++*reinterpret_cast<int*>(param);
    return 0;
  };
  int calls = 0;
  EXPECT_EQ(EnumFontFamiliesExW(dc, &wanted, stop, reinterpret_cast<LPARAM>(&calls), 0), 0);
  EXPECT_EQ(calls, 1);
}

TEST_F(Fonts, AMissingFaceSelectsDejaVuSansAndTablesAreBounded)
{
  HFONT arial = CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"Arial");
  HGDIOBJ previous = SelectObject(dc, arial);
  WCHAR face[LF_FACESIZE];
  ASSERT_GT(GetTextFaceW(dc, LF_FACESIZE, face), 0);
  EXPECT_EQ(std::u16string(face), u"DejaVu Sans");
  DWORD whole = GetFontData(dc, 0, 0, nullptr, 0);
  EXPECT_GT(whole, 1000u);
  DWORD name = GetFontData(dc, nameTag, 0, nullptr, 0);
  EXPECT_GT(name, 6u);
  EXPECT_EQ(GetFontData(dc, nameTag, name - 2, nullptr, 0), 2u);
  EXPECT_EQ(GetFontData(dc, nameTag, name + 1, nullptr, 0), GDI_ERROR);
  EXPECT_EQ(GetFontData(dc, 'z' | ('z' << 8) | ('z' << 16) | (static_cast<DWORD>('z') << 24), 0, nullptr, 0),
            GDI_ERROR);
  unsigned char head[4];
  EXPECT_EQ(GetFontData(dc, nameTag, 0, head, 4), 4u);
  EXPECT_EQ(head[0] << 8 | head[1], 0); // format 0 or 1
  // A font cannot be deleted while it is selected.
  EXPECT_FALSE(DeleteObject(arial));
  SelectObject(dc, previous);
  EXPECT_TRUE(DeleteObject(arial));
  EXPECT_EQ(SelectObject(dc, arial), nullptr);
  LOGFONTW back{};
  EXPECT_EQ(GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof back, &back), static_cast<int>(sizeof back));
  EXPECT_TRUE(DeleteObject(GetStockObject(DEFAULT_GUI_FONT)));
  EXPECT_EQ(GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof back, &back), static_cast<int>(sizeof back));
}

} // namespace test_fonts
