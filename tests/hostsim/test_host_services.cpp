#include "hostsimContext.h"
#include "hostsimDocumentList.h"
#include "hostsimEncoding.h"
#include "hostsimFilePaths.h"
#include "hostsimPluginInfo.h"
#include "hostsimPreferences.h"
#include "hostsimResources.h"
#include "hostsimRuntime.h"
#include "hostsimTestSupport.h"
#include "hostsimTheme.h"
#include "hostsimUnicodeStrings.h"
#include "hostsimUrls.h"
#include "hostsimUser.h"
#include "win/Windows.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

using hostsim::HostApp;
using hostsimtest::acquire;

TEST(ContextSuite, ContextsNestAndALeftContextMustBeTheInnermost)
{
  HostApp app;
  const auto* suite = acquire<ContextSuite>(app, kContextSuiteName, kContextSuiteVersion);
  auto& context = app.area<hostsim::Context>();
  AppContext outer = nullptr, inner = nullptr;
  ASSERT_EQ(suite->pushAppContext(app.pluginRef(), &outer), kHostNoErr);
  ASSERT_EQ(suite->pushAppContext(app.pluginRef(), &inner), kHostNoErr);
  EXPECT_EQ(context.depth(), 2u);
  EXPECT_NE(suite->popAppContext(outer), kHostNoErr);
  EXPECT_EQ(suite->popAppContext(inner), kHostNoErr);
  EXPECT_EQ(suite->popAppContext(outer), kHostNoErr);
  EXPECT_NE(suite->popAppContext(outer), kHostNoErr);
  EXPECT_EQ(context.depth(), 0u);
  EXPECT_EQ(context.badPops(), 2);

  context.refusePush = true;
  AppContext refused = nullptr;
  EXPECT_NE(suite->pushAppContext(app.pluginRef(), &refused), kHostNoErr);
  EXPECT_EQ(refused, nullptr);
  EXPECT_EQ(context.depth(), 0u);
  EXPECT_NE(suite->pushAppContext(nullptr, &refused), kHostNoErr);
}

TEST(PreferenceSuite, TypedValuesByPrefixAndKeyWithMissingKeysAnError)
{
  HostApp app;
  const auto* suite = acquire<PreferenceSuite>(app, kPreferenceSuiteName, kPreferenceSuiteVersion);
  int32_t value = 77;
  EXPECT_NE(suite->getIntegerPreference("TfJunctate-21", "launchedThisVersion", &value), kHostNoErr);
  EXPECT_EQ(value, 77) << "a missing key leaves the out value alone";
  ASSERT_EQ(suite->putIntegerPreference("TfJunctate-21", "launchedThisVersion", 2), kHostNoErr);
  EXPECT_EQ(suite->getIntegerPreference("TfJunctate-21", "launchedThisVersion", &value), kHostNoErr);
  EXPECT_EQ(value, 2);
  EXPECT_NE(suite->getIntegerPreference(nullptr, "launchedThisVersion", &value), kHostNoErr)
      << "other prefix";

  ASSERT_EQ(suite->putBooleanPreference(nullptr, "AiFastExit", 0), kHostNoErr);
  EXPECT_EQ(std::get<bool>(*app.area<hostsim::Preferences>().get("", "AiFastExit")), false);
  EXPECT_EQ(suite->getIntegerPreference(nullptr, "UIPreferences/scaleUI", &value), kHostNoErr);
  EXPECT_EQ(value, 0);

  app.area<hostsim::Preferences>().put("", "ratio", 1.5);
  double real = 0;
  EXPECT_EQ(suite->getRealPreference(nullptr, "ratio", &real), kHostNoErr);
  EXPECT_EQ(real, 1.5);
  EXPECT_NE(suite->getIntegerPreference(nullptr, "ratio", &value), kHostNoErr) << "a real is no integer";
  EXPECT_EQ(app.area<hostsim::Preferences>().writes().size(), 2u);
}

