// A host file-path object, released when the wrapper dies.
#pragma once

#include "hostapi/HostApi.h"
#include "sdk/qoraiHostUnicodeString.h"

namespace ai {

class HostFilePath
{
public:
  // From the host's platform file record; the host's answer is not examined.
  explicit HostFilePath(const HostFileSpec& spec);
  // Throws ai::Error when the host refuses the text.
  HostFilePath(const HostUnicodeString& path, bool flag);
  HostFilePath(const HostFilePath&) = delete;
  HostFilePath& operator=(const HostFilePath&) = delete;
  ~HostFilePath();

  // Both throw ai::Error on a host failure, leaving the output with a null handle.
  HostUnicodeString fileName(bool flag) const;
  HostUnicodeString fullPath(bool flag) const;

private:
  FilePathHandle path = nullptr;
};

}  // namespace ai
