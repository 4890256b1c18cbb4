#include "hostsimResources.h"

#include "hostapi/DataFilterSuite.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

namespace hostsim {

void Resources::add(int32_t type, int16_t id, const std::string& name, std::string bytes)
{
  resources_.push_back({type, id, name, std::make_shared<const std::string>(std::move(bytes))});
}

int Resources::loadFolder(const std::string& folder)
{
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::is_directory(folder, error))
    return 0;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder, error))
    if (entry.is_regular_file())
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  int added = 0;
  for (const fs::path& file : files) {
    // TTTTTTTT_ID[_NAME][.EXT]
    std::string stem = file.filename().string();
    stem = stem.substr(0, stem.find('.'));
    if (stem.size() < 10 || stem[8] != '_')
      continue;
    char* end = nullptr;
    std::string typeText = stem.substr(0, 8);
    unsigned long type = std::strtoul(typeText.c_str(), &end, 16);
    if (*end)
      continue;
    std::string rest = stem.substr(9);
    size_t separator = rest.find('_');
    std::string idText = rest.substr(0, separator);
    long id = std::strtol(idText.c_str(), &end, 10);
    if (idText.empty() || *end || id < -32768 || id > 32767)
      continue;
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    add(int32_t(uint32_t(type)), int16_t(id),
        separator == std::string::npos ? "" : rest.substr(separator + 1), bytes.str());
    ++added;
  }
  return added;
}

void Resources::loadModuleResources()
{
  if (moduleLoaded_)
    return;
  moduleLoaded_ = true;
  const std::string& module = app_.modulePath();
  if (module.empty())
    return;
  size_t slash = module.find_last_of('/');
  size_t dot = module.find('.', slash == std::string::npos ? 0 : slash + 1);
  loadFolder(module.substr(0, dot) + ".resources");
}

std::shared_ptr<const std::string> Resources::find(int32_t type, int16_t id, const std::string& name)
{
  loadModuleResources();
  for (const Resource& resource : resources_) {
    if (resource.type != type)
      continue;
    if (id != 0 ? resource.id == id : (!name.empty() && resource.name == name))
      return resource.bytes;
  }
  return nullptr;
}

DataFilter Resources::openFilter(std::shared_ptr<const std::string> bytes)
{
  DataFilter handle = app_.mintHandle<DataFilter>();
  filters_.add(handle, Filter{std::move(bytes), 0});
  return handle;
}

void Resources::report(std::ostream& out) const
{
  if (openFilters())
    out << "Resource filters not closed: " << openFilters() << "\n";
}

namespace hostsimResources_detail {

Resources& resources()
{
  return HostApp::instance().area<Resources>();
}

HostErr newResourceDataFilter(PluginRef plugin, int32_t type, int16_t id, const char* name,
                              DataFilter* outFilter)
{
  if (!plugin || plugin != HostApp::instance().pluginRef() || !outFilter)
    return kHostErrBadParameter;
  auto bytes = resources().find(type, id, name ? name : "");
  if (!bytes)
    return kHostErrNotFound;
  *outFilter = resources().openFilter(std::move(bytes));
  return kHostNoErr;
}

HostErr seekDataFilter(DataFilter filter, int32_t position)
{
  Resources::Filter* found = resources().findFilter(filter);
  if (!found || position < 0 || size_t(position) > found->bytes->size())
    return kHostErrBadParameter;
  found->position = size_t(position);
  return kHostNoErr;
}

HostErr readDataFilter(DataFilter filter, char* buffer, int32_t* inOutCount)
{
  Resources::Filter* found = resources().findFilter(filter);
  if (!found || !inOutCount || *inOutCount < 0 || (!buffer && *inOutCount > 0))
    return kHostErrBadParameter;
  size_t count = std::min(size_t(*inOutCount), found->bytes->size() - found->position);
  if (count)
    std::memcpy(buffer, found->bytes->data() + found->position, count);
  found->position += count;
  *inOutCount = int32_t(count);
  return kHostNoErr;
}

HostErr unlinkDataFilter(DataFilter filter, DataFilter* outPrevious)
{
  if (!outPrevious || !resources().closeFilter(filter))
    return kHostErrBadParameter;
  *outPrevious = nullptr;
  return kHostNoErr;
}

void install(HostApp& app)
{
  app.area<Resources>();
  auto& suite = app.publishSuite<DataFilterSuite>(kDataFilterSuiteName, kDataFilterSuiteVersion);
  suite.newResourceDataFilter = &newResourceDataFilter;
  suite.seekDataFilter = &seekDataFilter;
  suite.readDataFilter = &readDataFilter;
  suite.unlinkDataFilter = &unlinkDataFilter;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimResources_detail

} // namespace hostsim
