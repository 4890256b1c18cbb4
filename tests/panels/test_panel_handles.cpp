// Panel handles: type, sharing, the panel map behind handles made from a platform panel, destroy, and
// the neutral answers of empty handles.
#include "core/qorcoreButton.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreHandleBridge.h"
#include "core/qorcoreLabel.h"
#include "panelsFixture.h"

namespace panelstest {

using qor::core::Panel;
using qor::core::Size;

class PanelHandles : public Started
{
};

TEST_F(PanelHandles, APanelIsAWindowOfType30MappedFromItsPlatformPanel)
{
  Panel panel = makePanel("Mapped");
  EXPECT_FALSE(panel.isEmpty());
  EXPECT_EQ(panel.type(), 30);
  EXPECT_TRUE(panel.hostPanel());
  EXPECT_EQ(panel.uiScale(), 1.0);
  EXPECT_EQ(panel.platformPanel()->window()->kind(), 1);
  ASSERT_EQ(core().panelMap.count(panel.platformPanel()), 1u);
  EXPECT_EQ(core().panelMap[panel.platformPanel()], panel.container()->id);
  EXPECT_EQ(qor::core::panelImpl(panel), panel.platformPanel());

  // A handle made from the platform panel shares the container of the living handles.
  const int32_t before = panel.container()->refCount;
  {
    Panel wrapped = qor::core::wrapPanel(panel.platformPanel());
    EXPECT_TRUE(wrapped == panel);
    EXPECT_EQ(wrapped.container(), panel.container());
    EXPECT_EQ(panel.container()->refCount, before + 1);
    EXPECT_EQ(wrapped.frame().size.width, 200);
  }
  EXPECT_EQ(panel.container()->refCount, before);
  EXPECT_FALSE(panel.isEmpty()) << "releasing the wrapped handle keeps the panel";

  std::unique_ptr<qor::core::Window> clone(panel.clone());
  EXPECT_TRUE(*clone == panel);
  EXPECT_EQ(clone->type(), 30);
}

TEST_F(PanelHandles, APlatformPanelNoHandleOwnsGivesAnEmptyHandle)
{
  qor::pui::Panel platform("Unowned", qor::aip::Size(100, 80), false, false, qor::pui::PanelIconIds());
  Panel wrapped(&platform);
  EXPECT_TRUE(wrapped.isEmpty());
  EXPECT_EQ(wrapped.type(), 30);
  EXPECT_FALSE(wrapped.hostPanel());
  EXPECT_TRUE(core().panelMap.empty());
}

TEST_F(PanelHandles, DestroyEmptiesEveryHandleOfThePanel)
{
  Panel panel = makePanel("Destroyed");
  Panel copy = panel;
  qor::pui::Panel* platform = panel.platformPanel();
  const PanelRef host = panel.hostPanel();
  panel.destroy();
  EXPECT_TRUE(panel.isEmpty());
  EXPECT_TRUE(copy.isEmpty());
  EXPECT_TRUE(copy == panel);
  EXPECT_FALSE(panel.hostPanel());
  EXPECT_TRUE(panel.frame() == qor::core::Rect());
  EXPECT_EQ(panel.minimumSize().width, 0);
  EXPECT_FALSE(hostPanels().find(host));
  EXPECT_EQ(core().panelMap.count(platform), 0u);
  EXPECT_TRUE(qor::core::wrapPanel(platform).isEmpty());
  // Nothing more happens to a destroyed panel.
  panel.destroy();
  panel.show();
  EXPECT_FALSE(panel.isVisible());
}

TEST_F(PanelHandles, EmptyHandlesAnswerNeutrally)
{
  Panel empty;
  struct Nothing
  {
    void run() {}
  } nothing;
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_EQ(empty.type(), 0);
  EXPECT_FALSE(empty.isVisible());
  EXPECT_FALSE(empty.hostPanel());
  EXPECT_TRUE(empty.frame() == qor::core::Rect());
  EXPECT_FALSE(empty.flyout());
  EXPECT_EQ(empty.uiScale(), 1.0);
  empty.setShownCallback(qor::core::__Callback<Nothing>(&nothing, &Nothing::run));
  EXPECT_FALSE(empty.shownCallback());
  qor::core::Label label(qor::core::Point(0, 0), "Label", 40);
  EXPECT_FALSE(empty.addWidget(label));
  empty.show();
  empty.setSize(Size(10, 10));
  empty.update();
}

TEST_F(PanelHandles, WidgetsLiveInThePanelsContentView)
{
  Panel panel = makePanel("Widgets", 240, 120);
  qor::core::Button button(qor::core::Point(10, 40), "Run", 80);
  qor::core::Label label(qor::core::Point(10, 10), "Distance", 80);
  ASSERT_TRUE(panel.addWidget(button));
  ASSERT_TRUE(panel.addWidget(label));
  EXPECT_FALSE(panel.addWidget(label)) << "a widget is added once";
  EXPECT_EQ(panel.widgets().size(), 2u);
  EXPECT_EQ(panel.platformPanel()->widgets()->size(), 2u);
  EXPECT_EQ(GetParent(label.platform()->control()->GetSafeHwnd()), viewOf(panel));

  // A widget of another panel stays where it is.
  Panel other = makePanel("Other");
  EXPECT_FALSE(other.removeWidget(label));
  EXPECT_TRUE(label.platform()->hasControl());

  EXPECT_TRUE(panel.removeWidget(label));
  EXPECT_FALSE(label.platform()->hasControl());
  EXPECT_EQ(panel.platformPanel()->widgets()->size(), 1u);
  panel.update();
}

TEST_F(PanelHandles, CallbacksAreClonedIntoThePlatformPanel)
{
  Panel panel = makePanel("Callbacks");
  Events events(app);
  {
    qor::core::__Callback<Events> callback(&events, &Events::resized);
    panel.setResizeCallback(callback);
  }
  ASSERT_TRUE(panel.resizeCallback());
  panel.resizeCallback()->execute();
  EXPECT_EQ(events.names, std::vector<std::string>{"resized"});
  // Replacing deletes the earlier clone (checked by the leak checker).
  panel.setResizeCallback(qor::core::__Callback<Events>(&events, &Events::shown));
  panel.resizeCallback()->execute();
  EXPECT_EQ(events.names.back(), "shown");
}

}  // namespace panelstest
