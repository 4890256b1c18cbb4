// The small MFC: message-map dispatch, window objects and their routing, the application object.
#include "qorwinState.h"
#include "win/Afx.h"
#include "win/WinTest.h"

#include <map>
#include <memory>
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
ON_WM_DRAWITEM()
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

CWnd* CWnd::FromHandle(HWND window)
{
  if (!window)
    return nullptr;
  if (CWnd* permanent = FromHandlePermanent(window))
    return permanent;
  // Handles are never reused, so a stand-in stays right for its window; they live as long as the thread.
  thread_local std::map<HWND, std::unique_ptr<CWnd>> standIns;
  std::unique_ptr<CWnd>& standIn = standIns[window];
  if (!standIn) {
    standIn.reset(new CWnd);
    standIn->m_hWnd = window;
  }
  return standIn.get();
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
  case WM_MEASUREITEM: {
    // Measuring is reflected to the control with that id, as MFC does.
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    CWnd* child = measure ? FromHandlePermanent(::GetDlgItem(m_hWnd, static_cast<int>(measure->CtlID))) : nullptr;
    if (child && child != this && child->OnChildNotify(message, wParam, lParam, result))
      return TRUE;
    break;
  }
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

void CWinApp::EnableModeless(BOOL enable)
{
  m_nDisableCount += enable ? -1 : 1;
}

// More of CWnd: styles, coordinates and the default message handlers.

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
  DWORD style = GetStyle();
  DWORD changed = (style & ~remove) | add;
  if (changed == style)
    return FALSE;
  ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
  if (flags)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
  return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags)
{
  DWORD style = GetExStyle();
  DWORD changed = (style & ~remove) | add;
  if (changed == style)
    return FALSE;
  ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>(changed));
  if (flags)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
  return TRUE;
}

void CWnd::ScreenToClient(LPRECT rect) const
{
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::ClientToScreen(LPRECT rect) const
{
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

BOOL CWnd::UpdateData(BOOL)
{
  return TRUE;
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
  return static_cast<BOOL>(Default());
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
  Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
  Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
  Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
  Default();
}

void CWnd::OnRButtonUp(UINT, CPoint)
{
  Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
  Default();
}

void CWnd::OnMouseLeave()
{
  Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT item)
{
  CWnd* child = item ? FromHandlePermanent(item->hwndItem) : nullptr;
  LRESULT ignored = 0;
  if (child && child != this &&
      child->OnChildNotify(WM_DRAWITEM, static_cast<WPARAM>(item->CtlID), reinterpret_cast<LPARAM>(item), &ignored))
    return;
  Default();
}

void CWnd::OnSetFocus(CWnd*)
{
  Default();
}

void CWnd::OnKillFocus(CWnd*)
{
  Default();
}

UINT CWnd::OnGetDlgCode()
{
  return static_cast<UINT>(Default());
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
  Default();
}

void CWnd::OnKeyUp(UINT, UINT, UINT)
{
  Default();
}

void CWnd::OnChar(UINT, UINT, UINT)
{
  Default();
}

// Modal loops.

BOOL CWnd::PreTranslateMessage(MSG*)
{
  return FALSE;
}

BOOL CWnd::ContinueModal()
{
  return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int result)
{
  m_nModalResult = result;
  if (m_nFlags & WF_CONTINUEMODAL) {
    m_nFlags &= ~WF_CONTINUEMODAL;
    PostMessage(WM_NULL);
  }
}

int CWnd::RunModalLoop(DWORD flags)
{
  m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
  HWND self = m_hWnd;
  if ((flags & MLF_SHOWONIDLE) && !IsWindowVisible()) {
    ShowWindow(SW_SHOWNORMAL);
    ::SetActiveWindow(m_hWnd);
  }
  qorwin_detail::changeModalDepth(1);
  struct Depth
  {
    ~Depth() { qorwin_detail::changeModalDepth(-1); }
  } depth;
  if (ContinueModal())
    qorwin_detail::runModalHook(self);
  ULONGLONG lastActivity = GetTickCount64();
  while (ContinueModal() && ::IsWindow(self)) {
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        // The quit belongs to the loop outside.
        PostQuitMessage(static_cast<int>(msg.wParam));
        m_nModalResult = -1;
        break;
      }
      if (msg.message != WM_TIMER)
        lastActivity = GetTickCount64();
      if (!AfxPreTranslateMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      continue;
    }
    if (qorwin_detail::modalLoopIdle(lastActivity))
      continue;
    // Nobody will answer: end as if Esc were pressed, so that nothing waits forever.
    std::u16string title(static_cast<size_t>(::GetWindowTextLengthW(self)) + 1, u'\0');
    title.resize(static_cast<size_t>(::GetWindowTextW(self, &title[0], static_cast<int>(title.size()))));
    OutputDebugStringA(("Modal loop of \"" + qorwin_detail::narrow(title) +
                        "\" has nothing left to do: ended with IDCANCEL\n")
                           .c_str());
    ::SendMessageW(self, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (::IsWindow(self) && ContinueModal())
      EndModalLoop(IDCANCEL);
  }
  m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
  return m_nModalResult;
}

namespace qorwin_detail {
HWND ownerMost(HWND window)
{
  HWND top = window;
  for (HWND next = top ? ::GetWindow(top, GW_OWNER) : nullptr; next; next = ::GetWindow(next, GW_OWNER))
    top = next;
  return top;
}

CWnd*& mainWindow()
{
  static CWnd* theMainWindow = nullptr;
  return theMainWindow;
}
} // namespace qorwin_detail

CWnd* CWnd::GetSafeOwner(CWnd* parent, HWND* top)
{
  HWND window = parent ? parent->m_hWnd : nullptr;
  if (!window) {
    CWnd* main = AfxGetMainWnd();
    window = main ? main->m_hWnd : nullptr;
  }
  if (window)
    window = ::GetAncestor(window, GA_ROOT);
  if (top) {
    HWND topMost = qorwin_detail::ownerMost(window);
    if (topMost && topMost != window && ::IsWindowEnabled(topMost)) {
      *top = topMost;
      ::EnableWindow(topMost, FALSE);
    } else {
      *top = nullptr;
    }
  }
  return FromHandle(window);
}

BOOL AfxPreTranslateMessage(MSG* msg)
{
  // Keyboard input only, as dialogs need it.
  if (!msg || msg->message < WM_KEYDOWN || msg->message > 0x0109)
    return FALSE;
  for (HWND window = msg->hwnd; window;) {
    CWnd* object = CWnd::FromHandlePermanent(window);
    if (object && object->PreTranslateMessage(msg))
      return TRUE;
    if (!(::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD))
      break;
    window = ::GetParent(window);
  }
  return FALSE;
}

CWnd* AfxGetMainWnd()
{
  return qorwin_detail::mainWindow();
}

void AfxSetMainWnd(CWnd* window)
{
  qorwin_detail::mainWindow() = window;
}

// CDialog.

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::~CDialog() = default;

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
  // The library's one dialog template.
  if (templateId != 20 || m_hWnd)
    return FALSE;
  m_nIDHelp = templateId;
  m_pParentWnd = parent;
  // Set from creation on, so that a dialog ended before its loop runs never starts one.
  m_nFlags |= WF_CONTINUEMODAL;
  if (!CreateEx(WS_EX_CONTROLPARENT, WC_DIALOG, u"Dialog", WS_CAPTION | DS_SETFONT, 0, 0, 0, 0,
                parent ? parent->m_hWnd : nullptr, nullptr))
    return FALSE;
  HDC dc = ::GetDC(m_hWnd);
  int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
  ::ReleaseDC(m_hWnd, dc);
  m_templateFont.CreateFont(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                            u"Tahoma");
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_templateFont.m_hObject), FALSE);
  RECT size{0, 0, 100, 100};
  ::MapDialogRect(m_hWnd, &size);
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, size.right, size.bottom, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  SendMessage(WM_INITDIALOG, 0, 0);
  return TRUE;
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
  if (message == WM_INITDIALOG) {
    BOOL focus = OnInitDialog();
    if (result)
      *result = focus;
    return TRUE;
  }
  return CWnd::OnWndMsg(message, wParam, lParam, result);
}

