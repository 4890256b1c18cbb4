// Smaller services the host gives a plug-in: its option word ("AI Plugin Suite"), undo
// ("AI Undo Suite"), plug-in art groups ("AI Plugin Group Suite") and cursor snapping
// ("AI Cursor Snap Suite", an identity snap).
#pragma once

#include "hostapi/HostRecords.h"
#include "hostsimApp.h"

#include <string>
#include <vector>

namespace hostsim {

class PluginServices : public Area
{
public:
  explicit PluginServices(HostApp&) {}

  int32_t pluginOptions = 0;

  int undoCount = 0;
  std::vector<int32_t> undoKinds;

  struct ArtGroup
  {
    PluginGroupHandle handle = nullptr;
    std::string name;
    std::string description;
    int32_t majorVersion = 0;
    int32_t minorVersion = 0;
    int32_t options = 0;
  };
  std::vector<ArtGroup> artGroups;

  // Test hook: what customSnapConstraintsActive answers.
  int32_t customSnapConstraints = 0;
  // The control strings snapping was asked with.
  std::vector<std::string> snapControlStrings;

  int reportOrder() const override { return 350; }
  void report(std::ostream& out) const override;
};

} // namespace hostsim
