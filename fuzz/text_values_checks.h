// The properties the text_values fuzz target checks for one input, shared with the test that replays
// its seed corpus: arbitrary bytes through the text readers of the value layer (UTF-8/UTF-16
// conversions, ASCII case mapping, Base64 decoding and the date parser). None may crash or read past
// the input; the result names the first property that failed, or is null.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "plat/qorplatDate.h"
#include "plat/qorplatStrings.h"
#include "utils/qorutilsStrings.h"

namespace textValuesFuzz {

inline const char* checkTextValues(const uint8_t* data, size_t size)
{
  std::string bytes(reinterpret_cast<const char*>(data), size);

  std::u16string wide = qor::utils::utf8ToUtf16(bytes);
  std::string back = qor::utils::utf16ToUtf8(wide);
  if (qor::utils::utf8ToUtf16(back) != wide)
    return "the UTF-8 reader's output survives a round trip unchanged";

  CStringW cw = qor::plat::utf8ToWideString(bytes);
  (void)qor::plat::wideStringToUtf8(cw);

  std::u16string raw(size / 2, u'\0');
  for (size_t i = 0; i + 1 < size; i += 2)
    raw[i / 2] = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
  (void)qor::utils::utf16ToUtf8(raw);

  if (qor::utils::utf8ToLower(bytes).size() != bytes.size())
    return "case mapping never changes the length";
  (void)qor::utils::base64Decode(bytes);

  qor::plat::Date date(bytes);
  int year = date.year();
  if (year < 1400 || year > 9999)
    return "a parsed date stays within the years 1400 to 9999";
  (void)date.format(bytes);
  return nullptr;
}

}  // namespace textValuesFuzz
