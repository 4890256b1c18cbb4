// Radio buttons and their groups: the group update in every case, membership rules, the input robot
// clicking and double-clicking titled buttons, the state pictures, and the client handle.
#include <memory>

#include "core/qorcoreRadioButton.h"
#include "pui/qorpuiRadioButton.h"
#include "pui/qorpuiRadioButtonGroup.h"
#include "valuewidgetsFixture.h"

namespace valuewidgetstest {

using qor::aip::Point;
using qor::pui::RadioButton;
using qor::pui::RadioButtonGroup;

// Three titled buttons in a group (the platform widgets need no window for the group logic).
struct ThreeInAGroup
{
  ThreeInAGroup()
  {
    for (int i = 0; i < 3; ++i) {
      buttons[i] = std::make_unique<RadioButton>(Point(10, 10 + 24 * i), 120, std::string(1, char('a' + i)), 0, nullptr);
      group.add(buttons[i].get());
    }
  }
  void store(std::initializer_list<int> states)
  {
    int i = 0;
    for (int s : states)
      buttons[i++]->storeState(s);
  }
  std::vector<int> states() const { return {buttons[0]->state(), buttons[1]->state(), buttons[2]->state()}; }

  RadioButtonGroup group;
  std::unique_ptr<RadioButton> buttons[3];
};

TEST(RadioButtonGroups, SetStateKeepsTheGroupConsistent)
{
  struct Case
  {
    const char* what;
    std::vector<int> before;
    int selected; // index of the group's selected member, -1 for none
    int member;
    int value;
    std::vector<int> after;
  };
  const Case cases[] = {
      {"on turns the others off", {1, 0, 1}, -1, 1, 1, {0, 1, 0}},
      {"the last one turned on wins", {0, 1, 0}, -1, 2, 1, {0, 0, 1}},
      {"the selected member comes back on", {0, 1, 0}, 0, 1, 0, {1, 0, 0}},
      {"the only mixed member turns on", {0, -1, 0}, 0, 2, 0, {0, 1, 0}},
      {"two mixed members stay mixed", {-1, -1, 0}, 0, 2, 0, {-1, -1, 0}},
      {"without a selection all may be off", {0, 1, 0}, -1, 1, 0, {0, 0, 0}},
      {"mixed turns the members that are on mixed", {1, 0, 1}, -1, 1, -1, {-1, -1, -1}},
      {"another value is stored and changes nothing else", {1, 0, 0}, 0, 2, 7, {1, 0, 7}},
  };
  for (const Case& c : cases) {
    ThreeInAGroup three;
    three.store({c.before[0], c.before[1], c.before[2]});
    three.group.setSelected(c.selected >= 0 ? three.buttons[c.selected].get() : nullptr);
    three.buttons[c.member]->setState(c.value);
    EXPECT_EQ(three.states(), c.after) << c.what;
  }
}

TEST(RadioButtonGroups, MembershipAndSelection)
{
  ThreeInAGroup three;
  RadioButtonGroup other;
  RadioButton* first = three.buttons[0].get();
  other.add(first);
  EXPECT_FALSE(other.contains(first)) << "a member of another group is not taken";
  three.group.remove(first);
  EXPECT_EQ(first->group(), nullptr);
  other.add(first);
  EXPECT_TRUE(other.contains(first));
  EXPECT_EQ(first->group(), &other);

  three.group.setSelected(three.buttons[1].get());
  three.group.setSelected(first);
  EXPECT_EQ(three.group.selected(), three.buttons[1].get()) << "a button of another group is not selected";
  three.group.setSelected(nullptr);
  EXPECT_EQ(three.group.selected(), nullptr);
  EXPECT_FALSE(three.group.contains(nullptr));

  {
    RadioButtonGroup shortLived;
    RadioButton loose(Point(0, 0), 50, "x", 1, nullptr);
    shortLived.add(&loose);
    other.remove(first);
    shortLived.add(first);
    EXPECT_EQ(first->group(), &shortLived);
    // The group goes first here; its members are left without one.
    RadioButtonGroup* gone = &shortLived;
    (void)gone;
  }
  EXPECT_EQ(first->group(), nullptr);
}

TEST(RadioButtonGroups, ADestroyedSelectedMemberIsNotTurnedOnLater)
{
  ThreeInAGroup three;
  three.group.setSelected(three.buttons[0].get());
  three.store({0, 1, 0});
  three.buttons[0].reset();
  EXPECT_EQ(three.group.selected(), nullptr);
  EXPECT_EQ(three.group.buttons()->size(), 2u);
  // With the selection gone nothing turns back on (and nothing freed is written to).
  three.buttons[1]->setState(0);
  EXPECT_EQ(three.buttons[1]->state(), 0);
  EXPECT_EQ(three.buttons[2]->state(), 0);
}

TEST(RadioButtonGroups, ACopyBelongsToNoGroupAndKeepsTheState)
{
  ThreeInAGroup three;
  three.buttons[1]->setState(1);
  std::unique_ptr<qor::pui::Widget> copy(three.buttons[1]->clone());
  auto* radio = dynamic_cast<RadioButton*>(copy.get());
  ASSERT_NE(radio, nullptr);
  EXPECT_EQ(radio->group(), nullptr);
  EXPECT_EQ(radio->state(), 1);
  EXPECT_EQ(radio->text(), "b");
  EXPECT_EQ(three.buttons[1]->state(), 1) << "the copy's state did not go through the source's group";
}

TEST(RadioButtonPictures, IdsByStateFocusScaleAndBrightness)
{
  struct Case
  {
    int state;
    bool focused;
    double scale;
    bool dark;
    int id;
  };
  const Case cases[] = {
      {0, false, 1.0, false, 500}, {7, false, 1.0, false, 500}, {-1, false, 1.0, false, 520},
      {1, false, 1.0, false, 540}, {1, true, 1.0, false, 550},  {0, true, 1.01, false, 510},
      {1, true, 1.25, true, 611},  {-1, false, 1.51, false, 521}, {1, false, 1.52, false, 542},
      {0, true, 2.0, true, 572},
  };
  for (const Case& c : cases)
    EXPECT_EQ(qor::pui::radioPictureId(c.state, c.focused, c.scale, c.dark), c.id)
        << c.state << " " << c.focused << " " << c.scale << " " << c.dark;
}

class RadioButtons : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    place = std::make_unique<TestWindow>();
    for (int i = 0; i < 3; ++i) {
      const std::string name(1, char('a' + i));
      buttons[i] = std::make_unique<RadioButton>(Point(10, 10 + 24 * i), 120, name, 0, logs(name));
      group.add(buttons[i].get());
      place->window->addWidget(buttons[i].get());
    }
    group.setSelected(buttons[0].get());
    buttons[0]->setOn(true);
  }
  void TearDown() override
  {
    for (auto& button : buttons)
      button.reset();
    place.reset();
    Started::TearDown();
  }
  HWND hwnd(int i) const { return buttons[i]->control()->m_hWnd; }
  std::vector<int> states() const { return {buttons[0]->state(), buttons[1]->state(), buttons[2]->state()}; }

  std::unique_ptr<TestWindow> place;
  RadioButtonGroup group;
  std::unique_ptr<RadioButton> buttons[3];
};

