#include "plat/qorplatStrings.h"

#include <vector>

#include "win/WinBase.h"

namespace qor {
namespace plat {

CStringW utf8ToWideString(const std::string& text)
{
    if (text.empty() || text.size() > 0x7FFFFFFF)
        return CStringW();
    int inLength = static_cast<int>(text.size());
    int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), inLength, nullptr, 0);
    if (length <= 0)
        return CStringW();
    std::vector<char16_t> buffer(static_cast<size_t>(length));
    if (MultiByteToWideChar(CP_UTF8, 0, text.data(), inLength, buffer.data(), length) <= 0)
        return CStringW();
    return CStringW(buffer.data(), length);
}

std::string wideStringToUtf8(const CStringW& text)
{
    const char16_t* wide = text.GetString();
    if (!wide[0])
        return std::string();
    int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length));
    if (WideCharToMultiByte(CP_UTF8, 0, wide, -1, buffer.data(), length, nullptr, nullptr) <= 0)
        return std::string();
    return std::string(buffer.data());
}

}  // namespace plat
}  // namespace qor
