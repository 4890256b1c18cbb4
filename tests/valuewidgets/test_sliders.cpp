// Sliders: the value limited and quantised by the trackbar's 64 steps, the input robot dragging the
// thumb and double-clicking (callbacks in order), the thumb's colour with the focus, and the client
// handle.
#include <memory>

#include "core/qorcoreSlider.h"
#include "pui/qorpuiSlider.h"
#include "pui/qorpuiTheme.h"
#include "valuewidgetsFixture.h"
#include "win/CommCtrl.h"

namespace valuewidgetstest {

using qor::aip::Point;
using qor::pui::Slider;

TEST(SliderValues, AreLimitedToZeroToOneWithoutAControl)
{
  const std::pair<double, double> cases[] = {{1.5, 1.0}, {-0.2, 0.0}, {0.3, 0.3}, {1.0, 1.0}, {0.0, 0.0}};
  for (const auto& c : cases) {
    Slider slider(Point(0, 0), 100, 0.5);
    int changing = 0;
    slider.setValueChangingCallback(new FunctionCallback([&] { ++changing; }));
    slider.setValue(c.first);
    EXPECT_DOUBLE_EQ(slider.value(), c.second) << c.first;
    EXPECT_EQ(changing, 0);
  }
}

class Sliders : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    place = std::make_unique<TestWindow>();
    slider = std::make_unique<Slider>(Point(10, 10), 200, 0.0);
    slider->setValueChangingCallback(logs("changing"));
    slider->setClickCallback(logs("click"));
    place->window->addWidget(slider.get());
  }
  void TearDown() override
  {
    slider.reset();
    place.reset();
    Started::TearDown();
  }
  HWND hwnd() const { return slider->control()->m_hWnd; }
  int position() const { return static_cast<int>(SendMessageW(hwnd(), TBM_GETPOS, 0, 0)); }

  std::unique_ptr<TestWindow> place;
  std::unique_ptr<Slider> slider;
};

TEST_F(Sliders, APlacedSliderReadsItsValueBackInSixtyFourths)
{
  slider->setValue(0.3);
  EXPECT_EQ(position(), 19);
  EXPECT_DOUBLE_EQ(slider->value(), 19.0 / 64.0);
  slider->setValue(2.0);
  EXPECT_DOUBLE_EQ(slider->value(), 1.0);
  EXPECT_EQ(logText(), "") << "values set by the program fire nothing";
}

TEST_F(Sliders, DraggingTheThumbFiresValueChangingOnEveryMoveAndOneClickOnRelease)
{
  // The thumb of a 200-pixel slider at 0 is centred 10 pixels in; the 64 steps spread over 180 pixels.
  qorwin::mouseDown(hwnd(), 10, 9);
  for (int x : {40, 60, 80})
    qorwin::mouseMove(hwnd(), x, 9);
  EXPECT_EQ(logText(), "changing changing changing");
  EXPECT_EQ(position(), 25);
  qorwin::mouseUp(hwnd(), 80, 9);
  // The release ends the track (two more scroll notifications), then clicks once.
  EXPECT_EQ(logText(), "changing changing changing changing changing click");
  EXPECT_DOUBLE_EQ(slider->value(), 25.0 / 64.0);
}

TEST_F(Sliders, APressBesideTheThumbMovesAPageAndClicks)
{
  qorwin::click(hwnd(), 150, 9);
  EXPECT_EQ(position(), 12) << "a fifth of the range";
  EXPECT_EQ(log.back(), "click");
  EXPECT_EQ(log.front(), "changing");
}

TEST_F(Sliders, ADoubleClickRunsTheClickCallbackForTheDoubleClickToo)
{
  qorwin::doubleClick(hwnd(), 10, 9);
  int clicks = 0;
  for (const std::string& word : log)
    clicks += word == "click";
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(slider->doubleClickCallback(), nullptr);
  slider->setDoubleClickCallback(logs("never"));
  EXPECT_EQ(slider->doubleClickCallback(), nullptr);
}

TEST_F(Sliders, TheKeysMoveTheThumbAndReportIt)
{
  slider->focus();
  SendMessageW(hwnd(), WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(hwnd(), WM_KEYDOWN, VK_END, 0);
  SendMessageW(hwnd(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(position(), 64);
  EXPECT_EQ(logText(), "changing changing changing");
}

TEST_F(Sliders, TheThumbTakesTheAccentColourWithTheFocus)
{
  qor::pui::ThemeSliderColorSet normal, focused;
  qor::pui::themeSliderColors(1, 0, normal);
  qor::pui::themeSliderColors(1, 3, focused);
  slider->setValue(0.5);
  RECT thumb{};
  SendMessageW(hwnd(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const int cx = thumb.left + (thumb.right - thumb.left) / 2;
  EXPECT_TRUE(near(qorwin::pixel(hwnd(), cx, 9), qor::pui::colorRefOf(normal.color4)));
  slider->focus();
  EXPECT_TRUE(near(qorwin::pixel(hwnd(), cx, 9), qor::pui::colorRefOf(focused.color4)));
  // The track: framed in colour 1 from 10 pixels in, 8 pixels down.
  EXPECT_EQ(qorwin::pixel(hwnd(), 30, 8), qor::pui::colorRefOf(normal.color1));
  EXPECT_EQ(qorwin::pixel(hwnd(), 30, 5), role(10, 10));
}

TEST_F(Sliders, TheClientHandle)
{
  std::unique_ptr<qor::core::Widget> wrapped(qor::core::wrapWidget(slider.get()));
  auto* handle = dynamic_cast<qor::core::Slider*>(wrapped.get());
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(handle->type(), qor::core::SliderWidgetType);
  handle->setValue(2);
  EXPECT_DOUBLE_EQ(handle->value(), 1.0);
  log.clear();
  ClientFunctionCallback given = clientLogs("client");
  handle->setValueChangingCallback(given);
  qor::core::Callback* stored = handle->valueChangingCallback();
  ASSERT_NE(stored, nullptr);
  EXPECT_NE(stored, &given) << "a clone is stored";
  handle->setValue(0.2);
  EXPECT_EQ(logText(), "");
  handle->fireValueChanging();
  EXPECT_EQ(logText(), "client");

  std::unique_ptr<qor::core::Widget> copy(handle->clone());
  auto* copied = dynamic_cast<qor::core::Slider*>(copy.get());
  ASSERT_NE(copied, nullptr);
  EXPECT_NE(copied->valueChangingCallback(), stored);
  copied->fireValueChanging();
  EXPECT_EQ(logText(), "client client");

  qor::core::Slider empty;
  EXPECT_EQ(empty.value(), 0.0);
  EXPECT_EQ(empty.type(), qor::core::UnknownWidgetType);
  EXPECT_EQ(empty.valueChangingCallback(), nullptr);
}

}  // namespace valuewidgetstest
