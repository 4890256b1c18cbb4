// Text fields driven by the input robot: typing, the value-changing and value-changed events in their
// order, Enter, Esc and Tab in panels and in modal dialogs, focus moves, the edit control's caret,
// selection and clipboard, and the field's size in dialogs.
#include "fieldsFixture.h"

#include "pui/qorpuiLabel.h"
#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiTabOrder.h"
#include "pui/qorpuiTextField.h"
#include "win/AfxOle.h"

namespace fieldstest {
namespace platformfields {

using qor::aip::Point;

class TextFields : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    place = std::make_unique<TestWindow>();
    first = std::make_unique<qor::pui::TextField>(Point(10, 10), 100, "first");
    second = std::make_unique<qor::pui::TextField>(Point(10, 40), 100, "second");
    for (auto* field : {first.get(), second.get()}) {
      place->window->addWidget(field);
      field->setValueChangingCallback(new FunctionCallback([this, field] {
        events.push_back((field == first.get() ? "changing 1 " : "changing 2 ") + field->lastTypedText() + " " +
                         field->text());
      }));
      field->setValueChangedCallback(new FunctionCallback([this, field] {
        events.push_back((field == first.get() ? "changed 1 " : "changed 2 ") + field->lastTypedText() + " " +
                         field->text());
      }));
    }
  }
  void TearDown() override
  {
    first.reset();
    second.reset();
    place.reset();
    Started::TearDown();
  }

