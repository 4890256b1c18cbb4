// Client functions for file paths (UTF-8, "\" between folders), forwarding to the platform's file services.
#pragma once

#include <string>

namespace qor {
namespace core {

// Trims white space and every trailing "\" or "/" before asking.
bool pathExists(const std::string& path);
// Creates the last folder of the path with an access list from nine permission bits.
bool createFolder(const std::string& path, unsigned int permissions);
// The sub-path under the user's local application-data folder, created when asked for.
std::string localAppDataPath(const std::string& subPath, bool create);

}  // namespace core
}  // namespace qor
