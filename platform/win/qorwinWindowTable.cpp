// The window table: classes, creation and destruction, window data, the window tree and z-order,
// enumeration, geometry, visibility, focus and properties.
#include "qorwinState.h"
#include "win/WinBase.h"

#include <algorithm>

namespace qorwin_detail {

State& state()
{
  static State* theState = new State;
  return *theState;
}

Window* findLocked(HWND window)
{
  auto& s = state();
  auto it = s.windows.find(reinterpret_cast<uintptr_t>(window));
  return it == s.windows.end() ? nullptr : it->second.get();
}

std::u16string foldCase(std::u16string text)
{
  for (auto& c : text)
    if (c >= u'A' && c <= u'Z')
      c = static_cast<char16_t>(c - u'A' + u'a');
  return text;
}

// A name that is an atom (a number below 0x10000 in place of the pointer) becomes "#<number>".
std::u16string nameOrAtom(LPCWSTR name)
{
  auto value = reinterpret_cast<uintptr_t>(name);
  if (value < 0x10000) {
    std::string digits = "#" + std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
  }
  return std::u16string(name);
}

std::u16string widen(const char* text)
{
  if (!text)
    return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  if (n <= 1)
    return {};
  std::u16string out(static_cast<size_t>(n), u'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), n);
  out.resize(static_cast<size_t>(n - 1));
  return out;
}

std::string narrow(const std::u16string& text)
{
  if (text.empty())
    return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                              nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

void* windowObject(HWND window)
{
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  return w ? w->cwnd : nullptr;
}

void setWindowObject(HWND window, void* object)
{
  std::lock_guard<std::mutex> guard(state().lock);
  if (Window* w = findLocked(window))
    w->cwnd = object;
}

} // namespace qorwin_detail

namespace qorwin_detail {

thread_local CreationHook creationHook = nullptr;

std::shared_ptr<WindowClass> findClassLocked(LPCWSTR name)
{
  auto& s = state();
  auto value = reinterpret_cast<uintptr_t>(name);
  if (value == 0)
    return nullptr;
  if (value < 0x10000) {
    for (auto& entry : s.classes)
      if (entry.second->atom == value)
        return entry.second;
    return nullptr;
  }
  auto it = s.classes.find(foldCase(name));
  return it == s.classes.end() ? nullptr : it->second;
}

ATOM registerClass(const std::u16string& name, UINT style, WNDPROC proc, HINSTANCE instance,
                   HBRUSH background, HCURSOR cursor, bool unicode)
{
  if (name.empty() || !proc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  auto& s = state();
  std::lock_guard<std::mutex> guard(s.lock);
  auto key = foldCase(name);
  if (s.classes.count(key)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  auto cls = std::make_shared<WindowClass>();
  cls->name = name;
  cls->atom = s.nextAtom++;
  cls->style = style;
  cls->proc = proc;
  cls->instance = instance;
  cls->background = background;
  cls->cursor = cursor;
  cls->unicode = unicode;
  s.classes[key] = cls;
  return cls->atom;
}

// The sibling list a window sits in.
std::vector<HWND>* siblingsLocked(Window* w)
{
  auto& s = state();
  if (w->parent == HWND_MESSAGE)
    return &s.messageOnly;
  if (!w->parent)
    return &s.topLevel;
  Window* p = findLocked(w->parent);
  return p ? &p->children : nullptr;
}

void unlinkLocked(Window* w)
{
  if (auto* list = siblingsLocked(w))
    list->erase(std::remove(list->begin(), list->end(), w->handle), list->end());
}

bool isVisibleLocked(Window* w)
{
  while (w) {
    if (!(w->style & WS_VISIBLE))
      return false;
    if (!w->parent || w->parent == HWND_MESSAGE)
      return true;
    w = findLocked(w->parent);
  }
  return false;
}

bool isDescendantLocked(HWND ancestor, HWND window)
{
  Window* w = findLocked(window);
  while (w && w->parent && w->parent != HWND_MESSAGE) {
    if (w->parent == ancestor)
      return true;
    w = findLocked(w->parent);
  }
  return false;
}

POINT originLocked(Window* w)
{
  POINT p{0, 0};
  while (w) {
    p.x += w->rect.left;
    p.y += w->rect.top;
    if (!w->parent || w->parent == HWND_MESSAGE)
      break;
    w = findLocked(w->parent);
  }
  return p;
}

void collectDescendantsLocked(Window* w, std::vector<HWND>& out)
{
  for (HWND child : w->children) {
    out.push_back(child);
    if (Window* c = findLocked(child))
      collectDescendantsLocked(c, out);
  }
}

bool onOwnerThread(HWND window)
{
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  return w && w->thread == GetCurrentThreadId();
}

void sendDestroyMessages(HWND window)
{
  SendMessageW(window, WM_DESTROY, 0, 0);
  std::vector<HWND> children;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    if (Window* w = findLocked(window))
      children = w->children;
  }
  for (HWND child : children) {
    {
      std::lock_guard<std::mutex> guard(state().lock);
      Window* c = findLocked(child);
      if (!c)
        continue;
      c->destroying = true;
    }
    sendDestroyMessages(child);
  }
}

// Frees a window after its children; WM_NCDESTROY is the last message each one receives.
void freeWindow(HWND window)
{
  std::vector<HWND> children;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    if (Window* w = findLocked(window))
      children = w->children;
  }
  for (HWND child : children)
    freeWindow(child);
  SendMessageW(window, WM_NCDESTROY, 0, 0);
  auto& s = state();
  std::lock_guard<std::mutex> guard(s.lock);
  Window* w = findLocked(window);
  if (!w)
    return;
  unlinkLocked(w);
  killWindowTimersLocked(window);
  if (w->cls)
    w->cls->windowCount--;
  if (s.focus == window)
    s.focus = nullptr;
  if (s.active == window)
    s.active = nullptr;
  if (s.capture == window)
    s.capture = nullptr;
  if (s.hover == window)
    s.hover = nullptr;
  s.windows.erase(reinterpret_cast<uintptr_t>(window));
}

void setTextLocked(Window* w, LPCWSTR text)
{
  w->text = text ? std::u16string(text) : std::u16string();
}

} // namespace qorwin_detail

namespace qorwin_detail {
void setCreationHook(CreationHook hook)
{
  creationHook = hook;
}
} // namespace qorwin_detail

// Classes.

ATOM RegisterClassExW(const WNDCLASSEXW* cls)
{
  using namespace qorwin_detail;
  if (!cls || !cls->lpszClassName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return registerClass(nameOrAtom(cls->lpszClassName), cls->style, cls->lpfnWndProc, cls->hInstance,
                       cls->hbrBackground, cls->hCursor, true);
}

ATOM RegisterClassExA(const WNDCLASSEXA* cls)
{
  using namespace qorwin_detail;
  if (!cls || !cls->lpszClassName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return registerClass(widen(cls->lpszClassName), cls->style, cls->lpfnWndProc, cls->hInstance,
                       cls->hbrBackground, cls->hCursor, false);
}

ATOM RegisterClassW(const WNDCLASSW* cls)
{
  using namespace qorwin_detail;
  if (!cls || !cls->lpszClassName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return registerClass(nameOrAtom(cls->lpszClassName), cls->style, cls->lpfnWndProc, cls->hInstance,
                       cls->hbrBackground, cls->hCursor, true);
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE)
{
  using namespace qorwin_detail;
  auto& s = state();
  std::lock_guard<std::mutex> guard(s.lock);
  auto cls = findClassLocked(className);
  if (!cls) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (cls->windowCount > 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return FALSE;
  }
  s.classes.erase(foldCase(cls->name));
  return TRUE;
}

BOOL GetClassInfoExW(HINSTANCE, LPCWSTR className, WNDCLASSEXW* out)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  auto cls = findClassLocked(className);
  if (!cls || !out) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *out = WNDCLASSEXW{};
  out->cbSize = sizeof(WNDCLASSEXW);
  out->style = cls->style;
  out->lpfnWndProc = cls->proc;
  out->hInstance = cls->instance;
  out->hCursor = cls->cursor;
  out->hbrBackground = cls->background;
  out->lpszClassName = cls->name.c_str();
  return cls->atom;
}

// Creation and destruction.

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param)
{
  using namespace qorwin_detail;
  registerSystemClasses();
  auto& s = state();
  HWND handle = nullptr;
  {
    std::lock_guard<std::mutex> guard(s.lock);
    auto cls = findClassLocked(className);
    if (!cls) {
      SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
      return nullptr;
    }
    auto w = std::make_unique<Window>();
    if (parent && parent != HWND_MESSAGE && !findLocked(parent)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    if (parent == HWND_MESSAGE) {
      w->parent = HWND_MESSAGE;
      style &= ~static_cast<DWORD>(WS_CHILD);
    } else if (style & WS_CHILD) {
      if (!parent) {
        SetLastError(1406); // ERROR_TLW_WITH_WSCHILD
        return nullptr;
      }
      w->parent = parent;
      w->id = reinterpret_cast<LONG_PTR>(menu);
    } else if (parent) {
      // The owner of a top-level window is the top-level window above the one given.
      Window* o = findLocked(parent);
      while (o && o->parent && o->parent != HWND_MESSAGE)
        o = findLocked(o->parent);
      w->owner = o ? o->handle : nullptr;
    }
    if (width == CW_USEDEFAULT) {
      width = (style & WS_CHILD) ? 0 : 640;
      height = (style & WS_CHILD) ? 0 : 480;
    }
    if (x == CW_USEDEFAULT)
      x = y = 0;
    handle = reinterpret_cast<HWND>(s.nextHandle);
    s.nextHandle += 4;
    w->handle = handle;
    w->cls = cls;
    cls->windowCount++;
    w->proc = cls->proc;
    w->unicode = cls->unicode;
    w->style = style & ~static_cast<DWORD>(WS_VISIBLE);
    w->exStyle = exStyle;
    w->rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
    w->instance = instance;
    w->thread = GetCurrentThreadId();
    setTextLocked(w.get(), windowName);
    Window* raw = w.get();
    s.windows[reinterpret_cast<uintptr_t>(handle)] = std::move(w);
    if (auto* list = siblingsLocked(raw)) {
      if (raw->parent && raw->parent != HWND_MESSAGE)
        list->push_back(handle); // a new child goes below its siblings
      else if (raw->parent == HWND_MESSAGE)
        list->push_back(handle);
      else
        list->insert(list->begin(), handle); // a new top-level window goes on top
    }
  }
  if (creationHook)
    creationHook(handle);

  CREATESTRUCTW cs{};
  cs.lpCreateParams = param;
  cs.hInstance = instance;
  cs.hMenu = menu;
  cs.hwndParent = parent;
  cs.cx = width;
  cs.cy = height;
  cs.x = x;
  cs.y = y;
  cs.style = static_cast<LONG>(style);
  cs.lpszName = windowName;
  cs.lpszClass = className;
  cs.dwExStyle = exStyle;
  if (!SendMessageW(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    freeWindow(handle);
    return nullptr;
  }
  RECT client{};
  {
    std::lock_guard<std::mutex> guard(s.lock);
    if (Window* w = findLocked(handle))
      client = w->rect;
  }
  SendMessageW(handle, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
  if (SendMessageW(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  if (!IsWindow(handle))
    return nullptr;
  SendMessageW(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(std::max(width, 0), std::max(height, 0)));
  SendMessageW(handle, WM_MOVE, 0, MAKELPARAM(x, y));
  if ((style & WS_CHILD) && parent && !(exStyle & WS_EX_NOPARENTNOTIFY))
    SendMessageW(parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, LOWORD(reinterpret_cast<ULONG_PTR>(menu))),
                 reinterpret_cast<LPARAM>(handle));
  {
    std::lock_guard<std::mutex> guard(s.lock);
    if (Window* w = findLocked(handle))
      w->created = true;
  }
  if (style & WS_VISIBLE)
    ShowWindow(handle, SW_SHOW);
  return IsWindow(handle) ? handle : nullptr;
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param)
{
  using namespace qorwin_detail;
  auto value = reinterpret_cast<uintptr_t>(className);
  std::u16string cls = value < 0x10000 ? std::u16string() : widen(className);
  std::u16string name = widen(windowName);
  LPCWSTR clsArg = value < 0x10000 ? reinterpret_cast<LPCWSTR>(className) : cls.c_str();
  return CreateWindowExW(exStyle, clsArg, windowName ? name.c_str() : nullptr, style, x, y, width, height,
                         parent, menu, instance, param);
}

BOOL DestroyWindow(HWND window)
{
  using namespace qorwin_detail;
  auto& s = state();
  std::vector<HWND> owned;
  HWND parent = nullptr;
  LONG_PTR id = 0;
  bool notifyParent = false;
  {
    std::lock_guard<std::mutex> guard(s.lock);
    Window* w = findLocked(window);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    if (w->thread != GetCurrentThreadId()) {
      SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    if (w->destroying)
      return TRUE;
  }
  windowGone(window);
  {
    std::lock_guard<std::mutex> guard(s.lock);
    Window* w = findLocked(window);
    if (!w)
      return FALSE;
    w->destroying = true;
    for (auto& entry : s.windows)
      if (entry.second->owner == window)
        owned.push_back(entry.second->handle);
    parent = w->parent;
    id = w->id;
    notifyParent =
        (w->style & WS_CHILD) && parent && parent != HWND_MESSAGE && !(w->exStyle & WS_EX_NOPARENTNOTIFY);
    w->style &= ~static_cast<DWORD>(WS_VISIBLE);
  }
  for (HWND o : owned)
    DestroyWindow(o);
  if (notifyParent)
    SendMessageW(parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, LOWORD(id)),
                 reinterpret_cast<LPARAM>(window));
  sendDestroyMessages(window);
  freeWindow(window);
  return TRUE;
}

BOOL IsWindow(HWND window)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  return findLocked(window) != nullptr;
}

// Window data.

LONG_PTR GetWindowLongPtrW(HWND window, int index)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  switch (index) {
  case GWL_WNDPROC:
    return reinterpret_cast<LONG_PTR>(w->proc);
  case GWL_HINSTANCE:
    return reinterpret_cast<LONG_PTR>(w->instance);
  case GWL_HWNDPARENT:
    return reinterpret_cast<LONG_PTR>((w->style & WS_CHILD) ? w->parent : w->owner);
  case GWL_STYLE:
    return static_cast<LONG_PTR>(w->style);
  case GWL_EXSTYLE:
    return static_cast<LONG_PTR>(w->exStyle);
  case GWL_USERDATA:
    return w->userData;
  case GWL_ID:
    return w->id;
  default:
    SetLastError(1413);
    return 0; // ERROR_INVALID_INDEX
  }
}

LONG_PTR GetWindowLongW(HWND window, int index)
{
  using namespace qorwin_detail;
  return GetWindowLongPtrW(window, index);
}

LONG_PTR GetWindowLongA(HWND window, int index)
{
  using namespace qorwin_detail;
  return GetWindowLongPtrW(window, index);
}

LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  LONG_PTR old = 0;
  switch (index) {
  case GWL_WNDPROC:
    old = reinterpret_cast<LONG_PTR>(w->proc);
    w->proc = reinterpret_cast<WNDPROC>(value);
    break;
  case GWL_HINSTANCE:
    old = reinterpret_cast<LONG_PTR>(w->instance);
    w->instance = reinterpret_cast<HINSTANCE>(value);
    break;
  case GWL_HWNDPARENT:
    if (w->style & WS_CHILD) {
      old = reinterpret_cast<LONG_PTR>(w->parent);
    } else {
      old = reinterpret_cast<LONG_PTR>(w->owner);
      w->owner = reinterpret_cast<HWND>(value);
    }
    break;
  case GWL_STYLE:
    old = static_cast<LONG_PTR>(w->style);
    w->style = static_cast<DWORD>(value);
    break;
  case GWL_EXSTYLE:
    old = static_cast<LONG_PTR>(w->exStyle);
    w->exStyle = static_cast<DWORD>(value);
    break;
  case GWL_USERDATA:
    old = w->userData;
    w->userData = value;
    break;
  case GWL_ID:
    old = w->id;
    w->id = value;
    break;
  default:
    SetLastError(1413);
    return 0;
  }
  return old;
}

LONG_PTR SetWindowLongW(HWND window, int index, LONG_PTR value)
{
  using namespace qorwin_detail;
  return SetWindowLongPtrW(window, index, value);
}

int GetClassNameW(HWND window, LPWSTR out, int size)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w || !out || size <= 0) {
    SetLastError(w ? ERROR_INSUFFICIENT_BUFFER : ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  const auto& name = w->cls->name;
  int n = std::min(static_cast<int>(name.size()), size - 1);
  std::copy(name.begin(), name.begin() + n, out);
  out[n] = 0;
  return n;
}

int GetClassNameA(HWND window, LPSTR out, int size)
{
  using namespace qorwin_detail;
  std::string name;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(window);
    if (!w || !out || size <= 0) {
      SetLastError(w ? ERROR_INSUFFICIENT_BUFFER : ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
    name = narrow(w->cls->name);
  }
  int n = std::min(static_cast<int>(name.size()), size - 1);
  std::copy(name.begin(), name.begin() + n, out);
  out[n] = 0;
  return n;
}

BOOL IsWindowUnicode(HWND window)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  return w && w->unicode;
}

BOOL SetWindowTextW(HWND window, LPCWSTR text)
{
  using namespace qorwin_detail;
  if (!IsWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextW(HWND window, LPWSTR out, int size)
{
  using namespace qorwin_detail;
  if (!out || size <= 0)
    return 0;
  out[0] = 0;
  if (onOwnerThread(window))
    return static_cast<int>(
        SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(out)));
  // Another thread's window: its stored text, as the system does.
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w)
    return 0;
  int n = std::min(static_cast<int>(w->text.size()), size - 1);
  std::copy(w->text.begin(), w->text.begin() + n, out);
  out[n] = 0;
  return n;
}

int GetWindowTextLengthW(HWND window)
{
  using namespace qorwin_detail;
  if (onOwnerThread(window))
    return static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  return w ? static_cast<int>(w->text.size()) : 0;
}

int GetDlgCtrlID(HWND window)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  return w && (w->style & WS_CHILD) ? static_cast<int>(w->id) : 0;
}

HWND GetDlgItem(HWND dialog, int id)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* d = findLocked(dialog);
  if (!d)
    return nullptr;
  for (HWND child : d->children) {
    Window* c = findLocked(child);
    if (c && static_cast<int>(c->id) == id)
      return child;
  }
  return nullptr;
}

// Properties.

BOOL SetPropW(HWND window, LPCWSTR name, HANDLE data)
{
  using namespace qorwin_detail;
  if (!name)
    return FALSE;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  auto key = foldCase(nameOrAtom(name));
  for (auto& prop : w->props)
    if (prop.first == key) {
      prop.second = data;
      return TRUE;
    }
  w->props.emplace_back(key, data);
  return TRUE;
}

HANDLE GetPropW(HWND window, LPCWSTR name)
{
  using namespace qorwin_detail;
  if (!name)
    return nullptr;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w)
    return nullptr;
  auto key = foldCase(nameOrAtom(name));
  for (auto& prop : w->props)
    if (prop.first == key)
      return prop.second;
  return nullptr;
}

HANDLE RemovePropW(HWND window, LPCWSTR name)
{
  using namespace qorwin_detail;
  if (!name)
    return nullptr;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w)
    return nullptr;
  auto key = foldCase(nameOrAtom(name));
  for (auto it = w->props.begin(); it != w->props.end(); ++it)
    if (it->first == key) {
      HANDLE data = it->second;
      w->props.erase(it);
      return data;
    }
  return nullptr;
}

