// Group boxes and dividers: the lines and outlines they paint from their area, the title set into
// the top edge at scale 2, their fixed enabled state, and the two client handles.
#include <memory>

#include "core/qorcoreBox.h"
#include "core/qorcoreDivider.h"
#include "pui/qorpuiBox.h"
#include "pui/qorpuiTheme.h"
#include "valuewidgetsFixture.h"

namespace valuewidgetstest {

using qor::aip::Point;
using qor::aip::Rect;
using qor::pui::Box;

class Boxes : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    place = std::make_unique<TestWindow>();
    qor::pui::themeBoxColors(1, colours);
  }
  void TearDown() override
  {
    place.reset();
    Started::TearDown();
  }
  COLORREF at(int x, int y) { return qorwin::pixel(place->view->m_hWnd, x, y); }
  COLORREF colour(int n)
  {
    const qor::aip::Color* all[] = {&colours.color1, &colours.color2, &colours.color3, &colours.color4};
    return qor::pui::colorRefOf(*all[n - 1]);
  }

  std::unique_ptr<TestWindow> place;
  qor::pui::ThemeColorSet colours;
};

TEST_F(Boxes, DividersDrawOneLineOrTwoByTheirThickness)
{
  Box twoHigh(Point(10, 20), 100, true);
  Box oneHigh(Point(10, 40), 100, true);
  oneHigh.setHeight(1);
  Box vertical(Point(200, 20), 60, false);
  for (Box* box : {&twoHigh, &oneHigh, &vertical})
    place->window->addWidget(box);
  const COLORREF background = at(150, 100);
  ASSERT_NE(colour(3), colour(4));
  EXPECT_EQ(at(50, 20), colour(3));
  EXPECT_EQ(at(50, 21), colour(4));
  EXPECT_EQ(at(50, 40), colour(3));
  EXPECT_EQ(at(50, 41), background) << "one unit high: one line";
  EXPECT_EQ(at(200, 50), colour(3)) << "along the left edge";
  EXPECT_EQ(at(201, 50), colour(4));
  EXPECT_EQ(at(10, 20), colour(3));
  EXPECT_EQ(at(109, 20), colour(3));
  EXPECT_EQ(at(110, 20), background);
}

TEST_F(Boxes, AGroupBoxWithoutATitleDrawsTheTwoOutlinesOnly)
{
  Box box(Rect(10, 10, 100, 60), "");
  place->window->addWidget(&box);
  qorwin::paintPending();
  qorwin::clearDrawRecords();
  qorwin::paint(box.control()->m_hWnd);
  for (const qorwin::DrawRecord& r : qorwin::drawRecords(box.control()->m_hWnd))
    EXPECT_NE(r.op, qorwin::DrawRecord::Text);
  // The outer outline 6 below the top and 1 in from the right and bottom, the inner one up and left.
  EXPECT_EQ(at(50, 16), colour(4));
  EXPECT_EQ(at(50, 15), colour(3));
  EXPECT_EQ(at(10, 40), colour(4));
  EXPECT_EQ(at(11, 40), colour(3));
  EXPECT_EQ(at(109, 40), colour(4));
  EXPECT_EQ(at(108, 40), colour(3));
  EXPECT_EQ(at(50, 69), colour(4));
  EXPECT_EQ(at(50, 68), colour(3));
}

TEST_F(Boxes, EnabledAlwaysAndTheTitleIsTheStoredOne)
{
  Box box(Rect(10, 10, 100, 60), "Join");
  box.setEnabled(false);
  EXPECT_TRUE(box.enabled());
  place->window->addWidget(&box);
  box.setEnabled(false);
  EXPECT_TRUE(box.enabled());
  box.setText("Options");
  EXPECT_EQ(box.text(), "Options");
  EXPECT_TRUE(box.isDivider() == false && box.isHorizontal());
}

class ScaledBoxes : public Boxes
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    qorwin::setDisplayDpi(192);
    scaleUI(0);
    start();
    place = std::make_unique<TestWindow>();
    qor::pui::themeBoxColors(1, colours);
  }
};

TEST_F(ScaledBoxes, AtScaleTwoTheTitleSitsInTheTopEdge)
{
  Box box(Rect(10, 10, 100, 60), "Join");
  place->window->addWidget(&box);
  HWND control = box.control()->m_hWnd;
  qorwin::paintPending();
  qorwin::clearDrawRecords();
  qorwin::paint(control);
  bool title = false;
  for (const qorwin::DrawRecord& r : qorwin::drawRecords(control)) {
    if (r.op != qorwin::DrawRecord::Text)
      continue;
    title = true;
    EXPECT_EQ(r.text, u"Join");
    // The rectangle starts 10 in and grows by 8; the centred text starts 4 further in.
    EXPECT_EQ(r.rect.left, 14);
    EXPECT_EQ(r.backgroundMode, OPAQUE) << "the title's cells interrupt the outline";
    EXPECT_EQ(r.background, colour(1));
    EXPECT_EQ(r.color, colour(2));
  }
  EXPECT_TRUE(title);
  // The outline's top edge lies 12 pixels down, beyond the title.
  EXPECT_EQ(qorwin::pixel(control, 150, 12), colour(4));
  EXPECT_EQ(qorwin::pixel(control, 150, 11), colour(3));
}

TEST_F(Boxes, TheClientHandles)
{
  qor::core::Divider divider(qor::core::Point(10, 10), 80, qor::core::Divider::VerticalOrientation);
  EXPECT_EQ(divider.type(), qor::core::DividerWidgetType) << "although the platform kind is the box's";
  EXPECT_EQ(divider.platform()->kind(), qor::pui::BoxWidgetKind);
  EXPECT_EQ(divider.orientation(), 20);
  std::unique_ptr<qor::core::Widget> copy(divider.clone());
  auto* copied = dynamic_cast<qor::core::Divider*>(copy.get());
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->orientation(), 20);
  EXPECT_NE(copied->platform(), divider.platform());

  std::unique_ptr<qor::core::Widget> wrapped(qor::core::wrapWidget(divider.platform()));
  EXPECT_NE(dynamic_cast<qor::core::Divider*>(wrapped.get()), nullptr) << "a divider box wraps as a divider";

  qor::core::Box box(qor::core::Rect(0, 0, 100, 50), "Group");
  std::unique_ptr<qor::core::Widget> wrappedBox(qor::core::wrapWidget(box.platform()));
  EXPECT_NE(dynamic_cast<qor::core::Box*>(wrappedBox.get()), nullptr);
  box.setEnabled(false);
  EXPECT_TRUE(box.isEnabled());
  EXPECT_EQ(box.text(), "Group");
  EXPECT_EQ(box.type(), qor::core::BoxWidgetType);

  qor::core::Divider emptyDivider;
  qor::core::Box emptyBox;
  EXPECT_EQ(emptyDivider.type(), qor::core::DividerWidgetType);
  EXPECT_EQ(emptyDivider.orientation(), 0);
  EXPECT_FALSE(emptyBox.isEnabled());
  EXPECT_EQ(emptyBox.text(), "");
  EXPECT_EQ(emptyBox.clone(), nullptr);
}

}  // namespace valuewidgetstest
