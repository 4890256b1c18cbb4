#include "panelPlugin.h"

#include <cstdlib>
#include <fstream>

#include "aip/qoraipSuite.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreCurrentDocument.h"
#include "core/qorcoreDispatcher.h"
#include "core/qorcoreNotifier.h"
#include "core/qorcoreIllustrator.h"
#include "core/qorcorePlugin.h"
#include "panelJoinDrivers.h"
#include "tfAbout.h"
#include "tfGlobals.h"
#include "tfPrefs.h"

namespace panel {

tf::About* about = nullptr;
tf::tfPrefs* prefs = nullptr;
const UnicodeStringSuite* unicodeStringSuite = nullptr;

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

void log(qor::core::Plugin* facade, const char* line)
{
  if (std::ostream* stream = facade->logStream("StartupLog"))
    *stream << line << "\n" << std::flush;
}

// Which of the two suites the client acquired itself, so that it releases only those.
bool acquiredUserSuite = false;
bool acquiredUnicodeStringSuite = false;

template <class Suite>
bool acquire(const Suite*& pointer, const char* name, int32_t version)
{
  const SpBasicSuite* basic = qor::aip::hostBasicSuite;
  if (pointer || !basic)
    return false;
  const void* table = nullptr;
  if (basic->acquireSuite(name, version, &table) != 0 || !table)
    return false;
  pointer = static_cast<const Suite*>(table);
  return true;
}

template <class Suite>
void release(const Suite*& pointer, bool& acquired, const char* name, int32_t version)
{
  if (acquired && qor::aip::hostBasicSuite)
    qor::aip::hostBasicSuite->releaseSuite(name, version);
  acquired = false;
  pointer = nullptr;
}

using Handler = qor::core::__Callback<Plugin>;
}  // namespace panelPlugin_detail

Plugin::Plugin(qor::core::Plugin* facade) : facade_(facade)
{
  if (std::ostream* log = panelPlugin_detail::startupLogFile())
    facade_->addLogStream("StartupLog", log);
  facade_->setName("Junctate");
  tf::globals = tfGlobals();
  tf::globals.checkHostVersion("Junctate");
  if (!tf::globals.active)
    return;
  tf::globals.resetAngles();
  tf::globals.resetToolState();
  about = new tf::About();
  prefs = new tf::tfPrefs();
  prefs->setDefaults();
  about->prefs = prefs;
}

Plugin::~Plugin() = default;

void Plugin::onStartup()
{
  using namespace panelPlugin_detail;
  log(facade_, "Junctate startup");
  // A repeated start-up call finds everything in place.
  if (!prefs || !junctateItem.isEmpty())
    return;
  prefs->loadPreferences();
  tf::installAboutMenu(*about);
  acquiredUserSuite = acquire(userSuite, kUserSuiteName, kUserSuiteVersion);
  acquiredUnicodeStringSuite = acquire(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
  panelItem = qor::core::MenuItem(qor::core::ToolPalettesBuiltinMenuGroup, "Junctate",
                                  Handler(this, &Plugin::onTogglePanelItem));
  junctateItem = qor::core::MenuItem(qor::core::ObjectsPathsPopupBuiltinMenuGroup, "Junctate",
                                     Handler(this, &Plugin::onJunctateMenu));
  assimilateItem = qor::core::MenuItem(qor::core::ObjectsPathsPopupBuiltinMenuGroup, "Assimilate",
                                       Handler(this, &Plugin::onAssimilateMenu));
  facade_->setMenuUpdateCallback(Handler(this, &Plugin::onMenuUpdate));
  prefs->readKeys();
  if (qor::core::Dispatcher* dispatcher = facade_->dispatcher())
    dispatcher->registerNotifier(
        qor::core::Notifier(qor::core::DocumentChangedNotifierType, Handler(this, &Plugin::onDocumentChanged)));
}

void Plugin::onPostStartup()
{
  panelPlugin_detail::log(facade_, "Junctate post-startup");
  if (!prefs || !panel.isEmpty())
    return;
  tf::buildAboutDialog(*about);
  prefs->postStartup();
  buildPanel();
}

void Plugin::onPreShutdown()
{
  panelPlugin_detail::log(facade_, "Junctate pre-shutdown");
  if (!prefs)
    return;
  about->dialog.destroy();
  prefs->preShutdown();
}

void Plugin::onShutdown()
{
  using namespace panelPlugin_detail;
  log(facade_, "Junctate shutdown");
  if (!prefs)
    return;
  panel.destroy();
  panelItem.destroy();
  junctateItem.destroy();
  assimilateItem.destroy();
  about->aboutItem.destroy();
  about->aboutGroup.destroy();
  delete about;
  about = nullptr;
  delete prefs;
  prefs = nullptr;
  release(userSuite, acquiredUserSuite, kUserSuiteName, kUserSuiteVersion);
  release(unicodeStringSuite, acquiredUnicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
}

// The commands need selected art; a host that counts a document but has no current one (while
// closing) has none.
void Plugin::onMenuUpdate()
{
  panelItem.setChecked(panel.isVisible());
  qor::core::Illustrator* host = qor::core::Illustrator::instance();
  qor::core::CurrentDocument* document = host && host->documentCount() >= 1 ? host->currentDocument() : nullptr;
  const bool selection = document && document->anyLayerHasSelectedArt();
  junctateItem.setEnabled(selection);
  assimilateItem.setEnabled(selection);
}

void Plugin::onDocumentChanged()
{
  qor::core::Illustrator* host = qor::core::Illustrator::instance();
  panelWidgets.setEnabled(host && host->documentCount() >= 1);
}

void Plugin::onTogglePanelItem()
{
  panel.setShown(!panel.isVisible());
}

void Plugin::onJunctateMenu()
{
  runJunctateCommand();
}

void Plugin::onAssimilateMenu()
{
  runAssimilateCommand();
}

void Plugin::startCommand()
{
  if (!prefs)
    return;
  if (!prefs->checkStarted) {
    prefs->checkStarted = true;
    if (prefs->autoCheck && prefs->checkDue)
      prefs->checkForUpdate(false);
  }
  readOptionFields();
  prefs->writeKeys();
}

void Plugin::runJunctateCommand()
{
  startCommand();
  const tfGlobals& o = tf::globals;
  runJunctate(o.distance, o.angle, o.smooth, o.straight);
}

void Plugin::runAssimilateCommand()
{
  startCommand();
  const tfGlobals& o = tf::globals;
  runAssimilate(o.distance, o.angle, o.smooth, o.straight);
}

}  // namespace panel
