#include "panelPlugin.h"

#include <cstdlib>
#include <fstream>

#include "core/qorcorePlugin.h"

namespace panel {

namespace panelPlugin_detail {
// With QOR_STARTUP_LOG naming a file, the framework's lifecycle lines are appended to it. The
// stream lives as long as the module, since the layers log until they are destroyed.
std::ostream* startupLogFile()
{
  static std::ofstream* file = nullptr;
  if (!file) {
    const char* path = std::getenv("QOR_STARTUP_LOG");
    if (!path || !*path)
      return nullptr;
    file = new std::ofstream(path, std::ios::app);
  }
  return file;
}
}  // namespace panelPlugin_detail

Plugin::Plugin(qor::core::Plugin* facade) : facade_(facade)
{
  if (std::ostream* log = panelPlugin_detail::startupLogFile())
    facade_->addLogStream("StartupLog", log);
  facade_->setName("Junctate");
}

Plugin::~Plugin() = default;

void Plugin::onStartup() {}

void Plugin::onPostStartup() {}

void Plugin::onPreShutdown() {}

void Plugin::onShutdown() {}

}  // namespace panel
