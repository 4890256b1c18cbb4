#include "core/qorcoreFontNameTable.h"

#include <algorithm>
#include <vector>

#include "win/WinBase.h"

namespace qor {
namespace core {

namespace qorcoreFontNameTable_detail {
uint16_t readU16(const uint8_t* at)
{
  return static_cast<uint16_t>((at[0] << 8) | at[1]);
}

// The code page of a Macintosh (platform 1) or Windows (platform 3) byte encoding, else 0.
unsigned int codePage(uint16_t platform, uint16_t encoding)
{
  if (platform == 1) {
    switch (encoding) {
    case 0: return 10000;
    case 1: return 10001;
    case 2: return 10002;
    case 3: return 10003;
    case 4: return 10004;
    case 5: return 10005;
    case 6: return 10006;
    case 7: return 10007;
    case 21: return 10021;
    case 25: return 10008;
    default: return 0;
    }
  }
  if (platform == 3) {
    switch (encoding) {
    case 2: return 932;
    case 3: return 936;
    case 4: return 950;
    case 5: return 20949;
    case 6: return 1361;
    default: return 0;
    }
  }
  return 0;
}
}  // namespace qorcoreFontNameTable_detail

bool fullFontName(const uint8_t* table, size_t size, std::u16string& name)
{
  using namespace qorcoreFontNameTable_detail;
  constexpr size_t headerSize = 6;
  constexpr size_t recordSize = 12;
  if (!table || size < headerSize)
    return false;
  const uint16_t format = readU16(table);
  if (format != 0 && format != 1)
    return false;
  // Records past the end of the table data are not read; the count may claim more than it holds.
  const size_t count = std::min<size_t>(readU16(table + 2), (size - headerSize) / recordSize);
  const size_t storage = readU16(table + 4);
  for (size_t index = 0; index < count; ++index) {
    const uint8_t* record = table + headerSize + index * recordSize;
    if (readU16(record + 6) != 4)
      continue;
    const uint16_t platform = readU16(record);
    const uint16_t encoding = readU16(record + 2);
    const size_t length = readU16(record + 8);
    const size_t offset = storage + readU16(record + 10);
    // A full-name record whose string lies outside the table is skipped; the first one that fits
    // counts, whatever its platform and language.
    if (offset > size || length > size - offset)
      continue;
    const uint8_t* text = table + offset;
    std::u16string decoded;
    if (platform == 0 || (platform == 3 && encoding == 1)) {
      for (size_t unit = 0; unit < length / 2; ++unit)
        decoded.push_back(static_cast<char16_t>(readU16(text + 2 * unit)));
    } else if (unsigned int page = codePage(platform, encoding)) {
      std::vector<WCHAR> wide(length + 1);
      int converted = MultiByteToWideChar(page, 0, reinterpret_cast<LPCSTR>(text), static_cast<int>(length),
                                          wide.data(), static_cast<int>(wide.size()));
      if (converted <= 0)
        return false;
      decoded.assign(wide.data(), static_cast<size_t>(converted));
    } else {
      return false;
    }
    name = decoded.substr(0, decoded.find(u'\0'));
    return true;
  }
  return false;
}

}  // namespace core
}  // namespace qor
