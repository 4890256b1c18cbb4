// The client handles of text fields and the label ties: selections in UTF-8 bytes against the edit
// control's characters, the code mappings, wrappers of tied partners, and empty handles.
#include "fieldsFixture.h"

#include "core/qorcoreLabel.h"
#include "core/qorcorePanel.h"
#include "core/qorcoreTextField.h"
#include "pui/qorpuiTextField.h"

namespace fieldstest {
namespace fieldhandles {

using qor::core::Point;

class FieldHandles : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    place = std::make_unique<TestWindow>();
  }
  void TearDown() override
  {
    place.reset();
    Started::TearDown();
  }
  // A field placed in the window, showing the text.
  qor::core::TextField placed(const std::string& text)
  {
    qor::core::TextField field(Point(10, 10), text, 120);
    place->window->addWidget(field.platform());
    return field;
  }
  std::unique_ptr<TestWindow> place;
};

TEST_F(FieldHandles, SelectionsInBytesMatchTheEditControlsCharacters)
{
  struct Case
  {
    const char* what;
    std::string text;
    int32_t unitStart, unitLength; // in the edit control
    int32_t byteStart, byteLength; // in UTF-8
  };
  const Case cases[] = {
      {"last three of four, the second two bytes", "a\xC3\xA9xy", 1, 3, 1, 4},
      {"all", "a\xC3\xA9xy", 0, 4, 0, 5},
      {"caret at the end", "a\xC3\xA9xy", 4, 0, 5, 0},
      {"caret at the start", "abc", 0, 0, 0, 0},
      {"a character outside the basic plane", "a\xF0\x9F\x98\x80" "b", 1, 2, 1, 4},
      {"after a character outside the basic plane", "a\xF0\x9F\x98\x80" "b", 3, 1, 5, 1},
  };
  for (const Case& c : cases) {
    qor::core::TextField field = placed(c.text);
    field.setSelectionInChars(c.unitStart, c.unitLength);
    int32_t start = -1, length = -1;
    ASSERT_TRUE(field.selection(start, length)) << c.what;
    EXPECT_EQ(start, c.byteStart) << c.what;
    EXPECT_EQ(length, c.byteLength) << c.what;
    field.setSelectionInChars(0, 0);
    field.setSelection(c.byteStart, c.byteLength);
    ASSERT_TRUE(field.selectionInChars(start, length)) << c.what;
    EXPECT_EQ(start, c.unitStart) << c.what;
    EXPECT_EQ(length, c.unitLength) << c.what;
    place->window->removeWidget(field.platform());
  }
}

TEST_F(FieldHandles, ByteOffsetsInsideACharacterOrPastTheTextAreHandledSafely)
{
  qor::core::TextField field = placed("a\xC3\xA9xy");
  struct Case
  {
    const char* what;
    int32_t start, length;
    int32_t unitStart, unitLength; // the selection afterwards; it starts as (1, 1)
  };
  const Case cases[] = {
      {"start inside a character", 2, 1, 1, 1},
      {"end inside a character", 0, 2, 1, 1},
      {"start past the text", 9, 0, 1, 1},
      {"end past the text: a caret at the start", 3, 10, 2, 0},
      {"negative start", -1, 2, 1, 1},
  };
  for (const Case& c : cases) {
    field.setSelectionInChars(1, 1);
    field.setSelection(c.start, c.length);
    int32_t start = -1, length = -1;
    ASSERT_TRUE(field.selectionInChars(start, length)) << c.what;
    EXPECT_EQ(start, c.unitStart) << c.what;
    EXPECT_EQ(length, c.unitLength) << c.what;
  }
}

TEST_F(FieldHandles, CodesMapToThePlatformsAndBack)
{
  qor::core::TextField field(Point(0, 0), "x", 50);
  for (int32_t code : {15, 10, 0})
  {
    field.setJustification(code);
    EXPECT_EQ(field.justification(), 10) << code;
  }
  field.setJustification(30);
  EXPECT_EQ(field.justification(), 30);
  EXPECT_EQ(dynamic_cast<qor::pui::TextField*>(field.platform())->justification(), 3);
  EXPECT_EQ(field.type(), qor::core::TextFieldWidgetType);
}

TEST_F(FieldHandles, TiedPartnersComeBackAsNewHandlesOfTheSameWidgets)
{
  qor::core::TextField field(Point(0, 0), "x", 50);
  qor::core::Label label(Point(0, 30), "Label", 50);
  EXPECT_EQ(field.attachedLabel(), nullptr);
  EXPECT_EQ(label.attachedTextField(), nullptr);
  field.setAttachedLabel(label);
  std::unique_ptr<qor::core::Label> back(field.attachedLabel());
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->platform(), label.platform());
  std::unique_ptr<qor::core::TextField> forth(label.attachedTextField());
  ASSERT_NE(forth, nullptr);
  EXPECT_EQ(forth->platform(), field.platform());
  // A label tied to a field has no panel.
  EXPECT_EQ(label.attachedPanel(), nullptr);
  field.clearAttachedLabel();
  EXPECT_EQ(label.attachedTextField(), nullptr);
}

TEST_F(FieldHandles, CloneCopiesTheFieldAndItsCallbacksButNotItsTie)
{
  qor::core::TextField field(Point(5, 6), "text", 50);
  qor::core::Label label(Point(0, 30), "Label", 50);
  field.setAttachedLabel(label);
  int runs = 0;
  field.setValueChangedCallback(ClientCallback([&] { runs++; }));
  std::unique_ptr<qor::core::Widget> copy(field.clone());
  auto* clone = dynamic_cast<qor::core::TextField*>(copy.get());
  ASSERT_NE(clone, nullptr);
  EXPECT_NE(clone->platform(), field.platform());
  EXPECT_EQ(clone->text(), "text");
  EXPECT_EQ(clone->frame().origin.x, 5);
  EXPECT_EQ(clone->attachedLabel(), nullptr);
  clone->fireValueChanged();
  EXPECT_EQ(runs, 1);
}

TEST_F(FieldHandles, EmptyHandlesDoNothing)
{
  qor::core::TextField empty;
  stop();
  qor::core::TextField late(Point(0, 0), "made without the plug-in", 50);
  EXPECT_TRUE(late.isEmpty());
  for (qor::core::TextField* handle : {&empty, &late}) {
    int32_t start = 7, length = 7;
    EXPECT_FALSE(handle->selection(start, length));
    EXPECT_EQ(start, 7);
    handle->setSelection(0, 1);
    EXPECT_EQ(handle->justification(), 0);
    EXPECT_EQ(handle->lastTypedText(), "");
    EXPECT_EQ(handle->attachedLabel(), nullptr);
    EXPECT_EQ(handle->valueChangedCallback(), nullptr);
    EXPECT_EQ(handle->dropText(), "");
    EXPECT_EQ(handle->clone(), nullptr);
  }
}

}  // namespace fieldhandles
}  // namespace fieldstest
