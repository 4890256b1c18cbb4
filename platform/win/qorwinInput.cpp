// System metrics, the pointer, capture and leave tracking, the ANSI property calls, memory
// and the test helpers that drive input.
#include "qorwinState.h"
#include "win/WinBase.h"
#include "win/WinGdi.h"
#include "win/WinTest.h"

#include <sys/mman.h>

#include <cmath>
#include <cstdlib>
#include <functional>

namespace qorwin_detail {

struct Allocations
{
  std::mutex lock;
  std::map<void*, size_t> sizes;
};

Allocations& allocations()
{
  static Allocations* theAllocations = new Allocations;
  return *theAllocations;
}

// The window under the pointer's capture, if any, else the given one.
HWND mouseTarget(HWND window)
{
  std::lock_guard<std::mutex> guard(state().lock);
  HWND capture = state().capture;
  return capture && findLocked(capture) ? capture : window;
}

// Key flags of a mouse message from the held keys.
WPARAM mouseKeyFlags(WPARAM buttons)
{
  WPARAM flags = buttons;
  if (GetKeyState(VK_SHIFT) < 0)
    flags |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0)
    flags |= MK_CONTROL;
  return flags;
}

// A client point of one window in the client coordinates of another.
LPARAM pointFor(HWND from, HWND to, int x, int y)
{
  POINT p{x, y};
  if (from != to)
    MapWindowPoints(from, to, &p, 1);
  return MAKELPARAM(p.x, p.y);
}

void sendMouse(HWND window, UINT message, WPARAM buttons, int x, int y)
{
  HWND target = mouseTarget(window);
  SendMessageW(target, message, mouseKeyFlags(buttons), pointFor(window, target, x, y));
}

std::mutex hookLock;
std::function<void(HWND)> modalHook;

void runModalHook(HWND dialog)
{
  std::function<void(HWND)> hook;
  {
    std::lock_guard<std::mutex> guard(hookLock);
    hook = modalHook;
  }
  if (hook)
    hook(dialog);
}

void changeModalDepth(int delta)
{
  std::lock_guard<std::mutex> guard(state().lock);
  state().modalDepth += delta;
}

void resetUiState()
{
  {
    std::lock_guard<std::mutex> guard(state().lock);
    auto& s = state();
    s.dpi = 96;
    s.screenWidth = 1920;
    s.screenHeight = 1080;
    s.cursor = POINT{0, 0};
    s.capture = s.hover = nullptr;
    s.modalDepth = 0;
  }
  {
    std::lock_guard<std::mutex> guard(hookLock);
    modalHook = nullptr;
  }
  qorwin::clearDrawRecords();
  resetPaintState();
}

} // namespace qorwin_detail

BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement)
{
  using namespace qorwin_detail;
  if (!placement)
    return FALSE;
  RECT rect{};
  DWORD style;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(window);
    if (!w)
      return FALSE;
    style = w->style;
    rect = w->rect;
  }
  placement->flags = 0;
  placement->showCmd = (style & WS_VISIBLE) ? SW_SHOWNORMAL : SW_HIDE;
  placement->ptMinPosition = POINT{-1, -1};
  placement->ptMaxPosition = POINT{-1, -1};
  placement->rcNormalPosition = rect;
  return TRUE;
}

BOOL SetPropA(HWND window, LPCSTR name, HANDLE data)
{
  return name ? SetPropW(window, qorwin_detail::widen(name).c_str(), data) : FALSE;
}

HANDLE GetPropA(HWND window, LPCSTR name)
{
  return name ? GetPropW(window, qorwin_detail::widen(name).c_str()) : nullptr;
}

HANDLE RemovePropA(HWND window, LPCSTR name)
{
  return name ? RemovePropW(window, qorwin_detail::widen(name).c_str()) : nullptr;
}

int GetSystemMetrics(int index)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  switch (index) {
  case SM_CXSCREEN:
    return state().screenWidth;
  case SM_CYSCREEN:
    return state().screenHeight;
  case SM_CXVSCROLL:
  case SM_CYHSCROLL:
    return 17;
  case SM_CYCAPTION:
    return 23;
  case SM_CXBORDER:
  case SM_CYBORDER:
    return 1;
  case SM_CXDLGFRAME:
  case SM_CYDLGFRAME:
    return 3;
  case SM_CXDOUBLECLK:
  case SM_CYDOUBLECLK:
    return 4;
  case SM_CXDRAG:
  case SM_CYDRAG:
    return 4;
  default:
    return 0;
  }
}

BOOL GetCursorPos(LPPOINT point)
{
  using namespace qorwin_detail;
  if (!point)
    return FALSE;
  std::lock_guard<std::mutex> guard(state().lock);
  *point = state().cursor;
  return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  state().cursor = POINT{x, y};
  return TRUE;
}