TEST(DataFilterSuite, ServesModuleResourcesAsByteStreams)
{
  namespace fs = std::filesystem;
  fs::path folder = fs::path(testing::TempDir()) / "hostsim-module.resources";
  fs::remove_all(folder);
  fs::create_directories(folder);
  std::ofstream(folder / "504E4749_16700.png") << "png bytes";
  std::ofstream(folder / "00535647_0_about.svg") << "<svg/>";
  std::ofstream(folder / "not-a-resource.txt") << "x";

  HostApp app;
  app.connect(nullptr, (fs::path(testing::TempDir()) / "hostsim-module.so").string());
  auto& resources = app.area<hostsim::Resources>();
  resources.add(kPngResourceType, 3, "", std::string(5000, 'z'));
  const auto* suite = acquire<DataFilterSuite>(app, kDataFilterSuiteName, kDataFilterSuiteVersion);

  DataFilter filter = nullptr;
  EXPECT_NE(suite->newResourceDataFilter(app.pluginRef(), kSvgResourceType, 16700, "", &filter), kHostNoErr);
  EXPECT_NE(suite->newResourceDataFilter(app.pluginRef(), kPngResourceType, 16701, "", &filter), kHostNoErr);
  EXPECT_EQ(filter, nullptr);
  ASSERT_EQ(suite->newResourceDataFilter(app.pluginRef(), kZeroSvgResourceType, 0, "about", &filter),
            kHostNoErr);
  char buffer[16] = {};
  int32_t count = sizeof(buffer);
  ASSERT_EQ(suite->readDataFilter(filter, buffer, &count), kHostNoErr);
  EXPECT_EQ(std::string(buffer, size_t(count)), "<svg/>");
  DataFilter previous = filter;
  EXPECT_EQ(suite->unlinkDataFilter(filter, &previous), kHostNoErr);
  EXPECT_EQ(previous, nullptr);
  EXPECT_NE(suite->unlinkDataFilter(filter, &previous), kHostNoErr) << "a closed filter is dead";

  // Seeking beyond the end fails, which is how a reader finds the size.
  ASSERT_EQ(suite->newResourceDataFilter(app.pluginRef(), kPngResourceType, 3, nullptr, &filter), kHostNoErr);
  EXPECT_EQ(suite->seekDataFilter(filter, 4096), kHostNoErr);
  EXPECT_EQ(suite->seekDataFilter(filter, 5000), kHostNoErr);
  EXPECT_NE(suite->seekDataFilter(filter, 5001), kHostNoErr);
  EXPECT_NE(suite->seekDataFilter(filter, -1), kHostNoErr);
  ASSERT_EQ(suite->seekDataFilter(filter, 4990), kHostNoErr);
  count = sizeof(buffer);
  ASSERT_EQ(suite->readDataFilter(filter, buffer, &count), kHostNoErr);
  EXPECT_EQ(count, 10);
  suite->unlinkDataFilter(filter, &previous);

  ASSERT_EQ(suite->newResourceDataFilter(app.pluginRef(), kPngResourceType, 16700, "", &filter), kHostNoErr);
  count = sizeof(buffer);
  suite->readDataFilter(filter, buffer, &count);
  EXPECT_EQ(std::string(buffer, size_t(count)), "png bytes");
  suite->unlinkDataFilter(filter, &previous);
  EXPECT_EQ(resources.openFilters(), 0u);
}

TEST(UserSuite, NumberTextsDropTrailingZerosAndParseInTheCLocale)
{
  struct Format
  {
    double value;
    int32_t decimals;
    const char* text;
  };
  const Format formats[] = {
      {0.5, 2, "0.5"}, {21, 2, "21"},           {1.23456, 2, "1.23"}, {-0.0001, 2, "0"}, {2.5, 0, "2"},
      {3.5, 0, "4"},   {0.123456, 9, "0.1235"}, {-12.5, 1, "-12.5"},  {100, -3, "100"},
  };
  for (const Format& f : formats)
    EXPECT_EQ(hostsim::User::formatNumber(f.value, f.decimals), f.text) << f.value << " " << f.decimals;

  HostApp app;
  const auto* suite = acquire<UserSuite>(app, kUserSuiteName, kUserSuiteVersion);
  auto& strings = app.area<hostsim::UnicodeStrings>();
  struct Parse
  {
    const char16_t* text;
    bool ok;
    double value;
  };
  const Parse parses[] = {
      {u"12.5", true, 12.5}, {u" -3 ", true, -3},  {u"+0.25", true, 0.25}, {u"1e3", true, 1000},
      {u"abc", false, 0},    {u"12abc", false, 0}, {u"", false, 0},        {u"1,5", false, 0},
      {u"inf", false, 0},    {u"+-1", false, 0},
  };
  for (const Parse& p : parses) {
    HostString text = strings.create(p.text);
    double value = 99;
    EXPECT_EQ(suite->textToNumber(text, &value) == kHostNoErr, p.ok) << hostsim::utf16ToUtf8(p.text);
    EXPECT_EQ(value, p.value) << hostsim::utf16ToUtf8(p.text);
    strings.destroy(&text);
  }
  HostString out = nullptr;
  ASSERT_EQ(suite->numberToText(0.5, 3, &out), kHostNoErr);
  EXPECT_EQ(strings.utf8(out), "0.5");
  strings.destroy(&out);
}

