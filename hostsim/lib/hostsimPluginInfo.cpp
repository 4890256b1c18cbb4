#include "hostsimPluginInfo.h"

#include "hostapi/SpAccessSuite.h"
#include "hostapi/SpBlocksSuite.h"
#include "hostapi/SpPluginsSuite.h"
#include "hostsimBlocks.h"
#include "hostsimEncoding.h"

#include <algorithm>
#include <cstring>
#include <ostream>

namespace hostsim {

const std::string& PluginInfo::name() const
{
  if (!nameKnown_) {
    std::string path = app_.modulePath();
    std::string file = path.substr(path.find_last_of('/') + 1);
    name_ = utf8ToPlatform(file.substr(0, file.find('.')));
    nameKnown_ = true;
  }
  return name_;
}

std::string PluginInfo::nameUtf8() const
{
  return platformToUtf8(name());
}

void PluginInfo::setName(std::string platformName)
{
  name_ = std::move(platformName);
  nameKnown_ = true;
  ++nameSets_;
}

HostErr PluginInfo::lock(AccessRef* outAccess)
{
  if (!outAccess)
    return kHostErrBadParameter;
  if (refuseAccess)
    return kHostErrNotFound;
  *outAccess = app_.mintHandle<AccessRef>();
  accessRefs_.push_back(*outAccess);
  ++lockCount_;
  ++locksTaken_;
  return kHostNoErr;
}

HostErr PluginInfo::unlock(AccessRef access)
{
  auto it = std::find(accessRefs_.begin(), accessRefs_.end(), access);
  if (!access || it == accessRefs_.end())
    return kHostErrBadParameter;
  if (refuseUnlock)
    return kHostErrNotFound;
  accessRefs_.erase(it);
  --lockCount_;
  return kHostNoErr;
}

void PluginInfo::report(std::ostream& out) const
{
  out << "Plug-in: " << nameUtf8() << " (" << app_.modulePath() << ")\n";
  if (lockCount_)
    out << "Plug-in still locked against unloading: " << lockCount_ << "\n";
}

namespace hostsimPluginInfo_detail {

PluginInfo& info()
{
  return HostApp::instance().area<PluginInfo>();
}

bool isOurPlugin(PluginRef plugin)
{
  return plugin && plugin == HostApp::instance().pluginRef();
}

HostErr setPluginName(PluginRef plugin, const char* name)
{
  if (!isOurPlugin(plugin) || !name)
    return kHostErrBadParameter;
  if (info().refuseName)
    return kHostErrNotFound;
  info().setName(name);
  return kHostNoErr;
}

HostErr getPluginFileSpec(PluginRef plugin, HostFileSpec* outSpec)
{
  if (!isOurPlugin(plugin) || !outSpec)
    return kHostErrBadParameter;
  const std::string& path = HostApp::instance().modulePath();
  if (path.size() >= sizeof(outSpec->path))
    return kHostErrBadParameter;
  std::memset(outSpec->path, 0, sizeof(outSpec->path));
  std::memcpy(outSpec->path, path.data(), path.size());
  return kHostNoErr;
}

HostErr getPluginName(PluginRef plugin, const char** outName)
{
  if (!isOurPlugin(plugin) || !outName)
    return kHostErrBadParameter;
  *outName = info().name().c_str();
  return kHostNoErr;
}

HostErr acquirePluginAccess(PluginRef plugin, AccessRef* outAccess)
{
  if (!isOurPlugin(plugin))
    return kHostErrBadParameter;
  return info().lock(outAccess);
}

HostErr releasePluginAccess(AccessRef access)
{
  return info().unlock(access);
}

HostErr allocateBlock(int32_t byteCount, const char*, void** outBlock)
{
  if (byteCount < 0 || !outBlock)
    return kHostErrBadParameter;
  void* block = HostApp::instance().area<Blocks>().allocate(size_t(byteCount));
  if (!block)
    return kHostErrBadParameter;
  *outBlock = block;
  return kHostNoErr;
}

HostErr freeBlock(void* block)
{
  return HostApp::instance().area<Blocks>().free(block) ? kHostNoErr : kHostErrBadParameter;
}

void install(HostApp& app)
{
  app.area<PluginInfo>();
  app.area<Blocks>();
  auto& plugins = app.publishSuite<SpPluginsSuite>(kSpPluginsSuiteName, kSpPluginsSuiteVersion);
  plugins.setPluginName = &setPluginName;
  plugins.getPluginFileSpec = &getPluginFileSpec;
  plugins.getPluginName = &getPluginName;
  auto& access = app.publishSuite<SpAccessSuite>(kSpAccessSuiteName, kSpAccessSuiteVersion);
  access.acquirePluginAccess = &acquirePluginAccess;
  access.releasePluginAccess = &releasePluginAccess;
  auto& blocks = app.publishSuite<SpBlocksSuite>(kSpBlocksSuiteName, kSpBlocksSuiteVersion);
  blocks.allocateBlock = &allocateBlock;
  blocks.freeBlock = &freeBlock;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimPluginInfo_detail

} // namespace hostsim
