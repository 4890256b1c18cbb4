// What the host knows of the plug-in it loaded: its name, its module file and its lock against
// unloading; the "SP Plug-ins Suite", "SP Access Suite" and "SP Blocks Suite".
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"

#include <string>
#include <vector>

namespace hostsim {

class PluginInfo : public Area
{
public:
  explicit PluginInfo(HostApp& app) : app_(app) {}

  // The plug-in's name in the platform encoding: the last name it set, else the name of its module
  // file without the extension (the name its property list gives).
  const std::string& name() const;
  std::string nameUtf8() const;
  void setName(std::string platformName);
  int nameSets() const { return nameSets_; }

  // Test hooks: the host refuses the next name changes or locks.
  bool refuseName = false;
  bool refuseAccess = false;
  // Test hook: the host refuses to release a lock while set.
  bool refuseUnlock = false;

  HostErr lock(AccessRef* outAccess);
  HostErr unlock(AccessRef access);
  int lockCount() const { return lockCount_; }
  int locksTaken() const { return locksTaken_; }

  int reportOrder() const override { return 0; }
  void report(std::ostream& out) const override;

private:
  HostApp& app_;
  mutable std::string name_;
  mutable bool nameKnown_ = false;
  int nameSets_ = 0;
  int lockCount_ = 0;
  int locksTaken_ = 0;
  std::vector<AccessRef> accessRefs_;
};

} // namespace hostsim
