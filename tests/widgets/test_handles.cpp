// Client widget handles: sharing, clones, the registry and the wrapper factory; buttons and labels;
// windows, modal dialogs, widget groups and tab orders.
#include "core/qorcoreButton.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreHandleBridge.h"
#include "core/qorcoreLabel.h"
#include "core/qorcoreModalDialog.h"
#include "core/qorcoreTabOrder.h"
#include "core/qorcoreWidgetGroup.h"
#include "pui/qorpuiButton.h"
#include "pui/qorpuiLabel.h"
#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiUiGlobals.h"
#include "widgetsFixture.h"

namespace widgetstest {

using qor::core::Button;
using qor::core::Label;
using qor::core::ModalDialog;
using qor::core::Point;
using qor::core::Rect;
using qor::core::Size;

class WidgetHandles : public Started {
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
  }
  CoreGlobals& core() { return *qor::pui::BasePlugin::instance()->uiGlobals()->coreGlobals; }
  bool registered(const qor::core::Widget& widget)
  {
    qor::core::__IntWidgetContainer* found = nullptr;
    return widget.platform() && core().widgetRegistry.get(widget.platform()->id(), found) &&
           found == widget.container();
  }
};

TEST_F(WidgetHandles, CopiesShareTheWidgetAndTheLastOneDestroysIt)
{
  auto* first = new Label(Point(10, 10), "Caption", 80);
  ASSERT_FALSE(first->isEmpty());
  EXPECT_TRUE(registered(*first));
  const uint16_t id = first->platform()->id();
  Label copy(*first);
  EXPECT_TRUE(copy == *first);
  delete first;
  EXPECT_FALSE(copy.isEmpty());
  EXPECT_EQ(copy.text(), "Caption");
  EXPECT_TRUE(core().widgetRegistry.contains(id));

  std::unique_ptr<qor::core::Widget> clone(copy.clone());
  ASSERT_TRUE(clone);
  EXPECT_TRUE(*clone != copy) << "a clone has its own control id";
  EXPECT_TRUE(registered(*clone));
  EXPECT_EQ(clone->text(), "Caption");

  Label other(Point(0, 0), "Other", 50);
  const uint16_t otherId = other.platform()->id();
  other.assignShared(copy);
  EXPECT_TRUE(other == copy);
  EXPECT_FALSE(core().widgetRegistry.contains(otherId)) << "the replaced label had no other handle";
}

TEST_F(WidgetHandles, TypesAndEmptyHandles)
{
  EXPECT_EQ(Label(Point(0, 0), "a", 10).type(), qor::core::LabelWidgetType);
  EXPECT_EQ(Button(Point(0, 0), "b", 80).type(), qor::core::ButtonWidgetType);
  const struct
  {
    int32_t kind, type;
  } kinds[] = {{10, 10}, {75, 85}, {80, 90}, {150, 160}, {160, 170}, {180, 180}, {170, 0}, {5, 0}};
  for (const auto& k : kinds)
    EXPECT_EQ(qor::core::widgetTypeForKind(k.kind), k.type) << k.kind;

  Label empty;
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_EQ(empty.text(), "");
  EXPECT_EQ(empty.type(), 0);
  EXPECT_EQ(empty.clone(), nullptr);
  EXPECT_TRUE(empty == Label());
  EXPECT_FALSE(empty == Label(Point(0, 0), "x", 10));
}

TEST(WidgetHandlesWithoutPlugin, AreEmpty)
{
  Label label(Point(0, 0), "Gone", 40);
  EXPECT_TRUE(label.isEmpty());
  EXPECT_EQ(label.text(), "");
  ModalDialog dialog("Gone", Size(100, 100));
  EXPECT_TRUE(dialog.isEmpty());
  EXPECT_EQ(dialog.type(), 0);
}

TEST_F(WidgetHandles, WrapperSharesTheRegisteredContainerAndNeverOwnsAStrangersWidget)
{
  Label label(Point(0, 0), "Mine", 40);
  std::unique_ptr<qor::core::Widget> wrapped(qor::core::wrapWidget(label.platform()));
  ASSERT_TRUE(wrapped);
  EXPECT_EQ(wrapped->type(), qor::core::LabelWidgetType);
  EXPECT_EQ(wrapped->container(), label.container());

  qor::pui::Label stranger(qor::aip::Point(0, 0), 40, "Stranger");
  {
    std::unique_ptr<qor::core::Widget> wrapper(qor::core::wrapWidget(&stranger));
    ASSERT_TRUE(wrapper);
    EXPECT_EQ(wrapper->text(), "Stranger");
  }
  EXPECT_EQ(stranger.text(), "Stranger") << "the last wrapper left the widget alone";
  EXPECT_EQ(qor::core::wrapWidget(nullptr), nullptr);
}