int EnumPropsW(HWND window, PROPENUMPROCW proc)
{
  using namespace qorwin_detail;
  std::vector<std::pair<std::u16string, HANDLE>> props;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(window);
    if (!w || !proc)
      return -1;
    props = w->props;
  }
  int last = -1;
  for (auto& prop : props) {
    last = proc(window, prop.first.c_str(), prop.second);
    if (!last)
      break;
  }
  return last;
}

// Tree and z-order.

HWND GetParent(HWND window)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w)
    return nullptr;
  if (w->style & WS_CHILD)
    return w->parent;
  return w->owner;
}

HWND SetParent(HWND window, HWND parent)
{
  using namespace qorwin_detail;
  auto& s = state();
  std::lock_guard<std::mutex> guard(s.lock);
  Window* w = findLocked(window);
  if (!w || (parent && parent != HWND_MESSAGE && !findLocked(parent)) || parent == window ||
      (parent && isDescendantLocked(window, parent))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HWND old = w->parent ? w->parent : GetDesktopWindow();
  unlinkLocked(w);
  w->parent = parent;
  if (parent == HWND_MESSAGE)
    s.messageOnly.push_back(window);
  else if (parent)
    findLocked(parent)->children.insert(findLocked(parent)->children.begin(), window);
  else
    s.topLevel.insert(s.topLevel.begin(), window);
  return old;
}

HWND GetDesktopWindow()
{
  using namespace qorwin_detail;
  return reinterpret_cast<HWND>(static_cast<uintptr_t>(0x10010 - 0x10));
}

HWND GetAncestor(HWND window, UINT flags)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w)
    return nullptr;
  switch (flags) {
  case GA_PARENT:
    if (w->parent == HWND_MESSAGE)
      return nullptr;
    return w->parent ? w->parent : GetDesktopWindow();
  case GA_ROOT:
    while (w->parent && w->parent != HWND_MESSAGE)
      w = findLocked(w->parent);
    return w->handle;
  case GA_ROOTOWNER:
    for (;;) {
      while (w->parent && w->parent != HWND_MESSAGE)
        w = findLocked(w->parent);
      if (!w->owner || !findLocked(w->owner))
        return w->handle;
      w = findLocked(w->owner);
    }
  default:
    return nullptr;
  }
}

