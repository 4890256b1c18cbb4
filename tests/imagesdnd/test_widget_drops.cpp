// Widgets dragged and dropped on as text: what the drop callback sees, the refusals, and text blocks
// that come without their terminating zero.
#include <cstring>

#include "imagesdndFixture.h"

namespace imagesdndtest {

using qor::aip::Point;
using qor::aip::Rect;

class WidgetDrops : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    place = std::make_unique<TestWindow>();
    source = std::make_unique<DragWidget>(Rect(10, 10, 60, 20), "plain");
    target = std::make_unique<DragWidget>(Rect(100, 10, 60, 20), "target");
    place->window->addWidget(source.get());
    place->window->addWidget(target.get());
    source->setDraggable(true);
    target->setAcceptsDrops(true);
    target->setDropCallback(new FunctionCallback([this] {
      seenText = target->droppedText();
      seenPoint = target->dropPoint();
      drops++;
    }));
  }
  void TearDown() override
  {
    source.reset();
    target.reset();
    place.reset();
    Started::TearDown();
  }

  // Offers a block of raw bytes under a format and drags it onto the target at (3, 4).
  DROPEFFECT dropBytes(CLIPFORMAT format, const void* bytes, size_t size)
  {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    COleDataSource data;
    data.CacheGlobalData(format, block);
    qorwin::scriptDrag({{target->hwnd(), 3, 4, MK_LBUTTON}});
    return data.DoDragDrop(DROPEFFECT_COPY);
  }

  std::unique_ptr<TestWindow> place;
  std::unique_ptr<DragWidget> source, target;
  std::string seenText;
  Point seenPoint;
  int drops = 0;
};

TEST_F(WidgetDrops, DraggedWidgetDropsItsOwnTextOrItsDragText)
{
  int overs = 0;
  Point overPoint;
  target->setDragOverCallback(new FunctionCallback([&] {
    overs++;
    overPoint = target->dragOverPoint();
  }));
  ASSERT_TRUE(qorwin::dragAndDrop(source->hwnd(), 2, 2,
                                  {{target->hwnd(), 1, 1, MK_LBUTTON}, {target->hwnd(), 3, 4, MK_LBUTTON}}));
  EXPECT_EQ(source->lastEffect, DWORD(DROPEFFECT_COPY));
  EXPECT_EQ(seenText, "plain") << "an empty drag text drags the widget's text";
  EXPECT_EQ(seenPoint.x, 3);
  EXPECT_EQ(seenPoint.y, 4);
  EXPECT_EQ(overs, 1) << "the first step enters, the second passes over";
  EXPECT_EQ(overPoint.x, 3);
  EXPECT_EQ(globals()->dropWidget, target.get());
  EXPECT_EQ(globals()->dragOverWidget, target.get());
  // Outside the callbacks the event's values are gone.
  EXPECT_EQ(target->droppedText(), "");
  EXPECT_EQ(target->dropPoint().x, 0);
  EXPECT_EQ(target->dragOverPoint().x, 0);

  source->setDragText(u8"d\u00e9j\u00e0 vu \U0001F600");
  ASSERT_TRUE(qorwin::dragAndDrop(source->hwnd(), 2, 2, {{target->hwnd(), 5, 5, MK_LBUTTON}}));
  EXPECT_EQ(seenText, u8"d\u00e9j\u00e0 vu \U0001F600");
  EXPECT_EQ(drops, 2);
}

TEST_F(WidgetDrops, RefusedDropsRunNoCallback)
{
  // A target that takes no drops, a disabled one (which is still recorded as the drop widget), and
  // data without Unicode text.
  target->setAcceptsDrops(false);
  ASSERT_TRUE(qorwin::dragAndDrop(source->hwnd(), 2, 2, {{target->hwnd(), 3, 4, MK_LBUTTON}}));
  EXPECT_EQ(source->lastEffect, DWORD(DROPEFFECT_NONE));

  target->setAcceptsDrops(true);
  target->setEnabled(false);
  globals()->dropWidget = nullptr;
  ASSERT_TRUE(qorwin::dragAndDrop(source->hwnd(), 2, 2, {{target->hwnd(), 3, 4, MK_LBUTTON}}));
  EXPECT_EQ(globals()->dropWidget, target.get());

  target->setEnabled(true);
  EXPECT_EQ(dropBytes(CF_TEXT, "ansi", 5), DWORD(DROPEFFECT_NONE));
  EXPECT_EQ(drops, 0);
}

TEST_F(WidgetDrops, TextWithoutItsZeroIsReadUpToTheBlocksEnd)
{
  // Three units and no zero: the reader must stop at the end of the block.
  EXPECT_EQ(dropBytes(CF_UNICODETEXT, u"abc", 6), DWORD(DROPEFFECT_COPY));
  EXPECT_EQ(seenText, "abc");
  // A zero inside the block ends the text; an odd byte at the end is no unit.
  EXPECT_EQ(dropBytes(CF_UNICODETEXT, u"ab\0cd", 7), DWORD(DROPEFFECT_COPY));
  EXPECT_EQ(seenText, "ab");
  EXPECT_EQ(dropBytes(CF_UNICODETEXT, "x", 1), DWORD(DROPEFFECT_COPY));
  EXPECT_EQ(seenText, "");
  EXPECT_EQ(drops, 3);
}

}  // namespace imagesdndtest
