// Golden pictures of the framework's dialogs as the Windows layer paints them: alerts with their icon
// and wrapped message, and a modal dialog with labels and buttons, in the light and the dark theme,
// with enabled, disabled, focused and hovered buttons.
#include "core/qorcoreAlert.h"
#include "hostsimTheme.h"
#include "pui/qorpuiButton.h"
#include "pui/qorpuiLabel.h"
#include "pui/qorpuiModalDialog.h"
#include "support/golden.h"
#include "widgets/widgetsFixture.h"
#include "win/WinUser.h"

#include <functional>

namespace paintwintest {

class DialogPictures : public widgetstest::Started, public ::testing::WithParamInterface<bool> {
protected:
  void SetUp() override
  {
    Started::SetUp();
    app.area<hostsim::Theme>().setDark(dark());
    start();
  }
  void TearDown() override
  {
    qorwin::setModalHook(nullptr);
    Started::TearDown();
  }
  bool dark() const { return GetParam(); }
  std::string named(const std::string& what) const { return what + (dark() ? "_dark" : "_light"); }
};

TEST_P(DialogPictures, AnAlertShowsItsIconWrappedMessageAndButtons)
{
  qorwin::Picture picture;
  qorwin::setModalHook([&](HWND dialog) {
    picture = qorwin::snapshot(dialog);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  qor::core::alertWithChoices("The selected paths could not be joined: their endpoints are further apart than "
                              "the distance set in the options, and no path was changed.",
                              "Join Anyway", "Cancel");
  EXPECT_TRUE(qortest::matchesGolden(picture, named("alert")));
}

TEST_P(DialogPictures, AModalDialogWithLabelsAndButtonsInEveryState)
{
  qor::pui::ModalDialog::ButtonOptions ok, cancel;
  ok.show = cancel.show = true;
  qor::pui::ModalDialog dialog("Join Options", qor::aip::Size(320, 130), ok, cancel);
  qor::pui::Label heading(qor::aip::Point(20, 14), 280, "Join endpoints that are within the distance:");
  qor::pui::Label note(qor::aip::Point(20, 38), 280,
                       "Paths whose endpoints are further apart are left as they are, and the selection "
                       "keeps every path it had.");
  note.setHeight(44);
  qor::pui::Button enabled(qor::aip::Point(20, 96), 80, "Preview", nullptr);
  qor::pui::Button disabled(qor::aip::Point(110, 96), 80, "Reset", nullptr);
  qor::pui::Button hovered(qor::aip::Point(200, 96), 80, "Help", nullptr);
  disabled.setEnabled(false);
  for (qor::pui::Widget* widget : std::initializer_list<qor::pui::Widget*>{&heading, &note, &enabled, &disabled, &hovered})
    dialog.addWidget(widget);
  qorwin::Picture picture;
  qorwin::setModalHook([&](HWND shown) {
    enabled.focus();
    qorwin::mouseMove(hovered.control()->m_hWnd, 10, 10);
    picture = qorwin::snapshot(shown);
    PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
  });
  dialog.show();
  EXPECT_TRUE(qortest::matchesGolden(picture, named("dialog")));
}

// The shared tooltip window: a top-level dialog whose style is exactly WS_POPUP.
HWND tooltipWindow()
{
  for (HWND top = GetTopWindow(nullptr); top; top = GetWindow(top, GW_HWNDNEXT)) {
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(top, GWL_STYLE)) & ~static_cast<DWORD>(WS_VISIBLE);
    if (style == static_cast<DWORD>(WS_POPUP) && IsWindowVisible(top))
      return top;
  }
  return nullptr;
}

TEST_P(DialogPictures, ATooltipShowsItsWrappedTextInAFrame)
{
  qor::pui::ModalDialog dialog("Tooltip", qor::aip::Size(200, 60));
  qor::pui::Button button(qor::aip::Point(20, 20), 80, "Join", nullptr);
  button.setTooltip("Joins the selected paths where their endpoints are closer than the distance set in the "
                    "options.");
  dialog.addWidget(&button);
  qorwin::Picture picture;
  qorwin::setModalHook([&](HWND shown) {
    qorwin::mouseMove(button.control()->m_hWnd, 10, 10);
    qorwin::advance(1100);
    picture = qorwin::snapshot(tooltipWindow());
    PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
  });
  dialog.show();
  EXPECT_TRUE(qortest::matchesGolden(picture, named("tooltip")));
}

INSTANTIATE_TEST_SUITE_P(Themes, DialogPictures, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Dark" : "Light"; });

} // namespace paintwintest

namespace paintwintest {

// Runs the hostsim program on the plug-in as on its first start (an application-data folder of the
// run's own); its exit code, and what it wrote to stderr in *err.
int runHostsim(const prefsTest::TempFolder& folder, const std::string& arguments, std::string* err)
{
  static int runs = 0;
  const std::string errFile = folder.file("err.txt");
  const std::string command = "LOCALAPPDATA='" + folder.file("appdata" + std::to_string(++runs)) + "' '" QOR_HOSTSIM_PROGRAM "' '" QOR_PLUGIN_MODULE
                              "' --quiet " + arguments + " >/dev/null 2>'" + errFile + "'";
  int status = std::system(command.c_str());
  *err = prefsTest::readBytes(errFile);
  return status;
}

TEST(HostsimSnapshot, WritesADialogWhenItShowsAndNamesTheTitlesThereWere)
{
  prefsTest::TempFolder folder;
  std::string err;
  EXPECT_NE(runHostsim(folder, "--snapshot 'No Such Window' '" + folder.file("none.png") + "'", &err), 0);
  const std::string lead = "hostsim: --snapshot: no window \"No Such Window\"; the windows were: \"";
  const size_t at = err.find(lead);
  ASSERT_NE(at, std::string::npos) << err;
  // The first title listed is the welcome alert's, shown while the plug-in starts.
  const size_t start = at + lead.size();
  const std::string title = err.substr(start, err.find('"', start) - start);
  ASSERT_FALSE(title.empty());

  const std::string file = folder.file("welcome.png");
  EXPECT_EQ(runHostsim(folder, "--snapshot '" + title + "' '" + file + "'", &err), 0) << err;
  qorwin::Picture picture = qorwin::Picture::loadPng(file);
  EXPECT_GT(picture.width, 300);
  EXPECT_GT(picture.height, 100);

  EXPECT_NE(runHostsim(folder, "--snapshot onlyone", &err), 0) << "a title and a file";
}

} // namespace paintwintest
