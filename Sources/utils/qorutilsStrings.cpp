#include "utils/qorutilsStrings.h"

#include <cctype>
#include <cstring>
#include <locale>
#include <sstream>
#include <vector>

#include "win/WinBase.h"

namespace qor {
namespace utils {

namespace qorutilsStrings_detail {

template <typename T>
std::string toText(T value)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}

// Copies single bytes through the mapping and multi-byte UTF-8 sequences unchanged.
template <typename Map>
std::string mapAscii(const std::string& text, Map map)
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0, n = text.size();
    while (i < n) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        size_t extra = b < 194 ? 0 : b < 224 ? 1 : b < 240 ? 2 : 3;
        if (extra == 0) {
            out += static_cast<char>(map(b));
            ++i;
            continue;
        }
        size_t end = i + 1 + extra < n ? i + 1 + extra : n;  // a cut-short sequence copies what is there
        out.append(text, i, end - i);
        i = end;
    }
    return out;
}

const char kBase64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace qorutilsStrings_detail

std::string cStringToString(const char* text)
{
    return text ? std::string(text) : std::string();
}

std::u16string utf8ToUtf16(const std::string& text)
{
    if (text.empty())
        return std::u16string();
    int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return std::u16string();
    std::vector<char16_t> buffer(static_cast<size_t>(length) + 1, 0);
    if (MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, buffer.data(), length) <= 0)
        return std::u16string();
    return std::u16string(buffer.data());
}

std::string utf16ToUtf8(const std::u16string& text)
{
    if (text.empty())
        return std::string();
    int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1, 0);
    if (WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, buffer.data(), length, nullptr, nullptr) <= 0)
        return std::string();
    return std::string(buffer.data());
}

std::string doubleToString(double value)
{
    return qorutilsStrings_detail::toText(value);
}

std::string floatToString(float value)
{
    return qorutilsStrings_detail::toText(static_cast<double>(value));
}

std::string intToString(int32_t value)
{
    return qorutilsStrings_detail::toText(value);
}

std::string int64ToString(int64_t value)
{
    return qorutilsStrings_detail::toText(static_cast<long long>(value));
}

std::string utf8ToLower(const std::string& text)
{
    return qorutilsStrings_detail::mapAscii(text, [](unsigned char b) { return b >= 'A' && b <= 'Z' ? b + 32 : b; });
}

std::string utf8ToUpper(const std::string& text)
{
    return qorutilsStrings_detail::mapAscii(text, [](unsigned char b) { return b >= 'a' && b <= 'z' ? b - 32 : b; });
}

std::string replaceAll(const std::string& text, const std::string& search, const std::string& replacement)
{
    if (search.empty())
        return text;
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    for (size_t hit; (hit = text.find(search, from)) != std::string::npos; from = hit + search.size()) {
        out.append(text, from, hit - from);
        out += replacement;
    }
    out.append(text, from, std::string::npos);
    return out;
}

int countOccurrences(const std::string& text, const std::string& search)
{
    if (search.empty())
        return 0;
    int count = 0;
    for (size_t hit = text.find(search); hit != std::string::npos; hit = text.find(search, hit + 1))
        ++count;
    return count;
}

std::string trimWhitespace(const std::string& text)
{
    const char* ws = " \t\v\r\n\f";
    size_t first = text.find_first_not_of(ws);
    if (first == std::string::npos)
        return std::string();
    size_t last = text.find_last_not_of(ws);
    return text.substr(first, last - first + 1);
}

bool duplicateCString(const char* text, char** out)
{
    if (!out)
        return false;
    *out = nullptr;
    size_t length = text ? std::strlen(text) : 0;
    char* copy = new char[length + 1];
    if (length)
        std::memcpy(copy, text, length);
    copy[length] = '\0';
    *out = copy;
    return true;
}

std::string base64Encode(const std::string& bytes)
{
    const char* alphabet = qorutilsStrings_detail::kBase64Alphabet;
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0, n = bytes.size();
    auto byte = [&](size_t k) { return static_cast<uint32_t>(static_cast<unsigned char>(bytes[k])); };
    for (; i + 3 <= n; i += 3) {
        uint32_t v = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
        out += alphabet[v >> 18];
        out += alphabet[(v >> 12) & 0x3F];
        out += alphabet[(v >> 6) & 0x3F];
        out += alphabet[v & 0x3F];
    }
    if (n - i == 1) {
        uint32_t v = byte(i) << 16;
        out += alphabet[v >> 18];
        out += alphabet[(v >> 12) & 0x3F];
        out += "==";
    } else if (n - i == 2) {
        uint32_t v = byte(i) << 16 | byte(i + 1) << 8;
        out += alphabet[v >> 18];
        out += alphabet[(v >> 12) & 0x3F];
        out += alphabet[(v >> 6) & 0x3F];
        out += '=';
    }
    return out;
}

std::string base64Decode(const std::string& text)
{
    unsigned char table[256];
    std::memset(table, 255, sizeof table);
    for (int k = 0; k < 64; ++k)
        table[static_cast<unsigned char>(qorutilsStrings_detail::kBase64Alphabet[k])] = static_cast<unsigned char>(k);

    size_t end = text.find('=');
    if (end == std::string::npos)
        end = text.size();
    std::string out;
    out.reserve(end / 4 * 3 + 2);
    uint32_t group = 0;
    int count = 0;
    for (size_t i = 0; i < end; ++i) {
        // Characters outside the alphabet are not expected; they contribute their low six bits.
        group = group << 6 | (table[static_cast<unsigned char>(text[i])] & 0x3F);
        if (++count == 4) {
            out += static_cast<char>(group >> 16);
            out += static_cast<char>((group >> 8) & 0xFF);
            out += static_cast<char>(group & 0xFF);
            group = 0;
            count = 0;
        }
    }
    if (count == 2) {
        out += static_cast<char>(group >> 4);
    } else if (count == 3) {
        out += static_cast<char>(group >> 10);
        out += static_cast<char>((group >> 2) & 0xFF);
    }
    return out;
}

}  // namespace utils
}  // namespace qor
