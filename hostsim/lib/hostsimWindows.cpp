#include "hostsimWindows.h"

#include "win/WinTest.h"
#include "win/Windows.h"

namespace hostsim {

namespace hostsimWindows_detail {

HWND toHwnd(PlatformWindow window)
{
  return reinterpret_cast<HWND>(window);
}

} // namespace hostsimWindows_detail

PlatformWindow createHostWindow(const char16_t* className, const char16_t* title, PlatformWindow parent)
{
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (!GetClassInfoExW(nullptr, className, &existing)) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = &DefWindowProcW;
    cls.lpszClassName = className;
    RegisterClassExW(&cls);
  }
  DWORD style = WS_VISIBLE | (parent ? WS_CHILD : WS_OVERLAPPEDWINDOW);
  HWND window = CreateWindowExW(0, className, title, style, 0, 0, parent ? 800 : 1200, parent ? 600 : 800,
                                hostsimWindows_detail::toHwnd(parent), nullptr, nullptr, nullptr);
  return reinterpret_cast<PlatformWindow>(window);
}

void destroyHostWindow(PlatformWindow window)
{
  HWND hwnd = hostsimWindows_detail::toHwnd(window);
  if (hwnd && IsWindow(hwnd))
    DestroyWindow(hwnd);
}

void pumpHostMessages()
{
  qorwin::pump();
}

std::string debuggerOutput()
{
  return qorwin::debugOutput();
}

} // namespace hostsim
