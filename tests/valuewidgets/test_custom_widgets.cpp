// Custom widgets: the drawing primitives inside and outside the draw callback, at scale 1 and 1.5,
// the paint guard while drawing, the mouse callbacks the input robot fires, focus on click, text drags
// and drops, and the client handle.
#include <memory>

#include "aip/qoraipFont.h"
#include "core/qorcoreCustomWidget.h"
#include "pui/qorpuiCustomWidget.h"
#include "valuewidgetsFixture.h"
#include "win/GdiPlus.h"

namespace valuewidgetstest {

using qor::aip::Point;
using qor::aip::Rect;
using qor::pui::CustomWidget;

class CustomWidgets : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    place();
  }
  void place()
  {
    window = std::make_unique<TestWindow>();
    widget = std::make_unique<CustomWidget>(Rect(10, 10, 60, 40));
    window->window->addWidget(widget.get());
  }
  void TearDown() override
  {
    widget.reset();
    window.reset();
    Started::TearDown();
  }
  HWND hwnd() const { return widget->control()->m_hWnd; }
  // Draws with the function as the draw callback and paints.
  void drawWith(std::function<void(CustomWidget&)> draw)
  {
    // What is pending paints first, so nothing paints over the drawing afterwards.
    qorwin::paintPending();
    widget->setDrawCallback(new FunctionCallback([this, draw] { draw(*widget); }));
    qorwin::paint(hwnd());
  }

  std::unique_ptr<TestWindow> window;
  std::unique_ptr<CustomWidget> widget;
};

TEST_F(CustomWidgets, PrimitivesDrawOnlyInsideTheDrawCallback)
{
  qorwin::paintPending();
  const COLORREF background = qorwin::pixel(hwnd(), 5, 5);
  EXPECT_EQ(background, role(10, 10)) << "the erased background";
  qorwin::clearDrawRecords();
  widget->setColor(qor::aip::Color(1, 0, 0, 1));
  widget->drawRect(Rect(0, 0, 20, 20), true);
  EXPECT_TRUE(qorwin::drawRecords(hwnd()).empty());
  EXPECT_EQ(widget->drawingContext(), nullptr);

  int runs = 0;
  drawWith([&](CustomWidget& w) {
    ++runs;
    EXPECT_NE(w.drawingContext(), nullptr);
    // Paint and erase of the control itself are answered without drawing meanwhile.
    EXPECT_EQ(SendMessageW(hwnd(), WM_PAINT, 0, 0), 0);
    w.setColor(qor::aip::Color(1, 0, 0, 1));
    w.drawRect(Rect(2, 2, 10, 10), true);
    w.drawRect(Rect(20, 2, 10, 10), false);
  });
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(qorwin::pixel(hwnd(), 5, 5), RGB(255, 0, 0));
  EXPECT_EQ(qorwin::pixel(hwnd(), 20, 5), RGB(255, 0, 0)) << "the frame";
  EXPECT_EQ(qorwin::pixel(hwnd(), 25, 7), background) << "inside the frame";
  EXPECT_EQ(widget->drawingContext(), nullptr);
  EXPECT_EQ(globals()->drawWidget, widget.get());
}

TEST_F(CustomWidgets, PolygonsImagesAndText)
{
  const Point triangle[] = {{2, 30}, {12, 10}, {22, 30}};
  qor::aip::Font* font = qor::aip::Font::defaultFont();
  ASSERT_NE(font, nullptr);
  drawWith([&](CustomWidget& w) {
    w.drawPolygon(triangle, 3, false);
    w.drawPolygon(triangle, 0, true);
    w.drawImage(Point(30, 2), 0);
    w.drawImage(Point(30, 2), 500);
    w.drawText(Point(2, 2), "", *font, 9);
  });
  EXPECT_EQ(qorwin::pixel(hwnd(), 12, 30), role(10, 10)) << "an unfilled polygon is not closed";
  EXPECT_EQ(qorwin::pixel(hwnd(), 2, 30), RGB(0, 0, 0));
  EXPECT_EQ(qorwin::pixel(hwnd(), 12, 10), RGB(0, 0, 0));
  int images = 0;
  for (const qorwin::GdiPlusRecord& r : qorwin::gdiPlusRecords(hwnd()))
    if (r.op == qorwin::GdiPlusRecord::DrawImage) {
      ++images;
      EXPECT_EQ(r.rect.Width, 12) << "at its own size";
    }
  EXPECT_EQ(images, 1) << "id 0 draws nothing";
  for (const qorwin::DrawRecord& r : qorwin::drawRecords(hwnd()))
    EXPECT_NE(r.op, qorwin::DrawRecord::Text) << "empty text draws nothing";

  drawWith([&](CustomWidget& w) { w.drawPolygon(triangle, 3, true); });
  EXPECT_EQ(qorwin::pixel(hwnd(), 12, 29), RGB(0, 0, 0)) << "the filled one is closed";

  qorwin::clearDrawRecords();
  drawWith([&](CustomWidget& w) {
    w.drawText(Point(40, 2), "A text much wider than the widget", *font, 9);
  });
  bool text = false;
  for (const qorwin::DrawRecord& r : qorwin::drawRecords(hwnd()))
    if (r.op == qorwin::DrawRecord::Text) {
      text = true;
      EXPECT_EQ(r.rect.left, 40);
    }
  EXPECT_TRUE(text);
  qor::aip::Font::resetRef(font);
}

