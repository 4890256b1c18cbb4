// Steppers: which half a press steps, once per press (no repeat, one step for a double click, a
// right press steps too), what the focus and the disabled state paint, and the client handle.
#include <memory>

#include "core/qorcoreStepper.h"
#include "pui/qorpuiStepper.h"
#include "pui/qorpuiTheme.h"
#include "valuewidgetsFixture.h"

namespace valuewidgetstest {

using qor::aip::Point;
using qor::pui::Stepper;

class Steppers : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    place = std::make_unique<TestWindow>();
    stepper = std::make_unique<Stepper>(Point(10, 10));
    stepper->setUpCallback(logs("up"));
    stepper->setDownCallback(logs("down"));
    place->window->addWidget(stepper.get());
  }
  void TearDown() override
  {
    stepper.reset();
    place.reset();
    Started::TearDown();
  }
  HWND hwnd() const { return stepper->control()->m_hWnd; }

  std::unique_ptr<TestWindow> place;
  std::unique_ptr<Stepper> stepper;
};

TEST_F(Steppers, APressStepsTheHalfItLandsOn)
{
  // The split is at half the height, the middle row counting as the upper half.
  const std::pair<int, const char*> cases[] = {{0, "up"}, {5, "up"}, {10, "up"}, {11, "down"}, {19, "down"}};
  for (const auto& c : cases) {
    log.clear();
    qorwin::click(hwnd(), 8, c.first);
    EXPECT_EQ(logText(), c.second) << "y = " << c.first;
  }
}

TEST_F(Steppers, OnceAPressWithoutRepeatADoubleClickStepsOnceARightPressSteps)
{
  qorwin::mouseDown(hwnd(), 8, 4);
  qorwin::advance(3000);
  qorwin::mouseUp(hwnd(), 8, 4);
  EXPECT_EQ(logText(), "up");
  log.clear();
  qorwin::doubleClick(hwnd(), 8, 15);
  EXPECT_EQ(logText(), "down");
  log.clear();
  qorwin::click(hwnd(), 8, 15, true);
  EXPECT_EQ(logText(), "down");
}

TEST_F(Steppers, APressWithoutACallbackStillMakesItTheLastClickedWidget)
{
  stepper->setUpCallback(nullptr);
  globals()->clickWidget = nullptr;
  qorwin::click(hwnd(), 8, 2);
  EXPECT_EQ(logText(), "");
  EXPECT_EQ(globals()->clickWidget, stepper.get());
}

TEST_F(Steppers, TheFocusFramesBothHalvesAndDisabledFillsAreDarker)
{
  qor::pui::ThemeColorSet normal, disabled;
  qor::pui::themeControlColors(1, 2, normal);
  qor::pui::themeControlColors(1, 1, disabled);
  EXPECT_EQ(qorwin::pixel(hwnd(), 0, 0), qor::pui::colorRefOf(normal.color2));
  EXPECT_EQ(qorwin::pixel(hwnd(), 3, 3), qor::pui::colorRefOf(normal.color4));
  qorwin::click(hwnd(), 8, 2);
  ASSERT_TRUE(stepper->hasFocus()) << "a press takes the focus";
  EXPECT_EQ(qorwin::pixel(hwnd(), 0, 0), role(10, 70));
  EXPECT_EQ(qorwin::pixel(hwnd(), 0, 15), role(10, 70));
  stepper->setEnabled(false);
  qorwin::paint(hwnd());
  EXPECT_EQ(qorwin::pixel(hwnd(), 3, 3), qor::pui::colorRefOf(disabled.color4));
  EXPECT_NE(disabled.color4.toInt(), normal.color4.toInt());
}

TEST_F(Steppers, TheClientHandle)
{
  std::unique_ptr<qor::core::Widget> wrapped(qor::core::wrapWidget(stepper.get()));
  auto* handle = dynamic_cast<qor::core::Stepper*>(wrapped.get());
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(handle->type(), qor::core::StepperWidgetType);
  ClientFunctionCallback up = clientLogs("client up");
  handle->setUpCallback(up);
  EXPECT_NE(handle->upCallback(), &up) << "the stepper keeps a clone";
  std::unique_ptr<qor::core::Widget> same(handle->duplicate());
  EXPECT_EQ(dynamic_cast<qor::core::Stepper*>(same.get())->upCallback(), handle->upCallback());
  std::unique_ptr<qor::core::Widget> copy(handle->clone());
  auto* copied = dynamic_cast<qor::core::Stepper*>(copy.get());
  ASSERT_NE(copied, nullptr);
  ASSERT_NE(copied->upCallback(), nullptr);
  EXPECT_NE(copied->upCallback(), handle->upCallback());
  copied->upCallback()->execute();
  EXPECT_EQ(logText(), "client up");
  EXPECT_EQ(copied->downCallback(), nullptr) << "a framework callback has no client form";

  qor::core::Stepper empty;
  EXPECT_EQ(empty.upCallback(), nullptr);
  EXPECT_EQ(empty.clone(), nullptr);
}

}  // namespace valuewidgetstest