HWND GetWindow(HWND window, UINT command)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w)
    return nullptr;
  if (command == GW_OWNER)
    return (w->style & WS_CHILD) ? nullptr : w->owner;
  if (command == GW_CHILD)
    return w->children.empty() ? nullptr : w->children.front();
  auto* list = siblingsLocked(w);
  if (!list || list->empty())
    return nullptr;
  auto it = std::find(list->begin(), list->end(), window);
  switch (command) {
  case GW_HWNDFIRST:
    return list->front();
  case GW_HWNDLAST:
    return list->back();
  case GW_HWNDNEXT:
    return (it == list->end() || it + 1 == list->end()) ? nullptr : *(it + 1);
  case GW_HWNDPREV:
    return (it == list->begin() || it == list->end()) ? nullptr : *(it - 1);
  default:
    return nullptr;
  }
}

HWND GetTopWindow(HWND window)
{
  using namespace qorwin_detail;
  if (!window) {
    std::lock_guard<std::mutex> guard(state().lock);
    return state().topLevel.empty() ? nullptr : state().topLevel.front();
  }
  return GetWindow(window, GW_CHILD);
}

BOOL IsChild(HWND parent, HWND window)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  return isDescendantLocked(parent, window);
}

HWND FindWindowExW(HWND parent, HWND childAfter, LPCWSTR className, LPCWSTR windowName)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  auto& s = state();
  std::vector<HWND> list;
  if (parent == HWND_MESSAGE)
    list = s.messageOnly;
  else if (!parent || parent == GetDesktopWindow())
    list = s.topLevel;
  else if (Window* p = findLocked(parent))
    list = p->children;
  auto start = list.begin();
  if (childAfter) {
    start = std::find(list.begin(), list.end(), childAfter);
    if (start != list.end())
      ++start;
  }
  std::shared_ptr<WindowClass> cls;
  if (className) {
    cls = findClassLocked(className);
    if (!cls)
      return nullptr;
  }
  for (auto it = start; it != list.end(); ++it) {
    Window* w = findLocked(*it);
    if (!w)
      continue;
    if (cls && w->cls != cls)
      continue;
    if (windowName && w->text != windowName)
      continue;
    return w->handle;
  }
  return nullptr;
}