BOOL GetCursorInfo(PCURSORINFO info)
{
  if (!info)
    return FALSE;
  info->flags = CURSOR_SHOWING;
  info->hCursor = nullptr;
  return GetCursorPos(&info->ptScreenPos);
}

HWND SetCapture(HWND window)
{
  using namespace qorwin_detail;
  HWND old;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    if (window && !findLocked(window))
      return nullptr;
    old = state().capture;
    state().capture = window;
  }
  if (old && old != window && IsWindow(old))
    SendMessageW(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
  return old;
}

BOOL ReleaseCapture()
{
  using namespace qorwin_detail;
  HWND old;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    old = state().capture;
    state().capture = nullptr;
  }
  if (old && IsWindow(old))
    SendMessageW(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture()
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  return state().capture;
}

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track)
{
  using namespace qorwin_detail;
  if (!track)
    return FALSE;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(track->hwndTrack);
  if (!w)
    return FALSE;
  if (track->dwFlags & TME_QUERY) {
    track->dwFlags = w->trackLeave ? TME_LEAVE : 0;
    return TRUE;
  }
  if (track->dwFlags & TME_LEAVE)
    w->trackLeave = !(track->dwFlags & TME_CANCEL);
  return TRUE;
}

int MulDiv(int a, int b, int c)
{
  if (c == 0)
    return -1;
  long long product = static_cast<long long>(a) * b;
  long long half = std::llabs(static_cast<long long>(c)) / 2;
  bool negative = (product < 0) != (c < 0);
  long long q = (std::llabs(product) + half) / std::llabs(static_cast<long long>(c));
  return static_cast<int>(negative ? -q : q);
}

LPVOID VirtualAlloc(LPVOID address, SIZE_T size, DWORD allocationType, DWORD)
{
  using namespace qorwin_detail;
  if (address || size == 0 || !(allocationType & (MEM_COMMIT | MEM_RESERVE))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  void* memory = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto& a = allocations();
  std::lock_guard<std::mutex> guard(a.lock);
  a.sizes[memory] = size;
  return memory;
}

BOOL VirtualFree(LPVOID address, SIZE_T size, DWORD freeType)
{
  using namespace qorwin_detail;
  auto& a = allocations();
  std::lock_guard<std::mutex> guard(a.lock);
  auto it = a.sizes.find(address);
  if (it == a.sizes.end() || !(freeType & MEM_RELEASE) || size != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  munmap(it->first, it->second);
  a.sizes.erase(it);
  return TRUE;
}

namespace qorwin {

void setDisplayDpi(int dpi)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  state().dpi = dpi > 0 ? dpi : 96;
}

void setScreenSize(int width, int height)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  state().screenWidth = width;
  state().screenHeight = height;
}

void mouseMove(HWND window, int x, int y)
{
  using namespace qorwin_detail;
  POINT screen{x, y};
  ClientToScreen(window, &screen);
  HWND left = nullptr;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    auto& s = state();
    s.cursor = screen;
    if (s.hover && s.hover != window) {
      Window* h = findLocked(s.hover);
      if (h && h->trackLeave) {
        h->trackLeave = false;
        left = s.hover;
      }
    }
    s.hover = window;
  }
  if (left)
    SendMessageW(left, WM_MOUSELEAVE, 0, 0);
  WPARAM buttons = (GetKeyState(VK_LBUTTON) < 0 ? MK_LBUTTON : 0) | (GetKeyState(VK_RBUTTON) < 0 ? MK_RBUTTON : 0);
  sendMouse(window, WM_MOUSEMOVE, buttons, x, y);
}

void mouseDown(HWND window, int x, int y, bool right)
{
  qorwin_detail::activateOnPress(qorwin_detail::mouseTarget(window));
  qorwin_detail::sendMouse(window, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, x,
                           y);
}

void mouseUp(HWND window, int x, int y, bool right)
{
  qorwin_detail::sendMouse(window, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, x, y);
}

void click(HWND window, int x, int y, bool right)
{
  mouseMove(window, x, y);
  mouseDown(window, x, y, right);
  mouseUp(window, x, y, right);
}

void doubleClick(HWND window, int x, int y)
{
  click(window, x, y);
  qorwin_detail::sendMouse(window, WM_LBUTTONDBLCLK, MK_LBUTTON, x, y);
  mouseUp(window, x, y);
}

void postKey(int virtualKey)
{
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
  PostMessageW(focus, WM_KEYUP, static_cast<WPARAM>(virtualKey), static_cast<LPARAM>(0xC0000001u));
}

void postText(const std::u16string& text)
{
  HWND focus = GetFocus();
  for (char16_t c : text)
    PostMessageW(focus, WM_CHAR, static_cast<WPARAM>(c), 1);
}

void setModalHook(std::function<void(HWND dialog)> hook)
{
  std::lock_guard<std::mutex> guard(qorwin_detail::hookLock);
  qorwin_detail::modalHook = std::move(hook);
}

int modalDepth()
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  return state().modalDepth;
}

} // namespace qorwin
