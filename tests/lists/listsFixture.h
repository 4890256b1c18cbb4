// The plug-in started in-process in the simulated host for tests of the entry lists: a modal dialog
// that holds the widgets while a test body drives them, and callbacks that log what ran.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWidget.h"
#include "utils/qorutilsCallback.h"
#include "widgets/widgetsFixture.h"
#include "win/CommCtrl.h"
#include "win/WinTest.h"

namespace liststest {

// Logs a line each time it runs, made by a function given at construction.
class LogCallback : public qor::utils::Callback
{
public:
  LogCallback(std::vector<std::string>* log, std::function<std::string()> line) : log_(log), line_(std::move(line)) {}
  void execute() override { log_->push_back(line_()); }
  qor::utils::Callback* clone() const override { return new LogCallback(log_, line_); }

private:
  std::vector<std::string>* log_;
  std::function<std::string()> line_;
};

class Lists : public widgetstest::Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
  }
  void TearDown() override
  {
    qorwin::setModalHook(nullptr);
    // Widgets go while the plug-in's globals still exist, as the plug-in's own do.
    while (!kept.empty())
      kept.pop_back();
    Started::TearDown();
  }

  // A widget that lives until the test ends.
  template <class W> W& keep(W* widget)
  {
    kept.emplace_back(widget);
    return *widget;
  }
  std::vector<std::unique_ptr<qor::pui::Widget>> kept;

  static UiGlobals* globals() { return qor::pui::BasePlugin::instance()->uiGlobals(); }

  // Shows a dialog of this size holding the widgets, runs the body while it shows, then closes it.
  void inDialog(const std::vector<qor::pui::Widget*>& widgets, const std::function<void(HWND)>& body,
                qor::aip::Size size = qor::aip::Size(360, 260))
  {
    qor::pui::ModalDialog dialog("Lists", size);
    for (qor::pui::Widget* widget : widgets)
      dialog.addWidget(widget);
    qorwin::setModalHook([&](HWND shown) {
      body(shown);
      PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
    });
    dialog.show();
    qorwin::setModalHook(nullptr);
    for (qor::pui::Widget* widget : widgets)
      dialog.removeWidget(widget);
  }

  static HWND hwnd(qor::pui::Widget& widget) { return widget.control()->m_hWnd; }

  // The middle of a list view row, in the control's client pixels.
  static POINT rowPoint(qor::pui::Widget& list, int row)
  {
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(hwnd(list), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    return POINT{(r.left + r.right) / 2 < 40 ? (r.left + r.right) / 2 : 40, (r.top + r.bottom) / 2};
  }

  static void press(int key)
  {
    qorwin::postKey(key);
    qorwin::pump();
  }
  static void type(const std::u16string& text)
  {
    qorwin::postText(text);
    qorwin::pump();
  }
};

}  // namespace liststest
