// The platform layer's file-system functions: path tests, whole text files, folders with access rights
// from nine permission bits, the current user's SID text and the local application-data folder.
// Paths are UTF-8 and use "\" between folders.
#pragma once

#include <string>

#include "win/WinMinTypes.h"

namespace qor {
namespace plat {

bool pathExists(const std::string& path);

// The file's lines, each ending in "\r\n" with every carriage return of the file removed; "" when the
// file cannot be read.
std::string readTextFile(const std::string& path);

// Stores the bytes in text mode (each "\n" becomes "\r\n"). The file is replaced whole or not at all:
// on any failure the earlier file stays as it was and false comes back.
bool writeTextFile(const std::string& path, const std::string& bytes);

// Creates the last folder of the path with an access-control list built from the low nine bits
// (user, Administrators, Local System; read, write, execute each).
bool createDirectoryWithPermissions(const std::string& path, unsigned int permissions);

// The current user's SID as text, allocated by the system: release it with LocalFree unless it is the
// empty text of a failure, which is a constant.
LPWSTR currentUserSidString();

// The local application-data folder + "\" + subPath, created with the permissions 504 when asked for.
std::string localAppDataPath(const std::string& subPath, bool create);

}  // namespace plat
}  // namespace qor
