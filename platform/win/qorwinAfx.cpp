// The small MFC: message-map dispatch, window objects and their routing, the application object.
#include "qorwinState.h"
#include "win/Afx.h"

#include <vector>

namespace qorwin_detail {

thread_local CWnd* creatingWindow = nullptr;

// The messages being handled on this thread, innermost last, for CWnd::Default.
struct CurrentMessage
{
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
thread_local std::vector<CurrentMessage> currentMessages;

const AFX_MSGMAP_ENTRY* findEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id,
                                  bool matchCodeAndId)
{
  for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e && e->pfn; ++e) {
      UINT entryMessage = e->pRegistered ? *e->pRegistered : e->nMessage;
      if (entryMessage != message || (e->pRegistered && !*e->pRegistered))
        continue;
      if (matchCodeAndId && (e->nCode != code || id < e->nID || id > e->nLastID))
        continue;
      return e;
    }
  }
  return nullptr;
}

// The class of windows created without one; registered again after a reset of the layer.
LPCWSTR defaultWindowClass()
{
  LPCWSTR name = u"QorAfxWnd";
  WNDCLASSEXW cls{};
  if (!GetClassInfoExW(nullptr, name, &cls)) {
    cls = WNDCLASSEXW{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = DefWindowProcW;
    cls.lpszClassName = name;
    RegisterClassExW(&cls);
  }
  return name;
}

} // namespace qorwin_detail

// Attaches the object that is creating a window before the window's first message.
void afxAttachCreating(HWND window)
{
  using namespace qorwin_detail;
  CWnd* object = creatingWindow;
  if (!object)
    return;
  creatingWindow = nullptr;
  setCreationHook(nullptr);
  object->m_hWnd = window;
  setWindowObject(window, object);
  object->m_pfnSuper = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc));
  object->PreSubclassWindow();
}

// CCmdTarget.

CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
  return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void*)
{
  // nCode is a notification code of WM_COMMAND, or of WM_NOTIFY when pExtra holds its header.
  UINT message = pExtra ? WM_NOTIFY : WM_COMMAND;
  const AFX_MSGMAP_ENTRY* e =
      qorwin_detail::findEntry(GetMessageMap(), message, static_cast<UINT>(nCode), nID, true);
  if (!e)
    return FALSE;
  LRESULT ignored = 0;
  auto* result = pExtra ? static_cast<LRESULT*>(static_cast<void**>(pExtra)[1]) : &ignored;
  LPARAM lParam = pExtra ? reinterpret_cast<LPARAM>(static_cast<void**>(pExtra)[0]) : 0;
  return e->pfn(this, 0, lParam, result ? result : &ignored);
}

BOOL CCmdTarget::DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
  const AFX_MSGMAP_ENTRY* e = qorwin_detail::findEntry(GetMessageMap(), message, 0, 0, false);
  if (!e)
    return FALSE;
  LRESULT ignored = 0;
  return e->pfn(this, wParam, lParam, result ? result : &ignored);
}

// CWnd.

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd()
{
  if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
    // Destroyed with its window still there: the window goes too, without this object.
    HWND window = m_hWnd;
    UnsubclassWindow();
    ::DestroyWindow(window);
  }
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
  return window ? static_cast<CWnd*>(qorwin_detail::windowObject(window)) : nullptr;
}

BOOL CWnd::Attach(HWND window)
{
  if (!window || m_hWnd || FromHandlePermanent(window))
    return FALSE;
  m_hWnd = window;
  qorwin_detail::setWindowObject(window, this);
  return TRUE;
}

HWND CWnd::Detach()
{
  HWND window = m_hWnd;
  if (window && FromHandlePermanent(window) == this)
    qorwin_detail::setWindowObject(window, nullptr);
  m_hWnd = nullptr;
  return window;
}

BOOL CWnd::SubclassWindow(HWND window)
{
  if (!Attach(window))
    return FALSE;
  m_pfnSuper = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc));
  PreSubclassWindow();
  return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
  if (m_hWnd && m_pfnSuper)
    SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  return Detach();
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU idOrMenu, LPVOID param)
{
  using namespace qorwin_detail;
  CREATESTRUCTW cs{};
  cs.dwExStyle = exStyle;
  cs.lpszClass = className ? className : defaultWindowClass();
  cs.lpszName = windowName;
  cs.style = static_cast<LONG>(style);
  cs.x = x;
  cs.y = y;
  cs.cx = width;
  cs.cy = height;
  cs.hwndParent = parent;
  cs.hMenu = idOrMenu;
  cs.hInstance = nullptr;
  cs.lpCreateParams = param;
  if (!PreCreateWindow(cs))
    return FALSE;
  creatingWindow = this;
  setCreationHook(&afxAttachCreating);
  HWND window = CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x,
                                cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  if (creatingWindow == this) {
    creatingWindow = nullptr;
    setCreationHook(nullptr);
  }
  return window != nullptr;
}