HWND FindWindowW(LPCWSTR className, LPCWSTR windowName)
{
  using namespace qorwin_detail;
  return FindWindowExW(nullptr, nullptr, className, windowName);
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM param)
{
  using namespace qorwin_detail;
  if (!proc)
    return FALSE;
  std::vector<HWND> list;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    list = state().topLevel;
  }
  for (HWND window : list) {
    if (!IsWindow(window))
      continue;
    if (!proc(window, param))
      return FALSE;
  }
  return TRUE;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM param)
{
  using namespace qorwin_detail;
  if (!parent)
    return EnumWindows(proc, param);
  if (!proc)
    return FALSE;
  std::vector<HWND> list;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* p = findLocked(parent);
    if (!p)
      return FALSE;
    collectDescendantsLocked(p, list);
  }
  for (HWND window : list) {
    if (!IsWindow(window))
      continue;
    if (!proc(window, param))
      return FALSE;
  }
  return TRUE;
}

BOOL EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM param)
{
  using namespace qorwin_detail;
  if (!proc)
    return FALSE;
  std::vector<HWND> list;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    for (HWND window : state().topLevel)
      if (findLocked(window)->thread == threadId)
        list.push_back(window);
  }
  for (HWND window : list) {
    if (!IsWindow(window))
      continue;
    if (!proc(window, param))
      return FALSE;
  }
  return TRUE;
}

DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w)
    return 0;
  if (processId)
    *processId = GetCurrentProcessId();
  return w->thread;
}

// Visibility, state and geometry.

BOOL ShowWindow(HWND window, int command)
{
  using namespace qorwin_detail;
  bool wasVisible;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(window);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    wasVisible = (w->style & WS_VISIBLE) != 0;
  }
  bool show = command != SW_HIDE;
  if (show != wasVisible) {
    SendMessageW(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    HWND parent = nullptr;
    RECT rect{};
    {
      std::lock_guard<std::mutex> guard(state().lock);
      if (Window* w = findLocked(window)) {
        if (show)
          w->style |= WS_VISIBLE;
        else
          w->style &= ~static_cast<DWORD>(WS_VISIBLE);
        parent = w->parent;
        rect = w->rect;
      }
    }
    // What the window covers now, or what it uncovered, is to be painted.
    if (show)
      windowShown(window);
    else
      windowUncovered(parent, rect);
  }
  return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  return isVisibleLocked(findLocked(window)) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND window, BOOL enable)
{
  using namespace qorwin_detail;
  bool wasDisabled;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(window);
    if (!w)
      return FALSE;
    wasDisabled = (w->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable)
      return wasDisabled;
    if (enable)
      w->style &= ~static_cast<DWORD>(WS_DISABLED);
    else
      w->style |= WS_DISABLED;
    if (!enable && (state().focus == window || isDescendantLocked(window, state().focus)))
      state().focus = nullptr;
  }
  SendMessageW(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND window)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  return w && !(w->style & WS_DISABLED);
}

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags)
{
  using namespace qorwin_detail;
  auto& s = state();
  WINDOWPOS pos{window, insertAfter, x, y, width, height, flags};
  RECT old{};
  bool wasVisible = false, visible = false;
  HWND parent = nullptr;
  {
    std::lock_guard<std::mutex> guard(s.lock);
    Window* w = findLocked(window);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    old = w->rect;
    wasVisible = (w->style & WS_VISIBLE) != 0;
    if (flags & SWP_NOMOVE) {
      pos.x = old.left;
      pos.y = old.top;
    }
    if (flags & SWP_NOSIZE) {
      pos.cx = old.right - old.left;
      pos.cy = old.bottom - old.top;
    }
  }
  SendMessageW(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  bool moved, sized;
  {
    std::lock_guard<std::mutex> guard(s.lock);
    Window* w = findLocked(window);
    if (!w)
      return FALSE;
    w->rect = RECT{pos.x, pos.y, pos.x + std::max(pos.cx, 0), pos.y + std::max(pos.cy, 0)};
    moved = w->rect.left != old.left || w->rect.top != old.top;
    sized = (w->rect.right - w->rect.left) != (old.right - old.left) ||
            (w->rect.bottom - w->rect.top) != (old.bottom - old.top);
    if (!(flags & SWP_NOZORDER)) {
      auto* list = siblingsLocked(w);
      if (list && insertAfter != window) {
        list->erase(std::remove(list->begin(), list->end(), window), list->end());
        if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
          list->insert(list->begin(), window);
        } else if (insertAfter == HWND_BOTTOM) {
          list->push_back(window);
        } else {
          auto it = std::find(list->begin(), list->end(), insertAfter);
          list->insert(it == list->end() ? list->end() : it + 1, window);
        }
      }
    }
    if (flags & SWP_SHOWWINDOW)
      w->style |= WS_VISIBLE;
    if (flags & SWP_HIDEWINDOW)
      w->style &= ~static_cast<DWORD>(WS_VISIBLE);
    visible = (w->style & WS_VISIBLE) != 0;
    parent = w->parent;
  }
  // Pixels the window left or now covers are to be painted.
  bool redraw = (moved || sized) && !(flags & SWP_NOREDRAW);
  if (wasVisible && (!visible || (redraw && parent)))
    windowUncovered(parent, old);
  if (visible && (!wasVisible || (redraw && (parent || sized))))
    windowShown(window);
  SendMessageW(window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  if (sized)
    SendMessageW(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(std::max(pos.cx, 0), std::max(pos.cy, 0)));
  if (moved)
    SendMessageW(window, WM_MOVE, 0, MAKELPARAM(pos.x, pos.y));
  return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint)
{
  using namespace qorwin_detail;
  BOOL moved = SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (moved && repaint)
    InvalidateRect(window, nullptr, TRUE);
  return moved;
}

BOOL GetWindowRect(HWND window, LPRECT rect)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w || !rect) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  POINT origin = originLocked(w);
  *rect = RECT{origin.x, origin.y, origin.x + (w->rect.right - w->rect.left),
               origin.y + (w->rect.bottom - w->rect.top)};
  return TRUE;
}

