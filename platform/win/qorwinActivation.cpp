// Which top-level window is active, as the user's actions change it: showing a window (unless the
// command says not to activate), hiding the active one, and pressing a mouse button in another one.
// SetActiveWindow sends the WM_NCACTIVATE and WM_ACTIVATE pairs.
#include "qorwinState.h"
#include "win/WinUser.h"

namespace qorwin_detail {

namespace {

bool isTopLevel(HWND window)
{
  return window && IsWindow(window) && !(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD);
}

bool takesActivation(HWND window)
{
  return isTopLevel(window) && !(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_NOACTIVATE);
}

} // namespace

void activateShown(HWND window, int command)
{
  switch (command) {
  case SW_SHOW:
  case SW_SHOWNORMAL:
  case SW_SHOWMAXIMIZED:
  case SW_RESTORE:
    if (takesActivation(window) && GetActiveWindow() != window)
      SetActiveWindow(window);
    break;
  default:
    break;
  }
}

void deactivateHidden(HWND window)
{
  if (!window || GetActiveWindow() != window)
    return;
  HWND owner = GetWindow(window, GW_OWNER);
  SetActiveWindow(owner && IsWindowVisible(owner) && IsWindowEnabled(owner) ? owner : nullptr);
}

void activateOnPress(HWND window)
{
  HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
  if (takesActivation(root) && IsWindowEnabled(root) && GetActiveWindow() != root)
    SetActiveWindow(root);
}

} // namespace qorwin_detail