TEST_F(WidgetHandles, ButtonStylesAndCallbacks)
{
  Button button(Point(10, 10), "Go", 80);
  EXPECT_EQ(button.style(), 30);
  const int32_t styles[][2] = {{10, 10}, {20, 20}, {30, 30}, {15, 30}, {0, 30}};
  for (const auto& s : styles) {
    button.setStyle(s[0]);
    EXPECT_EQ(button.style(), s[1]) << s[0];
  }
  struct Counter
  {
    int clicks = 0;
    void click() { ++clicks; }
  } counter;
  qor::core::__Callback<Counter> callback(&counter, &Counter::click);
  button.setClickCallback(callback);
  ASSERT_NE(button.clickCallback(), nullptr);
  EXPECT_NE(button.clickCallback(), &callback) << "the button keeps a clone";
  button.fireClick();
  EXPECT_EQ(counter.clicks, 1);
  button.setEnabled(false);
  button.fireClick();
  EXPECT_EQ(counter.clicks, 1) << "a disabled button reports no click";
  EXPECT_EQ(Button().style(), 0);
}

TEST_F(WidgetHandles, LabelStylesShapesAndImages)
{
  Label label(Point(0, 0), "Text", 60);
  EXPECT_EQ(label.justification(), 10);
  const int32_t justifications[][2] = {{20, 20}, {30, 30}, {10, 10}, {25, 10}};
  for (const auto& j : justifications) {
    label.setJustification(j[0]);
    EXPECT_EQ(label.justification(), j[1]) << j[0];
  }
  label.setBackgroundShape(20);
  EXPECT_EQ(label.backgroundShape(), 20);
  label.setBackgroundShape(25);
  EXPECT_EQ(label.backgroundShape(), 0);

  qor::core::Color light, dark;
  EXPECT_FALSE(label.textColors(light, dark));
  EXPECT_FALSE(label.hoverHighlight());
  label.setHoverHighlight(true);
  EXPECT_TRUE(label.hoverHighlight()) << "a text label can ask for the hover highlight";
  label.setImageIDs(qor::core::ImageWithRolloverIDs(200, 0, 210, 0));
  EXPECT_EQ(label.imageIDs(), qor::core::ImageWithRolloverIDs()) << "a text label stays a text label";

  Label image = qor::core::LabelWithImage(Rect(0, 0, 30, 30), qor::core::ImageWithRolloverIDs(200, 0, 210, 0));
  EXPECT_EQ(image.imageIDs(), qor::core::ImageWithRolloverIDs(200, 0, 210, 0));
  EXPECT_FALSE(image.hoverHighlight());
  image.setText("ignored");
  EXPECT_EQ(image.text(), "");
  EXPECT_EQ(image.justification(), 0);
}

TEST_F(WidgetHandles, WindowHandlesListWidgetsOnce)
{
  ModalDialog none;
  EXPECT_TRUE(none.isEmpty());
  EXPECT_EQ(none.type(), 0);
  EXPECT_EQ(none.uiScale(), 1.0);
  EXPECT_TRUE(none.widgets().empty());
  Label label(Point(0, 0), "In", 40);
  EXPECT_FALSE(none.addWidget(label));
  EXPECT_TRUE(none == ModalDialog());

  ModalDialog dialog("Settings", Size(300, 200));
  EXPECT_EQ(dialog.type(), 20);
  EXPECT_EQ(dialog.title(), "Settings");
  EXPECT_EQ(dialog.size().width, 300);
  EXPECT_TRUE(dialog.addWidget(label));
  EXPECT_FALSE(dialog.addWidget(label));
  EXPECT_FALSE(dialog.addWidget(Label(label))) << "a copy is the same widget";
  EXPECT_EQ(dialog.widgets().size(), 1u);
  EXPECT_EQ(label.window(), &dialog);
  ASSERT_NE(label.platformWidget(), nullptr) << "the control exists once placed";

  Label outside(Point(0, 0), "Out", 40);
  EXPECT_FALSE(dialog.removeWidget(outside));
  EXPECT_TRUE(dialog.removeWidget(label));
  EXPECT_EQ(label.window(), nullptr);

  // A group whose second widget is already in the window: the first joins, the third does not.
  Label a(Point(0, 0), "a", 10), b(Point(0, 20), "b", 10), c(Point(0, 40), "c", 10);
  qor::core::WidgetGroup group;
  group.add(a);
  group.add(b);
  group.add(c);
  ASSERT_TRUE(dialog.addWidget(b));
  EXPECT_FALSE(dialog.addWidgetGroup(group));
  EXPECT_EQ(a.window(), &dialog);
  EXPECT_EQ(c.window(), nullptr);
}