  HWND edit(qor::pui::TextField& field) { return field.control()->m_hWnd; }
  std::pair<int, int> selectionOf(qor::pui::TextField& field)
  {
    DWORD start = 0, end = 0;
    SendMessageW(edit(field), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {int(start), int(end)};
  }
  // The field focused with the caret at a position.
  void caretAt(qor::pui::TextField& field, int at)
  {
    field.focus();
    SendMessageW(edit(field), EM_SETSEL, at, at);
    events.clear();
  }

  std::unique_ptr<TestWindow> place;
  std::unique_ptr<qor::pui::TextField> first, second;
  std::vector<std::string> events;
};

TEST_F(TextFields, TypingFiresValueChangingPerKeyWithTheCharacterAndTextSetByCodeFiresNothing)
{
  first->setText("programmatic");
  caretAt(*first, 12);
  EXPECT_TRUE(events.empty());
  qorwin::setKeyDown(VK_SHIFT, true);
  type(u"X");
  qorwin::setKeyDown(VK_SHIFT, false);
  type(u"é");
  EXPECT_EQ(events, (std::vector<std::string>{"changing 1 X programmaticX", "changing 1 é programmaticXé"}));
  // Cleared once the event has fired.
  EXPECT_EQ(first->lastTypedText(), "");
  EXPECT_EQ(first->lastKeyModifiers(), 0);
}

TEST_F(TextFields, TheModifiersOfTheKeystrokeAreReportedDuringTheEvent)
{
  caretAt(*first, 0);
  int32_t seen = -1;
  first->setValueChangingCallback(new FunctionCallback([&] { seen = first->lastKeyModifiers(); }));
  qorwin::setKeyDown(VK_SHIFT, true);
  type(u"Q");
  EXPECT_EQ(seen, 1);
}

TEST_F(TextFields, EnterInAPanelCommitsWithANewlineAndEscReachesTheEditControl)
{
  caretAt(*first, 5);
  press(VK_RETURN);
  EXPECT_EQ(events, (std::vector<std::string>{"changed 1 \n first"}));
  events.clear();
  press(VK_ESCAPE);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(first->text(), "first");
}

TEST_F(TextFields, LeavingAFieldCommitsItUnlessTheProgramMovesTheFocus)
{
  caretAt(*first, 5);
  type(u"s");
  second->focus();
  EXPECT_EQ(events, (std::vector<std::string>{"changing 1 s firsts", "changed 1  firsts"}));
  events.clear();
  globals()->programmaticChange = true;
  first->focus();
  globals()->programmaticChange = false;
  EXPECT_TRUE(events.empty());
}

TEST_F(TextFields, ACommitMadeInsideTheValueChangingCallbackIsNotReported)
{
  caretAt(*first, 0);
  first->setValueChangingCallback(new FunctionCallback([&] {
    events.push_back("changing");
    second->focus(); // the field loses the focus while its keystroke is being reported
  }));
  type(u"a");
  EXPECT_EQ(events, (std::vector<std::string>{"changing"}));
}

TEST_F(TextFields, TabMovesThroughTheTabOrderOrTheWindowsTabStopsAndNeverTypes)
{
  caretAt(*first, 0);
  press(VK_TAB);
  EXPECT_TRUE(second->hasFocus());
  press(VK_TAB, {VK_SHIFT});
  EXPECT_TRUE(first->hasFocus());
  EXPECT_EQ(first->text(), "first");

  qor::pui::TabOrder order;
  qor::pui::TextField third(Point(10, 70), 100, "third");
  place->window->addWidget(&third);
  order.append(first.get());
  order.append(&third);
  order.append(second.get());
  press(VK_TAB);
  EXPECT_TRUE(third.hasFocus());
  // A field reached by Tab has its whole text selected.
  EXPECT_EQ(selectionOf(third), std::make_pair(0, 5));
  press(VK_TAB, {VK_SHIFT});
  EXPECT_TRUE(first->hasFocus());
  order.remove(first.get());
  order.remove(&third);
  order.remove(second.get());
  place->window->removeWidget(&third);
}

TEST_F(TextFields, SelectionIsReportedOnlyWhileFocused)
{
  int32_t start = -1, length = -1;
  EXPECT_FALSE(first->selection(start, length));
  first->setSelection(1, 3);
  EXPECT_TRUE(first->hasFocus());
  ASSERT_TRUE(first->selection(start, length));
  EXPECT_EQ(start, 1);
  EXPECT_EQ(length, 3);
}

TEST_F(TextFields, TheEditControlMovesTheCaretAndSelectsWithTheKeys)
{
  struct Case
  {
    const char* what;
    int caret;
    int key;
    std::initializer_list<int> held;
    std::pair<int, int> selection;
  };
  // "first" with the caret where the case puts it.
  const Case cases[] = {
      {"left", 3, VK_LEFT, {}, {2, 2}},
      {"right", 3, VK_RIGHT, {}, {4, 4}},
      {"home", 3, VK_HOME, {}, {0, 0}},
      {"end", 1, VK_END, {}, {5, 5}},
      {"shift+left", 3, VK_LEFT, {VK_SHIFT}, {2, 3}},
      {"shift+home", 3, VK_HOME, {VK_SHIFT}, {0, 3}},
      {"shift+end", 1, VK_END, {VK_SHIFT}, {1, 5}},
      {"left at the start", 0, VK_LEFT, {}, {0, 0}},
      {"right at the end", 5, VK_RIGHT, {}, {5, 5}},
  };
  for (const Case& c : cases) {
    caretAt(*first, c.caret);
    press(c.key, c.held);
    EXPECT_EQ(selectionOf(*first), c.selection) << c.what;
  }
  // Shift extends from the same anchor both ways; an arrow without Shift collapses to that side.
  caretAt(*first, 2);
  press(VK_RIGHT, {VK_SHIFT});
  press(VK_RIGHT, {VK_SHIFT});
  EXPECT_EQ(selectionOf(*first), std::make_pair(2, 4));
  press(VK_LEFT);
  EXPECT_EQ(selectionOf(*first), std::make_pair(2, 2));
}

TEST_F(TextFields, BackspaceDeleteAndTypingReplaceTheSelection)
{
  struct Case
  {
    const char* what;
    int from, to;
    int key; // 0: type "Z"
    const char* result;
  };
  const Case cases[] = {
      {"backspace", 2, 2, VK_BACK, "frst"},
      {"backspace at the start", 0, 0, VK_BACK, "first"},
      {"delete", 2, 2, VK_DELETE, "fist"},
      {"delete at the end", 5, 5, VK_DELETE, "first"},
      {"backspace on a selection", 1, 4, VK_BACK, "ft"},
      {"delete on a selection", 0, 5, VK_DELETE, ""},
      {"typing over a selection", 1, 3, 0, "fZst"},
  };
  for (const Case& c : cases) {
    first->setText("first");
    first->focus();
    SendMessageW(edit(*first), EM_SETSEL, c.from, c.to);
    if (c.key)
      press(c.key);
    else
      type(u"Z");
    EXPECT_EQ(first->text(), c.result) << c.what;
  }
}

TEST_F(TextFields, CutCopyAndPasteGoThroughTheClipboard)
{
  first->focus();
  SendMessageW(edit(*first), EM_SETSEL, 0, 3);
  press('C', {VK_CONTROL});
  EXPECT_EQ(first->text(), "first");
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE block = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(std::u16string(static_cast<const char16_t*>(GlobalLock(block))), u"fir");
  GlobalUnlock(block);
  CloseClipboard();

  SendMessageW(edit(*first), EM_SETSEL, 3, 5);
  press('X', {VK_CONTROL});
  EXPECT_EQ(first->text(), "fir");
  second->focus();
  SendMessageW(edit(*second), EM_SETSEL, 0, 0);
  events.clear();
  press('V', {VK_CONTROL});
  EXPECT_EQ(second->text(), "stsecond");
  EXPECT_EQ(events, (std::vector<std::string>{"changing 2 \x16 stsecond"}));
  // Undo brings the text back.
  press('Z', {VK_CONTROL});
  EXPECT_EQ(second->text(), "second");
}

TEST_F(TextFields, PastingReadsATextWithoutItsZeroSafelyAndKeepsOneLine)
{
  // Four units and no terminating zero, then a line break: only the first line is pasted.
  const char16_t units[] = {u'a', u'b', u'\r', u'c'};
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof units);
  std::copy(units, units + 4, static_cast<char16_t*>(GlobalLock(block)));
  GlobalUnlock(block);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
  caretAt(*first, 0);
  SendMessageW(edit(*first), WM_PASTE, 0, 0);
  EXPECT_EQ(first->text(), "abfirst");
}

