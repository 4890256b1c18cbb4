#include "core/qorcoreFilePaths.h"

#include "plat/qorplatFileSystem.h"
#include "utils/qorutilsStrings.h"

namespace qor {
namespace core {

bool pathExists(const std::string& path)
{
    std::string p = utils::trimWhitespace(path);
    while (!p.empty() && (p.back() == '\\' || p.back() == '/'))
        p.pop_back();
    return plat::pathExists(p);
}

bool createFolder(const std::string& path, unsigned int permissions)
{
    return plat::createDirectoryWithPermissions(path, permissions);
}

std::string localAppDataPath(const std::string& subPath, bool create)
{
    return plat::localAppDataPath(subPath, create);
}

}  // namespace core
}  // namespace qor