TEST_F(RadioButtons, AClickTurnsOneOnAndTheOthersOff)
{
  qorwin::click(hwnd(1), 30, 10);
  EXPECT_EQ(states(), (std::vector<int>{0, 1, 0}));
  qorwin::click(hwnd(2), 30, 10);
  EXPECT_EQ(states(), (std::vector<int>{0, 0, 1}));
  EXPECT_EQ(logText(), "b c");
  // A press that is let go elsewhere still turns the button on.
  qorwin::mouseDown(hwnd(0), 5, 5);
  qorwin::mouseUp(hwnd(0), 300, 300);
  EXPECT_EQ(states(), (std::vector<int>{1, 0, 0}));
}

TEST_F(RadioButtons, ADoubleClickRunsTheClickCallbackThreeTimes)
{
  qorwin::doubleClick(hwnd(2), 30, 10);
  EXPECT_EQ(logText(), "c c c");
  EXPECT_EQ(buttons[2]->doubleClickCallback(), nullptr);
  EXPECT_EQ(states(), (std::vector<int>{0, 0, 1}));
}

TEST_F(RadioButtons, ATitledButtonDrawsItsStatePictureAndTitle)
{
  qorwin::clearGdiPlusRecords();
  qorwin::clearDrawRecords();
  qorwin::paint(hwnd(0));
  bool picture = false;
  for (const qorwin::GdiPlusRecord& r : qorwin::gdiPlusRecords(hwnd(0)))
    if (r.op == qorwin::GdiPlusRecord::DrawImage) {
      picture = true;
      EXPECT_EQ(r.rect.X, 2);
      EXPECT_EQ(r.rect.Y, 5);
      EXPECT_EQ(r.imageWidth, 12u) << "the picture of scale step 0";
      EXPECT_EQ(r.imageHeight, 13u);
    }
  EXPECT_TRUE(picture);
  bool title = false;
  for (const qorwin::DrawRecord& r : qorwin::drawRecords(hwnd(0)))
    if (r.op == qorwin::DrawRecord::Text && r.text == u"a") {
      title = true;
      EXPECT_GE(r.rect.left, 18);
      EXPECT_EQ(r.color, role(10, 20));
    }
  EXPECT_TRUE(title);
}

