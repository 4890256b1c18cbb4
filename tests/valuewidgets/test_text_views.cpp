// Text views driven by the input robot: line ends in and out, the value-changing and value-changed
// events with the last typed character, Enter, Tab and Ctrl+A, the multi-line edit control's lines
// and scrolling, read-only views, the label tie and the client handle's selections in bytes.
#include "valuewidgetsFixture.h"

#include "core/qorcoreLabel.h"
#include "core/qorcoreTextView.h"
#include "pui/qorpuiLabel.h"
#include "pui/qorpuiTextView.h"

namespace valuewidgetstest {
namespace {

using qor::aip::Point;
using qor::aip::Rect;

class TextViews : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    place = std::make_unique<TestWindow>();
    view = std::make_unique<qor::pui::TextView>(Rect(10, 10, 160, 80), "", true);
    other = std::make_unique<qor::pui::TextView>(Rect(10, 100, 160, 60), "other", true);
    for (auto* v : {view.get(), other.get()}) {
      place->window->addWidget(v);
      const std::string name = v == view.get() ? "view" : "other";
      v->setValueChangingCallback(new FunctionCallback([this, v, name] {
        log.push_back(name + " changing [" + v->lastTypedText() + "] " + v->text());
      }));
      v->setValueChangedCallback(new FunctionCallback([this, v, name] {
        log.push_back(name + " changed [" + v->lastTypedText() + "] " + v->text());
      }));
    }
  }
  void TearDown() override
  {
    view.reset();
    other.reset();
    place.reset();
    Started::TearDown();
  }

