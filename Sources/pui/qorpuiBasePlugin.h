// The middle layer of the plug-in object: keeps the UI globals with the lists of live framework
// windows, follows the host's interface brightness, and cleans up borderless panels, key-press
// monitors and the shared tooltip in its phases.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipBasePlugin.h"

struct UiGlobals;

namespace qor {
namespace pui {

class BasePlugin : public aip::BasePlugin
{
public:
  BasePlugin(PluginRef pluginRef, const std::string& name);
  ~BasePlugin() override;

  // The first UI layer constructed, until its destruction.
  static BasePlugin* instance();

  int32_t startup() override;
  int32_t postStartup() override;
  int32_t preShutdown() override;
  int32_t shutdown() override;
  void onSelect() override;
  void onDeselect() override;

  // Has every framework window repaint itself in the current theme.
  virtual void adjustBrightness();
  virtual UiGlobals* uiGlobals() const;

protected:
  static void setInstance(BasePlugin* plugin);

private:
  void createUiGlobals();
};

}  // namespace pui
}  // namespace qor
