#include "aip/qoraipBasePlugin.h"

#include <cstring>
#include <vector>

#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipBaseTool.h"
#include "aip/qoraipConstants.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipLocalizer.h"
#include "aip/qoraipPlatformServices.h"
#include "aip/qoraipPluginGlobals.h"
#include "aip/qoraipStandardButtonTexts.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "sdk/qoraiHostFilePath.h"
#include "utils/qorutilsStrings.h"

namespace qor {
namespace aip {

namespace qoraipBasePlugin_detail {
BasePlugin* instance = nullptr;

constexpr int32_t svgType = int32_t(fourCharCode("SVG "));
constexpr int32_t svgFallbackType = int32_t(fourCharCode("SVG_"));
constexpr int32_t probeStep = 4096;
constexpr int32_t probeLimit = 0xA00000;
}  // namespace qoraipBasePlugin_detail



BasePlugin::BasePlugin(PluginRef pluginRef, const std::string& name)
{
  if (!qoraipBasePlugin_detail::instance)
    qoraipBasePlugin_detail::instance = this;
  if (!globals_)
    globals_ = new PluginGlobals();

  acquireSuite(accessSuite, kSpAccessSuiteName, kSpAccessSuiteVersion);
  acquireSuite(blocksSuite, kSpBlocksSuiteName, kSpBlocksSuiteVersion);
  acquireSuite(pluginsSuite, kSpPluginsSuiteName, kSpPluginsSuiteVersion);
  acquireSuite(suitesSuite, kSpSuitesSuiteName, kSpSuitesSuiteVersion);
  acquireSuite(cursorSnapSuite, kCursorSnapSuiteName, kCursorSnapSuiteVersion);
  acquireSuite(dataFilterSuite, kDataFilterSuiteName, kDataFilterSuiteVersion);
  acquireSuite(documentViewSuite, kDocumentViewSuiteName, kDocumentViewSuiteVersion);
  acquireSuite(foldersSuite, kFoldersSuiteName, kFoldersSuiteVersion);
  acquireSuite(menuSuite, kMenuSuiteName, kMenuSuiteVersion);
  acquireSuite(pluginSuite, kPluginSuiteName, kPluginSuiteVersion);
  acquireSuite(undoSuite, kUndoSuiteName, kUndoSuiteVersion);
  acquireSuite(userSuite, kUserSuiteName, kUserSuiteVersion);
  acquireSuite(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
  acquireSuite(filePathSuite, kFilePathSuiteName, kFilePathSuiteVersion);

  // Only the plain fields start over here; the globals block and the log streams were made above
  // and stay.
  pluginRef_ = pluginRef;
  pluginName = name;
  snapAFEnabled = snapLEnabled = snapPMEnabled = snapGEnabled = true;

  globals_->illustrator = new Illustrator();
  if (Illustrator* app = Illustrator::instance()) {
    app->isUIScaled();
    app->snapUIScaleFactor();
  }
  globals_->localizer = new Localizer();
  platform::createSchedulerWindow();
  registerStandardButtonTexts(*globals_->localizer);
}

BasePlugin::~BasePlugin()
{
  startupLog("Cleaning up globals");
  destroyEventDispatcher();
  // Made by the constructor; nothing may be left calling into the module once it is unloaded.
  if (instance() == this)
    platform::destroySchedulerWindow();
  deletePreferences();
  if (globals_) {
    delete globals_->localizer;
    delete globals_->illustrator;
    // Without a completed shutdown the suites stay acquired at the host; their objects are freed
    // here without asking it (an empty registry makes each object's count 0).
    globals_->suiteRegistry.clear();
    while (!globals_->suiteList.isEmpty()) {
      Suite* suite = globals_->suiteList.back();
      globals_->suiteList.popBack();
      delete suite;
    }
    delete globals_;
    globals_ = nullptr;
  }
  startupLog("Setting base plugin instance to NULL");
  qoraipBasePlugin_detail::instance = nullptr;
  delete logStreams;
  logStreams = nullptr;
}

BasePlugin* BasePlugin::instance()
{
  return qoraipBasePlugin_detail::instance;
}

void BasePlugin::setInstance(BasePlugin* plugin)
{
  qoraipBasePlugin_detail::instance = plugin;
}

void* BasePlugin::moduleHandle() const
{
  return platform::moduleHandle();
}

PluginRef BasePlugin::pluginRef() const
{
  return pluginRef_;
}

std::string BasePlugin::filePath() const
{
  if (!pluginsSuite)
    return std::string();
  HostFileSpec spec;
  std::memset(&spec, 0, sizeof spec);
  pluginsSuite->getPluginFileSpec(pluginRef_, &spec);
  ai::HostFilePath path(spec);
  return hostStringToUtf8(path.fullPath(false));
}

std::string BasePlugin::fileName() const
{
  ai::HostFilePath path(utf8ToHostString(filePath()), true);
  return hostStringToUtf8(path.fileName(false));
}

std::string BasePlugin::name() const
{
  return pluginName;
}

void BasePlugin::setName(const std::string& name)
{
  if (&name != &pluginName)
    pluginName = name;
  passNameToHost(pluginName);
}

void BasePlugin::passNameToHost(const std::string& name) const
{
  if (pluginsSuite)
    pluginsSuite->setPluginName(pluginRef_, utf8ToHostString(name).toDefaultString().c_str());
}

int32_t BasePlugin::pluginOptions() const
{
  int32_t options = 0;
  if (pluginSuite)
    pluginSuite->getPluginOptions(pluginRef_, &options);
  return options;
}

void BasePlugin::setPluginOptions(int32_t options)
{
  if (pluginSuite)
    pluginSuite->setPluginOptions(pluginRef_, options);
}

void* BasePlugin::preferences() const
{
  return preferences_;
}

void BasePlugin::deletePreferences()
{
  if (preferences_ && preferencesDeleter)
    preferencesDeleter(preferences_);
  preferences_ = nullptr;
  preferencesDeleter = nullptr;
}

std::string BasePlugin::notifierSuffix() const
{
  return utils::replaceAll(fileName(), " ", "_");
}

int32_t BasePlugin::startup()
{
  startingUp = true;
  auto finish = [this](int32_t code) {
    startingUp = false;
    startupDone = true;
    return code;
  };
  startupLog("Beginning base plugin startup");
  startupLog("Locking plugin (to prevent unloading)");
  if (!lockPlugin()) {
    startupLog("Locking plugin failed");
    return finish(1000);
  }
  startupLog("Plugin locked");
  startupLog("Setting plugin name");
  const std::string platformName = utf8ToHostString(pluginName).toDefaultString();
  if (!pluginsSuite || pluginsSuite->setPluginName(pluginRef_, platformName.c_str()) != 0) {
    startupLog("Setting plugin name failed");
    return finish(1001);
  }
  startupLog("Subscribing to post-startup and pre-shutdown notifiers");
  addBaseNotifier(appStartedNotifierPrefix, "AI Application Started Notifier");
  addBaseNotifier(appShutdownNotifierPrefix, "AI Application Shutdown Notifier");

  startupLog("Subscribing to required messages");
  subscribeBaseMessage("AI Menu", "AI Go", &BasePlugin::onMenuGo);
  subscribeBaseMessage("SP Interface", "About", &BasePlugin::onMenuGo);
  subscribeBaseMessage("AI Menu", "AI Update", &BasePlugin::onMenuUpdate);

  startupLog("Subscribing to tool messages");
  const struct
  {
    const char* selector;
    void (BasePlugin::*handler)();
  } toolMessages[] = {{"AI Edit Options", &BasePlugin::onEditOptions},
                      {"AI Track Cursor", &BasePlugin::onTrackCursor},
                      {"AI Mouse Down", &BasePlugin::onMouseDown},
                      {"AI Mouse Drag", &BasePlugin::onMouseDrag},
                      {"AI Mouse Up", &BasePlugin::onMouseUp},
                      {"AI Select", &BasePlugin::onSelect},
                      {"AI Deselect", &BasePlugin::onDeselect},
                      {"AI Reselect", &BasePlugin::onReselect},
                      {"AI Increase Diameter", &BasePlugin::onIncreaseDiameter},
                      {"AI Decrease Diameter", &BasePlugin::onDecreaseDiameter}};
  for (const auto& message : toolMessages)
    subscribeBaseMessage("AI Tool", message.selector, message.handler);

  startupLog("Subscribing to document and layer changed notifiers");
  addBaseNotifier(docChangedNotifierPrefix, "AI Document Changed Notifier");
  addBaseNotifier(currentLayerNotifierPrefix, "AI Current Layer Notifier");
  startupLog("Ending base plugin startup");
  return finish(0);
}

int32_t BasePlugin::postStartup()
{
  postStartingUp = true;
  startupLog("Beginning base plugin post-startup");
  startupLog("Ending base plugin post-startup");
  postStartingUp = false;
  postStartupDone = true;
  return 0;
}

int32_t BasePlugin::preShutdown()
{
  preShuttingDown = true;
  startupLog("Beginning base plugin pre-shutdown");
  startupLog("Stopping all pending HTTP GET callbacks");
  platform::stopPendingHttpCallbacks(true);
  startupLog("Stopping all pending HTTP POST callbacks");
  platform::stopPendingHttpCallbacks(false);
  startupLog("Ending base plugin pre-shutdown");
  preShuttingDown = false;
  preShutdownDone = true;
  return 0;
}

int32_t BasePlugin::shutdown()
{
  shuttingDown = true;
  startupLog("Beginning base plugin shutdown");
  if (globals_) {
    startupLog("Cleaning up menu items");
    for (auto entry = globals_->menuItemWrappers.begin(); entry != globals_->menuItemWrappers.end();) {
      MenuItem* wrapper = entry->second;
      ++entry;
      delete wrapper;
    }
    globals_->menuItemWrappers.clear();
    startupLog("Cleaning up tools");
    for (auto entry = globals_->toolWrappers.begin(); entry != globals_->toolWrappers.end();) {
      BaseTool* wrapper = entry->second;
      ++entry;
      delete wrapper;
    }
    globals_->toolWrappers.clear();
    currentTool_ = nullptr;
  }
  startupLog("Cleaning up preferences object");
  deletePreferences();
  startupLog("Cleaning up localizer and Illustrator singletons");
  if (globals_) {
    delete globals_->localizer;
    globals_->localizer = nullptr;
    delete globals_->illustrator;
    globals_->illustrator = nullptr;
  }
  startupLog("Cleaning up event dispatcher");
  destroyEventDispatcher();
  startupLog("Unlocking the plugin (to allow unloading)");
  if (!unlockPlugin()) {
    startupLog("Unlocking plugin failed");
    shuttingDown = false;
    shutdownDone = true;
    return 4000;
  }
  startupLog("Plugin unlocked");
  startupLog("Cleaning up all suites");
  Suite::releaseAllSuites();
  startupLog("Ending base plugin shutdown");
  shuttingDown = false;
  shutdownDone = true;
  return 0;
}

bool BasePlugin::isStartingUp() const { return startingUp; }
bool BasePlugin::isStartupDone() const { return startupDone; }
bool BasePlugin::isPostStartingUp() const { return postStartingUp; }
bool BasePlugin::isPostStartupDone() const { return postStartupDone; }
bool BasePlugin::isPreShuttingDown() const { return preShuttingDown; }
bool BasePlugin::isPreShutdownDone() const { return preShutdownDone; }
bool BasePlugin::isShuttingDown() const { return shuttingDown; }
bool BasePlugin::isShutdownDone() const { return shutdownDone; }

bool BasePlugin::lockPlugin()
{
  if (++lockCount != 1)
    return true;
  if (accessSuite && accessSuite->acquirePluginAccess(pluginRef_, &accessRef) == 0)
    return true;
  // A refused lock is not held: the count goes back, so that shutdown does not try to release
  // an access the host never gave.
  --lockCount;
  accessRef = nullptr;
  return false;
}

bool BasePlugin::unlockPlugin()
{
  if (--lockCount != 0)
    return true;
  if (!accessRef)
    return true;
  HostErr result = accessSuite ? accessSuite->releasePluginAccess(accessRef) : kHostErrNotFound;
  accessRef = nullptr;
  return result == 0;
}

void BasePlugin::onMenuUpdate() {}

BaseTool* BasePlugin::currentTool() const
{
  return currentTool_;
}

void BasePlugin::undoChanges()
{
  if (undoSuite)
    undoSuite->undoCurrentContext();
}

PluginGlobals* BasePlugin::globals() const
{
  return globals_;
}

std::ostream* BasePlugin::logStream(const std::string& category) const
{
  if (!logStreams)
    return nullptr;
  auto found = logStreams->find(category);
  return found == logStreams->end() ? nullptr : found->second;
}

void BasePlugin::addLogStream(const std::string& category, std::ostream* stream)
{
  if (!logStreams)
    logStreams = new std::map<std::string, std::ostream*>();
  logStreams->emplace(category, stream);
}

void BasePlugin::startupLog(const std::string& line) const
{
  std::ostream* stream = logStream("StartupLog");
  if (!stream)
    return;
  *stream << line << "\n";
  stream->flush();
}

void BasePlugin::onDeselect()
{
  if (currentTool_)
    currentTool_->deselect();
  currentTool_ = nullptr;
}

void BasePlugin::onReselect() {}

void BasePlugin::onMouseUp()
{
  if (!currentTool_)
    return;
  undoChanges();
  updateSnappedCursor();
  currentTool_->mouseUp();
  dragCount = 0;
}

void BasePlugin::onMouseDown()
{
  if (!currentTool_)
    return;
  updateSnappedCursor();
  currentTool_->mouseDown();
}

void BasePlugin::onMouseDrag()
{
  if (!currentTool_)
    return;
  if (dragCount > 0)
    undoChanges();
  updateSnappedCursor();
  currentTool_->mouseDrag();
  ++dragCount;
}

void BasePlugin::onTrackCursor()
{
  if (!currentTool_)
    return;
  updateSnappedCursor();
  currentTool_->trackCursor();
}

void BasePlugin::onIncreaseDiameter()
{
  if (currentTool_)
    currentTool_->increaseDiameter();
}

void BasePlugin::onDecreaseDiameter()
{
  if (currentTool_)
    currentTool_->decreaseDiameter();
}

void BasePlugin::onEditOptions()
{
  if (currentTool_)
    currentTool_->editOptions();
}

bool BasePlugin::loadResourceByName(int32_t type, const std::string& name, char** data, int32_t* size)
{
  if (type == 0 || name.empty())
    return false;
  return loadResourceData(type, 0, name, data, size);
}

bool BasePlugin::loadResourceById(int32_t type, int16_t id, char** data, int32_t* size)
{
  if (type == 0 || id == 0)
    return false;
  return loadResourceData(type, id, std::string(), data, size);
}

bool BasePlugin::loadResourceData(int32_t type, int16_t id, const std::string& name, char** data, int32_t* size)
{
  using namespace qoraipBasePlugin_detail;
  if (type == 0 || (name.empty() && id == 0) || !data || !size)
    return false;
  *data = nullptr;
  *size = 0;
  auto logFailure = [&](const char* message) {
    startupLog(std::string(message) + std::to_string(id) + "/" + name);
  };
  if (!acquireSuite(dataFilterSuite, kDataFilterSuiteName, kDataFilterSuiteVersion))
    return false;

  DataFilter filter = nullptr;
  if (dataFilterSuite->newResourceDataFilter(pluginRef_, type, id, name.c_str(), &filter) != 0 || !filter) {
    filter = nullptr;
    if (type == svgType) {
      if (dataFilterSuite->newResourceDataFilter(pluginRef_, svgFallbackType, id, name.c_str(), &filter) != 0 ||
          !filter) {
        logFailure("Could not load resource data for SVG ");
        return false;
      }
    } else {
      logFailure("Could not load resource data for PNGI ");
      return false;
    }
  }

  int32_t largest = 0;
  for (int32_t position = probeStep; position < probeLimit; position += probeStep) {
    largest = position;
    if (dataFilterSuite->seekDataFilter(filter, position) != 0)
      break;
  }
  const int32_t bufferSize = largest + probeStep;

  auto releaseFilter = [&]() {
    while (filter) {
      DataFilter previous = nullptr;
      if (dataFilterSuite->unlinkDataFilter(filter, &previous) != 0)
        break;
      filter = previous;
    }
  };

  if (dataFilterSuite->seekDataFilter(filter, 0) != 0) {
    logFailure("Could not read resource data for ");
    releaseFilter();
    return false;
  }
  // One byte more than the host may fill, so that the closing zero always stays inside.
  char* buffer = new char[static_cast<size_t>(bufferSize) + 1];
  int32_t count = bufferSize;
  const HostErr readResult = dataFilterSuite->readDataFilter(filter, buffer, &count);
  releaseFilter();
  if (readResult != 0 || count < 0 || count > bufferSize) {
    logFailure("Error reading resource data for ");
    delete[] buffer;
    return false;
  }
  buffer[count] = '\0';
  *data = buffer;
  *size = count;
  return true;
}

void BasePlugin::updateSnappedCursor()
{
  // Tool wrappers are not part of this system, so there is never a current tool to tell.
  if (!currentTool_ || !documentViewSuite || !cursorSnapSuite)
    return;
  DocViewHandle view = nullptr;
  if (documentViewSuite->getNthView(0, &view) != 0 || !view)
    return;
  double scale = 1.0;
  if (Illustrator* app = Illustrator::instance())
    if (Document* document = app->currentDocument())
      scale = document->scaleFactor();
  const bool custom = cursorSnapSuite->customSnapConstraintsActive(view) != 0;
  std::string control;
  if (custom && snapAFEnabled)
    control += "AF";
  if (snapGEnabled)
    control += "G";
  if (custom) {
    if (snapLEnabled)
      control += "L";
    if (snapPMEnabled)
      control += "PM";
    control += " v i o";
  }
  const ToolMessage* message = toolMessage();
  RealPoint snapped{0.0, 0.0};
  cursorSnapSuite->trackSnappedCursor(view, message ? &message->cursor : nullptr, message ? message->event : nullptr,
                                      control.c_str(), &snapped);
  RealPoint scaled{snapped.h * scale, snapped.v * scale};
  currentTool_->snappedPosition(ArtboardPoint(scaled));
}

void reportGeneralPluginError(int32_t code)
{
  platform::debuggerOutput("General plugin error: " + std::to_string(code) + "\n");
}

}  // namespace aip
}  // namespace qor