  HWND edit(qor::pui::TextView& v) { return v.control()->m_hWnd; }
  std::u16string controlText(qor::pui::TextView& v)
  {
    char16_t buffer[256] = {};
    GetWindowTextW(edit(v), buffer, 256);
    return buffer;
  }
  std::pair<int, int> selectionOf(qor::pui::TextView& v)
  {
    DWORD start = 0, end = 0;
    SendMessageW(edit(v), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {int(start), int(end)};
  }
  static void type(const std::u16string& text)
  {
    qorwin::postText(text);
    qorwin::pump();
  }
  static void press(int key, bool control = false)
  {
    if (control)
      qorwin::setKeyDown(VK_CONTROL, true);
    qorwin::postKey(key);
    qorwin::pump();
    if (control)
      qorwin::setKeyDown(VK_CONTROL, false);
  }

  std::unique_ptr<TestWindow> place;
  std::unique_ptr<qor::pui::TextView> view, other;
};

TEST_F(TextViews, LineEndsAreStoredAsCrLfAndHandedOutAsLf)
{
  view->setText("a\rb\r\nc\nd");
  EXPECT_EQ(controlText(*view), u"a\r\nb\r\nc\r\nd");
  EXPECT_EQ(view->text(), "a\nb\nc\nd");
  EXPECT_EQ(SendMessageW(edit(*view), EM_GETLINECOUNT, 0, 0), 4);
  // Set from code: no event.
  EXPECT_TRUE(log.empty());
}

TEST_F(TextViews, TypingEnterAndFocusLossFireInOrderWithTheTypedCharacter)
{
  view->focus();
  type(u"hi");
  type(u"\r");
  type(u"x");
  EXPECT_EQ(view->text(), "hi\nx");
  EXPECT_EQ(view->lastTypedText(), "");
  other->focus();
  EXPECT_EQ(logText(), "view changing [h] h view changing [i] hi view changing [\n] hi\n "
                       "view changing [x] hi\nx view changed [] hi\nx");
}

TEST_F(TextViews, TabIsSwallowedAndCtrlASelectsAll)
{
  view->setText("one\ntwo");
  view->focus();
  type(u"\t");
  EXPECT_EQ(view->text(), "one\ntwo");
  EXPECT_EQ(GetFocus(), edit(*view));
  qorwin::setKeyDown(VK_CONTROL, true);
  type(std::u16string(1, char16_t(1)));
  qorwin::setKeyDown(VK_CONTROL, false);
  EXPECT_EQ(selectionOf(*view), std::make_pair(0, 8));
  EXPECT_TRUE(log.empty());
}

TEST_F(TextViews, ArrowsMoveBetweenLinesAndBackspaceTakesAWholeLineBreak)
{
  // Same characters everywhere, so a column is the same x on every line.
  view->setText("xxx\nxx\nxxxxx");
  view->focus();
  SendMessageW(edit(*view), EM_SETSEL, 2, 2);
  press(VK_DOWN);
  EXPECT_EQ(selectionOf(*view), std::make_pair(7, 7)); // the end of the shorter line
  press(VK_DOWN);
  EXPECT_EQ(selectionOf(*view).first, 11); // the column it came from
  press(VK_UP);
  press(VK_UP);
  EXPECT_EQ(selectionOf(*view).first, 2);
  press(VK_HOME);
  EXPECT_EQ(selectionOf(*view).first, 0);
  press(VK_END, true);
  EXPECT_EQ(selectionOf(*view).first, 14);
  SendMessageW(edit(*view), EM_SETSEL, 5, 5); // the start of the second line
  type(u"\b");
  EXPECT_EQ(view->text(), "xxxxx\nxxxxx");
  press(VK_RIGHT);
  press(VK_RIGHT);
  press(VK_RIGHT); // over the line break in one step
  EXPECT_EQ(selectionOf(*view).first, 7);
}

TEST_F(TextViews, LongTextWrapsAndScrollsToKeepTheCaretInView)
{
  std::string text;
  for (int i = 0; i < 20; ++i)
    text += "line " + std::to_string(i) + "\n";
  view->setText(text + "a long line of words that does not fit in the width of the view at all");
  const LRESULT lines = SendMessageW(edit(*view), EM_GETLINECOUNT, 0, 0);
  EXPECT_GT(lines, 21); // the last one wrapped
  view->focus();
  press(VK_END, true);
  EXPECT_GT(SendMessageW(edit(*view), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_EQ(GetScrollPos(edit(*view), SB_VERT), SendMessageW(edit(*view), EM_GETFIRSTVISIBLELINE, 0, 0));
  press(VK_HOME, true);
  EXPECT_EQ(SendMessageW(edit(*view), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(TextViews, AReadOnlyCopyTakesNoTypingButItsTextCanBeSet)
{
  qor::pui::TextView source(Rect(0, 0, 100, 50), "fixed", false);
  std::unique_ptr<qor::pui::TextView> copy(source.cloneView());
  place->window->addWidget(copy.get());
  EXPECT_FALSE(copy->editable());
  EXPECT_TRUE(GetWindowLongPtrW(edit(*copy), GWL_STYLE) & ES_READONLY);
  copy->focus();
  type(u"x");
  EXPECT_EQ(copy->text(), "fixed");
  copy->setText("new\ntext");
  EXPECT_EQ(copy->text(), "new\ntext");
  place->window->removeWidget(copy.get());
}

TEST_F(TextViews, ALabelClickSelectsTheWholeTextOfItsView)
{
  qor::pui::Label label(Point(200, 10), 60, "Notes");
  place->window->addWidget(&label);
  view->setAttachedLabel(&label);
  EXPECT_EQ(label.attachedTextView(), view.get());
  view->setText("one\ntwo\nthree");
  qorwin::click(label.control()->m_hWnd, 5, 5);
  EXPECT_EQ(GetFocus(), edit(*view));
  // Every character, the two-unit line ends counted as the control counts them.
  EXPECT_EQ(selectionOf(*view), std::make_pair(0, 15));
  // Tying the view to another label unties the first.
  qor::pui::Label second(Point(200, 40), 60, "Other");
  second.setAttachedTextView(view.get());
  EXPECT_EQ(label.attachedTextView(), nullptr);
  EXPECT_EQ(view->attachedLabel(), &second);
  place->window->removeWidget(&label);
}

TEST_F(TextViews, TheHandleCountsSelectionsInBytesOfTheLfText)
{
  qor::core::TextView handle(qor::core::Rect(0, 0, 120, 60), "", true);
  place->window->addWidget(handle.platform());
  handle.setText("a\xC3\xA9 b");
  handle.setSelection(1, 4);
  int32_t start = 0, length = 0;
  ASSERT_TRUE(handle.selectionInChars(start, length));
  EXPECT_EQ(std::make_pair(start, length), std::make_pair(1, 3));
  ASSERT_TRUE(handle.selection(start, length));
  EXPECT_EQ(std::make_pair(start, length), std::make_pair(1, 4));

  // An offset inside a character changes nothing.
  handle.setSelection(2, 1);
  ASSERT_TRUE(handle.selection(start, length));
  EXPECT_EQ(std::make_pair(start, length), std::make_pair(1, 4));

  // After a line break the control counts one unit more per break than the text has bytes.
  handle.setText("ab\ncd\ne");
  handle.setSelection(3, 2); // "cd"
  ASSERT_TRUE(handle.selectionInChars(start, length));
  EXPECT_EQ(std::make_pair(start, length), std::make_pair(4, 2));
  ASSERT_TRUE(handle.selection(start, length));
  EXPECT_EQ(std::make_pair(start, length), std::make_pair(3, 2));
  // A selection to the end of the text, and a bare caret.
  handle.setSelection(6, 1);
  ASSERT_TRUE(handle.selection(start, length));
  EXPECT_EQ(std::make_pair(start, length), std::make_pair(6, 1));
  handle.setSelection(2, 0);
  ASSERT_TRUE(handle.selection(start, length));
  EXPECT_EQ(std::make_pair(start, length), std::make_pair(2, 0));

  handle.setJustification(15);
  EXPECT_EQ(handle.justification(), 10);
  EXPECT_TRUE(handle.editable());
  EXPECT_FALSE(qor::core::TextView().editable());
  EXPECT_EQ(handle.attachedLabel(), nullptr);
  place->window->removeWidget(handle.platform());
}

TEST_F(TextViews, TheHandleTiesALabelBothWays)
{
  qor::core::TextView handle(qor::core::Rect(0, 0, 120, 60), "text", true);
  qor::core::Label label(qor::core::Point(0, 70), "Notes", 50);
  handle.setAttachedLabel(label);
  std::unique_ptr<qor::core::Label> tied(handle.attachedLabel());
  ASSERT_TRUE(tied);
  EXPECT_EQ(tied->platform(), label.platform());
  std::unique_ptr<qor::core::TextView> back(label.attachedTextView());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->platform(), handle.platform());
  label.clearAttachedTextView();
  EXPECT_EQ(handle.attachedLabel(), nullptr);
}

}  // namespace
}  // namespace valuewidgetstest
