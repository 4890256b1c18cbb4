#include "hostsimTestSupport.h"

#include <string>
#include <vector>

using hostsim::HostApp;
using hostsimtest::acquire;

namespace basicSuiteTest {

struct Published
{
  const char* name;
  int32_t version;
  size_t slots;
};

// Every suite of the host interface with its table size.
#define SUITE(S, V)                                                                                          \
  {                                                                                                          \
    k##S##Name, k##S##V, sizeof(S) / sizeof(void*)                                                           \
  }
const Published kCatalogue[] = {
    SUITE(AnnotatorDrawerSuite, Version),
    SUITE(AnnotatorSuite, Version),
    SUITE(ArraySuite, Version),
    SUITE(ArtStyleParserSuite, Version),
    SUITE(ArtStyleSuite, Version),
    SUITE(ArtSuite, Version),
    SUITE(ArtboardSuite, Version),
    SUITE(BlendStyleSuite, Version),
    SUITE(ColorConversionSuite, Version),
    SUITE(ContextSuite, Version),
    SUITE(CursorSnapSuite, Version),
    SUITE(CustomColorSuite, Version),
    SUITE(DataFilterSuite, Version),
    SUITE(DictionaryIteratorSuite, Version),
    SUITE(DictionarySuite, Version),
    SUITE(DocumentListSuite, Version),
    SUITE(DocumentSuite, Version16),
    SUITE(DocumentSuite, Version19),
    SUITE(DocumentViewSuite, Version),
    SUITE(EntrySuite, Version),
    SUITE(ExpandSuite, Version),
    SUITE(FilePathSuite, Version),
    SUITE(FontSuite, Version),
    SUITE(GradientSuite, Version),
    SUITE(GroupSuite, Version),
    SUITE(IsolationModeSuite, Version),
    SUITE(LayerSuite, Version),
    SUITE(MatchingArtSuite, Version),
    SUITE(MdMemorySuite, Version),
    SUITE(MenuSuite, Version),
    SUITE(ModalParentSuite, Version),
    SUITE(NotifierSuite, Version),
    SUITE(PaintStyleSuite, Version),
    SUITE(PanelFlyoutMenuSuite, Version),
    SUITE(PanelSuite, Version),
    SUITE(PathStyleSuite, Version),
    SUITE(PathSuite, Version),
    SUITE(PatternSuite, Version),
    SUITE(PluginGroupSuite, Version),
    SUITE(PluginSuite, Version),
    SUITE(PreferenceSuite, Version),
    SUITE(RealBezierSuite, Version),
    SUITE(RuntimeSuite, Version),
    SUITE(StringFormatUtilsSuite, Version),
    SUITE(SymbolSuite, Version),
    SUITE(TextFrameSuite, Version),
    SUITE(TimerSuite, Version),
    SUITE(ToolSuite, Version),
    SUITE(TransformArtSuite, Version),
    SUITE(UIDSuite, Version),
    SUITE(UIDUtilsSuite, Version),
    SUITE(UIDREFSuite, Version),
    SUITE(URLSuite, Version),
    SUITE(UndoSuite, Version),
    SUITE(UnicodeStringSuite, Version),
    SUITE(UserInterfaceThemeSuite, Version),
    SUITE(UserSuite, Version),
    SUITE(SpAccessSuite, Version),
    SUITE(SpBlocksSuite, Version),
    SUITE(SpPluginsSuite, Version),
};
#undef SUITE

} // namespace basicSuiteTest

TEST(BasicSuite, PublishesEverySuiteOfTheInterfaceAndNothingElse)
{
  HostApp app;
  for (const basicSuiteTest::Published& suite : basicSuiteTest::kCatalogue) {
    SCOPED_TRACE(std::string(suite.name) + " " + std::to_string(suite.version));
    const void* table = nullptr;
    ASSERT_EQ(app.basicSuite()->acquireSuite(suite.name, suite.version, &table), kHostNoErr);
    const auto* slots = static_cast<const HostStubProc*>(table);
    // Every position of the table can be called: it is implemented or a placeholder.
    for (size_t position = 0; position < suite.slots; ++position)
      EXPECT_NE(slots[position], nullptr) << "position " << position;
  }
  for (const OnlyAcquiredSuite& suite : kOnlyAcquiredSuites)
    EXPECT_TRUE(app.isPublished(suite.name, suite.version)) << suite.name;

  struct Refused
  {
    const char* name;
    int32_t version;
  };
  const Refused unknown[] = {{kArtSuiteName, kArtSuiteVersion + 1},
                             {"AI Art suite", kArtSuiteVersion},
                             {"", 0},
                             {kSpBasicSuiteName, 0}};
  for (const Refused& suite : unknown) {
    const void* table = &app;
    EXPECT_NE(app.basicSuite()->acquireSuite(suite.name, suite.version, &table), kHostNoErr) << suite.name;
    EXPECT_EQ(table, &app) << "the pointer stays untouched";
  }
  EXPECT_NE(app.basicSuite()->acquireSuite(nullptr, 1, nullptr), kHostNoErr);
}