BOOL CWnd::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                  LPVOID param)
{
  return CreateEx(0, className, windowName, style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::DestroyWindow()
{
  return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result))
    result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
  LRESULT local = 0;
  if (!result)
    result = &local;
  switch (message) {
  case WM_COMMAND:
    if (!OnCommand(wParam, lParam))
      return FALSE;
    *result = 0;
    return TRUE;
  case WM_NOTIFY:
    return OnNotify(wParam, lParam, result);
  case WM_CTLCOLORMSGBOX:
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORLISTBOX:
  case WM_CTLCOLORBTN:
  case WM_CTLCOLORDLG:
  case WM_CTLCOLORSCROLLBAR:
  case WM_CTLCOLORSTATIC:
  case WM_HSCROLL:
  case WM_VSCROLL: {
    // The control's own handler goes first, as MFC reflects these.
    CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
    if (child && child != this && child->OnChildNotify(message, wParam, lParam, result))
      return TRUE;
    break;
  }
  default:
    break;
  }
  if (DispatchToMap(message, wParam, lParam, result))
    return TRUE;
  if (message == WM_NCDESTROY) {
    OnNcDestroy();
    return TRUE;
  }
  return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  return CallWindowProcW(m_pfnSuper ? m_pfnSuper : DefWindowProcW, m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
  auto control = reinterpret_cast<HWND>(lParam);
  if (control) {
    CWnd* child = FromHandlePermanent(control);
    LRESULT ignored = 0;
    if (child && child != this && child->OnChildNotify(WM_COMMAND, wParam, lParam, &ignored))
      return TRUE;
  }
  return OnCmdMsg(LOWORD(wParam), HIWORD(wParam), nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header)
    return FALSE;
  CWnd* child = FromHandlePermanent(header->hwndFrom);
  if (child && child != this && child->OnChildNotify(WM_NOTIFY, 0, lParam, result))
    return TRUE;
  void* extra[2] = {header, result};
  return OnCmdMsg(static_cast<UINT>(header->idFrom), static_cast<int>(header->code), extra, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
  return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
  LRESULT ignored = 0;
  if (!result)
    result = &ignored;
  if (message == WM_COMMAND) {
    const AFX_MSGMAP_ENTRY* e =
        qorwin_detail::findEntry(GetMessageMap(), WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0, true);
    return e && e->pfn(this, wParam, lParam, result);
  }
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
      return FALSE;
    const AFX_MSGMAP_ENTRY* e =
        qorwin_detail::findEntry(GetMessageMap(), WM_REFLECT_BASE + WM_NOTIFY, header->code, 0, true);
    return e && e->pfn(this, wParam, lParam, result);
  }
  return DispatchToMap(WM_REFLECT_BASE + message, wParam, lParam, result);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW&)
{
  return TRUE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::Default()
{
  auto& stack = qorwin_detail::currentMessages;
  for (auto it = stack.rbegin(); it != stack.rend(); ++it)
    if (it->window == m_hWnd)
      return DefWindowProc(it->message, it->wParam, it->lParam);
  return 0;
}

int CWnd::OnCreate(LPCREATESTRUCTW)
{
  return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
  Default();
}

void CWnd::OnClose()
{
  Default();
}

void CWnd::OnPaint()
{
  Default();
}

void CWnd::OnSize(UINT, int, int)
{
  Default();
}

void CWnd::OnTimer(UINT_PTR)
{
  Default();
}

void CWnd::OnShowWindow(BOOL, UINT)
{
  Default();
}

void CWnd::OnNcDestroy()
{
  Default();
  if (m_pfnSuper && m_hWnd)
    SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  Detach();
  PostNcDestroy(); // may delete this
}

LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  using namespace qorwin_detail;
  CWnd* object = CWnd::FromHandlePermanent(window);
  if (!object)
    return DefWindowProcW(window, message, wParam, lParam);
  currentMessages.push_back({window, message, wParam, lParam});
  struct Pop
  {
    ~Pop() { currentMessages.pop_back(); }
  } pop;
  return object->WindowProc(message, wParam, lParam);
}

// CWinApp.

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

BOOL CWinApp::InitInstance()
{
  return TRUE;
}

int CWinApp::ExitInstance()
{
  return 0;
}