TEST_F(CustomWidgets, TheMouseCallbacksInOrder)
{
  widget->setMouseEnterCallback(logs("enter"));
  widget->setMouseMoveCallback(logs("move"));
  widget->setMouseLeaveCallback(logs("leave"));
  widget->setMouseDownCallback(logs("down"));
  widget->setMouseDragCallback(logs("drag"));
  widget->setMouseUpCallback(logs("up"));
  qorwin::mouseMove(hwnd(), 5, 5);
  qorwin::mouseMove(hwnd(), 6, 5);
  qorwin::mouseMove(hwnd(), 6, 5);
  qorwin::mouseDown(hwnd(), 6, 5);
  qorwin::mouseMove(hwnd(), 9, 9);
  qorwin::mouseUp(hwnd(), 9, 9);
  qorwin::mouseMove(window->view->m_hWnd, 200, 200);
  EXPECT_EQ(logText(), "enter move down drag up leave");
  EXPECT_TRUE(widget->hasFocus()) << "a press focuses";

  widget->setFocusesOnClick(false);
  SetFocus(window->view->m_hWnd);
  qorwin::click(hwnd(), 5, 5);
  EXPECT_FALSE(widget->hasFocus());
  // Unlike clicks, these run on a disabled widget too.
  widget->setEnabled(false);
  log.clear();
  EXPECT_TRUE(widget->fireMouseEnter());
  EXPECT_EQ(logText(), "enter");
}

TEST_F(CustomWidgets, DraggingWithoutADragTextDragsTheWidgetsText)
{
  CustomWidget target(Rect(100, 10, 40, 40));
  target.setAcceptsDrops(true);
  target.setDropCallback(logs("dropped"));
  window->window->addWidget(&target);
  widget->setText("Ends");
  widget->setDraggable(true);
  HWND to = target.control()->m_hWnd;
  EXPECT_TRUE(qorwin::dragAndDrop(hwnd(), 5, 5, {{to, 10, 10, MK_LBUTTON}}));
  EXPECT_EQ(logText(), "dropped");
  EXPECT_EQ(target.droppedText(), "") << "only while the drop callback runs";
}

TEST_F(CustomWidgets, TheClientHandle)
{
  qor::core::CustomWidget empty;
  qor::core::Point down(1, 2), current(3, 4);
  EXPECT_FALSE(empty.trackingInfo(down, current));
  EXPECT_EQ(down.x, 1);
  EXPECT_EQ(empty.dropText(), "");
  EXPECT_EQ(empty.popupPanel(), nullptr);

  std::unique_ptr<qor::core::Widget> wrapped(qor::core::wrapWidget(widget.get()));
  auto* handle = dynamic_cast<qor::core::CustomWidget*>(wrapped.get());
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(handle->type(), qor::core::CustomWidgetType);
  int segments = 0;
  handle->setDrawCallback(ClientFunctionCallback([&] {
    handle->drawPolygon({}, false);
    handle->drawPolygon({{2, 2}, {20, 2}, {20, 20}}, false);
    for (const qorwin::DrawRecord& r : qorwin::drawRecords(hwnd()))
      segments += r.op == qorwin::DrawRecord::Line;
  }));
  qorwin::clearDrawRecords();
  qorwin::paint(hwnd());
  EXPECT_EQ(segments, 2);
  EXPECT_TRUE(handle->trackingInfo(down, current));

  // A clone draws with a copy of the source's draw callback.
  std::unique_ptr<qor::core::Widget> copy(handle->clone());
  auto* copied = dynamic_cast<qor::core::CustomWidget*>(copy.get());
  ASSERT_NE(copied, nullptr);
  EXPECT_NE(copied->drawCallback(), nullptr);
  EXPECT_NE(copied->drawCallback(), handle->drawCallback());
}

class ScaledCustomWidgets : public CustomWidgets
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    qorwin::setDisplayDpi(144);
    scaleUI(1);
    start();
    place();
  }
};

TEST_F(ScaledCustomWidgets, ALineHasBothEndsAtOnePixelWidth)
{
  drawWith([](CustomWidget& w) {
    w.setColor(qor::aip::Color(0, 0, 1, 1));
    w.drawLine(Point(0, 0), Point(10, 10));
    w.drawImage(Point(20, 2), 500);
  });
  EXPECT_EQ(qorwin::pixel(hwnd(), 0, 0), RGB(0, 0, 255));
  EXPECT_EQ(qorwin::pixel(hwnd(), 15, 15), RGB(0, 0, 255));
  EXPECT_EQ(qorwin::pixel(hwnd(), 8, 7), role(10, 10)) << "one pixel wide";
  for (const qorwin::GdiPlusRecord& r : qorwin::gdiPlusRecords(hwnd()))
    if (r.op == qorwin::GdiPlusRecord::DrawImage) {
      EXPECT_EQ(r.rect.X, 30);
      EXPECT_EQ(r.rect.Width, 12) << "images are not scaled";
    }
}

}  // namespace valuewidgetstest
