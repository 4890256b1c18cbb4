// The host's main window and its stack of application contexts; the "AI Context Suite".
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"

#include <vector>

namespace hostsim {

class Context : public Area
{
public:
  // Creates the main window.
  explicit Context(HostApp& app);
  ~Context() override;

  PlatformWindow mainWindow() const { return mainWindow_; }
  void setMainWindow(PlatformWindow window) { mainWindow_ = window; }

  // Test hook: the host refuses to enter new contexts while set.
  bool refusePush = false;

  HostErr push(PluginRef plugin, AppContext* outContext);
  HostErr pop(AppContext context);
  size_t depth() const { return stack_.size(); }
  int pushes() const { return pushes_; }
  int badPops() const { return badPops_; }

  int reportOrder() const override { return 900; }
  void report(std::ostream& out) const override;

private:
  HostApp& app_;
  PlatformWindow mainWindow_ = nullptr;
  std::vector<AppContext> stack_;
  int pushes_ = 0;
  int badPops_ = 0;
};

} // namespace hostsim
