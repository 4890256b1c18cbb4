// The client handle of a modal dialog: a small value object over a shared, reference-counted
// container of the platform dialog (the least the lifecycle needs).
#pragma once

namespace qor {
namespace pui {
class ModalDialog;
}
namespace core {

class __IntModalDialogContainer;

class ModalDialog
{
public:
  // Adopts the platform dialog.
  explicit ModalDialog(pui::ModalDialog* dialog);
  // Shares the other handle's container.
  ModalDialog(const ModalDialog& other);
  ModalDialog& operator=(const ModalDialog&) = delete;
  virtual ~ModalDialog();

  // Destroys the platform dialog; the handle stays valid.
  virtual void destroy();
  pui::ModalDialog* dialog() const;

private:
  __IntModalDialogContainer* container;
};

}  // namespace core
}  // namespace qor
