// Host panels end to end: what the framework asks of the host when it builds, shows, sizes and
// destroys a panel, and what the host's frame, window menu, deferred sizing and report make of it.
#include <sstream>

#include "core/qorcoreLabel.h"
#include "panelsFixture.h"

namespace panelstest {

using qor::core::Panel;
using qor::core::Size;

class HostPanels : public Started
{
};

TEST_F(HostPanels, CreationGivesAHiddenFramedHostPanelWithItsLimitsAndIcons)
{
  struct Case
  {
    bool horizontally, vertically;
    SizeRecord maximum;
    bool resizable;
  };
  const Case cases[] = {
      {false, false, {200, 120}, false},
      {true, false, {6000, 120}, true},
      {false, true, {200, 3000}, true},
      {true, true, {6000, 3000}, true},
  };
  for (const Case& c : cases) {
    Panel panel = makePanel("Options", 200, 120, c.horizontally, c.vertically);
    hostsim::Panels::Panel* host = hostOf(panel);
    ASSERT_TRUE(host);
    EXPECT_EQ(host->identifier, "Options");
    EXPECT_EQ(host->title, "Options");
    EXPECT_EQ(host->stateCount, 1);
    EXPECT_EQ(host->resizable, c.resizable);
    EXPECT_EQ(host->userData, panel.platformPanel());
    EXPECT_FALSE(host->shown);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(host->minimum.width, 200);
    EXPECT_EQ(host->minimum.height, 120);
    EXPECT_EQ(host->maximum.width, c.maximum.width);
    EXPECT_EQ(host->maximum.height, c.maximum.height);
    EXPECT_EQ(panel.maximumSize().width, c.maximum.width);
    EXPECT_EQ(panel.minimumSize().height, 120);
    // All icon ids 0: the defaults, in the host's order scale 1, 2, 1.5.
    EXPECT_EQ(host->lightIcons, (std::vector<uint32_t>{2501, 2503, 2502}));
    EXPECT_EQ(host->darkIcons, (std::vector<uint32_t>{2501, 2503, 2502}));

    // The frame is the host's, the content view fills the host's child window.
    EXPECT_FALSE(IsWindowVisible(host->frame));
    EXPECT_EQ(GetParent(host->content), host->frame);
    HWND view = viewOf(panel);
    ASSERT_TRUE(view);
    EXPECT_EQ(GetParent(view), host->content);
    EXPECT_EQ(GetPropA(view, "QOR_PUI_WINDOW_ID"), panel.platformPanel());
    EXPECT_EQ(clientRect(view).right, 200);
    EXPECT_EQ(clientRect(view).bottom, 120);
    RECT frame = windowRect(host->frame);
    EXPECT_EQ(frame.right - frame.left, 200 + hostsim::Panels::kExtraWidth);
    EXPECT_EQ(frame.bottom - frame.top, 120 + hostsim::Panels::kExtraHeight);
    panel.destroy();
  }
}

TEST_F(HostPanels, IconListsFollowTheIdsGiven)
{
  struct Case
  {
    qor::core::ImageIDs ids;
    std::vector<uint32_t> light, dark;
  };
  const Case cases[] = {
      // The plug-in's own icons: no scale-1.5 image, which the default fills.
      {qor::core::ImageIDs(16700, 0, 16701, 16704, 0, 16705), {16700, 16701, 2502}, {16704, 16705, 2502}},
      {qor::core::ImageIDs(10, 11, 12, 20, 21, 22), {10, 12, 11}, {20, 22, 21}},
  };
  for (const Case& c : cases) {
    Panel panel("Icons", Size(100, 100), false, false, c.ids);
    ASSERT_TRUE(hostOf(panel));
    EXPECT_EQ(hostOf(panel)->lightIcons, c.light);
    EXPECT_EQ(hostOf(panel)->darkIcons, c.dark);
    panel.destroy();
  }
}

TEST_F(HostPanels, NewPanelsCascadeThirtyPixelsApart)
{
  // The plug-in's options panel (which the fixture removes) was the first to take a place, at 200.
  const qor::aip::Point start = ui().nextPanelPosition;
  EXPECT_EQ(start.x, 230);
  EXPECT_EQ(start.y, 230);
  std::vector<Panel> panels;
  for (int i = 0; i < 3; ++i)
    panels.push_back(makePanel("Panel " + std::to_string(i)));
  for (int i = 0; i < 3; ++i) {
    RECT frame = windowRect(hostOf(panels[i])->frame);
    EXPECT_EQ(frame.left, start.x + 30 * (i + 1));
    EXPECT_EQ(frame.top, start.y + 30 * (i + 1));
  }
  EXPECT_EQ(windowRect(hostOf(panels[2])->frame).left, 320);
}

TEST_F(HostPanels, ShowHideAndTheWindowMenuReachTheHostAndTheCallbacks)
{
  Panel panel = makePanel("Swatches");
  Events events(app);
  record(panel, events);
  hostsim::Panels::Panel* host = hostOf(panel);

  panel.show();
  EXPECT_TRUE(panel.isVisible());
  EXPECT_TRUE(IsWindowVisible(host->frame));
  panel.hide();
  EXPECT_FALSE(panel.isVisible());
  EXPECT_EQ(host->hideCalls, 2) << "hide is sent twice";
  panel.setShown(true);
  ASSERT_EQ(hostPanels().windowMenu().size(), 1u);
  EXPECT_TRUE(hostPanels().windowMenu()[0].checked);

  // The user: the window menu hides a shown panel and shows a hidden one.
  EXPECT_TRUE(hostPanels().chooseWindowMenuItem("Swatches"));
  EXPECT_FALSE(panel.isVisible());
  EXPECT_FALSE(hostPanels().windowMenu()[0].checked);
  EXPECT_TRUE(hostPanels().chooseWindowMenuItem("Swatches"));
  EXPECT_TRUE(panel.isVisible());
  EXPECT_FALSE(hostPanels().chooseWindowMenuItem("No such panel"));

  panel.platformPanel()->toggle();
  EXPECT_FALSE(panel.isVisible());

  // Every change of visibility calls back once, inside the host's application context.
  EXPECT_EQ(events.names, (std::vector<std::string>{"shown", "hidden", "shown", "hidden", "shown", "hidden"}));
  for (size_t depth : events.contextDepths)
    EXPECT_GE(depth, 1u);
  EXPECT_EQ(app.area<hostsim::Context>().depth(), 0u);
}

TEST_F(HostPanels, TheHostAppliesANewSizeOnALaterPumpAndTheViewFollows)
{
  Panel panel = makePanel("Layers", 200, 120, true, true);
  Events events(app);
  record(panel, events);
  panel.show();
  hostsim::Panels::Panel* host = hostOf(panel);
  HWND view = viewOf(panel);

  panel.setSize(Size(300, 150));
  // Not yet: the host applies sizes on its next turn.
  EXPECT_EQ(host->size.width, 200);
  EXPECT_EQ(clientRect(view).right, 200);
  EXPECT_TRUE(panel.platformPanel()->resizePending());

  app.pump();
  EXPECT_EQ(host->size.width, 300);
  EXPECT_EQ(host->size.height, 150);
  EXPECT_EQ(clientRect(view).right, 300);
  EXPECT_EQ(clientRect(view).bottom, 150);
  EXPECT_EQ(panel.frame().size.width, 300);
  EXPECT_EQ(panel.frame().size.height, 150);
  RECT frame = windowRect(host->frame);
  EXPECT_EQ(frame.right - frame.left, 300 + hostsim::Panels::kExtraWidth);

  // The poll that waited for the host ends on its next turn.
  qorwin::advance(100);
  EXPECT_FALSE(panel.platformPanel()->resizePending());
  EXPECT_EQ(events.names, (std::vector<std::string>{"shown", "resized"}));

  // The size the panel has already asks nothing more of the host.
  panel.setSize(Size(300, 150));
  EXPECT_FALSE(panel.platformPanel()->resizePending());

  // setHeight keeps the width; setFrame also moves the frame.
  panel.setHeight(180);
  app.pump();
  EXPECT_EQ(panel.frame().size.width, 300);
  EXPECT_EQ(panel.frame().size.height, 180);
  panel.setFrame(qor::core::Rect(400, 300, 250, 160));
  app.pump();
  EXPECT_EQ(windowRect(host->frame).left, 400);
  EXPECT_EQ(windowRect(host->frame).top, 300);
  EXPECT_EQ(clientRect(view).right, 250);
}

TEST_F(HostPanels, AHiddenPanelKeepsTheSizeAskedFor)
{
  Panel panel = makePanel("Hidden", 200, 120, true, true);
  panel.setSize(Size(260, 140));
  EXPECT_EQ(panel.frame().size.width, 260);
  app.pump();
  qorwin::advance(100);
  EXPECT_EQ(clientRect(viewOf(panel)).right, 260);
  EXPECT_EQ(panel.frame().size.height, 140);
}

TEST_F(HostPanels, UserResizingIsClampedToTheLimitsAndReported)
{
  Panel panel = makePanel("Brushes", 200, 120, true, true);
  Events events(app);
  record(panel, events);
  panel.setMinimumSize(Size(150, 100));
  panel.setMaximumSize(Size(400, 300));
  panel.show();

  struct Case
  {
    SizeRecord asked, applied;
  };
  const Case cases[] = {
      {{250, 200}, {250, 200}},
      {{50, 50}, {150, 100}},
      {{900, 900}, {400, 300}},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(hostPanels().userResize(panel.hostPanel(), c.asked));
    EXPECT_EQ(panel.frame().size.width, c.applied.width);
    EXPECT_EQ(panel.frame().size.height, c.applied.height);
    EXPECT_EQ(clientRect(viewOf(panel)).right, c.applied.width);
    // The size the user gave is the panel's own from now on, also once hidden.
    panel.hide();
    EXPECT_EQ(panel.frame().size.width, c.applied.width);
    panel.show();
  }
  EXPECT_EQ(events.names.front(), "shown");
  EXPECT_EQ(std::count(events.names.begin(), events.names.end(), "resized"), 3);

  // Limits are the host's business only for resizable panels.
  Panel fixed = makePanel("Fixed", 200, 120);
  fixed.setMaximumSize(Size(500, 500));
  EXPECT_EQ(fixed.maximumSize().width, 200);
  EXPECT_FALSE(hostPanels().userResize(fixed.hostPanel(), {300, 300}));
}

TEST_F(HostPanels, ASizeTheHostRefusesEndsThePoll)
{
  // A panel that cannot grow: the host clamps the new size away, so the view's size never changes.
  Panel panel = makePanel("Clamped", 200, 120);
  panel.show();
  panel.setSize(Size(400, 300));
  app.pump();
  EXPECT_EQ(hostOf(panel)->size.width, 200);
  qorwin::advance(5000);
  EXPECT_FALSE(panel.platformPanel()->resizePending());
  EXPECT_LT(qorwin::timerCount(), 5u);
}

TEST_F(HostPanels, APanelDestroyedWhileItsResizeWaitsIsNotReached)
{
  Panel panel = makePanel("Short-lived", 200, 120, true, true);
  panel.show();
  panel.setSize(Size(300, 200));
  ASSERT_TRUE(panel.platformPanel()->resizePending());
  panel.destroy();
  // The poll would run on the deleted panel.
  qorwin::advance(200);
  EXPECT_TRUE(panel.isEmpty());
}

TEST_F(HostPanels, ACallbackThatThrowsStaysInsideThePanel)
{
  struct Thrower
  {
    void fail() { throw std::runtime_error("client failure"); }
  } thrower;
  Panel panel = makePanel("Throwing");
  panel.setShownCallback(qor::core::__Callback<Thrower>(&thrower, &Thrower::fail));
  EXPECT_NO_THROW(hostPanels().chooseWindowMenuItem("Throwing"));
  EXPECT_TRUE(panel.isVisible());
  EXPECT_EQ(app.area<hostsim::Context>().depth(), 0u) << "the context is left again";
}

TEST_F(HostPanels, TheReportListsPanelsWithTheirVisibilityAndSize)
{
  Panel shown = makePanel("Junctate", 240, 160);
  Panel hidden = makePanel("Other", 120, 80);
  shown.show();
  std::ostringstream report;
  app.report(report);
  EXPECT_NE(report.str().find("Panels: 2\n  \"Junctate\" shown, 240 x 160\n  \"Other\" hidden, 120 x 80\n"),
            std::string::npos)
      << report.str();

  shown.destroy();
  hidden.destroy();
  std::ostringstream after;
  app.report(after);
  EXPECT_EQ(after.str().find("Panels:"), std::string::npos) << after.str();
}

TEST_F(HostPanels, DestroyingAPanelLeavesNoWindowBehind)
{
  Panel panel = makePanel("Gone");
  qor::core::Label label(qor::core::Point(10, 10), "Text", 80);
  ASSERT_TRUE(panel.addWidget(label));
  HWND control = label.platform()->control()->GetSafeHwnd();
  ASSERT_TRUE(control);
  HWND frame = hostOf(panel)->frame;
  HWND view = viewOf(panel);
  EXPECT_EQ(GetParent(control), view);
  panel.show();

  {
    Panel last = panel;
    panel = Panel();
  }
  EXPECT_FALSE(IsWindow(frame));
  EXPECT_FALSE(IsWindow(view));
  EXPECT_FALSE(IsWindow(control));
  EXPECT_EQ(hostPanels().liveCount(), 0u);
  EXPECT_TRUE(ui().panels.isEmpty());
  EXPECT_TRUE(core().panelMap.empty());
  // The label outlives its window and no longer reaches it.
  EXPECT_EQ(label.text(), "Text");
  EXPECT_FALSE(label.platform()->hasControl());
}

TEST_F(HostPanels, UnloadingThePlugInLeavesNoPanelWindow)
{
  std::vector<HWND> frames;
  {
    Panel panel = makePanel("Unloaded");
    panel.show();
    frames.push_back(hostOf(panel)->frame);
  }
  stop();
  EXPECT_EQ(hostPanels().liveCount(), 0u);
  for (HWND frame : frames)
    EXPECT_FALSE(IsWindow(frame));
}

}  // namespace panelstest
