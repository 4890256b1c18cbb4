#include "win/qorwinUnicode.h"

#include <cstring>

namespace qorwin {
namespace qorwinUnicode_detail {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one scalar value from UTF-8 at text[i] (i < length), advancing i past it. An ill-formed
// sequence gives U+FFFD and advances past its maximal valid prefix (at least one byte).
char32_t decodeUtf8(const unsigned char* s, size_t length, size_t& i, bool& bad)
{
    unsigned char b0 = s[i];
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int need;
    char32_t cp;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        need = 1;
        cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        need = 2;
        cp = b0 & 0x0F;
        if (b0 == 0xE0)
            lo = 0xA0;
        else if (b0 == 0xED)
            hi = 0x9F;  // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        need = 3;
        cp = b0 & 0x07;
        if (b0 == 0xF0)
            lo = 0x90;
        else if (b0 == 0xF4)
            hi = 0x8F;  // nothing above U+10FFFF
    } else {
        ++i;
        bad = true;
        return kReplacement;
    }
    ++i;
    for (int k = 0; k < need; ++k) {
        unsigned char b = i < length ? s[i] : 0;
        if (i >= length || (k == 0 ? (b < lo || b > hi) : (b < 0x80 || b > 0xBF))) {
            bad = true;
            return kReplacement;
        }
        cp = (cp << 6) | (b & 0x3F);
        ++i;
    }
    return cp;
}

char32_t decodeUtf16(const char16_t* s, size_t length, size_t& i, bool& bad)
{
    char16_t u = s[i++];
    if (u < 0xD800 || u > 0xDFFF)
        return u;
    if (u <= 0xDBFF && i < length && s[i] >= 0xDC00 && s[i] <= 0xDFFF) {
        char32_t cp = 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(s[i]) - 0xDC00);
        ++i;
        return cp;
    }
    bad = true;
    return kReplacement;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendUtf16(std::u16string& out, char32_t c)
{
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

}  // namespace qorwinUnicode_detail

std::u16string utf8ToUtf16(const char* text, size_t length, bool* illFormed)
{
    bool bad = false;
    std::u16string out;
    out.reserve(length);
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    for (size_t i = 0; i < length;)
        qorwinUnicode_detail::appendUtf16(out, qorwinUnicode_detail::decodeUtf8(s, length, i, bad));
    if (illFormed)
        *illFormed = bad;
    return out;
}

std::string utf16ToUtf8(const char16_t* text, size_t length, bool* illFormed)
{
    bool bad = false;
    std::string out;
    out.reserve(length);
    for (size_t i = 0; i < length;)
        qorwinUnicode_detail::appendUtf8(out, qorwinUnicode_detail::decodeUtf16(text, length, i, bad));
    if (illFormed)
        *illFormed = bad;
    return out;
}

}  // namespace qorwin

namespace qorwinUnicodeApi_detail {

bool knownCodePage(uint32_t codePage)
{
    return codePage == CP_UTF8 || codePage == CP_ACP;
}

template <typename Out>
int deliver(const Out& converted, typename Out::value_type* buffer, int bufferLength)
{
    if (converted.size() > 0x7FFFFFFF)
        return 0;
    int needed = static_cast<int>(converted.size());
    if (bufferLength == 0)
        return needed;
    if (!buffer || needed > bufferLength)
        return 0;
    std::memcpy(buffer, converted.data(), converted.size() * sizeof(typename Out::value_type));
    return needed;
}

}  // namespace qorwinUnicodeApi_detail

__attribute__((weak)) int MultiByteToWideChar(unsigned int codePage, uint32_t flags, const char* multiByte, int multiByteLength,
                        char16_t* wide, int wideLength)
{
    if (!qorwinUnicodeApi_detail::knownCodePage(codePage) || (flags & ~uint32_t(MB_ERR_INVALID_CHARS)) || !multiByte || multiByteLength == 0 ||
        multiByteLength < -1 || wideLength < 0)
        return 0;
    size_t length = multiByteLength == -1 ? std::strlen(multiByte) + 1 : static_cast<size_t>(multiByteLength);
    bool bad = false;
    std::u16string converted = qorwin::utf8ToUtf16(multiByte, length, &bad);
    if (bad && (flags & MB_ERR_INVALID_CHARS))
        return 0;
    return qorwinUnicodeApi_detail::deliver(converted, wide, wideLength);
}

__attribute__((weak)) int WideCharToMultiByte(unsigned int codePage, uint32_t flags, const char16_t* wide, int wideLength, char* multiByte,
                        int multiByteLength, const char* defaultChar, int* usedDefaultChar)
{
    // The UTF-8 code page accepts no default character, as on Windows.
    if (!qorwinUnicodeApi_detail::knownCodePage(codePage) || (flags & ~uint32_t(WC_ERR_INVALID_CHARS)) || !wide || wideLength == 0 ||
        wideLength < -1 || multiByteLength < 0 || defaultChar || usedDefaultChar)
        return 0;
    size_t length = static_cast<size_t>(wideLength);
    if (wideLength == -1) {
        length = 0;
        while (wide[length])
            ++length;
        ++length;
    }
    bool bad = false;
    std::string converted = qorwin::utf16ToUtf8(wide, length, &bad);
    if (bad && (flags & WC_ERR_INVALID_CHARS))
        return 0;
    return qorwinUnicodeApi_detail::deliver(converted, multiByte, multiByteLength);
}
