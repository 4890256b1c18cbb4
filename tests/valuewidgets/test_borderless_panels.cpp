// Borderless pop-ups: mirrors of a host panel's widgets forwarding the user's actions to the widgets
// they copy and taking their state back, radio groups and tab orders over the mirrors, a label that
// opens and closes its panel's pop-up, closing after a deactivation (and not when a nested pop-up or
// the colour picker takes the activation), modal pop-ups in dialogs, position, size and frame.
#include "valuewidgetsFixture.h"

#include "pui/qorpuiBorderlessPanel.h"
#include "pui/qorpuiBox.h"
#include "pui/qorpuiButton.h"
#include "pui/qorpuiCheckbox.h"
#include "pui/qorpuiColorWell.h"
#include "pui/qorpuiLabel.h"
#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiPanel.h"
#include "pui/qorpuiRadioButton.h"
#include "pui/qorpuiRadioButtonGroup.h"
#include "pui/qorpuiTabOrder.h"
#include "pui/qorpuiTextField.h"
#include "pui/qorpuiTextView.h"
#include "pui/qorpuiWebView.h"

namespace valuewidgetstest {
namespace {

using qor::aip::Point;
using qor::aip::Rect;
using qor::aip::Size;
using qor::pui::BorderlessPanel;

class BorderlessPanels : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    panel = std::make_unique<qor::pui::Panel>("Source", Size(200, 160), false, false, qor::pui::PanelIconIds());
    ok = std::make_unique<qor::pui::Button>(Point(110, 120), 80, "OK", logs("ok"));
    ok->setStyle(2);
    check = std::make_unique<qor::pui::Checkbox>(Point(10, 10), 100, "Check", 0);
    check->setClickCallback(logs("check"));
    field = std::make_unique<qor::pui::TextField>(Point(60, 40), 100, "abc");
    field->setValueChangingCallback(new FunctionCallback([this] { log.push_back("typing " + field->text()); }));
    caption = std::make_unique<qor::pui::Label>(Point(10, 42), 40, "Name");
    caption->setAttachedTextField(field.get());
    for (int i = 0; i < 2; ++i) {
      radios[i] = std::make_unique<qor::pui::RadioButton>(Point(10, 70 + 22 * i), 80, i ? "two" : "one", i ? 0 : 1,
                                                         logs(i ? "two" : "one"));
      group.add(radios[i].get());
    }
    group.setSelected(radios[0].get());
    box = std::make_unique<qor::pui::Box>(Rect(100, 65, 90, 45), "Box");
    web = std::make_unique<qor::pui::WebView>(Rect(120, 80, 60, 20));
    order.append(check.get());
    order.append(field.get());
    for (qor::pui::Widget* w : std::initializer_list<qor::pui::Widget*>{
             check.get(), caption.get(), field.get(), radios[0].get(), radios[1].get(), box.get(), web.get(), ok.get()})
      panel->addWidget(w);
  }
  void TearDown() override
  {
    popup.reset();
    panel.reset();
    for (auto& r : radios)
      r.reset();
    ok.reset();
    check.reset();
    field.reset();
    caption.reset();
    box.reset();
    web.reset();
    Started::TearDown();
  }

  void open()
  {
    popup = std::make_unique<BorderlessPanel>(false, Point(0, 0), Size(206, 166));
    popup->setOrigin(Point(300, 200));
    popup->populate(panel.get());
    popup->show();
  }
  template <class T> T* mirror(const std::unique_ptr<T>& source)
  {
    return dynamic_cast<T*>(popup->mirrorOf(source.get()));
  }
  HWND hwnd(qor::pui::Widget* w) { return w->control()->m_hWnd; }
  HWND popupWindow() { return popup->dialog()->m_hWnd; }

  std::unique_ptr<qor::pui::Panel> panel;
  std::unique_ptr<qor::pui::Button> ok;
  std::unique_ptr<qor::pui::Checkbox> check;
  std::unique_ptr<qor::pui::TextField> field;
  std::unique_ptr<qor::pui::Label> caption;
  std::unique_ptr<qor::pui::RadioButton> radios[2];
  qor::pui::RadioButtonGroup group;
  std::unique_ptr<qor::pui::Box> box;
  std::unique_ptr<qor::pui::WebView> web;
  qor::pui::TabOrder order;
  std::unique_ptr<BorderlessPanel> popup;
};

