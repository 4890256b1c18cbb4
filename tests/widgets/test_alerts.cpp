// The framework's alert dialogs, answered through the modal hook: results 3, 2 and 1, Enter and Esc,
// line ends, wrapped messages, widened buttons, switched-off alerts; and the plug-in's welcome alert
// answered and reported by the simulated host program.
#include <cstdlib>

#include "core/qorcoreAlert.h"
#include "hostsimDialogs.h"
#include "hostsimEncoding.h"
#include "pui/qorpuiButton.h"
#include "pui/qorpuiTextWidget.h"
#include "pui/qorpuiUiGlobals.h"
#include "widgetsFixture.h"

namespace widgetstest {

// A control of a shown dialog: its text and rectangle in the dialog's client pixels.
struct Control
{
  HWND window;
  std::string text;
  RECT rect;
};

std::vector<Control> controlsOf(HWND dialog)
{
  std::vector<Control> controls;
  EnumChildWindows(
      dialog,
      [](HWND window, LPARAM param) -> BOOL {
        auto* out = reinterpret_cast<std::vector<Control>*>(param);
        std::u16string text(size_t(GetWindowTextLengthW(window)) + 1, u'\0');
        text.resize(size_t(GetWindowTextW(window, &text[0], int(text.size()))));
        Control control{window, hostsim::utf16ToUtf8(text), {}};
        GetWindowRect(window, &control.rect);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&control.rect), 2);
        out->push_back(control);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&controls));
  return controls;
}

const Control* find(const std::vector<Control>& controls, const std::string& text)
{
  for (const Control& control : controls)
    if (control.text == text)
      return &control;
  return nullptr;
}

class Alerts : public Started {
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
  }
  void TearDown() override
  {
    qorwin::setModalHook(nullptr);
    Started::TearDown();
  }
  // Answers the next alerts by clicking the button with this text, or with Enter or Esc.
  void answer(const std::string& how)
  {
    qorwin::setModalHook([this, how](HWND dialog) {
      seen = controlsOf(dialog);
      if (how == "Enter" || how == "Esc") {
        PostMessageW(dialog, WM_COMMAND, how == "Enter" ? IDOK : IDCANCEL, 0);
        return;
      }
      const Control* button = find(seen, how);
      ASSERT_TRUE(button) << how;
      qorwin::click(button->window, 5, 5);
    });
  }
  std::vector<Control> seen;
};

TEST_F(Alerts, ChoicesReportTheButtonEnterOrEsc)
{
  const struct
  {
    const char* how;
    int result;
  } cases[] = {{"Replace", 3}, {"Keep", 2}, {"Enter", 3}, {"Esc", 2}};
  for (const auto& c : cases) {
    answer(c.how);
    EXPECT_EQ(qor::core::alertWithChoices("Replace the file?", "Replace", "Keep"), c.result) << c.how;
    EXPECT_TRUE(find(seen, "Replace the file?"));
  }
}

TEST_F(Alerts, ThirdButtonRunsItsCallbackAndReportsOne)
{
  struct Flag
  {
    bool ran = false;
    void run() { ran = true; }
  } flag;
  qor::core::AlertDescription description;
  description.message = "Save changes?";
  description.firstLabel = "Save";
  description.secondLabel = "Cancel";
  description.thirdLabel = "Don't Save";
  description.thirdCallback = new qor::utils::__Callback<Flag>(&flag, &Flag::run);
  answer("Don't Save");
  EXPECT_EQ(qor::core::showAlertDialog(description), 1);
  EXPECT_TRUE(flag.ran);
  const Control *save = find(seen, "Save"), *cancel = find(seen, "Cancel"), *third = find(seen, "Don't Save");
  ASSERT_TRUE(save && cancel && third);
  // 90 left of the cancel button, 80 wide (plus its inset of 2), then widened leftwards for its label.
  EXPECT_EQ(third->rect.right, cancel->rect.left - 90 + 82);
  EXPECT_EQ(third->rect.right - third->rect.left,
            std::max(82, int(qor::pui::buttonWidthForHeight("Don't Save", 21, 12)) + 2));
}

