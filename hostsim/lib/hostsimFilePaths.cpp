#include "hostsimFilePaths.h"

#include "hostapi/FilePathSuite.h"
#include "hostsimEncoding.h"
#include "hostsimUnicodeStrings.h"

#include <cstring>
#include <ostream>

namespace hostsim {

HostErr FilePaths::write(FilePathHandle* out, std::string path)
{
  if (!out)
    return kHostErrBadParameter;
  if (!*out) {
    *out = app_.mintHandle<FilePathHandle>();
    paths_.add(*out, std::move(path));
    return kHostNoErr;
  }
  std::string* stored = paths_.find(*out);
  if (!stored)
    return kHostErrBadParameter;
  *stored = std::move(path);
  return kHostNoErr;
}

void FilePaths::report(std::ostream& out) const
{
  if (liveCount())
    out << "File paths not released: " << liveCount() << "\n";
}

namespace hostsimFilePaths_detail {

FilePaths& paths()
{
  return HostApp::instance().area<FilePaths>();
}

HostErr releaseFilePath(FilePathHandle path)
{
  return paths().release(path) ? kHostNoErr : kHostErrBadParameter;
}

HostErr filePathFromText(HostString pathText, bool8, FilePathHandle* outPath)
{
  std::u16string text;
  if (!HostApp::instance().area<UnicodeStrings>().read(pathText, text))
    return kHostErrBadParameter;
  return paths().write(outPath, utf16ToUtf8(text));
}

HostErr filePathFromFileSpec(const HostFileSpec* spec, FilePathHandle* outPath)
{
  if (!spec)
    return kHostErrBadParameter;
  return paths().write(outPath, std::string(spec->path, strnlen(spec->path, sizeof(spec->path))));
}

HostErr getFilePathFileName(FilePathHandle path, bool8, HostString* outName)
{
  const std::string* stored = paths().find(path);
  if (!stored)
    return kHostErrBadParameter;
  size_t slash = stored->find_last_of('/');
  std::string name = slash == std::string::npos ? *stored : stored->substr(slash + 1);
  return HostApp::instance().area<UnicodeStrings>().writeUtf8(outName, name);
}

HostErr getFilePathFullPath(FilePathHandle path, bool8, HostString* outPath)
{
  const std::string* stored = paths().find(path);
  if (!stored)
    return kHostErrBadParameter;
  return HostApp::instance().area<UnicodeStrings>().writeUtf8(outPath, *stored);
}

void install(HostApp& app)
{
  app.area<FilePaths>();
  auto& suite = app.publishSuite<FilePathSuite>(kFilePathSuiteName, kFilePathSuiteVersion);
  suite.releaseFilePath = &releaseFilePath;
  suite.filePathFromText = &filePathFromText;
  suite.filePathFromFileSpec = &filePathFromFileSpec;
  suite.getFilePathFileName = &getFilePathFileName;
  suite.getFilePathFullPath = &getFilePathFullPath;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimFilePaths_detail

} // namespace hostsim
