#include "sdk/qoraiHostFilePath.h"

#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "sdk/qoraiError.h"

namespace ai {

namespace qoraiHostFilePath_detail {
const FilePathSuite* suite()
{
  using namespace qor::aip;
  if (!acquireSuite(filePathSuite, kFilePathSuiteName, kFilePathSuiteVersion))
    throw Error(kHostErrNotFound);
  return filePathSuite;
}
}  // namespace qoraiHostFilePath_detail



HostFilePath::HostFilePath(const HostFileSpec& spec)
{
  qoraiHostFilePath_detail::suite()->filePathFromFileSpec(&spec, &path);
}

HostFilePath::HostFilePath(const HostUnicodeString& text, bool flag)
{
  throwIfError(qoraiHostFilePath_detail::suite()->filePathFromText(text.handle(), flag ? 1 : 0, &path));
}

HostFilePath::~HostFilePath()
{
  if (path && qor::aip::filePathSuite)
    qor::aip::filePathSuite->releaseFilePath(path);
}

HostUnicodeString HostFilePath::fileName(bool flag) const
{
  HostUnicodeString name;
  HostErr error = qoraiHostFilePath_detail::suite()->getFilePathFileName(path, flag ? 1 : 0, name.resetAndGetAddress());
  if (error != 0) {
    name.resetAndGetAddress();
    throw Error(error);
  }
  return name;
}

HostUnicodeString HostFilePath::fullPath(bool flag) const
{
  HostUnicodeString full;
  HostErr error = qoraiHostFilePath_detail::suite()->getFilePathFullPath(path, flag ? 1 : 0, full.resetAndGetAddress());
  if (error != 0) {
    full.resetAndGetAddress();
    throw Error(error);
  }
  return full;
}

}  // namespace ai