TEST_F(RadioButtons, TheClientHandle)
{
  qor::core::Widget* wrapped = qor::core::wrapWidget(buttons[1].get());
  ASSERT_NE(wrapped, nullptr);
  std::unique_ptr<qor::core::Widget> owner(wrapped);
  auto* handle = dynamic_cast<qor::core::RadioButton*>(wrapped);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(handle->type(), qor::core::RadioButtonWidgetType);

  handle->setState(2);
  EXPECT_EQ(handle->state(), 0) << "any other value is off";
  handle->setOn(true);
  EXPECT_EQ(states(), (std::vector<int>{0, 1, 0}));
  handle->setState(-1);
  EXPECT_EQ(handle->state(), -1);

  // The client's callback, not the internal one that keeps the group consistent.
  handle->setClickCallback(clientLogs("client"));
  qor::core::Callback* stored = handle->clickCallback();
  ASSERT_NE(stored, nullptr);
  stored->execute();
  EXPECT_EQ(logText(), "client");
  handle->fireClick();
  EXPECT_EQ(logText(), "client client");
  buttons[1]->setEnabled(false);
  handle->fireClick();
  EXPECT_EQ(logText(), "client client") << "a disabled button fires nothing";
  EXPECT_EQ(handle->radioGroup(), nullptr);

  qor::core::RadioButton empty;
  EXPECT_EQ(empty.state(), 0);
  EXPECT_EQ(empty.text(), "");
  EXPECT_EQ(empty.clickCallback(), nullptr);
  EXPECT_FALSE(empty.auxiliaryFlag());
  EXPECT_EQ(empty.clone(), nullptr);
}

TEST_F(RadioButtons, AnImageButtonHasNoTitleAndAHoverFlagOfItsOwn)
{
  qor::pui::ImageIds ids;
  ids.ids[0] = 2501;
  RadioButton image(qor::aip::Rect(200, 10, 30, 30), ids, 0, nullptr);
  image.setText("ignored");
  EXPECT_EQ(image.text(), "");
  place->window->addWidget(&image);

  qor::core::Widget* wrapped = qor::core::wrapWidget(&image);
  std::unique_ptr<qor::core::Widget> owner(wrapped);
  auto* handle = dynamic_cast<qor::core::RadioButton*>(wrapped);
  ASSERT_NE(handle, nullptr);
  EXPECT_FALSE(handle->hoverHighlight());
  handle->setHoverHighlight(true);
  EXPECT_TRUE(handle->hoverHighlight());
  handle->setImageIDs(qor::core::ImageWithRolloverIDs(2502, 0, 2503, 0));
  EXPECT_TRUE(handle->hoverHighlight()) << "new ids keep the flag";
  EXPECT_EQ(handle->imageIDs().ids[0], 2502);
  place->window->removeWidget(&image);
}

}  // namespace valuewidgetstest
