#include "core/qorcoreModalDialog.h"

#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiWindowLists.h"

namespace qor {
namespace core {

class __IntModalDialogContainer
{
public:
  int refCount = 1;
  pui::ModalDialog* dialog = nullptr;
};

ModalDialog::ModalDialog(pui::ModalDialog* dialog) : container(new __IntModalDialogContainer())
{
  container->dialog = dialog;
}

ModalDialog::ModalDialog(const ModalDialog& other) : container(other.container)
{
  ++container->refCount;
}

ModalDialog::~ModalDialog()
{
  if (--container->refCount > 0)
    return;
  // The last handle takes the platform dialog with it, while the plug-in's globals exist.
  if (pui::BasePlugin::instance())
    delete container->dialog;
  delete container;
}

void ModalDialog::destroy()
{
  if (!pui::BasePlugin::instance())
    return;
  delete container->dialog;
  container->dialog = nullptr;
}

pui::ModalDialog* ModalDialog::dialog() const
{
  return container->dialog;
}

}  // namespace core
}  // namespace qor
