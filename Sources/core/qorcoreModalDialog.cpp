#include "core/qorcoreModalDialog.h"

#include <algorithm>

#include "aip/qoraipSize.h"
#include "core/qorcoreWidget.h"
#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiWidget.h"
#include "pui/qorpuiWinMfcModalDialog.h"
#include "pui/qorpuiWindow.h"

namespace qor {
namespace core {

ModalDialog::ModalDialog() = default;

ModalDialog::ModalDialog(const std::string& title, const Size& size) : Window(ModalDialogWindowType)
{
  if (__IntWindowData* data = dataOfType(2))
    data->platformWindow = new pui::ModalDialog(title, aip::Size(size.width, size.height));
}

ModalDialog::ModalDialog(pui::ModalDialog* dialog) : Window(ModalDialogWindowType)
{
  if (__IntWindowData* data = dataOfType(2))
    data->platformWindow = dialog;
  else
    delete dialog;
}

ModalDialog::ModalDialog(const ModalDialog& other) : Window()
{
  takeContainer(other.container());
}

ModalDialog::~ModalDialog() = default;

pui::ModalDialog* ModalDialog::dialog() const
{
  __IntWindowData* data = dataOfType(2);
  return data ? static_cast<pui::ModalDialog*>(data->platformWindow) : nullptr;
}

Window* ModalDialog::clone() const
{
  return new ModalDialog(*this);
}

bool ModalDialog::isVisible() const
{
  pui::ModalDialog* platform = dialog();
  CWnd* window = platform ? platform->dialog() : nullptr;
  return window && window->GetSafeHwnd() && ::IsWindowVisible(window->GetSafeHwnd());
}

void ModalDialog::show()
{
  if (pui::ModalDialog* platform = dialog())
    platform->show();
}

bool ModalDialog::addWidget(const Widget& widget)
{
  pui::ModalDialog* platform = dialog();
  if (!platform || !Window::addWidget(widget))
    return false;
  platform->addWidget(widget.platform());
  return true;
}

bool ModalDialog::removeWidget(const Widget& widget)
{
  // A widget of another window keeps its control: only a listed one leaves the platform dialog.
  const std::vector<Widget*> listed = widgets();
  if (std::none_of(listed.begin(), listed.end(), [&](const Widget* present) { return *present == widget; }))
    return false;
  if (pui::ModalDialog* platform = dialog())
    platform->removeWidget(widget.platform());
  return Window::removeWidget(widget);
}

void ModalDialog::update()
{
  pui::ModalDialog* platform = dialog();
  if (platform && platform->window())
    platform->window()->redrawWidgets();
}

ModalDialog& ModalDialog::operator=(const ModalDialog& other)
{
  shareContainer(other);
  return *this;
}

void ModalDialog::destroy()
{
  destroyPlatformWindow();
}

CWnd* ModalDialog::platformWindow() const
{
  pui::ModalDialog* platform = dialog();
  return platform ? platform->dialog() : nullptr;
}

void ModalDialog::dismiss()
{
  if (isVisible())
    dialog()->dismiss();
}

int32_t ModalDialog::result() const
{
  pui::ModalDialog* platform = dialog();
  return platform ? platform->result() : 0;
}

std::string ModalDialog::title() const
{
  pui::ModalDialog* platform = dialog();
  return platform ? platform->title() : std::string();
}

void ModalDialog::setTitle(const std::string& title)
{
  if (pui::ModalDialog* platform = dialog())
    platform->setTitle(title);
}

Size ModalDialog::size() const
{
  pui::ModalDialog* platform = dialog();
  if (!platform)
    return Size();
  const aip::Size size = platform->size();
  return Size(size.width, size.height);
}

void ModalDialog::setSize(const Size& size)
{
  if (pui::ModalDialog* platform = dialog())
    platform->setSize(aip::Size(size.width, size.height));
}

}  // namespace core
}  // namespace qor
