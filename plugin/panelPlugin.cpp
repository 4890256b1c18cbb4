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
  static std::ofstream file;
  if (!file.is_open()) {
    const char* path = std::getenv("QOR_STARTUP_LOG");
    if (!path || !*path)
      return nullptr;
    file.open(path, std::ios::app);
  }
  return &file;
}
}  // namespace panelPlugin_detail

Plugin::Plugin(qor::core::Plugin* facade) : facade_(facade)
{
  if (std::ostream* log = panelPlugin_detail::startupLogFile())
    facade_->addLogStream("StartupLog", log);
  facade_->setName("Junctate");
}

Plugin::~Plugin() = default;

namespace panelPlugin_detail {
void log(qor::core::Plugin* facade, const char* line)
{
  if (std::ostream* stream = facade->logStream("StartupLog"))
    *stream << line << "\n" << std::flush;
}
}  // namespace panelPlugin_detail

void Plugin::onStartup()
{
  panelPlugin_detail::log(facade_, "Junctate startup");
}

void Plugin::onPostStartup()
{
  panelPlugin_detail::log(facade_, "Junctate post-startup");
}

void Plugin::onPreShutdown()
{
  panelPlugin_detail::log(facade_, "Junctate pre-shutdown");
}

void Plugin::onShutdown()
{
  panelPlugin_detail::log(facade_, "Junctate shutdown");
}

}  // namespace panel