TEST(UserSuite, CancelIsStickyUntilTheProgressCloses)
{
  HostApp app;
  const auto* suite = acquire<UserSuite>(app, kUserSuiteName, kUserSuiteVersion);
  auto& user = app.area<hostsim::User>();
  user.cancelAfterUpdates = 2;
  HostString text = app.area<hostsim::UnicodeStrings>().create(u"Junctating paths...");
  suite->setProgressText(text);
  suite->updateProgress(1, 10);
  EXPECT_EQ(suite->isProgressCancelled(), 0);
  suite->updateProgress(2, 10);
  EXPECT_NE(suite->isProgressCancelled(), 0);
  EXPECT_NE(suite->isProgressCancelled(), 0);
  suite->closeProgress();
  user.cancelAfterUpdates = -1;
  EXPECT_EQ(suite->isProgressCancelled(), 0) << "a new progress starts uncancelled";
  ASSERT_EQ(user.progressRuns().size(), 2u);
  EXPECT_EQ(user.progressRuns()[0].text, "Junctating paths...");
  EXPECT_TRUE(user.progressRuns()[0].cancelled);
}

TEST(PluginSuites, NameFileSpecAndLock)
{
  HostApp app;
  app.connect(nullptr, "/opt/plug-ins/Junctate.so");
  const auto* plugins = acquire<SpPluginsSuite>(app, kSpPluginsSuiteName, kSpPluginsSuiteVersion);
  const auto* access = acquire<SpAccessSuite>(app, kSpAccessSuiteName, kSpAccessSuiteVersion);
  const auto* paths = acquire<FilePathSuite>(app, kFilePathSuiteName, kFilePathSuiteVersion);
  const char* name = nullptr;
  ASSERT_EQ(plugins->getPluginName(app.pluginRef(), &name), kHostNoErr);
  EXPECT_STREQ(name, "Junctate") << "the property-list name before any is set";
  ASSERT_EQ(plugins->setPluginName(app.pluginRef(), "Jonct\xE9"), kHostNoErr);
  EXPECT_EQ(app.area<hostsim::PluginInfo>().nameUtf8(), "Jonct\xC3\xA9") << "set in the platform encoding";
  EXPECT_NE(plugins->setPluginName(app.mintHandle<PluginRef>(), "x"), kHostNoErr) << "another plug-in";

  HostFileSpec spec{};
  ASSERT_EQ(plugins->getPluginFileSpec(app.pluginRef(), &spec), kHostNoErr);
  FilePathHandle path = nullptr;
  ASSERT_EQ(paths->filePathFromFileSpec(&spec, &path), kHostNoErr);
  HostString file = nullptr, full = nullptr;
  ASSERT_EQ(paths->getFilePathFileName(path, 0, &file), kHostNoErr);
  ASSERT_EQ(paths->getFilePathFullPath(path, 0, &full), kHostNoErr);
  auto& strings = app.area<hostsim::UnicodeStrings>();
  EXPECT_EQ(strings.utf8(file), "Junctate.so");
  EXPECT_EQ(strings.utf8(full), "/opt/plug-ins/Junctate.so");
  EXPECT_EQ(paths->releaseFilePath(path), kHostNoErr);
  EXPECT_NE(paths->releaseFilePath(path), kHostNoErr);
  EXPECT_NE(paths->getFilePathFileName(path, 0, &file), kHostNoErr);

  AccessRef lock = nullptr;
  ASSERT_EQ(access->acquirePluginAccess(app.pluginRef(), &lock), kHostNoErr);
  EXPECT_EQ(app.area<hostsim::PluginInfo>().lockCount(), 1);
  EXPECT_EQ(access->releasePluginAccess(lock), kHostNoErr);
  EXPECT_NE(access->releasePluginAccess(lock), kHostNoErr);
  app.area<hostsim::PluginInfo>().refuseAccess = true;
  EXPECT_NE(access->acquirePluginAccess(app.pluginRef(), &lock), kHostNoErr);
  EXPECT_EQ(app.area<hostsim::PluginInfo>().lockCount(), 0);
  strings.destroy(&file);
  strings.destroy(&full);
}