TEST_F(BorderlessPanels, EveryWidgetIsMirroredThreeUnitsInWithItsStateGroupsAndTabOrder)
{
  open();
  ASSERT_EQ(popup->mirrors().size(), 8u);
  for (const auto& [m, s] : popup->mirrors()) {
    EXPECT_EQ(m->kind(), s->kind());
    EXPECT_EQ(m->frame().origin.x, s->frame().origin.x + 3) << m->kind();
    EXPECT_EQ(m->frame().origin.y, s->frame().origin.y + 3) << m->kind();
    EXPECT_EQ(m->window(), popup->window());
  }
  EXPECT_EQ(mirror(field)->text(), "abc");
  EXPECT_EQ(mirror(radios[0])->state(), 1);
  EXPECT_EQ(mirror(ok)->style(), 2);
  // The label is tied to the field's mirror, the mirrors of the group form a group, and those of the
  // tab order a tab order.
  EXPECT_EQ(mirror(caption)->attachedTextField(), mirror(field));
  ASSERT_EQ(popup->mirrorRadioGroups().size(), 1u);
  EXPECT_TRUE(popup->mirrorRadioGroups()[0]->contains(mirror(radios[1])));
  ASSERT_EQ(popup->mirrorTabOrders().size(), 1u);
  EXPECT_EQ(mirror(check)->tabOrder(), popup->mirrorTabOrders()[0]);
  // Shown in the window's own kind, with the frame around it.
  EXPECT_EQ(popup->window()->kind(), -1);
  EXPECT_TRUE(popup->isVisible());
  EXPECT_EQ(GetActiveWindow(), popupWindow());
  EXPECT_EQ(popup->origin().x, 300);
  EXPECT_EQ(popup->origin().y, 200);
  qorwin::pump();
  EXPECT_EQ(qorwin::pixel(popupWindow(), 0, 80), RGB(63, 63, 63));
  // Emptied: nothing mirrored, the sources untouched.
  popup->populate(nullptr);
  EXPECT_TRUE(popup->mirrors().empty());
  EXPECT_EQ(field->text(), "abc");
}

TEST_F(BorderlessPanels, ActionsOnMirrorsReachTheSourcesAndComeBack)
{
  open();
  qorwin::click(hwnd(mirror(check)), 5, 5);
  EXPECT_EQ(check->state(), 1);
  EXPECT_EQ(mirror(check)->state(), 1);
  // Radio exclusivity holds on both sides.
  qorwin::click(hwnd(mirror(radios[1])), 5, 5);
  EXPECT_EQ(radios[0]->state(), 0);
  EXPECT_EQ(radios[1]->state(), 1);
  EXPECT_EQ(mirror(radios[0])->state(), 0);
  // Typing reaches the source on every keystroke, and the caret stays where it was typed.
  mirror(field)->focus();
  SendMessageW(hwnd(mirror(field)), EM_SETSEL, 1, 1);
  qorwin::postText(u"XY");
  qorwin::pump();
  EXPECT_EQ(field->text(), "aXYbc");
  DWORD start = 0, end = 0;
  SendMessageW(hwnd(mirror(field)), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 3u);
  EXPECT_EQ(logText(), "check two typing aXbc typing aXYbc");
  // A change made to a source shows in its mirror after a synchronisation.
  check->setEnabled(false);
  popup->synchronize(false);
  EXPECT_FALSE(mirror(check)->enabled());
}

TEST_F(BorderlessPanels, AMirroredDefaultButtonRunsItsSourceThenClosesThePopup)
{
  open();
  qorwin::click(hwnd(mirror(ok)), 5, 5);
  EXPECT_EQ(logText(), "ok");
  EXPECT_FALSE(popup->isVisible());
}

TEST_F(BorderlessPanels, ALabelOpensItsPanelsPopupAndADeactivationClosesIt)
{
  TestWindow place;
  qor::pui::Label opener(Point(10, 10), 60, "Options");
  place.window->addWidget(&opener);
  opener.setAttachedPanel(panel.get());
  qorwin::click(hwnd(&opener), 5, 5);
  BorderlessPanel* shown = opener.popupPanel();
  ASSERT_TRUE(shown);
  EXPECT_TRUE(shown->isVisible());
  EXPECT_EQ(shown->mirrors().size(), 8u);
  RECT label;
  GetWindowRect(hwnd(&opener), &label);
  EXPECT_EQ(shown->origin().x, label.left);
  EXPECT_EQ(shown->origin().y, label.top + 21); // 1.5 label heights below its top

  // A second click closes it.
  qorwin::click(hwnd(&opener), 5, 5);
  EXPECT_FALSE(shown->isVisible());
  qorwin::click(hwnd(&opener), 5, 5);
  EXPECT_TRUE(shown->isVisible());

  // Another window takes the activation: closed 0.05 s later, with the time recorded.
  SetActiveWindow(place.top);
  EXPECT_TRUE(shown->isVisible());
  qorwin::advance(60);
  EXPECT_FALSE(shown->isVisible());
  EXPECT_GT(shown->closedAt(), 0.0);
  // The click that took the activation does not open it again at once...
  qorwin::click(hwnd(&opener), 5, 5);
  EXPECT_FALSE(shown->isVisible());
  // ... a later one does.
  shown->setClosedAt(BorderlessPanel::now() - 1.0);
  qorwin::click(hwnd(&opener), 5, 5);
  EXPECT_TRUE(shown->isVisible());
  // A disabled label opens nothing.
  shown->close();
  opener.setEnabled(false);
  shown->setClosedAt(0);
  qorwin::click(hwnd(&opener), 5, 5);
  EXPECT_FALSE(shown->isVisible());
  place.window->removeWidget(&opener);
}

