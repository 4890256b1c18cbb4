// The path-joining client's plug-in object: made by the set-up hook on the host's first start-up
// call, it names the plug-in and answers the four lifecycle phases.
#pragma once

namespace qor {
namespace core {
class Plugin;
}
}  // namespace qor

namespace panel {

class Plugin
{
public:
  explicit Plugin(qor::core::Plugin* facade);
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;
  virtual ~Plugin();

  void onStartup();
  void onPostStartup();
  void onPreShutdown();
  void onShutdown();

  qor::core::Plugin* facade() const { return facade_; }

private:
  qor::core::Plugin* facade_;
};

}  // namespace panel
