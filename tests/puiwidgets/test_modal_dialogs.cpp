// Platform modal dialogs: the button row, answers by Enter, Esc and clicks, dismiss flags, nesting,
// the running flag and the first text field's focus.
#include "puiwidgetsFixture.h"

#include "hostsimContext.h"
#include "pui/qorpuiButton.h"
#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiWinMfcModalDialog.h"

#include <memory>

namespace test_modal_dialogs {

using qor::pui::ModalDialog;
using puiwidgetstest::PlainWidget;

// Counts its runs.
struct Counter
{
  int runs = 0;
  void run() { ++runs; }
  qor::utils::Callback* callback() { return new qor::utils::__Callback<Counter>(this, &Counter::run); }
};

class ModalDialogs : public puiwidgetstest::Started
{
protected:
  ModalDialog::ButtonOptions button(Counter* counter = nullptr, bool dismisses = true)
  {
    ModalDialog::ButtonOptions options;
    options.show = true;
    options.dismisses = dismisses;
    options.callback = counter ? counter->callback() : nullptr;
    return options;
  }
  static RECT controlRect(qor::pui::Widget* widget)
  {
    RECT r;
    GetWindowRect(widget->control()->m_hWnd, &r);
    MapWindowPoints(nullptr, GetParent(widget->control()->m_hWnd), reinterpret_cast<LPPOINT>(&r), 2);
    return r;
  }
};

TEST_F(ModalDialogs, TheButtonRowSitsAtTheBottomRightAndTheSizeLeavesItOut)
{
  start();
  ModalDialog both("Both", qor::aip::Size(300, 200), button(), button());
  const int frame = GetSystemMetrics(SM_CXDLGFRAME);
  qor::aip::Rect ok = both.defaultButton()->frame();
  qor::aip::Rect cancel = both.cancelButton()->frame();
  EXPECT_EQ(ok.origin.x, 200);
  EXPECT_EQ(ok.origin.y, 220 - frame);
  EXPECT_EQ(cancel.origin.x, 110);
  EXPECT_EQ(ok.size.width, 80);
  EXPECT_EQ(cancel.size.width, 80);
  EXPECT_EQ(both.size().width, 300);
  EXPECT_EQ(both.size().height, 200);
  EXPECT_EQ(both.defaultButton()->style(), 2);
  EXPECT_EQ(both.cancelButton()->style(), 1);
  RECT client;
  GetClientRect(both.window()->nativeWindow()->m_hWnd, &client);
  EXPECT_EQ(client.bottom, 260);
  EXPECT_EQ(both.title(), "Both");
  // The standard labels come from the localiser.
  EXPECT_FALSE(both.defaultButton()->text().empty());

  ModalDialog cancelOnly("Cancel only", qor::aip::Size(300, 200), ModalDialog::ButtonOptions(), button());
  EXPECT_EQ(cancelOnly.cancelButton()->frame().origin.x, 200);
  EXPECT_EQ(cancelOnly.defaultButton(), nullptr);

  // Resizing keeps the buttons at the bottom-right corner.
  both.setSize(qor::aip::Size(400, 250));
  EXPECT_EQ(both.size().width, 400);
  EXPECT_EQ(both.size().height, 250);
  EXPECT_EQ(both.defaultButton()->frame().origin.x, 300);
  EXPECT_EQ(both.defaultButton()->frame().origin.y, 270 - frame);
}

TEST_F(ModalDialogs, EnterEscAndClicksEndTheDialogWithTheirResult)
{
  start();
  struct Case
  {
    const char* what;
    int key;           // a key, or 0 for a click
    bool clickDefault; // which button a click presses
    int result;
    int defaultRuns, cancelRuns;
  } cases[] = {
      {"Enter", VK_RETURN, false, 1, 1, 0},
      {"Esc", VK_ESCAPE, false, 2, 0, 1},
      {"click on the default button", 0, true, 1, 1, 0},
      {"click on the cancel button", 0, false, 2, 0, 1},
  };
  for (const Case& c : cases) {
    Counter ok, cancel;
    ModalDialog dialog("Answer", qor::aip::Size(300, 200), button(&ok), button(&cancel));
    bool showing = false;
    qorwin::setModalHook([&](HWND) {
      showing = globals()->modalDialogShowing;
      if (c.key)
        qorwin::postKey(c.key);
      else
        qorwin::click((c.clickDefault ? dialog.defaultButton() : dialog.cancelButton())->control()->m_hWnd, 5, 5);
    });
    dialog.show();
    EXPECT_EQ(dialog.result(), c.result) << c.what;
    EXPECT_EQ(ok.runs, c.defaultRuns) << c.what;
    EXPECT_EQ(cancel.runs, c.cancelRuns) << c.what;
    EXPECT_TRUE(showing) << c.what;
    EXPECT_FALSE(globals()->modalDialogShowing) << c.what;
    EXPECT_FALSE(dialog.dialog()->IsWindowVisible()) << c.what;
    EXPECT_EQ(qorwin::debugOutput().find("nothing left to do"), std::string::npos) << c.what;
  }
}

TEST_F(ModalDialogs, AButtonThatDoesNotDismissLeavesTheDialogOpenButEnterEndsIt)
{
  start();
  Counter ok;
  ModalDialog dialog("Stay", qor::aip::Size(300, 200), button(&ok, false), button());
  int resultAfterClick = -1;
  bool openAfterClick = false;
  qorwin::setModalHook([&](HWND window) {
    qorwin::click(dialog.defaultButton()->control()->m_hWnd, 5, 5);
    resultAfterClick = dialog.result();
    openAfterClick = IsWindowVisible(window) != FALSE;
    qorwin::postKey(VK_RETURN);
  });
  dialog.show();
  EXPECT_EQ(resultAfterClick, 1);
  EXPECT_TRUE(openAfterClick);
  EXPECT_EQ(ok.runs, 2); // the click and Enter
  EXPECT_EQ(dialog.result(), 1);

  // Shown again, it runs again; unanswered, it ends as if Esc were pressed.
  qorwin::setModalHook(nullptr);
  dialog.show();
  EXPECT_EQ(dialog.result(), 2);
  EXPECT_NE(qorwin::debugOutput().find("Modal loop of \"Stay\" has nothing left to do"), std::string::npos);
}

TEST_F(ModalDialogs, ADialogOpenedFromARunningOneIsOwnedByIt)
{
  start();
  HWND main = reinterpret_cast<HWND>(app.area<hostsim::Context>().mainWindow());
  size_t dialogs = globals()->modalDialogs.size();
  ModalDialog first("First", qor::aip::Size(200, 100), ModalDialog::ButtonOptions(), button());
  EXPECT_EQ(GetWindow(first.dialog()->m_hWnd, GW_OWNER), main);
  std::unique_ptr<ModalDialog> second;
  HWND secondOwner = nullptr;
  bool firstEnabled = true;
  qorwin::setModalHook([&](HWND window) {
    if (window == first.dialog()->m_hWnd) {
      second.reset(new ModalDialog("Second", qor::aip::Size(200, 100), ModalDialog::ButtonOptions(), button()));
      secondOwner = GetWindow(second->dialog()->m_hWnd, GW_OWNER);
      second->show();
      qorwin::postKey(VK_RETURN);
    } else {
      firstEnabled = IsWindowEnabled(first.dialog()->m_hWnd) != FALSE;
      qorwin::postKey(VK_ESCAPE);
    }
  });
  first.show();
  EXPECT_EQ(secondOwner, first.dialog()->m_hWnd);
  EXPECT_FALSE(firstEnabled);
  EXPECT_EQ(second->result(), 2);
  EXPECT_EQ(first.result(), 1);
  EXPECT_TRUE(IsWindowEnabled(first.dialog()->m_hWnd));
  EXPECT_EQ(globals()->modalDialogs.size(), dialogs + 2);
  second.reset();
  EXPECT_EQ(globals()->modalDialogs.size(), dialogs + 1);
}

TEST_F(ModalDialogs, TheFirstEnabledTextFieldHasTheFocusWhenTheDialogShows)
{
  start();
  ModalDialog dialog("Fields", qor::aip::Size(300, 200));
  PlainWidget label(qor::aip::Rect(10, 10, 100, 20));
  PlainWidget disabledField(qor::aip::Rect(10, 40, 100, 20), qor::pui::TextFieldWidgetKind);
  PlainWidget field(qor::aip::Rect(10, 70, 100, 20), qor::pui::TextFieldWidgetKind);
  disabledField.setEnabled(false);
  dialog.addWidget(&label);
  dialog.addWidget(&disabledField);
  dialog.addWidget(&field);
  dialog.addWidget(&field);
  EXPECT_EQ(dialog.widgets()->size(), 3u);
  HWND focus = nullptr;
  qorwin::setModalHook([&](HWND) {
    focus = GetFocus();
    dialog.dismiss();
  });
  dialog.show();
  EXPECT_EQ(focus, field.control()->m_hWnd);
  EXPECT_EQ(dialog.result(), 0);
}

TEST_F(ModalDialogs, AtAScaleTheDialogAndItsWidgetsGrow)
{
  scaleUI(1);
  qorwin::setDisplayDpi(144);
  start();
  ModalDialog dialog("Scaled", qor::aip::Size(300, 200), button(), ModalDialog::ButtonOptions());
  EXPECT_EQ(dialog.dpiStep(), 1.5);
  RECT client;
  GetClientRect(dialog.dialog()->m_hWnd, &client);
  EXPECT_EQ(client.right, 450);
  EXPECT_EQ(client.bottom, 390);
  EXPECT_EQ(dialog.size().height, 200);
  // The default button: (200, 260 - frame) in units, 82 × 21 with its inset.
  RECT r = controlRect(dialog.defaultButton());
  EXPECT_EQ(r.left, 300);
  EXPECT_EQ(r.right - r.left, 123);
  EXPECT_EQ(r.bottom - r.top, 32); // 31.5 rounded away from zero
  EXPECT_EQ(dialog.defaultButton()->frame().origin.x, 200);
}

} // namespace test_modal_dialogs