TEST_F(WidgetHandles, DestroyedDialogLeavesEmptyHandlesThatStillCompareEqual)
{
  ModalDialog dialog("Gone soon", Size(200, 100));
  ModalDialog copy(dialog);
  EXPECT_TRUE(copy == dialog);
  dialog = dialog;
  EXPECT_FALSE(dialog.isEmpty());
  dialog.destroy();
  EXPECT_TRUE(dialog.isEmpty());
  EXPECT_TRUE(copy.isEmpty());
  EXPECT_EQ(copy.title(), "");
  copy.show();
  dialog.destroy();
  EXPECT_TRUE(copy == dialog);
}

TEST_F(WidgetHandles, DialogResultComesFromEnterEscOrNothing)
{
  ModalDialog dialog("Ask", Size(200, 100));
  EXPECT_EQ(dialog.result(), 0);
  struct Case
  {
    UINT command;
    int32_t result;
  };
  for (const Case& c : {Case{IDOK, 1}, Case{IDCANCEL, 2}}) {
    qorwin::setModalHook([&](HWND window) { PostMessageW(window, WM_COMMAND, c.command, 0); });
    dialog.show();
    EXPECT_EQ(dialog.result(), c.result);
    EXPECT_FALSE(dialog.isVisible());
  }

  // Dismissed from a button's callback: the result stays what show reset it to.
  struct Dismisser
  {
    ModalDialog* dialog;
    void dismiss() { dialog->dismiss(); }
  } dismisser{&dialog};
  Button button(Point(10, 10), "Close", 80);
  button.setClickCallback(qor::core::__Callback<Dismisser>(&dismisser, &Dismisser::dismiss));
  ASSERT_TRUE(dialog.addWidget(button));
  qorwin::setModalHook([&](HWND) { button.fireClick(); });
  dialog.show();
  EXPECT_EQ(dialog.result(), 0);
  qorwin::setModalHook(nullptr);
}

TEST_F(WidgetHandles, WidgetGroupsMoveTogetherAndShareOneWindow)
{
  Label first(Point(0, 0), "1", 50), second(Point(0, 0), "2", 30);
  first.setFrame(Rect(10, 10, 50, 20));
  second.setFrame(Rect(100, 40, 30, 20));
  qor::core::WidgetGroup group;
  group.add(first);
  group.add(second);
  group.add(second);
  EXPECT_EQ(group.widgets().size(), 2u);
  EXPECT_EQ(group.origin().x, 10);
  EXPECT_EQ(group.origin().y, 10);
  EXPECT_EQ(group.width(), 120);
  EXPECT_EQ(group.height(), 50);
  group.setOrigin(Point(0, 0));
  EXPECT_EQ(first.frame().origin.x, 0);
  EXPECT_EQ(second.frame().origin.x, 90);
  EXPECT_EQ(second.frame().origin.y, 30);

  ModalDialog a("A", Size(200, 200)), b("B", Size(200, 200));
  qor::core::WidgetGroup placed;
  Label inA(Point(0, 0), "a", 10), inB(Point(0, 0), "b", 10), loose(Point(0, 0), "c", 10);
  ASSERT_TRUE(a.addWidget(inA));
  ASSERT_TRUE(b.addWidget(inB));
  placed.add(inA);
  placed.add(inB);
  EXPECT_FALSE(placed.contains(inB)) << "a widget of another window is refused";
  placed.add(loose);
  EXPECT_EQ(loose.window(), &a) << "a window-less widget joins the group's window";
  placed.remove(loose);
  EXPECT_EQ(loose.window(), nullptr);
  EXPECT_EQ(a.widgets().size(), 1u);
}

TEST_F(WidgetHandles, TabOrderKeepsHandlesInStepWithThePlatformOrder)
{
  qor::core::TabOrder order;
  Label out;
  EXPECT_FALSE(order.popBack(out));
  EXPECT_TRUE(out.isEmpty());
  Label a(Point(0, 0), "a", 10), b(Point(0, 0), "b", 10);
  order.append(a);
  order.prepend(b);
  order.append(a);
  ASSERT_EQ(order.widgets().size(), 2u);
  EXPECT_TRUE(*order.first() == b);
  EXPECT_TRUE(order.contains(a));
  EXPECT_TRUE(order.popBack(out));
  EXPECT_TRUE(out == a);
  EXPECT_FALSE(order.contains(a));
}

TEST_F(WidgetHandles, BridgeReachesThePlatformObjects)
{
  Label label(Point(0, 0), "Bridge", 40);
  EXPECT_EQ(qor::core::widgetImpl(label), label.platform());
  EXPECT_EQ(qor::core::widgetImpl(Label()), nullptr);
  ModalDialog dialog("Not a panel", Size(100, 100));
  EXPECT_EQ(qor::core::panelImpl(dialog), nullptr);
}

}  // namespace widgetstest