TEST(BasicSuite, CountsAcquisitionsPerNameAndVersionAndHandsOutOneTable)
{
  HostApp app;
  const auto* first = acquire<UserSuite>(app, kUserSuiteName, kUserSuiteVersion);
  const auto* second = acquire<UserSuite>(app, kUserSuiteName, kUserSuiteVersion);
  const auto* v16 = acquire<DocumentSuite>(app, kDocumentSuiteName, kDocumentSuiteVersion16);
  const auto* v19 = acquire<DocumentSuite>(app, kDocumentSuiteName, kDocumentSuiteVersion19);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  EXPECT_EQ(v16, v19) << "both versions share one layout and one table";
  EXPECT_EQ(app.outstandingAcquisitions(kUserSuiteName, kUserSuiteVersion), 2);
  EXPECT_EQ(app.outstandingAcquisitions(kDocumentSuiteName, kDocumentSuiteVersion16), 1);

  const SpBasicSuite* basic = app.basicSuite();
  EXPECT_EQ(basic->releaseSuite(kUserSuiteName, kUserSuiteVersion), kHostNoErr);
  EXPECT_EQ(basic->releaseSuite(kUserSuiteName, kUserSuiteVersion), kHostNoErr);
  EXPECT_NE(basic->releaseSuite(kUserSuiteName, kUserSuiteVersion), kHostNoErr) << "one release too many";
  EXPECT_NE(basic->releaseSuite(kArtSuiteName, kArtSuiteVersion), kHostNoErr) << "never acquired";
  EXPECT_EQ(app.unbalancedReleases(), 2);
  EXPECT_EQ(app.outstandingAcquisitions(kUserSuiteName, kUserSuiteVersion), 0);

  auto uses = app.suiteUses();
  ASSERT_EQ(uses.size(), 3u);
  EXPECT_EQ(uses[0].name, kUserSuiteName);
  EXPECT_EQ(uses[0].acquired, 2);
  EXPECT_EQ(uses[0].released, 2);
  EXPECT_EQ(uses[1].version, 16);
  EXPECT_EQ(uses[2].version, 19);
  EXPECT_EQ(app.totalOutstandingAcquisitions(), 2);
}

TEST(BasicSuite, RefusesASuiteWhileTheSwitchIsSet)
{
  HostApp app;
  app.refuseSuite(kFontSuiteName, kFontSuiteVersion);
  const void* table = nullptr;
  EXPECT_NE(app.basicSuite()->acquireSuite(kFontSuiteName, kFontSuiteVersion, &table), kHostNoErr);
  EXPECT_EQ(table, nullptr);
  EXPECT_NE(acquire<MenuSuite>(app, kMenuSuiteName, kMenuSuiteVersion), nullptr) << "only that suite";
  EXPECT_EQ(app.outstandingAcquisitions(kFontSuiteName, kFontSuiteVersion), 0);

  app.refuseSuite(kFontSuiteName, kFontSuiteVersion, false);
  EXPECT_NE(acquire<FontSuite>(app, kFontSuiteName, kFontSuiteVersion), nullptr);
}

TEST(BasicSuite, PlaceholderPositionsAnswerNotImplementedAndAreRecorded)
{
  HostApp app;
  const auto* art = acquire<ArtSuite>(app, kArtSuiteName, kArtSuiteVersion);
  const auto* font = acquire<FontSuite>(app, kFontSuiteName, kFontSuiteVersion);
  ASSERT_TRUE(art && font);
  EXPECT_EQ(art->reserved0(), kHostErrNotImplemented);
  EXPECT_EQ(art->reserved13(), kHostErrNotImplemented);
  EXPECT_EQ(font->reserved2(), kHostErrNotImplemented);
  ASSERT_EQ(app.unimplementedCalls().size(), 3u);
  EXPECT_EQ(app.unimplementedCalls()[1].suite, kArtSuiteName);
  EXPECT_EQ(app.unimplementedCalls()[1].position, 13u);
  EXPECT_EQ(app.unimplementedCalls()[2].suite, kFontSuiteName);
  EXPECT_EQ(app.unimplementedCalls()[2].position, 2u);
}

TEST(BasicSuite, AreasCanImplementPositionsOfAPublishedSuite)
{
  HostApp app;
  auto& published = app.publishSuite<ArtSuite>(kArtSuiteName, kArtSuiteVersion);
  published.updateArtBounds = [](ArtHandle) -> HostErr { return 42; };
  const auto* art = acquire<ArtSuite>(app, kArtSuiteName, kArtSuiteVersion);
  EXPECT_EQ(art->updateArtBounds(nullptr), 42);
  EXPECT_THROW(app.publishTable(kArtSuiteName, kArtSuiteVersion, 200), std::logic_error)
      << "a table cannot move once handed out";
}

TEST(HostApp, HandlesIncreaseAcrossKindsAndOnlyOneApplicationLives)
{
  HostApp app;
  auto a = reinterpret_cast<uintptr_t>(app.mintHandle<ArtHandle>());
  auto b = reinterpret_cast<uintptr_t>(app.mintHandle<LayerHandle>());
  auto c = reinterpret_cast<uintptr_t>(app.mintHandle<ArtHandle>());
  EXPECT_LT(a, b);
  EXPECT_LT(b, c);
  EXPECT_THROW(HostApp second, std::logic_error);
  EXPECT_EQ(HostApp::current(), &app);
}