TEST(ApplicationSuites, VersionLanguageThemeUrlsDocumentsAndMenuGroups)
{
  HostApp app;
  app.area<hostsim::Runtime>().major = 24;
  app.area<hostsim::Runtime>().minor = 2;
  app.area<hostsim::Runtime>().setLanguage("ja_JP", 9);
  const auto* runtime = acquire<RuntimeSuite>(app, kRuntimeSuiteName, kRuntimeSuiteVersion);
  const auto* format =
      acquire<StringFormatUtilsSuite>(app, kStringFormatUtilsSuiteName, kStringFormatUtilsSuiteVersion);
  const auto* blocks = acquire<SpBlocksSuite>(app, kSpBlocksSuiteName, kSpBlocksSuiteVersion);
  EXPECT_EQ(runtime->getMajorVersion(), 24);
  EXPECT_EQ(runtime->getMinorVersion(), 2);
  SPBlockBuffer text{};
  ASSERT_EQ(format->getLanguageText(2, &text), kHostNoErr);
  std::string language(static_cast<const char*>(text.block), size_t(text.count));
  EXPECT_EQ(language, "ja_JP");
  blocks->freeBlock(text.block);
  int32_t code = 0;
  EXPECT_EQ(format->languageCodeFromText(language.c_str(), &code), kHostNoErr);
  EXPECT_EQ(code, 9);

  const auto* theme =
      acquire<UserInterfaceThemeSuite>(app, kUserInterfaceThemeSuiteName, kUserInterfaceThemeSuiteVersion);
  ThemeColorRecord light{1, 0, 0, 0}, dark{1, 0, 0, 0}, untouched{1, 0, 0, 0};
  theme->getThemeColor(1, 0, &light);
  EXPECT_EQ(theme->isDarkUI(), 0);
  app.area<hostsim::Theme>().setDark(true);
  EXPECT_NE(theme->isDarkUI(), 0);
  theme->getThemeColor(1, 0, &dark);
  EXPECT_GT(light.red, dark.red);
  EXPECT_NE(theme->getThemeColor(1, 5, &untouched), kHostNoErr);
  EXPECT_EQ(untouched.red, 0.0);

  const auto* urls = acquire<URLSuite>(app, kURLSuiteName, kURLSuiteVersion);
  EXPECT_NE(urls->openURL("http://127.0.0.1/caf\xE9"), 0);
  app.area<hostsim::Urls>().canOpen = false;
  EXPECT_EQ(urls->canOpenURL(), 0);
  EXPECT_EQ(urls->openURL("http://127.0.0.1/other"), 0);
  ASSERT_EQ(app.area<hostsim::Urls>().opened().size(), 1u);
  EXPECT_EQ(app.area<hostsim::Urls>().opened()[0], "http://127.0.0.1/caf\xC3\xA9");

  const auto* list = acquire<DocumentListSuite>(app, kDocumentListSuiteName, kDocumentListSuiteVersion);
  const auto* document = acquire<DocumentSuite>(app, kDocumentSuiteName, kDocumentSuiteVersion19);
  const auto* views = acquire<DocumentViewSuite>(app, kDocumentViewSuiteName, kDocumentViewSuiteVersion);
  auto& documents = app.area<hostsim::DocumentList>();
  DocumentHandle current = nullptr;
  int32_t count = -1;
  EXPECT_NE(document->getCurrentDocument(&current), kHostNoErr);
  DocumentHandle first = documents.open("a.svg");
  DocumentHandle second = documents.open("b.svg");
  list->countDocuments(&count);
  EXPECT_EQ(count, 2);
  ASSERT_EQ(document->getCurrentDocument(&current), kHostNoErr);
  EXPECT_EQ(current, second);
  DocViewHandle view = nullptr;
  ASSERT_EQ(views->getNthView(0, &view), kHostNoErr);
  EXPECT_EQ(documents.documentOfView(view), second);
  EXPECT_NE(views->getNthView(1, &view), kHostNoErr);
  documents.close(second);
  document->getCurrentDocument(&current);
  EXPECT_EQ(current, first);

  const auto* menus = acquire<MenuSuite>(app, kMenuSuiteName, kMenuSuiteVersion);
  ASSERT_EQ(menus->countMenuGroups(&count), kHostNoErr);
  EXPECT_EQ(count, 95);
  MenuGroupHandle group = nullptr;
  const char* groupName = nullptr;
  ASSERT_EQ(menus->getNthMenuGroup(0, &group), kHostNoErr);
  menus->getMenuGroupName(group, &groupName);
  EXPECT_STREQ(groupName, "About");
  MenuGroupHandle added = nullptr;
  ASSERT_EQ(menus->addMenuGroup("Maker About", 16, "About", &added), kHostNoErr);
  EXPECT_NE(menus->addMenuGroup("Maker About", 16, "About", &group), kHostNoErr) << "names are unique";
  ASSERT_EQ(menus->getNthMenuGroup(1, &group), kHostNoErr);
  EXPECT_EQ(group, added) << "placed next to its neighbour";
  EXPECT_NE(menus->getNthMenuGroup(96, &group), kHostNoErr);
}

