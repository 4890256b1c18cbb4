// UTF-8 <-> CStringW conversions for the framework's Windows calls (font names, paths, HTTP, web view).
#pragma once

#include <string>

#include "win/qorwinCStringW.h"

namespace qor {
namespace plat {

// Converts exactly the string's bytes, embedded NULs included; empty input gives an empty CStringW.
CStringW utf8ToWideString(const std::string& text);
// Converts up to the first NUL.
std::string wideStringToUtf8(const CStringW& text);

}  // namespace plat
}  // namespace qor
