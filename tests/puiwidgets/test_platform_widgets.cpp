// The platform widget base and its neighbours: control ids, frames between units and pixels, the
// DPI step, text measuring, tab order, the event mix-ins, theme colours, the text button's drawing
// and tooltips.
#include "puiwidgetsFixture.h"

#include "aip/qoraipColor.h"
#include "aip/qoraipIllustrator.h"
#include "hostsimContext.h"
#include "pui/qorpuiButton.h"
#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiTabOrder.h"
#include "pui/qorpuiTextWidget.h"
#include "pui/qorpuiTheme.h"
#include "pui/qorpuiWinMfcView.h"

#include <memory>

namespace test_platform_widgets {

using puiwidgetstest::PlainWidget;
using qor::aip::Rect;

// A window over a content view of its own, of a kind.
struct TestWindow
{
  explicit TestWindow(int32_t kind = 1)
  {
    top = CreateWindowExW(0, u"Static", u"top", WS_VISIBLE, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    view = new qor::pui::WinMfcView();
    view->CreateEx(0, nullptr, u"", WS_CHILD | WS_VISIBLE, 0, 0, 800, 600, top, nullptr);
    window.reset(new qor::pui::Window(view));
    window->setKind(kind);
    view->windowLink = window.get();
  }
  ~TestWindow()
  {
    window.reset();
    DestroyWindow(top);
  }
  HWND top;
  qor::pui::WinMfcView* view;
  std::unique_ptr<qor::pui::Window> window;
};

RECT controlRect(qor::pui::Widget& widget)
{
  RECT r;
  GetWindowRect(widget.control()->m_hWnd, &r);
  MapWindowPoints(nullptr, GetParent(widget.control()->m_hWnd), reinterpret_cast<LPPOINT>(&r), 2);
  return r;
}

class PlatformWidgets : public puiwidgetstest::Started
{
};

TEST_F(PlatformWidgets, ControlIdsAreEvenAndFreedIdsComeBack)
{
  start();
  auto first = std::make_unique<PlainWidget>(Rect(0, 0, 10, 10));
  PlainWidget second(Rect(0, 0, 10, 10));
  uint16_t a = first->controlId();
  uint16_t b = second.controlId();
  EXPECT_EQ(a % 2, 0);
  EXPECT_EQ(b, a + 2);
  EXPECT_EQ(first->controlId(), a); // asked again, the same
  first.reset();
  PlainWidget third(Rect(0, 0, 10, 10));
  EXPECT_EQ(third.controlId(), a);
}

TEST_F(PlatformWidgets, TheControlIdTableRunsOutAtLast)
{
  start();
  std::vector<std::unique_ptr<PlainWidget>> widgets;
  uint16_t last = 0;
  for (;;) {
    widgets.emplace_back(new PlainWidget(Rect(0, 0, 1, 1)));
    uint16_t id = widgets.back()->controlId();
    if (!id)
      break;
    last = id;
  }
  EXPECT_EQ(last, 32764);
  widgets.erase(widgets.begin() + 3);
  PlainWidget late(Rect(0, 0, 1, 1));
  EXPECT_NE(late.controlId(), 0);
}

TEST_F(PlatformWidgets, StateIsKeptUntilPlacedThenForwardedToTheControl)
{
  start();
  TestWindow w;
  PlainWidget widget(Rect(10, 20, 100, 22));
  widget.setEnabled(false);
  widget.setVisible(false);
  widget.setText("before");
  EXPECT_EQ(widget.frame().origin.y, 20);
  EXPECT_FALSE(widget.enabled());
  w.window->addWidget(&widget);
  w.window->addWidget(&widget);
  EXPECT_EQ(w.window->widgets()->size(), 1u);
  ASSERT_TRUE(widget.hasControl());
  EXPECT_FALSE(IsWindowEnabled(widget.control()->m_hWnd));
  EXPECT_FALSE(IsWindowVisible(widget.control()->m_hWnd));
  EXPECT_EQ(widget.text(), "before");
  EXPECT_EQ(GetPropA(widget.control()->m_hWnd, "QOR_PUI_WIDGET_ID"), &widget);
  widget.setVisible(true);
  widget.setText("after");
  char16_t buffer[16] = {};
  GetWindowTextW(widget.control()->m_hWnd, buffer, 16);
  EXPECT_EQ(std::u16string(buffer), u"after");
  // A text set by the program raises no flag left behind.
  EXPECT_FALSE(globals()->programmaticChange);
  EXPECT_FALSE(globals()->programmaticTextChange);

  // Removed from the window, the widget has no control and keeps its state.
  w.window->removeWidget(&widget);
  EXPECT_EQ(widget.window(), nullptr);
  EXPECT_FALSE(widget.hasControl());
  EXPECT_EQ(widget.text(), "after");
  EXPECT_TRUE(w.window->widgets()->isEmpty());
}

TEST_F(PlatformWidgets, FramesScaleBetweenUnitsAndPixelsAtEachDpiStep)
{
  scaleUI(0);
  struct Case
  {
    int dpi;
    double step;
    RECT pixels; // of the frame (10, 20, 100, 22)
  } cases[] = {
      {96, 1.0, {10, 20, 110, 42}},
      {110, 1.0, {10, 20, 110, 42}},
      {120, 1.0, {10, 20, 110, 42}}, // 1.25 gives way to the snap factor 1
      {144, 1.5, {15, 30, 165, 63}},
      {192, 2.0, {20, 40, 220, 84}},
  };
  start();
  for (const Case& c : cases) {
    qorwin::setDisplayDpi(c.dpi);
    TestWindow w;
    EXPECT_EQ(w.window->dpiStep(), c.dpi == 120 ? 1.25 : c.step) << c.dpi;
    PlainWidget widget(Rect(10, 20, 100, 22));
    w.window->addWidget(&widget);
    RECT r = controlRect(widget);
    EXPECT_EQ(r.left, c.pixels.left) << c.dpi;
    EXPECT_EQ(r.top, c.pixels.top) << c.dpi;
    EXPECT_EQ(r.right, c.pixels.right) << c.dpi;
    EXPECT_EQ(r.bottom, c.pixels.bottom) << c.dpi;
    Rect back = widget.frame();
    EXPECT_EQ(back.origin.x, 10) << c.dpi;
    EXPECT_EQ(back.origin.y, 20) << c.dpi;
    EXPECT_EQ(back.size.width, 100) << c.dpi;
    EXPECT_EQ(back.size.height, 22) << c.dpi;
    // Moving by units moves by scaled pixels.
    widget.offsetBy(2, 0);
    EXPECT_EQ(controlRect(widget).left, static_cast<LONG>(12 * c.step + 0.5)) << c.dpi;
  }
}

TEST_F(PlatformWidgets, AnInsetWidensTheControlButNotTheFrame)
{
  start();
  TestWindow w;
  PlainWidget widget(Rect(0, 0, 0, 0));
  widget.useInset(Rect(-2, -1, 4, 2));
  widget.setFrame(Rect(10, 10, 50, 20));
  w.window->addWidget(&widget);
  RECT r = controlRect(widget);
  EXPECT_EQ(r.left, 8);
  EXPECT_EQ(r.top, 9);
  EXPECT_EQ(r.right - r.left, 54);
  EXPECT_EQ(r.bottom - r.top, 22);
  Rect frame = widget.frame();
  EXPECT_EQ(frame.origin.x, 10);
  EXPECT_EQ(frame.size.width, 50);
  Rect unadjusted = widget.unadjustedFrame();
  EXPECT_EQ(unadjusted.origin.x, 8);
  EXPECT_EQ(unadjusted.size.width, 54);
}

TEST_F(PlatformWidgets, AWidgetOutlivingItsWindowNoLongerReachesIt)
{
  start();
  PlainWidget widget(Rect(1, 2, 30, 40));
  {
    TestWindow w;
    w.window->addWidget(&widget);
  }
  EXPECT_EQ(widget.window(), nullptr);
  EXPECT_FALSE(widget.hasControl());
  EXPECT_EQ(widget.frame().size.width, 30);
  widget.setFrame(Rect(5, 5, 10, 10));
  EXPECT_EQ(widget.frame().origin.x, 5);
}

TEST_F(PlatformWidgets, FontsFollowTheWindowKindAndTheTextWidgetsStyle)
{
  start();
  struct StyledLabel : qor::pui::TextWidget
  {
    StyledLabel() : Widget(qor::pui::LabelWidgetKind, Rect(0, 0, 50, 14), "label") {}
    Widget* clone() const override { return nullptr; }
    void createControl(qor::pui::Window* window) override
    {
      auto* control = new CStatic;
      setControl(control);
      RECT r = pixelFrame(window);
      control->Create(u"", WS_CHILD | WS_VISIBLE, r, window->nativeWindow(), controlId());
      updateFont();
      Widget::createControl(window);
    }
  };
  TestWindow panel(1);
  TestWindow dialog(2);
  StyledLabel inPanel, inDialog;
  panel.window->addWidget(&inPanel);
  dialog.window->addWidget(&inDialog);
  EXPECT_EQ(inPanel.fontPointSize(), 7);
  EXPECT_EQ(inDialog.fontPointSize(), 9);
  auto logFont = [](qor::pui::Widget& w) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(w.control()->m_hWnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
  };
  EXPECT_EQ(logFont(inDialog).lfHeight, -12);
  EXPECT_EQ(std::u16string(logFont(inDialog).lfFaceName), u"Tahoma");
  inDialog.setBold(true);
  inDialog.setItalic(true);
  LOGFONTW bold = logFont(inDialog);
  EXPECT_EQ(std::u16string(bold.lfFaceName), u"Tahoma Bold");
  EXPECT_EQ(bold.lfWeight, FW_NORMAL);
  EXPECT_TRUE(bold.lfItalic);
  inDialog.setBold(false);
  EXPECT_EQ(std::u16string(logFont(inDialog).lfFaceName), u"Tahoma");
}

TEST_F(PlatformWidgets, TextIsMeasuredWithTheFrameworkFont)
{
  // 9 points at 96 dpi: 6-pixel characters on 14-pixel lines.
  EXPECT_EQ(qor::pui::textHeightForWidth("abc def", 100, 9), 0); // before the hidden window exists
  start();
  struct Case
  {
    const char* text;
    double width, height;
    double heightForWidth, widthForHeight;
  } cases[] = {
      {"abc def", 100, 28, 14, 42},          // one line; twice the line height keeps the width
      {"abc def", 30, 70, 28, 10},           // two lines at 30; five line heights divide by 4
      {"one two three four", 60, 14, 28, 108},
      {"", 100, 70, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(qor::pui::textHeightForWidth(c.text, c.width, 9), c.heightForWidth) << c.text;
    EXPECT_EQ(qor::pui::textWidthForHeight(c.text, c.height, 9), c.widthForHeight) << c.text;
    EXPECT_EQ(qor::pui::buttonWidthForHeight(c.text, c.height, 9), c.widthForHeight + 20) << c.text;
  }
}

TEST_F(PlatformWidgets, TabSkipsDisabledAndHiddenWidgetsAndWraps)
{
  start();
  TestWindow w;
  PlainWidget a(Rect(0, 0, 10, 10)), b(Rect(0, 20, 10, 10)), c(Rect(0, 40, 10, 10)), d(Rect(0, 60, 10, 10));
  for (PlainWidget* widget : {&a, &b, &c, &d})
    w.window->addWidget(widget);
  b.setEnabled(false);
  d.setVisible(false);
  auto order = std::make_unique<qor::pui::TabOrder>();
  for (PlainWidget* widget : {&a, &b, &c, &d})
    order->append(widget);
  order->append(&a);
  EXPECT_EQ(order->widgets().size(), 4u);
  EXPECT_EQ(a.tabOrder(), order.get());

  auto focused = [](PlainWidget& widget) { return GetFocus() == widget.control()->m_hWnd; };
  order->focusNextWidget(&a);
  EXPECT_TRUE(focused(c));
  order->focusNextWidget(&c);
  EXPECT_TRUE(focused(a));
  order->focusPreviousWidget(&a);
  EXPECT_TRUE(focused(c));

  // A widget in a second tab order leaves the first; a destroyed one leaves its own.
  qor::pui::TabOrder other;
  other.append(&c);
  EXPECT_FALSE(order->contains(&c));
  {
    PlainWidget gone(Rect(0, 0, 1, 1));
    other.append(&gone);
  }
  EXPECT_EQ(other.widgets().size(), 1u);
  order->focusNextWidget(&a);
  EXPECT_TRUE(focused(a)); // only a is left usable
  order.reset();
  EXPECT_EQ(a.tabOrder(), nullptr);
}

// Event mix-ins.

struct ClickedButton
{
  qor::pui::Button* button = nullptr;
  int runs = 0;
  void run()
  {
    ++runs;
    button->fireClick(); // re-entry does nothing
  }
};

TEST_F(PlatformWidgets, ClicksRecordTheWidgetRefuseReentryAndSkipDisabledWidgets)
{
  start();
  size_t depth = app.area<hostsim::Context>().depth();
  ClickedButton target;
  qor::pui::Button button(qor::aip::Point(0, 0), 60, "Go",
                          new qor::utils::__Callback<ClickedButton>(&target, &ClickedButton::run));
  target.button = &button;
  button.fireClick();
  EXPECT_EQ(target.runs, 1);
  EXPECT_EQ(globals()->clickWidget, &button);
  EXPECT_EQ(app.area<hostsim::Context>().depth(), depth);
  EXPECT_GT(app.area<hostsim::Context>().pushes(), 0);

  globals()->clickWidget = nullptr;
  button.setEnabled(false);
  button.fireClick();
  EXPECT_EQ(target.runs, 1);
  EXPECT_EQ(globals()->clickWidget, &button);

  // The same callback stored again is kept, not deleted.
  qor::utils::Callback* stored = button.clickCallback();
  button.setClickCallback(stored);
  EXPECT_EQ(button.clickCallback(), stored);
}

TEST_F(PlatformWidgets, TheGestureTellsAClickFromADrag)
{
  scaleUI(0);
  qorwin::setDisplayDpi(192);
  start();
  TestWindow w;
  qor::pui::Button button(qor::aip::Point(0, 0), 60, "Drag", nullptr);
  w.window->addWidget(&button);
  struct Case
  {
    bool tracks;
    std::vector<qor::aip::Point> moves;
    int gesture;
  } cases[] = {
      {true, {{24, 20}}, 2},
      {true, {}, 1},
      {true, {{30, 20}, {20, 20}}, 2}, // back at the start, still a drag
      {false, {{24, 20}}, 1},
  };
  for (const Case& c : cases) {
    button.setTracksMouse(c.tracks);
    EXPECT_EQ(button.mouseDown(qor::aip::Point(20, 20), 1), c.tracks);
    for (const auto& move : c.moves)
      button.mouseMove(move, 0);
    button.mouseUp(0);
    EXPECT_EQ(button.gesture(), c.gesture);
    EXPECT_FALSE(button.isTracking());
  }
  // At scale 2 a press at pixel (40, 20) is (20, 10) in units.
  button.mouseDown(qor::aip::Point(40, 20), 4);
  qor::aip::Point down, current;
  Rect frame;
  button.trackingInfo(down, current, frame);
  EXPECT_EQ(down.x, 20);
  EXPECT_EQ(down.y, 10);
  EXPECT_EQ(button.modifiers(), 4);
  EXPECT_EQ(frame.size.width, 60);
}

// Theme colours.

TEST_F(PlatformWidgets, ControlColoursFollowTheBrightnessAndState)
{
  app.area<hostsim::Theme>().setDark(true);
  start();
  ThemeColorRecord host{1, 0, 0, 0};
  app.area<hostsim::Theme>().color(1, 0, host);
  qor::pui::ThemeColorSet set;
  EXPECT_TRUE(qor::pui::themeControlColors(1, 0, set));
  EXPECT_DOUBLE_EQ(set.color1.r, host.red);
  EXPECT_DOUBLE_EQ(set.color3.r, host.red);
  EXPECT_DOUBLE_EQ(set.color4.r, host.red);
  EXPECT_DOUBLE_EQ(set.color2.r, 115.0 / 255.0);
  qor::pui::themeControlColors(1, 1, set);
  EXPECT_DOUBLE_EQ(set.color4.r, host.red * 1.15);

  // A state above 4 leaves a slider's set as it was.
  qor::pui::ThemeSliderColorSet slider;
  slider.color3 = qor::aip::Color(0.1, 0.2, 0.3, 1);
  qor::pui::themeSliderColors(1, 5, slider);
  EXPECT_DOUBLE_EQ(slider.color3.g, 0.2);
  qor::pui::themeSliderColors(1, 3, slider);
  EXPECT_DOUBLE_EQ(slider.color5.g, 164.0 / 255.0);
  EXPECT_DOUBLE_EQ(slider.color1.r, 0.45);
}

TEST_F(PlatformWidgets, LightControlColoursAreLightenedThenDarkened)
{
  start();
  ThemeColorRecord host{1, 0, 0, 0};
  app.area<hostsim::Theme>().color(0, 0, host);
  qor::pui::ThemeColorSet set;
  EXPECT_FALSE(qor::pui::themeControlColors(0, 4, set));
  double lightened = std::min(host.red * 1.09, 1.0);
  EXPECT_DOUBLE_EQ(set.color1.r, lightened);
  EXPECT_DOUBLE_EQ(set.color4.r, lightened * 0.65);
  EXPECT_DOUBLE_EQ(set.color2.r, 142.0 / 255.0);
  qor::aip::Color grey;
  EXPECT_DOUBLE_EQ(qor::pui::themeGray(0.5, 0.1, 100, 200, grey).g, 150.0 / 255.0 + 0.1);
}

TEST_F(PlatformWidgets, RoundedRectanglesLimitTheirRadius)
{
  struct Recorder : qor::pui::RoundedRectPath
  {
    std::vector<std::vector<int>> segments;
    int addBezier(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
    {
      segments.push_back({x1, y1, x2, y2, x3, y3, x4, y4});
      return 0;
    }
  } path;
  qor::pui::addRoundedRectPath(path, Rect(10, 20, 10, 4), 5);
  ASSERT_EQ(path.segments.size(), 8u);
  // The radius is limited to 2: the first corner runs from (10, 22) to (12, 20).
  EXPECT_EQ(path.segments[0], (std::vector<int>{10, 22, 10, 21, 11, 20, 12, 20}));
  EXPECT_EQ(path.segments[7].back(), 22);
  // A negative size is turned around first.
  Recorder flipped;
  qor::pui::addRoundedRectPath(flipped, Rect(20, 24, -10, -4), 5);
  EXPECT_EQ(flipped.segments, path.segments);
}

// The text button.

TEST_F(PlatformWidgets, ATextButtonDrawsItsFramesInTheThemeAndItsTitleCentred)
{
  start();
  TestWindow w(2);
  qor::pui::Button button(qor::aip::Point(10, 10), 80, "Go & on", nullptr);
  button.setStyle(2);
  w.window->addWidget(&button);
  HWND control = button.control()->m_hWnd;
  auto outerFrame = [&]() {
    qorwin::clearDrawRecords();
    qorwin::paint(w.view->m_hWnd);
    std::vector<qorwin::DrawRecord> records = qorwin::drawRecords(control);
    for (const auto& r : records)
      if (r.op == qorwin::DrawRecord::FrameRect)
        return r;
    return qorwin::DrawRecord{};
  };
  qor::aip::ThemeColor focus = qor::aip::Illustrator::instance()->themeColor(20, 70);
  COLORREF focusColor = qor::aip::Color(focus.red, focus.green, focus.blue, 1).toInt();
  qor::pui::ThemeColorSet set;
  qor::pui::themeControlColors(0, 2, set);
  EXPECT_EQ(outerFrame().color, set.color2.toInt()); // style 2 unfocused: the border grey
  button.focus();
  EXPECT_EQ(outerFrame().color, focusColor);
  button.setStyle(3);
  EXPECT_EQ(outerFrame().color, set.color1.toInt());

  std::vector<qorwin::DrawRecord> records = qorwin::drawRecords(control);
  ASSERT_FALSE(records.empty());
  const qorwin::DrawRecord& title = records.back();
  EXPECT_EQ(title.op, qorwin::DrawRecord::Text);
  EXPECT_EQ(title.text, u"Go & on"); // no mnemonic
  EXPECT_EQ(title.backgroundMode, TRANSPARENT);
  EXPECT_EQ(title.face, u"Tahoma");
  EXPECT_EQ(title.fontHeight, -12);
  // 82 pixels wide, 21 high; seven 6-pixel characters on a 14-pixel line, centred.
  EXPECT_EQ(title.rect.left, 20);
  EXPECT_EQ(title.rect.top, 3);
}

TEST_F(PlatformWidgets, AClickFiresOnTheLeftReleaseOnlyAndARightClickReportsMouseEvents)
{
  start();
  TestWindow w;
  int clicks = 0;
  struct Count
  {
    int* n;
    void run() { ++*n; }
  } count{&clicks};
  qor::pui::Button button(qor::aip::Point(0, 0), 60, "Go", new qor::utils::__Callback<Count>(&count, &Count::run));
  button.setTracksMouse(true);
  w.window->addWidget(&button);
  HWND control = button.control()->m_hWnd;
  qorwin::click(control, 5, 5, true);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(button.gesture(), 1);
  qorwin::click(control, 5, 5);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetFocus(), control);
  EXPECT_TRUE(button.isHovered());
  qorwin::mouseMove(w.view->m_hWnd, 300, 300);
  EXPECT_FALSE(button.isHovered());
}

TEST_F(PlatformWidgets, ATooltipShowsASecondAfterTheLastMoveBelowTheCursor)
{
  start();
  TestWindow w;
  qor::pui::Button button(qor::aip::Point(10, 10), 60, "Tip", nullptr);
  button.setTooltip("Joins the paths");
  w.window->addWidget(&button);
  HWND control = button.control()->m_hWnd;
  // Leaving within the second shows nothing.
  qorwin::mouseMove(control, 5, 5);
  qorwin::advance(500);
  qorwin::mouseMove(w.view->m_hWnd, 300, 300);
  qorwin::advance(1000);
  // The shared tooltip: a dialog whose style is exactly WS_POPUP.
  HWND tip = nullptr;
  for (HWND top = GetTopWindow(nullptr); top; top = GetWindow(top, GW_HWNDNEXT)) {
    char16_t cls[16] = {};
    GetClassNameW(top, cls, 16);
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(top, GWL_STYLE)) & ~static_cast<DWORD>(WS_VISIBLE);
    if (std::u16string(cls) == u"#32770" && style == static_cast<DWORD>(WS_POPUP))
      tip = top;
  }
  ASSERT_NE(tip, nullptr);
  EXPECT_FALSE(IsWindowVisible(tip));

  // Resting shows it 20 pixels below the cursor, sized to the text plus margins.
  qorwin::mouseMove(control, 7, 8);
  qorwin::advance(1000);
  EXPECT_TRUE(IsWindowVisible(tip));
  RECT r;
  GetWindowRect(tip, &r);
  POINT cursor;
  GetCursorPos(&cursor);
  EXPECT_EQ(r.left, cursor.x);
  EXPECT_EQ(r.top, cursor.y + 20);
  // Tahoma 8 points: 11-pixel em, 6-pixel characters, 13-pixel lines; 15 characters fit 300 pixels.
  EXPECT_EQ(r.right - r.left, 15 * 6 + 12);
  EXPECT_EQ(r.bottom - r.top, 13 + 8);

  // Near the right edge of the screen it moves left to end 6 pixels before it.
  qorwin::mouseMove(w.view->m_hWnd, 300, 300);
  qorwin::setScreenSize(110, 1080);
  qorwin::mouseMove(control, 7, 9);
  qorwin::advance(1000);
  GetWindowRect(tip, &r);
  EXPECT_EQ(r.right, 110 - 6);
}

} // namespace test_platform_widgets
