#include "pui/qorpuiWinMfcModalDialog.h"

#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

BEGIN_MESSAGE_MAP(WinMfcModalDialog, CDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

WinMfcModalDialog::WinMfcModalDialog(CWnd* parent) : CDialog(20, parent) {}

WinMfcModalDialog::~WinMfcModalDialog() = default;

BOOL WinMfcModalDialog::Create(UINT templateId, CWnd* parent)
{
  return CDialog::Create(templateId, parent);
}

HWND WinMfcModalDialog::PreModal()
{
  if (CWinApp* app = AfxGetApp())
    app->EnableModeless(FALSE);
  CWnd* owner = GetSafeOwner(m_pParentWnd, &m_hWndTop);
  return owner ? owner->GetSafeHwnd() : nullptr;
}

void WinMfcModalDialog::PostModal()
{
  if (m_hWndTop && ::IsWindow(m_hWndTop))
    ::EnableWindow(m_hWndTop, TRUE);
  m_hWndTop = nullptr;
  if (CWinApp* app = AfxGetApp())
    app->EnableModeless(TRUE);
}

INT_PTR WinMfcModalDialog::DoModal()
{
  HWND owner = PreModal();
  bool ownerDisabled = false;
  if (owner && owner != ::GetDesktopWindow() && ::IsWindowEnabled(owner)) {
    ::EnableWindow(owner, FALSE);
    ownerDisabled = true;
  }
  CWnd* main = AfxGetMainWnd();
  bool mainDisabled = false;
  if (main && main->GetSafeHwnd() && main->GetSafeHwnd() != owner && main->IsWindowEnabled()) {
    main->EnableWindow(FALSE);
    mainDisabled = true;
  }
  // The first enabled text field starts with the focus and all its text selected.
  if (this->owner && this->owner->widgets()) {
    for (Widget* widget : *this->owner->widgets()) {
      if (!widget || widget->kind() != TextFieldWidgetKind || !widget->enabled())
        continue;
      if (widget->hasControl()) {
        widget->focus();
        HWND field = widget->control()->m_hWnd;
        ::SendMessageW(field, EM_SETSEL, 0, ::GetWindowTextLengthW(field));
        ::SendMessageW(field, EM_SCROLLCARET, 0, 0);
      }
      break;
    }
  }
  int savedFlags = m_nFlags;
  try {
    if (m_nFlags & WF_CONTINUEMODAL) {
      RunModalLoop(MLF_SHOWONIDLE | ((GetStyle() & DS_NOIDLEMSG) ? MLF_NOIDLEMSG : 0));
      ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
  } catch (...) {
    m_nModalResult = -1;
  }
  if (mainDisabled)
    main->EnableWindow(TRUE);
  if (ownerDisabled)
    ::EnableWindow(owner, TRUE);
  if (owner && ::GetActiveWindow() == m_hWnd)
    ::SetActiveWindow(owner);
  PostModal();
  // The same dialog can run modally again.
  m_nFlags = savedFlags;
  return m_nModalResult;
}

void WinMfcModalDialog::OnOK()
{
  if (owner) {
    owner->setResult(1);
    owner->defaultPressed();
  }
  CDialog::OnOK();
}

void WinMfcModalDialog::OnCancel()
{
  if (owner) {
    owner->setResult(2);
    owner->cancelPressed();
  }
  CDialog::OnCancel();
}

}  // namespace pui
}  // namespace qor
