// Annotation drawing as the host offers it: the redraw requests of "AI Annotator Suite" and the calls
// made on the drawer of an "AI Annotation"/"AI Draw" message, recorded for tests. Also the host's tools
// ("AI Tool Suite"): tool options and the selected tool.
#pragma once

#include "hostapi/HostRecords.h"
#include "hostsimApp.h"

#include <map>
#include <string>
#include <vector>

namespace hostsim {

class Annotations : public Area
{
public:
  explicit Annotations(HostApp& app) : app_(app) {}

  struct Invalidation
  {
    DocViewHandle view = nullptr;
    IntRect rect{};
  };
  // One drawer call: what ("color", "lineWidth", "fontSize", "font", "opacity") and its values.
  struct DrawerCall
  {
    AnnotatorDrawer drawer = nullptr;
    std::string what;
    double value = 0;
    Rgb16Color color{};
    FontKey font = nullptr;
  };

  std::vector<Invalidation> invalidations;
  std::vector<DrawerCall> drawerCalls;

  // A drawer handle for one draw message.
  AnnotatorDrawer newDrawer() { return app_.mintHandle<AnnotatorDrawer>(); }
  // Sends ("AI Annotation", selector) with the record.
  HostErr send(const char* selector, AnnotationMessage& record);

  // Tools.
  std::map<ToolHandle, int32_t> toolOptions;
  ToolHandle selectedTool = nullptr;
  bool refuseSelectedToolQuery = false;

private:
  HostApp& app_;
};

} // namespace hostsim
