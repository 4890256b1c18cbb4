#include "aip/qoraipIllustrator.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "aip/qoraipBasePlugin.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipFont.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipPlatformServices.h"
#include "aip/qoraipPluginGlobals.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "sdk/qoraiSPBlockBuffer.h"
#include "utils/qorutilsStrings.h"

namespace qor {
namespace aip {

Illustrator::Illustrator()
{
  acquireSuite(pluginsSuite, kSpPluginsSuiteName, kSpPluginsSuiteVersion);
  acquireSuite(contextSuite, kContextSuiteName, kContextSuiteVersion);
  acquireSuite(documentListSuite, kDocumentListSuiteName, kDocumentListSuiteVersion);
  acquireSuite(foldersSuite, kFoldersSuiteName, kFoldersSuiteVersion);
  acquireSuite(fontSuite, kFontSuiteName, kFontSuiteVersion);
  acquireSuite(preferenceSuite, kPreferenceSuiteName, kPreferenceSuiteVersion);
  acquireSuite(runtimeSuite, kRuntimeSuiteName, kRuntimeSuiteVersion);
  acquireSuite(stringFormatUtilsSuite, kStringFormatUtilsSuiteName, kStringFormatUtilsSuiteVersion);
  acquireSuite(toolboxSuite, kToolboxSuiteName, kToolboxSuiteVersion);
  acquireSuite(urlSuite, kURLSuiteName, kURLSuiteVersion);
  // Version 19 only for host 24.x from 24.2 on.
  const int32_t major = majorVersion();
  const int32_t minor = minorVersion();
  const int32_t documentVersion =
      (major == 24 && minor != 0 && minor != 1) ? kDocumentSuiteVersion19 : kDocumentSuiteVersion16;
  acquireSuite(documentSuite, kDocumentSuiteName, documentVersion);
  acquireSuite(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
  acquireSuite(filePathSuite, kFilePathSuiteName, kFilePathSuiteVersion);
  acquireSuite(uiThemeSuite, kUserInterfaceThemeSuiteName, kUserInterfaceThemeSuiteVersion);

  PlatformWindow mainWindow = nullptr;
  if (contextSuite)
    contextSuite->getMainWindow(&mainWindow);
  hostInstance_ = platform::hostInstanceOfWindow(mainWindow);
}

Illustrator::~Illustrator()
{
  // Cached fonts hold counts of their own; leaving them would keep them alive past the plug-in.
  clearFontCache();
  delete currentDocument_;
}

template <class Visit> void Illustrator::forEachHostFont(Visit visit) const
{
  int32_t count = 0;
  if (!fontSuite || fontSuite->countFonts(&count) != 0)
    return;
  for (int32_t index = 0; index < count; ++index) {
    FontKey key = nullptr;
    if (fontSuite->getNthFont(index, &key) != 0 || !key)
      continue;
    if (Font* font = Font::getOrCreate(key); font && visit(font))
      return;
  }
}

void Illustrator::fillFontCache()
{
  clearFontCache();
  forEachHostFont([this](Font* font) {
    if (!fontCache.insert(utils::utf8ToLower(font->fullName()), font))
      font->release();
    return false;
  });
}

void Illustrator::clearFontCache()
{
  for (auto& entry : fontCache)
    Font::resetRef(entry.second);
  fontCache.clear();
}

Font* Illustrator::fontByName(const std::string& name)
{
  const std::string wanted = utils::utf8ToLower(name);
  Font* found = nullptr;
  if (!fontCache.isEmpty()) {
    if (fontCache.get(wanted, found) && found)
      found->retain();
    return found;
  }
  forEachHostFont([&](Font* font) {
    if (utils::utf8ToLower(font->fullName()) == wanted) {
      found = font;
      return true;
    }
    font->release();
    return false;
  });
  return found;
}

Illustrator* Illustrator::instance()
{
  BasePlugin* plugin = BasePlugin::instance();
  PluginGlobals* globals = plugin ? plugin->globals() : nullptr;
  return globals ? globals->illustrator : nullptr;
}

Document* Illustrator::currentDocument()
{
  DocumentHandle current = nullptr;
  HostErr error = documentSuite ? documentSuite->getCurrentDocument(&current) : kHostErrNotFound;
  if (currentDocument_) {
    if (error == 0 && currentDocument_->handle() == current)
      return currentDocument_;
    delete currentDocument_;
    currentDocument_ = nullptr;
  }
  if (error != 0 || !current)
    return nullptr;
  currentDocument_ = new Document();
  return currentDocument_;
}

int32_t Illustrator::documentCount() const
{
  int32_t count = 0;
  if (documentListSuite)
    documentListSuite->countDocuments(&count);
  return count;
}

int32_t Illustrator::majorVersion() const
{
  return runtimeSuite ? runtimeSuite->getMajorVersion() : 0;
}

int32_t Illustrator::minorVersion() const
{
  return runtimeSuite ? runtimeSuite->getMinorVersion() : 0;
}

int32_t Illustrator::revisionNumber() const
{
  return runtimeSuite ? runtimeSuite->getRevisionNumber() : 0;
}

std::string Illustrator::versionString(bool withRevision) const
{
  std::string text = std::to_string(majorVersion()) + "." + std::to_string(minorVersion());
  if (withRevision)
    text += "." + std::to_string(revisionNumber());
  return text;
}

int32_t Illustrator::appLanguage() const
{
  return hostLanguageCode();
}

bool Illustrator::openURL(const std::string& url) const
{
  if (!canOpenURL() || !urlSuite)
    return false;
  std::string platformText = ai::HostUnicodeString(url, ai::HostUnicodeString::kUtf8).toDefaultString();
  std::vector<char> buffer(platformText.begin(), platformText.end());
  buffer.push_back('\0');
  return urlSuite->openURL(buffer.data()) != 0;
}

void Illustrator::pushAppContext()
{
  BasePlugin* plugin = BasePlugin::instance();
  AppContext context = nullptr;
  if (contextSuite && plugin && contextSuite->pushAppContext(plugin->pluginRef(), &context) == 0) {
    appContexts.pushBack(context);
    return;
  }
  // A refused push is recorded as an empty entry, so that the matching pop does not close the
  // enclosing context.
  appContexts.pushBack(nullptr);
}

void Illustrator::popAppContext()
{
  if (appContexts.isEmpty())
    return;
  AppContext context = appContexts.back();
  appContexts.popBack();
  if (context && contextSuite)
    contextSuite->popAppContext(context);
}

bool Illustrator::isDarkUI() const
{
  return uiThemeSuite && uiThemeSuite->isDarkUI() != 0;
}

ThemeColor Illustrator::hostThemeItem(int32_t context, int32_t item) const
{
  ThemeColorRecord record{1.0, 0.0, 0.0, 0.0};
  if (uiThemeSuite)
    uiThemeSuite->getThemeColor(context == 10 ? 1 : 0, item, &record);
  ThemeColor color;
  color.alpha = record.alpha;
  color.red = record.red;
  color.green = record.green;
  color.blue = record.blue;
  return color;
}

ThemeColor Illustrator::themeColor(int32_t context, int32_t role) const
{
  const bool dark = isDarkUI();
  auto grey = [](double g) {
    ThemeColor color;
    color.red = color.green = color.blue = g;
    return color;
  };
  switch (role) {
  case 10: {
    ThemeColor color = hostThemeItem(context, 0);
    if (!dark) {
      for (double* c : {&color.red, &color.green, &color.blue})
        *c = std::min(*c + *c * 0.09, 1.0);
    }
    return color;
  }
  case 20:
    return dark ? grey(0.835) : grey(0.0);
  case 30:
    return dark ? grey(0.443) : grey(0.584);
  case 40:
    return hostThemeItem(context, 3);
  case 60:
    return hostThemeItem(context, 4);
  case 70:
    return hostThemeItem(context, 2);
  case 80:
    return dark ? grey(0.1) : grey(0.388);
  case 90:
    return dark ? grey(0.25) : grey(0.886);
  default:
    return hostThemeItem(context, -1);
  }
}

double Illustrator::uiBrightness() const
{
  ThemeColor color = themeColor(10, 10);
  return (color.green + color.red + color.blue) / 3.0;
}

bool Illustrator::isUIScaled()
{
  if (scaleUICached)
    return scaleUI;
  int32_t value = 0;
  if (!preferenceSuite || preferenceSuite->getIntegerPreference(nullptr, "UIPreferences/scaleUI", &value) != 0 ||
      value < 0)
    return false;
  scaleUI = value != 0;
  scaleUICached = true;
  return scaleUI;
}

double Illustrator::snapUIScaleFactor()
{
  if (snapFactorCached)
    return snapFactor;
  int32_t value = 0;
  if (!preferenceSuite ||
      preferenceSuite->getIntegerPreference(nullptr, "UIPreferences/snapUIScaleFactor", &value) != 0)
    return 1.0;
  if (value != 0 && value != 1)
    return 1.0;
  snapFactor = value == 1 ? 1.5 : 1.0;
  snapFactorCached = true;
  return snapFactor;
}

int32_t hostLanguageCode()
{
  if (!acquireSuite(stringFormatUtilsSuite, kStringFormatUtilsSuiteName, kStringFormatUtilsSuiteVersion))
    return 0;
  std::string text;
  {
    ai::SPBlockBuffer buffer;
    stringFormatUtilsSuite->getLanguageText(2, buffer.record());
    if (buffer.data() && buffer.count() > 0)
      text.assign(buffer.data(), static_cast<size_t>(buffer.count()));
  }
  int32_t code = 0;
  stringFormatUtilsSuite->languageCodeFromText(text.c_str(), &code);
  return code;
}

bool canOpenURL()
{
  if (!acquireSuite(urlSuite, kURLSuiteName, kURLSuiteVersion))
    return false;
  return urlSuite->canOpenURL() != 0;
}

}  // namespace aip
}  // namespace qor
