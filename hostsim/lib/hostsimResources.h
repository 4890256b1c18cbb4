// The plug-in module's resources and the "AI Data Filter Suite" that reads them as byte streams.
//
// The resources of a module MODULE.so live in the folder MODULE.resources beside it, one file per
// resource, named TTTTTTTT_ID[_NAME][.EXT]: the type code in eight hex digits (first character most
// significant, so "PNGI" is 504E4749), the signed 16-bit id in decimal, then an optional name. A
// resource is found by (type, id) when the id is not 0, else by (type, name). Tests may add resources
// directly.
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"
#include "hostsimHandleTable.h"

#include <memory>
#include <string>
#include <vector>

namespace hostsim {

class Resources : public Area
{
public:
  explicit Resources(HostApp& app) : app_(app) {}

  void add(int32_t type, int16_t id, const std::string& name, std::string bytes);
  // Adds every resource file of a folder; returns how many were added.
  int loadFolder(const std::string& folder);
  // The resource's bytes, or null.
  std::shared_ptr<const std::string> find(int32_t type, int16_t id, const std::string& name);

  struct Filter
  {
    std::shared_ptr<const std::string> bytes;
    size_t position = 0;
  };
  DataFilter openFilter(std::shared_ptr<const std::string> bytes);
  Filter* findFilter(DataFilter filter) const { return filters_.find(filter); }
  bool closeFilter(DataFilter filter) { return filters_.remove(filter); }
  size_t openFilters() const { return filters_.liveCount(); }

  int reportOrder() const override { return 900; }
  void report(std::ostream& out) const override;

private:
  struct Resource
  {
    int32_t type;
    int16_t id;
    std::string name;
    std::shared_ptr<const std::string> bytes;
  };
  // Loads the module's folder the first time a resource is asked for.
  void loadModuleResources();

  HostApp& app_;
  std::vector<Resource> resources_;
  bool moduleLoaded_ = false;
  HandleTable<DataFilter, Filter> filters_;
};

} // namespace hostsim
