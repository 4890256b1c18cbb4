// The client handle of a modal dialog (window type 20) over a button-less platform dialog: the
// client fills it with widgets, shows it modally and reads how it was ended.
#pragma once

#include <string>

#include "core/qorcoreSize.h"
#include "core/qorcoreWindow.h"

class CWnd;

namespace qor {
namespace pui {
class ModalDialog;
}
namespace core {

class ModalDialog : public Window
{
public:
  // An empty handle.
  ModalDialog();
  // A hidden dialog of the title and content size.
  ModalDialog(const std::string& title, const Size& size);
  // Adopts a platform dialog into a new container (deleted at once without the framework's globals).
  explicit ModalDialog(pui::ModalDialog* dialog);
  // Shares the other handle's container.
  ModalDialog(const ModalDialog& other);
  ~ModalDialog() override;

  Window* clone() const override;
  // The dialog window exists and is visible.
  bool isVisible() const override;
  // Runs the dialog modally; returns when it has ended.
  void show() override;
  bool addWidget(const Widget& widget) override;
  bool removeWidget(const Widget& widget) override;
  // Redraws the dialog's widgets.
  void update() override;
  virtual ModalDialog& operator=(const ModalDialog& other);
  // Destroys the platform dialog; every handle of it becomes empty.
  virtual void destroy();
  virtual CWnd* platformWindow() const;
  // Ends a visible dialog without setting a result.
  virtual void dismiss();
  // 1 Enter ended the dialog, 2 Esc, else 0.
  virtual int32_t result() const;
  virtual std::string title() const;
  virtual void setTitle(const std::string& title);
  virtual Size size() const;
  virtual void setSize(const Size& size);

  // The platform dialog, or null.
  pui::ModalDialog* dialog() const;
};

}  // namespace core
}  // namespace qor
