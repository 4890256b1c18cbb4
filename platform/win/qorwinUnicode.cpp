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
