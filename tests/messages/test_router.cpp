// The host event router: notification filters, the base layer's displaced subscription, view
// tracking, nested routing and annotation drawing.
#include <algorithm>
#include <stdexcept>

#include "MessagesFixture.h"
#include "aip/qoraipAnnotator.h"
#include "aip/qoraipEventDispatcher.h"
#include "core/qorcoreNotifier.h"
#include "hostsimAnnotations.h"
#include "hostsimFonts.h"
#include "hostsimNotifiers.h"
#include "hostsimWorkspace.h"
#include "utils/qorutilsCallback.h"

namespace messagesTest_router {

using namespace qor::core;
using messagesTest::PluginFixture;
using messagesTest::Probe;

const char* const kDocumentChanged = "AI Document Changed Notifier";

class Router : public PluginFixture
{
protected:
  qor::aip::EventDispatcher& router() { return *qor::core::msgRouter(); }
  hostsim::Workspace& workspace() { return hostsim::Workspace::instance(); }
  hostsim::Annotations& annotations() { return app->area<hostsim::Annotations>(); }

  void watch(NotifierType type, Probe& probe)
  {
    notifiers.emplace_back(new Notifier(type, probe.callback()));
    dispatcher().registerNotifier(*notifiers.back());
  }

  std::vector<std::unique_ptr<Notifier>> notifiers;
};

// The base layer's own document-changed subscription, older than the client's, would be delivered
// first and take the document change for itself.
TEST_F(Router, ClientDocumentChangedCallbackIsNotLostToTheBaseSubscription)
{
  hostsim::Document* first = workspace().newDocument("first");
  if (!qor::aip::msgCurrentDocument())
    GTEST_SKIP() << "the simulated host does not publish its document suites";
  Probe changed;
  watch(DocumentChangedNotifierType, changed);
  for (const auto& s : app->area<hostsim::Notifiers>().subscriptions()) {
    if (s.type == kDocumentChanged && s.name.rfind("QORDocChangedNotifier", 0) == 0) {
      EXPECT_FALSE(s.active) << s.name;
    }
  }
  app->sendNotification(kDocumentChanged);
  EXPECT_EQ(changed.runs, 1);
  app->sendNotification(kDocumentChanged);
  EXPECT_EQ(changed.runs, 1);
  workspace().newDocument("second");
  app->sendNotification(kDocumentChanged);
  EXPECT_EQ(changed.runs, 2);
  workspace().setCurrent(first);
  app->sendNotification(kDocumentChanged);
  EXPECT_EQ(changed.runs, 3);
}

// A repeated start-up must not put the base layer's subscription back over the client's: the
// client would stop hearing of document changes, and the displaced notifiers would be lost track of.
TEST_F(Router, RepeatedStartupLeavesTheClientsDocumentSubscriptionInPlace)
{
  workspace().newDocument("first");
  if (!qor::aip::msgCurrentDocument())
    GTEST_SKIP() << "the simulated host does not publish its document suites";
  Probe changed;
  watch(DocumentChangedNotifierType, changed);
  app->startup();
  app->sendNotification(kDocumentChanged);
  EXPECT_EQ(changed.runs, 1);
  int active = 0;
  for (const auto& s : app->area<hostsim::Notifiers>().subscriptions())
    active += s.type == kDocumentChanged && s.active;
  EXPECT_EQ(active, 1);
}

// Nothing of the plug-in may still be called for a notification once it has shut down, including
// the base layer's subscriptions that have no callback of their own.
TEST_F(Router, ShutdownLeavesNoSubscriptionActive)
{
  Probe changed;
  watch(DocumentChangedNotifierType, changed);
  app->applicationShutdown();
  app->shutdown();
  ASSERT_FALSE(app->area<hostsim::Notifiers>().subscriptions().empty());
  for (const auto& s : app->area<hostsim::Notifiers>().subscriptions())
    EXPECT_FALSE(s.active) << s.name;
  app.reset();
}

TEST_F(Router, WithoutADocumentOnlyTheDocumentFreeNotificationsPass)
{
  workspace().closeAll();
  Probe closed, selection;
  watch(DocumentClosedNotifierType, closed);
  watch(ArtSelectionChangedNotifierType, selection);
  app->sendNotification("AI Document Closed Notifier");
  app->sendNotification("AI Art Selection Changed Notifier");
  EXPECT_EQ(closed.runs, 1);
  EXPECT_EQ(selection.runs, 0);
}

TEST_F(Router, MovingTheViewInvalidatesEveryViewsAnnotations)
{
  workspace().newDocument("view");
  if (!qor::aip::msgCurrentDocument())
    GTEST_SKIP() << "the simulated host does not publish its document suites";
  const DocumentViewSuite* views = qor::aip::msgDocumentViewSuite();
  DocViewHandle view = nullptr;
  int32_t count = 0;
  ASSERT_EQ(views->getNthView(0, &view), 0);
  ASSERT_EQ(views->countViews(&count), 0);
  RealPoint center{};
  views->getViewCenter(view, &center);
  auto moveBy = [&](double dh, double dv) {
    center.h += dh;
    center.v += dv;
    views->setViewCenter(view, &center);
    CommandManagerMessage record{};
    app->callPlugin("Plugin Command Manager", "Any", &record);
  };
  moveBy(0, 0);
  size_t before = annotations().invalidations.size();
  moveBy(0.05, 0.05);
  EXPECT_EQ(annotations().invalidations.size(), before);
  moveBy(0.1, 0);
  ASSERT_EQ(annotations().invalidations.size(), before + static_cast<size_t>(count));
  EXPECT_EQ(annotations().invalidations[before].view, view);
}

// A host call routed while a subscription callback runs must leave the outer call its own copy of
// the record, and the outer write-back must write that copy into the outer record.
TEST_F(Router, NestedRouteKeepsTheOuterCopy)
{
  MenuItemHandle chosen = reinterpret_cast<MenuItemHandle>(0x1230);
  MenuItemHandle changedTo = reinterpret_cast<MenuItemHandle>(0x4560);
  bool outerIntact = false;
  Probe inner;
  Probe outer([&] {
    auto* copy = static_cast<::MenuMessage*>(router().currentHostMessage().data);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->menuItem, chosen);
    copy->menuItem = changedTo;
    ::ToolMessage tool{};
    app->callPlugin("AI Tool", "AI Edit Options", &tool);
    const qor::aip::Message& now = router().currentHostMessage();
    outerIntact = now.caller == "AI Menu" && now.selector == "AI Update" && now.data == copy &&
                  copy->menuItem == changedTo;
  });
  router().subscribe("AI Menu", "AI Update", new qor::utils::__Callback<Probe>(&outer, &Probe::run));
  router().subscribe("AI Tool", "AI Edit Options", new qor::utils::__Callback<Probe>(&inner, &Probe::run));
  ::MenuMessage record{};
  record.menuItem = chosen;
  app->callPlugin("AI Menu", "AI Update", &record);
  EXPECT_EQ(outer.runs, 1);
  EXPECT_EQ(inner.runs, 1);
  EXPECT_TRUE(outerIntact);
  EXPECT_EQ(record.menuItem, changedTo);
}

