// Check boxes toggled by the mouse and by Space, their double clicks, the pictures they pick, and
// their client handle's state mapping.
#include "fieldsFixture.h"

#include "core/qorcoreCheckbox.h"
#include "pui/qorpuiCheckbox.h"

namespace fieldstest {
namespace checkboxes {

using qor::aip::Point;

class Checkboxes : public Started
{
protected:
  void start()
  {
    Started::start();
    place = std::make_unique<TestWindow>();
  }
  void TearDown() override
  {
    place.reset();
    Started::TearDown();
  }
  // A placed box that records the state its click callback sees.
  std::unique_ptr<qor::pui::Checkbox> placedBox(int32_t state)
  {
    auto box = std::make_unique<qor::pui::Checkbox>(Point(10, 10), 120, "Join closed paths", state);
    place->window->addWidget(box.get());
    qor::pui::Checkbox* raw = box.get();
    box->setClickCallback(new FunctionCallback([this, raw] { seen.push_back(raw->state()); }));
    return box;
  }
  std::unique_ptr<TestWindow> place;
  std::vector<int32_t> seen;
};

TEST_F(Checkboxes, AClickTurnsAMixedOrOffBoxOnAndAnOnBoxOffBeforeTheCallbackRuns)
{
  start();
  for (int32_t from : {-1, 0, 1, 5}) {
    seen.clear();
    auto box = placedBox(from);
    qorwin::click(box->control()->m_hWnd, 5, 8);
    EXPECT_EQ(box->state(), from == 1 ? 0 : 1) << from;
    EXPECT_EQ(seen, std::vector<int32_t>{box->state()}) << from;
    place->window->removeWidget(box.get());
  }
}

TEST_F(Checkboxes, SpaceTogglesTheFocusedBoxAndARightClickDoesNot)
{
  start();
  auto box = placedBox(0);
  qorwin::click(box->control()->m_hWnd, 5, 8, true);
  EXPECT_EQ(box->state(), 0);
  box->focus();
  press(VK_SPACE);
  EXPECT_EQ(box->state(), 1);
  press(VK_SPACE);
  EXPECT_EQ(box->state(), 0);
  EXPECT_EQ(seen, (std::vector<int32_t>{1, 0}));
  place->window->removeWidget(box.get());
}

TEST_F(Checkboxes, ADoubleClickTogglesTwiceAndRunsTheClickCallbackThreeTimes)
{
  start();
  auto box = placedBox(0);
  EXPECT_EQ(box->doubleClickCallback(), nullptr);
  qorwin::doubleClick(box->control()->m_hWnd, 5, 8);
  EXPECT_EQ(box->state(), 0);
  EXPECT_EQ(seen, (std::vector<int32_t>{1, 1, 0}));
  place->window->removeWidget(box.get());
}

TEST_F(Checkboxes, ADisabledBoxIgnoresClicks)
{
  start();
  auto box = placedBox(0);
  box->setEnabled(false);
  qorwin::click(box->control()->m_hWnd, 5, 8);
  EXPECT_EQ(box->state(), 0);
  EXPECT_TRUE(seen.empty());
  place->window->removeWidget(box.get());
}

class BoxPictures : public Checkboxes, public ::testing::WithParamInterface<bool>
{
};

TEST_P(BoxPictures, TheBoxPictureFollowsStateFocusScaleAndTheme)
{
  const bool dark = GetParam();
  app.area<hostsim::Theme>().setDark(dark);
  app.area<hostsim::Preferences>().put("", "UIPreferences/scaleUI", int32_t(1));
  start();
  struct Case
  {
    int dpi;
    int32_t state;
    bool focused;
    uint16_t id; // in the light theme; the dark theme's is 60 more
  };
  const Case cases[] = {
      {96, 0, false, 300}, {96, 1, true, 350},  {96, -1, false, 320}, {144, 1, false, 341},
      {192, 0, true, 312}, {144, -1, true, 331},
      {96, 5, false, 300}, // any other state draws as off
  };
  for (const Case& c : cases) {
    qorwin::setDisplayDpi(c.dpi);
    auto box = placedBox(c.state);
    EXPECT_EQ(box->state(), c.state);
    EXPECT_EQ(box->boxImageId(c.focused), c.id + (dark ? 60 : 0)) << c.state << " at " << c.dpi;
    place->window->removeWidget(box.get());
  }
  qorwin::setDisplayDpi(96);
}

INSTANTIATE_TEST_SUITE_P(Themes, BoxPictures, ::testing::Bool());

TEST_F(Checkboxes, TheHandleKeepsMixedAndOnAndSwitchesEveryOtherValueOff)
{
  start();
  qor::core::Checkbox box(qor::core::Point(10, 10), "Mixed", 100, -1);
  EXPECT_EQ(box.state(), -1);
  EXPECT_EQ(box.type(), qor::core::CheckboxWidgetType);
  place->window->addWidget(box.platform());
  qorwin::click(box.platform()->control()->m_hWnd, 5, 8);
  EXPECT_EQ(box.state(), 1);
  box.setState(2);
  EXPECT_EQ(box.state(), 0);
  box.setOn(true);
  EXPECT_EQ(box.state(), 1);
  int clicks = 0;
  box.setClickCallback(ClientCallback([&] { clicks++; }));
  std::unique_ptr<qor::core::Widget> copy(box.clone());
  auto* clone = dynamic_cast<qor::core::Checkbox*>(copy.get());
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(clone->state(), 1);
  EXPECT_EQ(clone->text(), "Mixed");
  clone->fireClick();
  EXPECT_EQ(clicks, 1);
  place->window->removeWidget(box.platform());

  qor::core::Checkbox empty;
  empty.setState(1);
  EXPECT_EQ(empty.state(), 0);
  EXPECT_EQ(empty.clickCallback(), nullptr);
}

}  // namespace checkboxes
}  // namespace fieldstest
