// UTF-8 and UTF-16 conversions for the layer's own use at the POSIX and libcurl boundaries.
// Malformed input becomes U+FFFD, as the system's converters do.
#pragma once

#include <string>

#include "win/WinMinTypes.h"

namespace qorwin {
namespace codec {

std::string toUtf8(const char16_t* text, std::size_t count);
std::string toUtf8(const char16_t* nulTerminated);
std::u16string toUtf16(const std::string& text);
// A path for POSIX: UTF-8 with "\" turned into "/".
std::string posixPath(LPCWSTR path);

}  // namespace codec
}  // namespace qorwin