BOOL CDialog::OnInitDialog()
{
  return TRUE;
}

HWND CDialog::PreModal()
{
  if (CWinApp* app = AfxGetApp())
    app->EnableModeless(FALSE);
  CWnd* owner = GetSafeOwner(m_pParentWnd, &m_hWndTop);
  if (owner)
    return owner->m_hWnd;
  HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
  return parent ? ::GetAncestor(parent, GA_ROOT) : nullptr;
}

void CDialog::PostModal()
{
  if (m_hWndTop && ::IsWindow(m_hWndTop))
    ::EnableWindow(m_hWndTop, TRUE);
  m_hWndTop = nullptr;
  if (CWinApp* app = AfxGetApp())
    app->EnableModeless(TRUE);
}

INT_PTR CDialog::DoModal()
{
  if (!m_hWnd && !Create(m_nIDHelp, m_pParentWnd))
    return -1;
  HWND owner = PreModal();
  bool enableOwner = false;
  if (owner && owner != ::GetDesktopWindow() && ::IsWindowEnabled(owner)) {
    ::EnableWindow(owner, FALSE);
    enableOwner = true;
  }
  m_nModalResult = -1;
  RunModalLoop(MLF_SHOWONIDLE | ((GetStyle() & DS_NOIDLEMSG) ? MLF_NOIDLEMSG : 0));
  if (m_hWnd)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
  if (enableOwner)
    ::EnableWindow(owner, TRUE);
  if (owner && m_hWnd && ::GetActiveWindow() == m_hWnd)
    ::SetActiveWindow(owner);
  PostModal();
  DestroyWindow();
  return m_nModalResult;
}

void CDialog::EndDialog(int result)
{
  if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
    EndModalLoop(result);
  ::EndDialog(m_hWnd, result);
}

void CDialog::OnOK()
{
  if (!UpdateData(TRUE))
    return;
  EndDialog(IDOK);
}

void CDialog::OnCancel()
{
  EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
  return ::IsDialogMessageW(m_hWnd, msg);
}

DWORD CDialog::GetDefID() const
{
  return static_cast<DWORD>(::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::SetDefID(UINT id)
{
  ::SendMessageW(m_hWnd, DM_SETDEFID, id, 0);
}

// Controls.

BOOL CButton::Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
  return CWnd::Create(u"Button", caption, style, rect, parent, id);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
  if (message == WM_DRAWITEM) {
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (result)
      *result = TRUE;
    return TRUE;
  }
  return CWnd::OnChildNotify(message, wParam, lParam, result);
}

BOOL CStatic::Create(LPCWSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
  return CWnd::Create(u"Static", text, style, rect, parent, id);
}
