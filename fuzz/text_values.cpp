// Arbitrary bytes through the text readers of the value layer: UTF-8/UTF-16 conversions, ASCII case
// mapping, Base64 decoding and the date parser. None may crash or read past the input, and what the
// UTF-8 reader produces must be well-formed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "plat/qorplatDate.h"
#include "plat/qorplatStrings.h"
#include "utils/qorutilsStrings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);

    std::u16string wide = qor::utils::utf8ToUtf16(bytes);
    std::string back = qor::utils::utf16ToUtf8(wide);
    if (qor::utils::utf8ToUtf16(back) != wide)
        std::abort();  // the reader's output must survive a round trip unchanged

    CStringW cw = qor::plat::utf8ToWideString(bytes);
    (void)qor::plat::wideStringToUtf8(cw);

    std::u16string raw(size / 2, u'\0');
    for (size_t i = 0; i + 1 < size; i += 2)
        raw[i / 2] = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    (void)qor::utils::utf16ToUtf8(raw);

    if (qor::utils::utf8ToLower(bytes).size() != bytes.size())
        std::abort();  // case mapping never changes the length
    (void)qor::utils::base64Decode(bytes);

    qor::plat::Date date(bytes);
    int year = date.year();
    if (year < 1400 || year > 9999)
        std::abort();
    (void)date.format(bytes);
    return 0;
}