class TestAnnotator : public qor::aip::Annotator
{
public:
  TestAnnotator(AnnotatorHandle handle, std::function<void()> onDraw) : handle(handle), onDraw(std::move(onDraw)) {}
  void draw() override { onDraw(); }
  AnnotatorHandle hostHandle() const override { return handle; }
  std::string name() const override { return "test annotator"; }
  bool isEnabled() const override { return true; }
  void enable() override {}
  void disable() override {}
  int32_t flags() const override { return 0; }
  void setFlags(int32_t) override {}
  qor::core::Callback* callback() const override { return nullptr; }
  void setCallback(qor::core::Callback* callback) override { delete callback; }

private:
  AnnotatorHandle handle;
  std::function<void()> onDraw;
};

TEST_F(Router, AnnotationDrawsWithTheHostsDrawerAndLetsGoOfIt)
{
  hostsim::Document* document = workspace().newDocument("annotated");
  if (!qor::aip::msgCurrentDocument())
    GTEST_SKIP() << "the simulated host does not publish its document suites";
  AnnotatorHandle handle = reinterpret_cast<AnnotatorHandle>(0x7770);
  AnnotatorDrawer drawer = annotations().newDrawer();
  AnnotatorDrawer seen = nullptr;
  bool fail = false;
  router().addAnnotator(new TestAnnotator(handle, [&] {
    seen = router().currentAnnotationDrawer();
    setAnnotationDrawColor(1, 0.5, 0, 0.25);
    if (fail)
      throw std::runtime_error("draw failed");
  }));
  RealRect rect{10, 20, 30, 60};
  ::AnnotationMessage record{};
  record.annotator = handle;
  record.view = reinterpret_cast<DocViewHandle>(document->views[0]);
  record.port = reinterpret_cast<DrawingPort>(0x10);
  record.rects = &rect;
  record.rectCount = 1;
  record.drawer = drawer;
  annotations().send("AI Draw", record);
  EXPECT_EQ(seen, drawer);
  EXPECT_EQ(router().currentAnnotationDrawer(), nullptr);
  std::vector<std::string> calls;
  for (const auto& call : annotations().drawerCalls)
    calls.push_back(call.what);
  // Default font size, black, line width, then the annotator's own colour, and the width again.
  std::vector<std::string> expected = {"fontSize", "color", "opacity", "lineWidth", "color", "opacity", "lineWidth"};
  std::vector<std::string> withoutFont;
  for (const std::string& c : calls)
    if (c != "font")
      withoutFont.push_back(c);
  EXPECT_EQ(withoutFont, expected);
  // The default annotation font is the host's "Tahoma", found by name.
  auto font = std::find_if(annotations().drawerCalls.begin(), annotations().drawerCalls.end(),
                           [](const auto& call) { return call.what == "font"; });
  ASSERT_NE(font, annotations().drawerCalls.end());
  EXPECT_EQ(font->font, app->area<hostsim::Fonts>().findByFullName("Tahoma")->key);
  const auto& colour = annotations().drawerCalls[annotations().drawerCalls.size() - 3];
  EXPECT_EQ(colour.color.red, 65535);
  EXPECT_EQ(colour.color.green, 32768);
  EXPECT_EQ(colour.color.blue, 0);
  EXPECT_DOUBLE_EQ(annotations().drawerCalls[annotations().drawerCalls.size() - 2].value, 0.25);

  fail = true;
  annotations().send("AI Draw", record);
  EXPECT_EQ(router().currentAnnotationDrawer(), nullptr);
  // Outside a draw the drawing operations have no drawer to use.
  size_t count = annotations().drawerCalls.size();
  setAnnotationDrawColor(0, 0, 0, 1);
  setAnnotationDrawFont(3);
  EXPECT_EQ(annotations().drawerCalls.size(), count);
}

} // namespace messagesTest_router
