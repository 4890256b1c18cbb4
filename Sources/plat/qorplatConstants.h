// Fixed names of the platform layer: separators of its text files and the members of its
// preference documents.
#pragma once

#include <string>

namespace qor {
namespace plat {

// Windows conventions kept as values; the file layer maps them at the POSIX boundary.
inline const std::string pathSeparator = "\\";
inline const std::string lineBreak = "\r\n";

inline const std::string prefsKey = "Prefs";
inline const std::string saveCountKey = "SaveCount";
inline const std::string versionNumberKey = "__vn";
inline const std::string versionStringKey = "__vs";

}  // namespace plat
}  // namespace qor
