#include "core/qorcoreIllustrator.h"

#include "aip/qoraipIllustrator.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreCurrentDocument.h"
#include "core/qorcoreHostPreferences.h"
#include "core/qorcoreMenuGroup.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

__IntIllustratorData::__IntIllustratorData()
{
  aip::acquireSuite(aip::pluginsSuite, kSpPluginsSuiteName, kSpPluginsSuiteVersion);
  aip::acquireSuite(aip::suitesSuite, kSpSuitesSuiteName, kSpSuitesSuiteVersion);
  aip::acquireSuite(aip::fileFormatSuite, kFileFormatSuiteName, kFileFormatSuiteVersion);
  aip::acquireSuite(aip::liveEffectSuite, kLiveEffectSuiteName, kLiveEffectSuiteVersion);
  aip::acquireSuite(aip::menuSuite, kMenuSuiteName, kMenuSuiteVersion);
  aip::acquireSuite(aip::userSuite, kUserSuiteName, kUserSuiteVersion);
  aip::acquireSuite(aip::unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
  aip::acquireSuite(aip::filePathSuite, kFilePathSuiteName, kFilePathSuiteVersion);
  aip::Illustrator::instance();
  currentDocument = new CurrentDocument();
  hostPreferences = new HostPreferences();
}

__IntIllustratorData::~__IntIllustratorData()
{
  delete hostPreferences;
  delete currentDocument;
}

Illustrator::Illustrator() : data(new __IntIllustratorData()) {}

Illustrator::~Illustrator()
{
  delete data;
}

Illustrator* Illustrator::instance()
{
  pui::BasePlugin* plugin = pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  CoreGlobals* globals = ui ? ui->coreGlobals : nullptr;
  if (!globals)
    return nullptr;
  if (!globals->coreIllustrator)
    globals->coreIllustrator = new Illustrator();
  return globals->coreIllustrator;
}

CurrentDocument* Illustrator::currentDocument() const
{
  aip::Illustrator* host = aip::Illustrator::instance();
  return host && host->currentDocument() ? data->currentDocument : nullptr;
}

void Illustrator::refreshFontCache() const
{
  if (aip::Illustrator* host = aip::Illustrator::instance())
    host->fillFontCache();
}

void Illustrator::clearFontCache() const
{
  if (aip::Illustrator* host = aip::Illustrator::instance())
    host->clearFontCache();
}

int32_t Illustrator::documentCount() const
{
  aip::Illustrator* host = aip::Illustrator::instance();
  return host ? host->documentCount() : 0;
}

int32_t Illustrator::majorVersion() const
{
  aip::Illustrator* host = aip::Illustrator::instance();
  return host ? host->majorVersion() : 0;
}

std::string Illustrator::versionString(bool withRevision) const
{
  aip::Illustrator* host = aip::Illustrator::instance();
  return host ? host->versionString(withRevision) : std::string();
}

bool Illustrator::openURL(const std::string& url) const
{
  aip::Illustrator* host = aip::Illustrator::instance();
  return host && host->openURL(url);
}

int32_t Illustrator::menuGroupCount() const
{
  int32_t count = 0;
  if (!aip::Illustrator::instance() || !aip::menuSuite || aip::menuSuite->countMenuGroups(&count) != 0)
    return 0;
  return count;
}

MenuGroup* Illustrator::menuGroupAtIndex(int32_t index) const
{
  MenuGroupHandle group = nullptr;
  if (!aip::Illustrator::instance() || !aip::menuSuite || aip::menuSuite->getNthMenuGroup(index, &group) != 0 ||
      !group)
    return nullptr;
  // No header item given: the group asks the host for its own.
  return new MenuGroup(group, nullptr);
}

HostPreferences* Illustrator::hostPreferences() const
{
  return aip::Illustrator::instance() ? data->hostPreferences : nullptr;
}

}  // namespace core
}  // namespace qor
