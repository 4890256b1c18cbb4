// The core layer's document-window and font-list handlers.
#include <algorithm>
#include <set>
#include <vector>

#include "aip/qoraipDocument.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipPlatformServices.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreFontNameTable.h"
#include "core/qorcorePluginSubclass.h"
#include "plat/qorplatStrings.h"
#include "pui/qorpuiUiGlobals.h"
#include "sdk/qoraiHostUnicodeString.h"
#include "win/Windows.h"

namespace qor {
namespace core {

namespace qorcoreDocumentWindows_detail {
CoreGlobals* coreGlobals(const __IntPluginSubclass& plugin)
{
  UiGlobals* ui = plugin.uiGlobals();
  return ui ? ui->coreGlobals : nullptr;
}

struct DocumentWindowCollector
{
  std::set<HWND> seen;
  std::vector<HWND> found;
};

HWND ownerOf(HWND window)
{
  LONG_PTR owner = IsWindowUnicode(window) ? GetWindowLongW(window, GWL_HWNDPARENT)
                                           : GetWindowLongA(window, GWL_HWNDPARENT);
  return reinterpret_cast<HWND>(owner);
}
}  // namespace qorcoreDocumentWindows_detail

BOOL CALLBACK collectDocumentWindowsProc(HWND window, LPARAM collectorParam)
{
  auto* collector = reinterpret_cast<qorcoreDocumentWindows_detail::DocumentWindowCollector*>(collectorParam);
  if (!window || !collector || !IsWindowVisible(window))
    return TRUE;
  EnumChildWindows(window, &collectDocumentWindowsProc, collectorParam);
  std::string className;
  if (IsWindowUnicode(window)) {
    WCHAR name[256] = {};
    if (GetClassNameW(window, name, 256) > 0)
      className = ai::HostUnicodeString(name).toUtf8();
  } else {
    char name[256] = {};
    if (GetClassNameA(window, name, 256) > 0)
      className = ai::HostUnicodeString(name, ai::HostUnicodeString::kPlatform).toUtf8();
  }
  if (className == "OWL.Document" && collector->seen.insert(window).second)
    collector->found.push_back(window);
  return TRUE;
}

int CALLBACK cacheFontProc(const LOGFONTW* logicalFont, const TEXTMETRICW*, DWORD, LPARAM deviceContext)
{
  HDC dc = reinterpret_cast<HDC>(deviceContext);
  if (!logicalFont || !dc)
    return 0;
  HFONT font = CreateFontIndirectW(logicalFont);
  if (!font)
    return 0;
  constexpr DWORD nameTag = 0x656D616E;  // the bytes n, a, m, e
  HGDIOBJ previous = SelectObject(dc, font);
  const DWORD size = GetFontData(dc, nameTag, 0, nullptr, 0);
  // Both 0 and the failure value mean the font has no readable naming table.
  if (size == 0 || size == GDI_ERROR) {
    SelectObject(dc, previous);
    DeleteObject(font);
    return 1;
  }
  std::vector<uint8_t> table(size);
  const DWORD read = GetFontData(dc, nameTag, 0, table.data(), size);
  SelectObject(dc, previous);
  DeleteObject(font);
  if (read == GDI_ERROR)
    return 1;
  table.resize(std::min<size_t>(read, table.size()));
  std::u16string name;
  if (!fullFontName(table.data(), table.size(), name))
    return 1;
  __IntPluginSubclass* plugin = dynamic_cast<__IntPluginSubclass*>(pui::BasePlugin::instance());
  CoreGlobals* globals = plugin ? qorcoreDocumentWindows_detail::coreGlobals(*plugin) : nullptr;
  if (!globals)
    return 1;
  const std::string utf8 = plat::wideStringToUtf8(CStringW(name.c_str()));
  if (!globals->fontCache.count(utf8))
    globals->fontCache.emplace(utf8, new LOGFONTW(*logicalFont));
  return 1;
}

void clearFontCache(std::map<std::string, LOGFONTW*>& cache)
{
  for (auto& entry : cache) {
    delete entry.second;
    entry.second = nullptr;
  }
  cache.clear();
}

void __IntPluginSubclass::onDocumentOpened()
{
  using namespace qorcoreDocumentWindows_detail;
  startupLog("Starting intermediate plugin doc opened handler");
  aip::acquireSuite(aip::contextSuite, kContextSuiteName, kContextSuiteVersion);
  CoreGlobals* globals = coreGlobals(*this);
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
  DocumentWindowCollector collector;
  EnumWindows(&collectDocumentWindowsProc, reinterpret_cast<LPARAM>(&collector));
  startupLog("Finished enumerating");
  if (collector.found.empty()) {
    startupLog("No data returned from enumerator");
    return;
  }
  startupLog("Looking for descendants of main AI window");
  std::vector<HWND> candidates;
  for (HWND window : collector.found) {
    HWND last = nullptr;
    for (HWND owner = ownerOf(window); owner; owner = ownerOf(owner))
      last = owner;
    if (last == reinterpret_cast<HWND>(mainWindow))
      candidates.push_back(window);
  }
  std::set<HWND> known;
  for (const auto& entry : globals->documentWindows)
    if (entry.second)
      known.insert(entry.second);
  std::vector<HWND> fresh;
  for (HWND window : candidates)
    if (!known.count(window))
      fresh.push_back(window);
  if (fresh.size() != 1) {
    startupLog("Number of found new document windows doesn't fit assumptions");
    return;
  }
  startupLog("New document window found");
  globals->documentWindows.emplace(document->handle(), fresh.front());
  startupLog("Ending intermediate plugin doc opened handler");
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
  HWND utility = static_cast<HWND>(aip::platform::schedulerWindow());
  if (!utility) {
    startupLog("qor_plat utility dialog appears to be missing");
    return;
  }
  CoreGlobals* globals = qorcoreDocumentWindows_detail::coreGlobals(*this);
  if (!globals) {
    startupLog("qor_core globals appear to be missing");
    return;
  }
  clearFontCache(globals->fontCache);
  LOGFONTW everything{};
  everything.lfCharSet = DEFAULT_CHARSET;
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(utility, &paint);
  if (!dc) {
    startupLog("Drawing context appears to be missing");
    return;
  }
  EnumFontFamiliesExW(dc, &everything, &cacheFontProc, reinterpret_cast<LPARAM>(dc), 0);
  EndPaint(utility, &paint);
  startupLog("Ending intermediate plugin font list change handler");
}

}  // namespace core
}  // namespace qor