BOOL GetClientRect(HWND window, LPRECT rect)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w || !rect) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *rect = RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
  return TRUE;
}

BOOL ClientToScreen(HWND window, LPPOINT point)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w || !point)
    return FALSE;
  POINT origin = originLocked(w);
  point->x += origin.x;
  point->y += origin.y;
  return TRUE;
}

BOOL ScreenToClient(HWND window, LPPOINT point)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w || !point)
    return FALSE;
  POINT origin = originLocked(w);
  point->x -= origin.x;
  point->y -= origin.y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  POINT a{0, 0}, b{0, 0};
  if (Window* w = findLocked(from))
    a = originLocked(w);
  if (Window* w = findLocked(to))
    b = originLocked(w);
  int dx = a.x - b.x, dy = a.y - b.y;
  for (UINT i = 0; points && i < count; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL BringWindowToTop(HWND window)
{
  using namespace qorwin_detail;
  return SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

// Focus and activation.

HWND SetFocus(HWND window)
{
  using namespace qorwin_detail;
  auto& s = state();
  HWND old;
  {
    std::lock_guard<std::mutex> guard(s.lock);
    if (window) {
      Window* w = findLocked(window);
      if (!w || (w->style & WS_DISABLED))
        return nullptr;
    }
    old = s.focus;
    if (old == window)
      return old;
    s.focus = window;
  }
  if (old && IsWindow(old))
    SendMessageW(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
  if (window)
    SendMessageW(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return old;
}

HWND GetFocus()
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  return state().focus;
}

HWND SetActiveWindow(HWND window)
{
  using namespace qorwin_detail;
  auto& s = state();
  HWND old;
  {
    std::lock_guard<std::mutex> guard(s.lock);
    if (window && !findLocked(window))
      return nullptr;
    old = s.active;
    if (old == window)
      return old;
    s.active = window;
  }
  if (old && IsWindow(old)) {
    SendMessageW(old, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(old, WM_ACTIVATE, 0 /* WA_INACTIVE */, reinterpret_cast<LPARAM>(window));
  }
  if (window) {
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    SendMessageW(window, WM_ACTIVATE, 1 /* WA_ACTIVE */, reinterpret_cast<LPARAM>(old));
  }
  return old;
}

HWND GetActiveWindow()
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  return state().active;
}

HWND GetForegroundWindow()
{
  using namespace qorwin_detail;
  return GetActiveWindow();
}

BOOL SetForegroundWindow(HWND window)
{
  using namespace qorwin_detail;
  if (!IsWindow(window))
    return FALSE;
  SetActiveWindow(window);
  return TRUE;
}

// Rectangles.

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom)
{
  using namespace qorwin_detail;
  if (!rect)
    return FALSE;
  *rect = RECT{left, top, right, bottom};
  return TRUE;
}

BOOL SetRectEmpty(LPRECT rect)
{
  using namespace qorwin_detail;
  return SetRect(rect, 0, 0, 0, 0);
}

BOOL IsRectEmpty(const RECT* rect)
{
  using namespace qorwin_detail;
  return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL OffsetRect(LPRECT rect, int dx, int dy)
{
  using namespace qorwin_detail;
  if (!rect)
    return FALSE;
  rect->left += dx;
  rect->right += dx;
  rect->top += dy;
  rect->bottom += dy;
  return TRUE;
}

BOOL InflateRect(LPRECT rect, int dx, int dy)
{
  using namespace qorwin_detail;
  if (!rect)
    return FALSE;
  rect->left -= dx;
  rect->right += dx;
  rect->top -= dy;
  rect->bottom += dy;
  return TRUE;
}

BOOL PtInRect(const RECT* rect, POINT point)
{
  using namespace qorwin_detail;
  return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
         point.y < rect->bottom;
}

BOOL IntersectRect(LPRECT out, const RECT* a, const RECT* b)
{
  using namespace qorwin_detail;
  if (!out || !a || !b)
    return FALSE;
  RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
         std::min(a->bottom, b->bottom)};
  if (IsRectEmpty(&r)) {
    *out = RECT{};
    return FALSE;
  }
  *out = r;
  return TRUE;
}

BOOL UnionRect(LPRECT out, const RECT* a, const RECT* b)
{
  using namespace qorwin_detail;
  if (!out || !a || !b)
    return FALSE;
  if (IsRectEmpty(a)) {
    *out = *b;
  } else if (IsRectEmpty(b)) {
    *out = *a;
  } else {
    *out = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                std::max(a->bottom, b->bottom)};
  }
  return !IsRectEmpty(out);
}

BOOL EqualRect(const RECT* a, const RECT* b)
{
  using namespace qorwin_detail;
  return a && b && a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}
