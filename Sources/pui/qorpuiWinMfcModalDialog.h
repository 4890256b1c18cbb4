// The native dialog of a platform modal dialog: made from dialog template 20, it runs its own modal
// loop around the owner's widgets and hands Enter (IDOK) and Esc (IDCANCEL) to its owner.
#pragma once

#include "win/Afx.h"

namespace qor {
namespace pui {

class ModalDialog;

class WinMfcModalDialog : public CDialog
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcModalDialog(CWnd* parent);
  ~WinMfcModalDialog() override;

  ModalDialog* owner = nullptr;

  BOOL Create(UINT templateId, CWnd* parent = nullptr) override;
  // Runs the existing window modally; the window stays for the next run.
  INT_PTR DoModal() override;
  void OnOK() override;
  void OnCancel() override;

protected:
  HWND PreModal() override;
  void PostModal() override;
};

}  // namespace pui
}  // namespace qor