TEST_F(Alerts, OneButtonWithTheLocalisedOkText)
{
  answer("Enter");
  qorwin::clearDebugOutput();
  qor::core::messageAlert("Done.");
  EXPECT_EQ(qorwin::debugOutput(), "Alert: Done.\n");
  int buttons = 0;
  for (const Control& control : seen)
    buttons += control.text == "OK";
  EXPECT_EQ(buttons, 1);
  EXPECT_TRUE(find(seen, "Done."));
}

TEST_F(Alerts, LineEndsBecomeLineFeedsAndLongMessagesWrap)
{
  answer("Enter");
  qor::core::messageAlert("one\r\ntwo\rthree");
  EXPECT_TRUE(find(seen, "one\ntwo\nthree"));

  std::string words;
  for (int i = 0; i < 60; ++i)
    words += "wrapping ";
  qor::core::messageAlert(words);
  const Control* message = find(seen, words);
  ASSERT_TRUE(message);
  const double oneLine = qor::pui::textHeightForWidth("wrapping", 408, 12);
  const double wrapped = qor::pui::textHeightForWidth(words, 408, 12);
  ASSERT_GT(oneLine, 0);
  EXPECT_GT(wrapped, 2 * oneLine) << "the message wraps at 408 pixels";
  EXPECT_EQ(message->rect.bottom - message->rect.top, int(wrapped));
  EXPECT_EQ(message->rect.right - message->rect.left, 408);
}

TEST_F(Alerts, LongFirstLabelWidensLeftwardsAndTheSecondKeepsItsGap)
{
  const std::string label = "Replace every file in the folder";
  answer("Enter");
  qor::core::alertWithChoices("Really?", label, "No");
  const Control *first = find(seen, label), *second = find(seen, "No");
  ASSERT_TRUE(first && second);
  const int width = first->rect.right - first->rect.left;
  // The button's own width is 80 + 2 (its inset) until the label needs more.
  EXPECT_EQ(width, int(qor::pui::buttonWidthForHeight(label, 21, 12)) + 2);
  EXPECT_EQ(first->rect.right, 496 - 100 + 82) << "the right edge stays";
  EXPECT_EQ(first->rect.left - second->rect.right, 10 - 2) << "the 10-unit gap between the buttons' frames";
}

TEST_F(Alerts, SwitchedOffAlertsDeleteTheirCallbacksAndAnswerOne)
{
  struct Watched : qor::core::Callback
  {
    explicit Watched(int* deleted) : deleted(deleted) {}
    ~Watched() override { ++*deleted; }
    void execute() override {}
    Callback* clone() const override { return new Watched(deleted); }
    int* deleted;
  };
  int deleted = 0;
  qor::pui::BasePlugin::instance()->uiGlobals()->alertsEnabled = false;
  bool shown = false;
  qorwin::setModalHook([&](HWND) { shown = true; });
  EXPECT_EQ(qor::core::alertWithCallbacks("Quiet", "A", new Watched(&deleted), "B", new Watched(&deleted)), 1);
  EXPECT_EQ(deleted, 2);
  EXPECT_FALSE(shown);
}

TEST(WelcomeAlert, HostsimAnswersAndReportsIt)
{
  prefsTest::TempFolder appData;
  struct Run
  {
    std::string answer;
    std::string report;
  } runs[] = {{"default", ""}, {"cancel", ""}};
  for (Run& run : runs) {
    const std::string out = appData.file("out-" + run.answer);
    const std::string command = "LOCALAPPDATA='" + appData.file(run.answer) + "' '" QOR_HOSTSIM_PROGRAM "' '" QOR_PLUGIN_MODULE
                                "' --quiet --report --answer " + run.answer + " >'" + out + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    run.report = prefsTest::readBytes(out);
    EXPECT_NE(run.report.find("Dialogs: 1\n  \"Adobe Illustrator\"\n    text: Welcome to Junctate! \n\nPlugin successfully"),
              std::string::npos)
        << run.report;
    EXPECT_NE(run.report.find("    buttons: [OK]\n"), std::string::npos) << run.report;
  }
  EXPECT_NE(runs[0].report.find("answered: Enter"), std::string::npos);
  EXPECT_NE(runs[1].report.find("answered: Esc"), std::string::npos);

  const std::string command = "'" QOR_HOSTSIM_PROGRAM "' '" QOR_PLUGIN_MODULE "' --answer sometimes >/dev/null 2>&1";
  EXPECT_NE(std::system(command.c_str()), 0) << "an answer hostsim does not know";
}

}  // namespace widgetstest
