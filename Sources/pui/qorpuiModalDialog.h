// The platform side of a modal dialog: a captioned dialog whose client area is one content view that
// holds the dialog's widgets, with an optional row of a default and a cancel button, and the result
// that says which of them (or Enter or Esc) ended it.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipSize.h"
#include "utils/qorutilsCallback.h"
#include "utils/qorutilsList.h"
#include "win/Afx.h"

namespace qor {
namespace pui {

class Button;
class Widget;
class Window;
class WinMfcModalDialog;

class ModalDialog
{
public:
  // One button of the row.
  class ButtonOptions
  {
  public:
    ButtonOptions() = default;
    ButtonOptions(const ButtonOptions& other);
    ButtonOptions& operator=(const ButtonOptions& other);
    virtual ~ButtonOptions();

    bool show = false;
    // Pressing the button ends the dialog.
    bool dismisses = true;
    // Empty: the localised "OKBtnTextKey" or "CancelBtnTextKey".
    std::string label;
    // Owned; run when the button is pressed.
    utils::Callback* callback = nullptr;
  };

  // The client size in units, without buttons.
  ModalDialog(const std::string& title, const aip::Size& size);
  // With a button row, which adds 60 units to the height when either button shows.
  ModalDialog(const std::string& title, const aip::Size& size, const ButtonOptions& defaultOptions,
              const ButtonOptions& cancelOptions);
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;
  virtual ~ModalDialog();

  void addWidget(Widget* widget);
  void removeWidget(Widget* widget);
  // Runs the dialog modally; returns when it has ended.
  void show();
  // Ends the dialog when it is visible.
  void dismiss();
  // 0 none, 1 the default button or Enter ended it, 2 the cancel button or Esc.
  int32_t result() const { return result_; }
  void setResult(int32_t result) { result_ = result; }
  void setTitle(const std::string& title);
  std::string title() const;
  void setSize(const aip::Size& size);
  aip::Size size() const;
  void defaultPressed();
  void cancelPressed();

  Window* window() const { return window_; }
  WinMfcModalDialog* dialog() const { return dialog_; }
  Button* defaultButton() const { return defaultButton_; }
  Button* cancelButton() const { return cancelButton_; }
  utils::List<Widget*>* widgets() const { return widgets_; }

  // The dialog's DPI step: 1 unless the host scales its interface; then 2, 1.5, the host's snap factor
  // or 1 from the display's LOGPIXELSY / 96.
  double dpiStep() const;

private:
  void createWindow(const aip::Size& size);
  void buildButtons(const std::string& title, const aip::Size& size, const ButtonOptions& defaultOptions,
                    const ButtonOptions& cancelOptions);
  Button* makeButton(const ButtonOptions& options, const char* labelKey, double x, void (ModalDialog::*pressed)());
  bool hasButtons() const { return defaultButton_ || cancelButton_; }

  Window* window_ = nullptr;
  WinMfcModalDialog* dialog_ = nullptr;
  bool defaultDismisses_ = true;
  bool cancelDismisses_ = true;
  utils::Callback* defaultCallback_ = nullptr;
  utils::Callback* cancelCallback_ = nullptr;
  Button* defaultButton_ = nullptr;
  Button* cancelButton_ = nullptr;
  int32_t result_ = 0;
  std::string title_;
  aip::Size size_;
  utils::List<Widget*>* widgets_ = nullptr;
  CFont font_;
};

// Repaints every framework modal dialog (after the interface brightness changed).
void redrawAllModalDialogs();

}  // namespace pui
}  // namespace qor