TEST(FontSuite, InstalledFontsWithTheirNames)
{
  HostApp app;
  const auto* suite = acquire<FontSuite>(app, kFontSuiteName, kFontSuiteVersion);
  int32_t count = 0;
  ASSERT_EQ(suite->countFonts(&count), kHostNoErr);
  std::vector<std::string> names;
  for (int32_t i = 0; i < count; ++i) {
    FontKey font = nullptr;
    ASSERT_EQ(suite->getNthFont(i, &font), kHostNoErr);
    char16_t buffer[4096] = {};
    ASSERT_EQ(suite->getFontFullName(font, buffer, 4095), kHostNoErr);
    names.push_back(hostsim::utf16ToUtf8(buffer));
  }
  for (const char* needed : {"Tahoma", "Tahoma Bold", "Verdana Italic", "Verdana Bold Italic"})
    EXPECT_NE(std::find(names.begin(), names.end(), needed), names.end()) << needed;

  FontKey font = nullptr;
  suite->getDefaultFont(-2, &font);
  TypefaceKey typeface = nullptr;
  int16_t style = -1;
  ASSERT_EQ(suite->getFontTypeface(font, &typeface, &style), kHostNoErr);
  HostString family = nullptr;
  ASSERT_EQ(suite->getTypefaceName(typeface, &family), kHostNoErr);
  EXPECT_EQ(app.area<hostsim::UnicodeStrings>().utf8(family), "Tahoma");
  app.area<hostsim::UnicodeStrings>().destroy(&family);
  char16_t small[4] = {u'x', u'x', u'x', u'x'};
  ASSERT_EQ(suite->getFontFullName(font, small, 3), kHostNoErr);
  EXPECT_EQ(std::u16string(small), u"Tah") << "cut at the given length and terminated";
  EXPECT_NE(suite->getFontFullName(nullptr, small, 3), kHostNoErr);
}

TEST(ContextSuite, TheMainWindowOwnsOneDocumentWindowPerOpenDocument)
{
  HostApp app;
  const auto* suite = acquire<ContextSuite>(app, kContextSuiteName, kContextSuiteVersion);
  PlatformWindow main = nullptr;
  ASSERT_EQ(suite->getMainWindow(&main), kHostNoErr);
  HWND mainWindow = reinterpret_cast<HWND>(main);
  ASSERT_TRUE(IsWindow(mainWindow));
  EXPECT_TRUE(IsWindowVisible(mainWindow));

  auto& documents = app.area<hostsim::DocumentList>();
  DocumentHandle document = documents.open("a.svg");
  HWND window = reinterpret_cast<HWND>(documents.window(document));
  ASSERT_TRUE(IsWindow(window));
  char16_t className[32] = {};
  GetClassNameW(window, className, 32);
  EXPECT_EQ(std::u16string(className), u"OWL.Document");
  EXPECT_EQ(reinterpret_cast<HWND>(GetWindowLongW(window, GWL_HWNDPARENT)), mainWindow);
  EXPECT_TRUE(IsWindowVisible(window));
  documents.close(document);
  EXPECT_FALSE(IsWindow(window));
}