TEST_F(TextFields, AClickPutsTheCaretAndADragSelects)
{
  // Characters are 5 pixels wide in the panel's font; the text starts at the left margin.
  RECT area{};
  SendMessageW(edit(*first), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
  const int y = (area.top + area.bottom) / 2;
  qorwin::click(edit(*first), area.left + 1, y);
  EXPECT_TRUE(first->hasFocus());
  EXPECT_EQ(selectionOf(*first), std::make_pair(0, 0));
  qorwin::mouseDown(edit(*first), area.left + 1, y);
  qorwin::mouseMove(edit(*first), area.left + 200, y);
  qorwin::mouseUp(edit(*first), area.left + 200, y);
  EXPECT_EQ(selectionOf(*first), std::make_pair(0, 5));
}

TEST_F(TextFields, AFieldIsThreeUnitsTallerInAModalDialogOnceOnly)
{
  EXPECT_EQ(first->frame().size.height, 18);
  RECT panelRect;
  GetWindowRect(edit(*first), &panelRect);
  EXPECT_EQ(panelRect.bottom - panelRect.top, 20);

  qor::pui::ModalDialog::ButtonOptions none;
  qor::pui::ModalDialog dialog("Fields", qor::aip::Size(200, 100), none, none);
  qor::pui::TextField field(Point(10, 10), 100, "in a dialog");
  dialog.addWidget(&field);
  RECT r;
  GetWindowRect(field.control()->m_hWnd, &r);
  EXPECT_EQ(r.bottom - r.top, 23);
  // Made again for a new justification, it keeps its height.
  field.setJustification(3);
  GetWindowRect(field.control()->m_hWnd, &r);
  EXPECT_EQ(r.bottom - r.top, 23);
  EXPECT_TRUE(GetWindowLongPtrW(field.control()->m_hWnd, GWL_STYLE) & ES_RIGHT);
  dialog.removeWidget(&field);
}

TEST_F(TextFields, EnterAndEscInAModalDialogFieldRunTheDialogsButtonsAndCommitOnlyOnLeaving)
{
  for (int key : {VK_RETURN, VK_ESCAPE}) {
    qor::pui::ModalDialog::ButtonOptions ok, cancel;
    ok.show = cancel.show = true;
    qor::pui::ModalDialog dialog("Fields", qor::aip::Size(240, 120), ok, cancel);
    qor::pui::TextField field(Point(10, 10), 100, "typed");
    std::vector<std::string> seen;
    field.setValueChangedCallback(new FunctionCallback([&] { seen.push_back("changed " + field.lastTypedText()); }));
    dialog.addWidget(&field);
    qorwin::setModalHook([&](HWND) {
      EXPECT_TRUE(field.hasFocus());
      qorwin::postKey(key);
    });
    dialog.show();
    EXPECT_EQ(dialog.result(), key == VK_RETURN ? 1 : 2) << key;
    EXPECT_EQ(field.text(), "typed");
    EXPECT_TRUE(seen.empty() || seen == std::vector<std::string>{"changed "}) << key;
    dialog.removeWidget(&field);
  }
}

TEST_F(TextFields, AFieldTiedToALabelIsFocusedAndSelectedByAClickOnTheLabel)
{
  qor::pui::Label caption(Point(120, 10), 60, "Distance");
  qor::pui::Label other(Point(120, 40), 60, "Angle");
  place->window->addWidget(&caption);
  place->window->addWidget(&other);
  first->setAttachedLabel(&caption);
  EXPECT_EQ(caption.attachedTextField(), first.get());
  EXPECT_EQ(first->attachedLabel(), &caption);
  second->focus();
  int clicks = 0;
  caption.setClickCallback(new FunctionCallback([&] { clicks++; }));
  qorwin::click(caption.control()->m_hWnd, 3, 3);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(first->hasFocus());
  EXPECT_EQ(selectionOf(*first), std::make_pair(0, 5));

  // Tied to a second label, the field leaves the first; its click then only runs its callback.
  other.setAttachedTextField(first.get());
  EXPECT_EQ(caption.attachedTextField(), nullptr);
  EXPECT_EQ(first->attachedLabel(), &other);
  second->focus();
  qorwin::click(caption.control()->m_hWnd, 3, 3);
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(first->hasFocus());

  // A disabled label neither reports the click nor focuses its field.
  other.setEnabled(false);
  second->focus();
  qorwin::click(other.control()->m_hWnd, 3, 3);
  EXPECT_FALSE(first->hasFocus());

  // Destroying either side clears the other's pointer.
  first.reset();
  EXPECT_EQ(other.attachedTextField(), nullptr);
  place->window->removeWidget(&caption);
  place->window->removeWidget(&other);
}

TEST_F(TextFields, ALabelDraggedOntoAFieldDropsItsText)
{
  qor::pui::Label source(Point(120, 10), 60, "12.5 pt");
  place->window->addWidget(&source);
  source.setDraggable(true);
  first->setAcceptsDrops(true);
  first->setDropCallback(new FunctionCallback([&] {
    events.push_back("drop " + first->droppedText());
    first->setText(first->droppedText());
  }));
  events.clear();
  ASSERT_TRUE(qorwin::dragAndDrop(source.control()->m_hWnd, 3, 3, {{edit(*first), 6, 6, MK_LBUTTON}}));
  EXPECT_EQ(events, (std::vector<std::string>{"drop 12.5 pt"}));
  EXPECT_EQ(first->text(), "12.5 pt");
  place->window->removeWidget(&source);
}

TEST_F(TextFields, AForeignDropWithoutItsZeroIsReadWithinItsBlock)
{
  first->setAcceptsDrops(true);
  std::string seen;
  first->setDropCallback(new FunctionCallback([&] { seen = first->droppedText(); }));
  const char16_t units[] = {u'4', u'2'};
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof units);
  std::copy(units, units + 2, static_cast<char16_t*>(GlobalLock(block)));
  GlobalUnlock(block);
  COleDataSource data;
  data.CacheGlobalData(CF_UNICODETEXT, block);
  qorwin::scriptDrag({{edit(*first), 3, 4, MK_LBUTTON}});
  EXPECT_EQ(data.DoDragDrop(DROPEFFECT_COPY), DROPEFFECT_COPY);
  EXPECT_EQ(seen, "42");
}

}  // namespace platformfields
}  // namespace fieldstest
