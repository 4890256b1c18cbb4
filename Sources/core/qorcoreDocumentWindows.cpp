// The core layer's document-window and font-list handlers.
#include "aip/qoraipDocument.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipPlatformServices.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcorePluginSubclass.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

namespace qorcoreDocumentWindows_detail {
CoreGlobals* coreGlobals(const __IntPluginSubclass& plugin)
{
  UiGlobals* ui = plugin.uiGlobals();
  return ui ? ui->coreGlobals : nullptr;
}
}  // namespace qorcoreDocumentWindows_detail

void __IntPluginSubclass::onDocumentOpened()
{
  startupLog("Starting intermediate plugin doc opened handler");
  aip::acquireSuite(aip::contextSuite, kContextSuiteName, kContextSuiteVersion);
  CoreGlobals* globals = qorcoreDocumentWindows_detail::coreGlobals(*this);
  if (!globals) {
    startupLog("qor_core globals appear to be missing");
    return;
  }
  startupLog("Getting current document");
  aip::Illustrator* app = aip::Illustrator::instance();
  aip::Document* document = app ? app->currentDocument() : nullptr;
  if (!document) {
    startupLog("Current document acquisition failed");
    return;
  }
  startupLog("Checking for current document HWND");
  if (globals->documentWindows.count(document->handle())) {
    startupLog("HWND already acquired for current document");
    return;
  }
  startupLog("Getting main Illustrator HWND");
  PlatformWindow mainWindow = nullptr;
  if (!aip::contextSuite || aip::contextSuite->getMainWindow(&mainWindow) != 0 || !mainWindow) {
    startupLog("Main Illustrator HWND acquisition failed");
    return;
  }
  startupLog("Enumerating all open windows");
  startupLog("Finished enumerating");
  startupLog("No data returned from enumerator");
}

void __IntPluginSubclass::onDocumentAboutToClose()
{
  startupLog("Starting intermediate plugin doc closed handler");
  CoreGlobals* globals = qorcoreDocumentWindows_detail::coreGlobals(*this);
  if (!globals) {
    startupLog("qor_core globals appear to be missing");
    return;
  }
  startupLog("Getting current document");
  aip::Illustrator* app = aip::Illustrator::instance();
  aip::Document* document = app ? app->currentDocument() : nullptr;
  if (!document) {
    startupLog("Current document acquisition failed");
    return;
  }
  startupLog("Forgetting document HWND, if applicable");
  globals->documentWindows.erase(document->handle());
  startupLog("Ending intermediate plugin doc closed handler");
}

void __IntPluginSubclass::onFontListChanged()
{
  startupLog("Starting intermediate plugin font list change handler");
  if (!aip::platform::schedulerWindowExists()) {
    startupLog("qor_plat utility dialog appears to be missing");
    return;
  }
  if (!qorcoreDocumentWindows_detail::coreGlobals(*this)) {
    startupLog("qor_core globals appear to be missing");
    return;
  }
  startupLog("Ending intermediate plugin font list change handler");
}

}  // namespace core
}  // namespace qor