TEST(HostServices, EveryFunctionRefusesNullAndDeadHandlesWithoutWriting)
{
  HostApp app;
  auto* plugins = acquire<SpPluginsSuite>(app, kSpPluginsSuiteName, kSpPluginsSuiteVersion);
  auto* access = acquire<SpAccessSuite>(app, kSpAccessSuiteName, kSpAccessSuiteVersion);
  auto* blocks = acquire<SpBlocksSuite>(app, kSpBlocksSuiteName, kSpBlocksSuiteVersion);
  auto* paths = acquire<FilePathSuite>(app, kFilePathSuiteName, kFilePathSuiteVersion);
  auto* context = acquire<ContextSuite>(app, kContextSuiteName, kContextSuiteVersion);
  auto* fonts = acquire<FontSuite>(app, kFontSuiteName, kFontSuiteVersion);
  auto* menus = acquire<MenuSuite>(app, kMenuSuiteName, kMenuSuiteVersion);
  auto* filters = acquire<DataFilterSuite>(app, kDataFilterSuiteName, kDataFilterSuiteVersion);
  auto* prefs = acquire<PreferenceSuite>(app, kPreferenceSuiteName, kPreferenceSuiteVersion);
  auto* user = acquire<UserSuite>(app, kUserSuiteName, kUserSuiteVersion);
  auto* plugin = acquire<PluginSuite>(app, kPluginSuiteName, kPluginSuiteVersion);
  auto* groups = acquire<PluginGroupSuite>(app, kPluginGroupSuiteName, kPluginGroupSuiteVersion);
  auto* snap = acquire<CursorSnapSuite>(app, kCursorSnapSuiteName, kCursorSnapSuiteVersion);
  auto* documents = acquire<DocumentSuite>(app, kDocumentSuiteName, kDocumentSuiteVersion19);
  auto* views = acquire<DocumentViewSuite>(app, kDocumentViewSuiteName, kDocumentViewSuiteVersion);
  auto* theme =
      acquire<UserInterfaceThemeSuite>(app, kUserInterfaceThemeSuiteName, kUserInterfaceThemeSuiteVersion);

  // A dead handle of each kind: made, then disposed.
  auto& strings = app.area<hostsim::UnicodeStrings>();
  HostString deadString = strings.create(u"x");
  HostString killed = deadString;
  strings.destroy(&killed);
  FilePathHandle deadPath = nullptr;
  app.area<hostsim::FilePaths>().write(&deadPath, "/x");
  app.area<hostsim::FilePaths>().release(deadPath);

  // Out values are preset to a marker that must survive.
  HostString outString = nullptr;
  FilePathHandle outPath = nullptr;
  const char* outName = "marker";
  int32_t outInt = 77;
  double outReal = 77;
  void* outBlock = nullptr;
  FontKey outFont = nullptr;
  TypefaceKey outTypeface = nullptr;
  int16_t outStyle = 77;
  MenuGroupHandle outGroup = nullptr;
  DataFilter outFilter = nullptr;
  PluginGroupHandle outArtGroup = nullptr;
  RealPoint point{1, 2}, outPoint{7, 7};
  char16_t name[8] = {u'm', 0};
  char byte = 0;
  PluginRef plugin0 = nullptr;
  PluginGroupDescription description{1, 0, "x"};

  const std::pair<const char*, std::function<HostErr()>> calls[] = {
      {"setPluginName", [&] { return plugins->setPluginName(plugin0, "x"); }},
      {"getPluginName", [&] { return plugins->getPluginName(plugin0, &outName); }},
      {"getPluginFileSpec", [&] { return plugins->getPluginFileSpec(app.pluginRef(), nullptr); }},
      {"releasePluginAccess", [&] { return access->releasePluginAccess(nullptr); }},
      {"acquirePluginAccess", [&] { return access->acquirePluginAccess(plugin0, nullptr); }},
      {"allocateBlock", [&] { return blocks->allocateBlock(-1, "x", &outBlock); }},
      {"freeBlock", [&] { return blocks->freeBlock(&byte); }},
      {"releaseFilePath", [&] { return paths->releaseFilePath(deadPath); }},
      {"filePathFromText", [&] { return paths->filePathFromText(deadString, 1, &outPath); }},
      {"filePathFromFileSpec", [&] { return paths->filePathFromFileSpec(nullptr, &outPath); }},
      {"getFilePathFileName", [&] { return paths->getFilePathFileName(deadPath, 0, &outString); }},
      {"getFilePathFullPath", [&] { return paths->getFilePathFullPath(nullptr, 0, &outString); }},
      {"getMainWindow", [&] { return context->getMainWindow(nullptr); }},
      {"popAppContext", [&] { return context->popAppContext(nullptr); }},
      {"getNthFont", [&] { return fonts->getNthFont(-1, &outFont); }},
      {"getFontTypeface", [&] { return fonts->getFontTypeface(nullptr, &outTypeface, &outStyle); }},
      {"countTypefaceStyles", [&] { return fonts->countTypefaceStyles(nullptr, &outInt); }},
      {"getTypefaceStyleFont", [&] { return fonts->getTypefaceStyleFont(nullptr, 0, &outFont); }},
      {"getFontFaceName", [&] { return fonts->getFontFaceName(nullptr, name, 7); }},
      {"getTypefaceName", [&] { return fonts->getTypefaceName(nullptr, &outString); }},
      {"getMenuGroupName", [&] { return menus->getMenuGroupName(nullptr, &outName); }},
      {"getMenuGroupOptions", [&] { return menus->getMenuGroupOptions(nullptr, &outInt); }},
      {"setMenuGroupOptions", [&] { return menus->setMenuGroupOptions(nullptr, 1); }},
      {"addMenuGroup", [&] { return menus->addMenuGroup("New", 0, "No Such Group", &outGroup); }},
      {"newResourceDataFilter",
       [&] { return filters->newResourceDataFilter(plugin0, 1, 1, "", &outFilter); }},
      {"seekDataFilter", [&] { return filters->seekDataFilter(nullptr, 0); }},
      {"readDataFilter", [&] { return filters->readDataFilter(nullptr, &byte, &outInt); }},
      {"unlinkDataFilter", [&] { return filters->unlinkDataFilter(nullptr, &outFilter); }},
      {"getIntegerPreference", [&] { return prefs->getIntegerPreference(nullptr, nullptr, &outInt); }},
      {"getRealPreference", [&] { return prefs->getRealPreference("no", "such", &outReal); }},
      {"setProgressText", [&] { return user->setProgressText(deadString); }},
      {"numberToText",
       [&] {
         HostString dead = deadString;
         return user->numberToText(1.0, 2, &dead);
       }},
      {"getPluginOptions", [&] { return plugin->getPluginOptions(plugin0, &outInt); }},
      {"addPluginArtGroup",
       [&] { return groups->addPluginArtGroup(plugin0, "G", &description, 0, &outArtGroup); }},
      {"trackSnappedCursor",
       [&] { return snap->trackSnappedCursor(nullptr, &point, nullptr, "AF", &outPoint); }},
      {"getCurrentDocument", [&] { return documents->getCurrentDocument(nullptr); }},
      {"getNthView", [&] { return views->getNthView(0, nullptr); }},
      {"getThemeColor", [&] { return theme->getThemeColor(0, 0, nullptr); }},
  };
  for (const auto& [function, call] : calls)
    EXPECT_NE(call(), kHostNoErr) << function;
  EXPECT_EQ(outString, nullptr);
  EXPECT_EQ(outPath, nullptr);
  EXPECT_STREQ(outName, "marker");
  EXPECT_EQ(outInt, 77);
  EXPECT_EQ(outReal, 77);
  EXPECT_EQ(outBlock, nullptr);
  EXPECT_EQ(outFont, nullptr);
  EXPECT_EQ(outTypeface, nullptr);
  EXPECT_EQ(outStyle, 77);
  EXPECT_EQ(outGroup, nullptr);
  EXPECT_EQ(outFilter, nullptr);
  EXPECT_EQ(outArtGroup, nullptr);
  EXPECT_EQ(outPoint.h, 7);
  EXPECT_EQ(name[0], u'm');
  EXPECT_EQ(snap->customSnapConstraintsActive(nullptr), 0);
  EXPECT_EQ(strings.liveCount(), 0u);
}