TEST_F(BorderlessPanels, ANestedPopupKeepsItsOuterOneOpenAndADeactivationClosesBoth)
{
  // The inner panel is opened by a label inside the outer pop-up.
  qor::pui::Panel inner("Inner", Size(80, 40), false, false, qor::pui::PanelIconIds());
  qor::pui::Checkbox innerCheck(Point(5, 5), 60, "Inner", 0);
  inner.addWidget(&innerCheck);
  qor::pui::Label more(Point(10, 140), 40, "More");
  more.setAttachedPanel(&inner);
  panel->addWidget(&more);
  open();
  auto* moreMirror = dynamic_cast<qor::pui::Label*>(popup->mirrorOf(&more));
  ASSERT_TRUE(moreMirror);
  ASSERT_EQ(moreMirror->attachedPanel(), &inner);
  qorwin::click(hwnd(moreMirror), 5, 5);
  BorderlessPanel* nested = moreMirror->popupPanel();
  ASSERT_TRUE(nested);
  qorwin::advance(60);
  EXPECT_TRUE(nested->isVisible());
  EXPECT_TRUE(popup->isVisible()); // the activation change did not close the outer one
  EXPECT_EQ(nested->linkedPanel(), popup.get());

  TestWindow elsewhere;
  SetActiveWindow(elsewhere.top);
  qorwin::advance(60);
  EXPECT_FALSE(nested->isVisible());
  EXPECT_FALSE(popup->isVisible());
  EXPECT_EQ(popup->closedAt(), nested->closedAt());
  panel->removeWidget(&more);
}

TEST_F(BorderlessPanels, APopupDeletedWhileItsCloseWaitsIsNotTouchedByIt)
{
  open();
  auto other = std::make_unique<BorderlessPanel>(false, Point(0, 0), Size(50, 50));
  other->setLinkedPanel(popup.get());
  TestWindow elsewhere;
  SetActiveWindow(popupWindow());
  SetActiveWindow(elsewhere.top); // schedules the close
  popup.reset();
  EXPECT_EQ(other->linkedPanel(), nullptr);
  qorwin::advance(60); // the close that waited runs on nothing that is gone
  other->show();
  SetActiveWindow(elsewhere.top);
  qorwin::advance(60);
  EXPECT_FALSE(other->isVisible());
}

TEST_F(BorderlessPanels, APressOnAColourWellInAPopupSurvivesOneDeactivation)
{
  qor::pui::ColorWell well(Rect(10, 130, 30, 20), qor::aip::ArtColor::ArtColorRGB(1, 0, 0));
  panel->addWidget(&well);
  open();
  auto* wellMirror = popup->mirrorOf(&well);
  ASSERT_TRUE(wellMirror);
  qorwin::mouseDown(hwnd(wellMirror), 5, 5);
  EXPECT_TRUE(popup->keepOpenOnce());
  TestWindow picker;
  SetActiveWindow(picker.top);
  qorwin::advance(60);
  EXPECT_TRUE(popup->isVisible());
  EXPECT_FALSE(popup->keepOpenOnce());
  SetActiveWindow(popupWindow());
  SetActiveWindow(picker.top);
  qorwin::advance(60);
  EXPECT_FALSE(popup->isVisible());
  ReleaseCapture();
  popup->populate(nullptr);
  panel->removeWidget(&well);
}

TEST_F(BorderlessPanels, InAModalDialogThePopupRunsItsOwnLoop)
{
  qor::pui::ModalDialog dialog("Dialog", Size(200, 100));
  qor::pui::Label opener(Point(10, 10), 60, "Options");
  dialog.addWidget(&opener);
  opener.setAttachedPanel(panel.get());
  int loops = 0;
  qorwin::setModalHook([&](HWND shown) {
    ++loops;
    if (loops == 1) {
      // In the dialog: open the pop-up, whose loop runs inside this one.
      qorwin::click(opener.control()->m_hWnd, 5, 5);
      EXPECT_FALSE(opener.popupPanel()->isVisible());
      EXPECT_EQ(qorwin::modalDepth(), 1);
      EndDialog(shown, 0);
    } else {
      EXPECT_EQ(qorwin::modalDepth(), 2);
      EXPECT_TRUE(opener.popupPanel()->modal());
      // The mirrored OK closes only the pop-up's loop.
      auto* okMirror = opener.popupPanel()->mirrorOf(ok.get());
      ASSERT_TRUE(okMirror);
      qorwin::click(okMirror->control()->m_hWnd, 5, 5);

    }
  });
  dialog.show();
  EXPECT_EQ(loops, 2);
  EXPECT_EQ(logText(), "ok");
  qorwin::setModalHook(nullptr);
  dialog.removeWidget(&opener);
}

TEST_F(BorderlessPanels, SizeFollowsThePanelAfterAnEvent)
{
  open();
  panel->setSize(Size(240, 180));
  qorwin::click(hwnd(mirror(check)), 5, 5);
  RECT r;
  GetWindowRect(popupWindow(), &r);
  EXPECT_EQ(r.right - r.left, 246);
  EXPECT_EQ(r.bottom - r.top, 186);
  EXPECT_EQ(r.left, 300); // it stays where it was
}

}  // namespace
}  // namespace valuewidgetstest
