// Labels as drag sources and drop targets: a text label dragged once the pointer moves with the
// button held, an image label dragged from the press, what the client handle sees in its drop
// callback, and no second drag after the drag loop took the button's release.
#include "core/qorcoreLabel.h"
#include "core/qorcoreModalDialog.h"
#include "imagesdndFixture.h"
#include "pui/qorpuiLabel.h"

namespace imagesdndtest {

using qor::aip::Point;
using qor::aip::Rect;

class LabelDrags : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    dialog = std::make_unique<qor::core::ModalDialog>("Drags", qor::core::Size(300, 200));
    source = std::make_unique<qor::core::Label>(qor::core::Point(10, 10), "Distance", 80);
    target = std::make_unique<qor::core::Label>(qor::core::Point(10, 50), "Drop here", 80);
    ASSERT_TRUE(dialog->addWidget(*source));
    ASSERT_TRUE(dialog->addWidget(*target));
    source->setDraggable(true);
    target->setAcceptsDrops(true);
    target->setDropCallback(ClientFunctionCallback([this] {
      seenText = target->dropText();
      seenPoint = target->dropPoint();
      drops++;
    }));
  }
  void TearDown() override
  {
    source.reset();
    target.reset();
    dialog.reset();
    Started::TearDown();
  }
  static HWND hwnd(const qor::core::Label& label) { return label.platformWidget()->m_hWnd; }

  std::unique_ptr<qor::core::ModalDialog> dialog;
  std::unique_ptr<qor::core::Label> source, target;
  std::string seenText;
  qor::core::Point seenPoint;
  int drops = 0;
};

TEST_F(LabelDrags, TextLabelDragsItsTextOntoALabel)
{
  // Labels register as drop targets when their controls are made.
  struct Refusing : IDropTarget
  {
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT DragEnter(IDataObject*, DWORD, POINTL, DWORD*) override { return S_OK; }
    HRESULT DragOver(DWORD, POINTL, DWORD*) override { return S_OK; }
    HRESULT DragLeave() override { return S_OK; }
    HRESULT Drop(IDataObject*, DWORD, POINTL, DWORD*) override { return S_OK; }
  } other;
  EXPECT_EQ(RegisterDragDrop(hwnd(*target), &other), DRAGDROP_E_ALREADYREGISTERED);
  EXPECT_EQ(RegisterDragDrop(hwnd(*source), &other), DRAGDROP_E_ALREADYREGISTERED);
  ASSERT_TRUE(qorwin::dragAndDrop(hwnd(*source), 3, 3, {{hwnd(*target), 7, 5, MK_LBUTTON}}));
  EXPECT_EQ(seenText, "Distance");
  EXPECT_EQ(seenPoint, qor::core::Point(7, 5));
  EXPECT_EQ(target->dropText(), "");

  source->setDragText("0.05");
  EXPECT_EQ(source->dragText(), "0.05");
  ASSERT_TRUE(qorwin::dragAndDrop(hwnd(*source), 3, 3, {{hwnd(*target), 1, 1, MK_LBUTTON}}));
  EXPECT_EQ(seenText, "0.05");
  EXPECT_EQ(drops, 2);

  // A label that is not draggable starts no drag.
  source->setDraggable(false);
  EXPECT_FALSE(qorwin::dragAndDrop(hwnd(*source), 3, 3, {{hwnd(*target), 1, 1, MK_LBUTTON}}));
  EXPECT_EQ(drops, 2);
}

TEST_F(LabelDrags, NoSecondDragAfterTheDragLoopTookTheRelease)
{
  ASSERT_TRUE(qorwin::dragAndDrop(hwnd(*source), 3, 3, {{hwnd(*target), 7, 5, MK_LBUTTON}}));
  // The label never saw the release; a later move without the button must not drag (and drop) again.
  qorwin::scriptDrag({{hwnd(*target), 2, 2, MK_LBUTTON}});
  qorwin::mouseMove(hwnd(*source), 20, 5);
  qorwin::mouseMove(hwnd(*source), 30, 6);
  EXPECT_TRUE(qorwin::dragPending());
  qorwin::scriptDrag({});
  EXPECT_EQ(drops, 1);
}

TEST_F(LabelDrags, ImageLabelIsDraggedFromThePressAndDisabledTargetsTakeNoDrop)
{
  TestWindow place;
  qor::pui::ImageIds ids;
  ids.ids[0] = 2501;
  qor::pui::Label image(Rect(10, 10, 30, 30), ids);
  DragWidget drop(Rect(100, 10, 60, 20), "target");
  place.window->addWidget(&image);
  place.window->addWidget(&drop);
  std::string text;
  drop.setAcceptsDrops(true);
  drop.setDropCallback(new FunctionCallback([&] { text = drop.droppedText(); }));
  image.setDraggable(true);
  EXPECT_EQ(image.text(), "");
  image.setDragText("picture");
  ASSERT_TRUE(qorwin::dragAndDrop(image.control()->m_hWnd, 3, 3, {{drop.hwnd(), 4, 4, MK_LBUTTON}}));
  EXPECT_EQ(text, "picture");

  // A disabled target runs no callback but is still the last drop widget.
  text.clear();
  drop.setEnabled(false);
  ASSERT_TRUE(qorwin::dragAndDrop(image.control()->m_hWnd, 3, 3, {{drop.hwnd(), 4, 4, MK_LBUTTON}}));
  EXPECT_EQ(text, "");
  EXPECT_EQ(globals()->dropWidget, &drop);
  place.window->removeWidget(&image);
  place.window->removeWidget(&drop);
}

}  // namespace imagesdndtest
