// The small MFC of the Windows layer: message maps, CCmdTarget, CWnd (a window object with message
// routing and child notifications reflected back to the child), CWinApp and the module state.
//
// Module state is per module: AfxGetModuleState is hidden, so the plug-in module and the host each
// have their own, and the CWinApp built in a module becomes that module's application. A module runs
// its application's InitInstance after static initialisation and its ExitInstance at unload by placing
// an AfxModuleEntry right after its application object (in the same source file).
#pragma once

#include "win/Windows.h"

class CCmdTarget;
class CWnd;
class CWinApp;

// Message reflection: a parent hands a child's notification back to the child at this offset.
#define WM_REFLECT_BASE 0xBC00


typedef BOOL (*AFX_HANDLER)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT* result);

struct AFX_MSGMAP_ENTRY
{
  UINT nMessage; // the message; WM_COMMAND / WM_NOTIFY entries also match code and id range
  UINT nCode;
  UINT nID;
  UINT nLastID;
  const UINT* pRegistered; // a registered message's variable, read at dispatch
  AFX_HANDLER pfn;         // null ends the table
};

struct AFX_MSGMAP
{
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

#define afx_msg

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
  static const AFX_MSGMAP* GetThisMessageMap();                                                              \
  virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
  const AFX_MSGMAP* theClass::GetMessageMap() const                                                          \
  {                                                                                                          \
    return GetThisMessageMap();                                                                              \
  }                                                                                                          \
  const AFX_MSGMAP* theClass::GetThisMessageMap()                                                            \
  {                                                                                                          \
    typedef theClass ThisClass [[maybe_unused]];                                                             \
    typedef baseClass TheBaseClass;                                                                          \
    static const AFX_MSGMAP_ENTRY messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                    \
  {                                                                                                          \
    0, 0, 0, 0, nullptr, nullptr                                                                             \
  }                                                                                                          \
  }                                                                                                          \
  ;                                                                                                          \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &messageEntries[0]};               \
  return &messageMap;                                                                                        \
  }

#define AFX_TARGET(t) static_cast<ThisClass*>(t)

#define ON_MESSAGE(message, memberFxn)                                                                       \
  {static_cast<UINT>(message), 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT* r) -> BOOL { \
     *r = AFX_TARGET(t)->memberFxn(w, l);                                                                    \
     return TRUE;                                                                                            \
   }},
#define ON_REGISTERED_MESSAGE(messageVariable, memberFxn)                                                    \
  {0, 0, 0, 0, &(messageVariable), [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT* r) -> BOOL {               \
     *r = AFX_TARGET(t)->memberFxn(w, l);                                                                    \
     return TRUE;                                                                                            \
   }},
#define ON_CONTROL(code, id, memberFxn)                                                                      \
  {WM_COMMAND,                                                                                               \
   static_cast<UINT>(code),                                                                                  \
   static_cast<UINT>(id),                                                                                    \
   static_cast<UINT>(id),                                                                                    \
   nullptr,                                                                                                  \
   [](CCmdTarget* t, WPARAM, LPARAM, LRESULT*) -> BOOL {                                                     \
     AFX_TARGET(t)->memberFxn();                                                                             \
     return TRUE;                                                                                            \
   }},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_NOTIFY(code, id, memberFxn)                                                                       \
  {WM_NOTIFY,                                                                                                \
   static_cast<UINT>(code),                                                                                  \
   static_cast<UINT>(id),                                                                                    \
   static_cast<UINT>(id),                                                                                    \
   nullptr,                                                                                                  \
   [](CCmdTarget* t, WPARAM, LPARAM l, LRESULT* r) -> BOOL {                                                 \
     AFX_TARGET(t)->memberFxn(reinterpret_cast<NMHDR*>(l), r);                                               \
     return TRUE;                                                                                            \
   }},
#define ON_CONTROL_REFLECT(code, memberFxn)                                                                  \
  {WM_REFLECT_BASE + WM_COMMAND,                                                                             \
   static_cast<UINT>(code),                                                                                  \
   0,                                                                                                        \
   0,                                                                                                        \
   nullptr,                                                                                                  \
   [](CCmdTarget* t, WPARAM, LPARAM, LRESULT*) -> BOOL {                                                     \
     AFX_TARGET(t)->memberFxn();                                                                             \
     return TRUE;                                                                                            \
   }},
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                               \
  {WM_REFLECT_BASE + WM_COMMAND,                                                                             \
   static_cast<UINT>(code),                                                                                  \
   0,                                                                                                        \
   0,                                                                                                        \
   nullptr,                                                                                                  \
   [](CCmdTarget* t, WPARAM, LPARAM, LRESULT*) -> BOOL { return AFX_TARGET(t)->memberFxn(); }},
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                                   \
  {WM_REFLECT_BASE + WM_NOTIFY,                                                                              \
   static_cast<UINT>(code),                                                                                  \
   0,                                                                                                        \
   0,                                                                                                        \
   nullptr,                                                                                                  \
   [](CCmdTarget* t, WPARAM, LPARAM l, LRESULT* r) -> BOOL {                                                 \
     AFX_TARGET(t)->memberFxn(reinterpret_cast<NMHDR*>(l), r);                                               \
     return TRUE;                                                                                            \
   }},
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                                \
  {WM_REFLECT_BASE + WM_NOTIFY,                                                                              \
   static_cast<UINT>(code),                                                                                  \
   0,                                                                                                        \
   0,                                                                                                        \
   nullptr,                                                                                                  \
   [](CCmdTarget* t, WPARAM, LPARAM l, LRESULT* r) -> BOOL {                                                 \
     return AFX_TARGET(t)->memberFxn(reinterpret_cast<NMHDR*>(l), r);                                        \
   }},
#define ON_WM_CREATE()                                                                                       \
  {WM_CREATE, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM, LPARAM l, LRESULT* r) -> BOOL {                    \
     *r = AFX_TARGET(t)->OnCreate(reinterpret_cast<LPCREATESTRUCTW>(l));                                     \
     return TRUE;                                                                                            \
   }},
#define ON_WM_DESTROY()                                                                                      \
  {WM_DESTROY, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM, LPARAM, LRESULT*) -> BOOL {                       \
     AFX_TARGET(t)->OnDestroy();                                                                             \
     return TRUE;                                                                                            \
   }},
#define ON_WM_CLOSE()                                                                                        \
  {WM_CLOSE, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM, LPARAM, LRESULT*) -> BOOL {                         \
     AFX_TARGET(t)->OnClose();                                                                               \
     return TRUE;                                                                                            \
   }},
#define ON_WM_PAINT()                                                                                        \
  {WM_PAINT, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM, LPARAM, LRESULT*) -> BOOL {                         \
     AFX_TARGET(t)->OnPaint();                                                                               \
     return TRUE;                                                                                            \
   }},
#define ON_WM_SIZE()                                                                                         \
  {WM_SIZE, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT*) -> BOOL {                      \
     AFX_TARGET(t)->OnSize(static_cast<UINT>(w), GET_X_LPARAM(l), GET_Y_LPARAM(l));                          \
     return TRUE;                                                                                            \
   }},
#define ON_WM_TIMER()                                                                                        \
  {WM_TIMER, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM w, LPARAM, LRESULT*) -> BOOL {                       \
     AFX_TARGET(t)->OnTimer(static_cast<UINT_PTR>(w));                                                       \
     return TRUE;                                                                                            \
   }},
#define ON_WM_SHOWWINDOW()                                                                                   \
  {WM_SHOWWINDOW, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT*) -> BOOL {                \
     AFX_TARGET(t)->OnShowWindow(static_cast<BOOL>(w), static_cast<UINT>(l));                                \
     return TRUE;                                                                                            \
   }},

#define ON_WM_ERASEBKGND()                                                                                   \
  {WM_ERASEBKGND, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM w, LPARAM, LRESULT* r) -> BOOL {                \
     CDC dc(reinterpret_cast<HDC>(w));                                                                       \
     *r = AFX_TARGET(t)->OnEraseBkgnd(&dc);                                                                  \
     return TRUE;                                                                                            \
   }},
#define AFX_MOUSE_ENTRY(message, memberFxn)                                                                  \
  {message, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT*) -> BOOL {                      \
     AFX_TARGET(t)->memberFxn(static_cast<UINT>(w), CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));               \
     return TRUE;                                                                                            \
   }},
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_MOUSELEAVE()                                                                                   \
  {WM_MOUSELEAVE, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM, LPARAM, LRESULT*) -> BOOL {                    \
     AFX_TARGET(t)->OnMouseLeave();                                                                          \
     return TRUE;                                                                                            \
   }},
#define ON_WM_DRAWITEM()                                                                                     \
  {WM_DRAWITEM, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT*) -> BOOL {                  \
     AFX_TARGET(t)->OnDrawItem(static_cast<int>(w), reinterpret_cast<LPDRAWITEMSTRUCT>(l));                  \
     return TRUE;                                                                                            \
   }},
#define ON_WM_SETFOCUS()                                                                                     \
  {WM_SETFOCUS, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM w, LPARAM, LRESULT*) -> BOOL {                    \
     AFX_TARGET(t)->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(w)));                                 \
     return TRUE;                                                                                            \
   }},
#define ON_WM_KILLFOCUS()                                                                                    \
  {WM_KILLFOCUS, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM w, LPARAM, LRESULT*) -> BOOL {                   \
     AFX_TARGET(t)->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(w)));                                \
     return TRUE;                                                                                            \
   }},
#define ON_WM_GETDLGCODE()                                                                                   \
  {WM_GETDLGCODE, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM, LPARAM, LRESULT* r) -> BOOL {                  \
     *r = static_cast<LRESULT>(AFX_TARGET(t)->OnGetDlgCode());                                               \
     return TRUE;                                                                                            \
   }},
#define AFX_KEY_ENTRY(message, memberFxn)                                                                    \
  {message, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT*) -> BOOL {                      \
     AFX_TARGET(t)->memberFxn(static_cast<UINT>(w), static_cast<UINT>(LOWORD(l)), static_cast<UINT>(HIWORD(l))); \
     return TRUE;                                                                                            \
   }},
#define ON_WM_KEYDOWN() AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_KEY_ENTRY(WM_CHAR, OnChar)

// Points and rectangles with the members the framework uses.
struct CPoint : POINT
{
  CPoint() : POINT{0, 0} {}
  CPoint(int x, int y) : POINT{x, y} {}
};

struct CRect : RECT
{
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  CRect(const RECT& r) : RECT(r) {}
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }
  void DeflateRect(int x, int y) { InflateRect(this, -x, -y); }
};

// GDI objects owned by an object: the handle is deleted with it.
class CGdiObject
{
public:
  CGdiObject() = default;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  virtual ~CGdiObject() { DeleteObject(); }
  HGDIOBJ m_hObject = nullptr;
  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  BOOL Attach(HGDIOBJ object)
  {
    if (!object)
      return FALSE;
    DeleteObject();
    m_hObject = object;
    return TRUE;
  }
  HGDIOBJ Detach()
  {
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
  }
  BOOL DeleteObject()
  {
    if (!m_hObject)
      return FALSE;
    BOOL done = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return done;
  }
};

class CFont : public CGdiObject
{
public:
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }
  BOOL CreateFontIndirect(const LOGFONTW* font) { return Attach(::CreateFontIndirectW(font)); }
  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                  BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                  BYTE pitchAndFamily, LPCWSTR faceName)
  {
    return Attach(::CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                                charSet, outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
  }
};

class CBrush : public CGdiObject
{
public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
  BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
};

class CPen : public CGdiObject
{
public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
  operator HPEN() const { return static_cast<HPEN>(m_hObject); }
  BOOL CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }
};

// A device context borrowed from its owner (a paint or a draw-item message): never released here.
class CDC
{
public:
  explicit CDC(HDC dc = nullptr) : m_hDC(dc) {}
  HDC m_hDC;
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }
  int GetClipBox(LPRECT rect) const { return ::GetClipBox(m_hDC, rect); }
  int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
  void FillRect(const RECT* rect, HBRUSH brush) { ::FillRect(m_hDC, rect, brush); }
  void FrameRect(const RECT* rect, HBRUSH brush) { ::FrameRect(m_hDC, rect, brush); }
  void FillSolidRect(const RECT* rect, COLORREF color)
  {
    CBrush brush(color);
    ::FillRect(m_hDC, rect, brush);
  }
  COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
  COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
  HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
  BOOL PatBlt(int x, int y, int width, int height, DWORD rop) { return ::PatBlt(m_hDC, x, y, width, height, rop); }
  int DrawText(LPCWSTR text, int length, LPRECT rect, UINT format)
  {
    return ::DrawTextW(m_hDC, text, length, rect, format);
  }
};

// Flags of CWnd::m_nFlags and of RunModalLoop.
#define WF_MODALLOOP 0x0008
#define WF_CONTINUEMODAL 0x0010
#define MLF_NOIDLEMSG 0x0001
#define MLF_NOKICKIDLE 0x0002
#define MLF_SHOWONIDLE 0x0004

// Base of every object that receives messages through a message map.
class CCmdTarget
{
public:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  virtual ~CCmdTarget();

  // Runs the first handler of this object's map chain for a command or notification.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);
  // Runs the first handler of the map chain for a message; false when no entry matches.
  BOOL DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};

// A window object. Created through Create/CreateEx (or attached with SubclassWindow), it receives its
// window's messages through WindowProc, which looks in the message map before DefWindowProc.
class CWnd : public CCmdTarget
{
  DECLARE_MESSAGE_MAP()
public:
  CWnd() = default;
  ~CWnd() override;

  HWND m_hWnd = nullptr;

  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return GetSafeHwnd(); }

  static CWnd* FromHandlePermanent(HWND window);
  // The object attached to a window; for a window without one, a stand-in object of this thread that
  // only carries the handle (it never owns or destroys the window). Null for a null handle.
  static CWnd* FromHandle(HWND window);

  BOOL Attach(HWND window);
  HWND Detach();
  BOOL SubclassWindow(HWND window);
  HWND UnsubclassWindow();

  virtual BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                        int width, int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
  virtual BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                      UINT id, LPVOID param = nullptr);
  virtual BOOL DestroyWindow();

  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  // A parent hands its child's notification to the child here first; true when the child took it.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
  virtual void PreSubclassWindow();
  // After the window's last message; the object may delete itself here.
  virtual void PostNcDestroy();

  // The message being handled, to the window's default procedure.
  LRESULT Default();

  afx_msg int OnCreate(LPCREATESTRUCTW cs);
  afx_msg void OnDestroy();
  afx_msg void OnClose();
  afx_msg void OnPaint();
  afx_msg void OnSize(UINT type, int cx, int cy);
  afx_msg void OnTimer(UINT_PTR id);
  afx_msg void OnShowWindow(BOOL show, UINT status);
  afx_msg void OnNcDestroy();

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
  {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
  {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
  }
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) { return ::SetTimer(m_hWnd, id, elapse, proc); }
  BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
  BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  void SetWindowText(LPCWSTR text) { ::SetWindowTextW(m_hWnd, text); }
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE)
  {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
  }
  void MoveWindow(const RECT& rect, BOOL repaint = TRUE)
  {
    ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
  }
  void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
  void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags)
  {
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, width, height, flags);
  }
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void InvalidateRect(const RECT* rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
  static CWnd* GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
  CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
  void SetFont(CFont* font, BOOL redraw = TRUE)
  {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
  }
  int GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
  int GetWindowText(LPWSTR out, int size) const { return ::GetWindowTextW(m_hWnd, out, size); }
  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
  DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
  BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
  void ScreenToClient(LPRECT rect) const;
  void ClientToScreen(LPRECT rect) const;
  CWnd* GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }
  CWnd* GetTopLevelParent() const { return FromHandle(::GetAncestor(m_hWnd, GA_ROOT)); }
  // Data exchange of dialogs: nothing to exchange here, so it always succeeds.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnRButtonUp(UINT flags, CPoint point);
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnMouseLeave();
  // Owner drawing reflected to the control that asked for it (its DrawItem).
  afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
  afx_msg void OnSetFocus(CWnd* old);
  afx_msg void OnKillFocus(CWnd* next);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
  afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);
  afx_msg void OnChar(UINT key, UINT repeat, UINT flags);

  // Modal loops: the window's own message loop, run until EndModalLoop. The loop shows the window
  // when it starts (MLF_SHOWONIDLE), runs the layer's modal hook (win/WinTest.h) and ends by itself
  // with IDCANCEL when nothing is left to do.
  int m_nFlags = 0;
  int m_nModalResult = -1;
  virtual int RunModalLoop(DWORD flags = 0);
  virtual BOOL ContinueModal();
  virtual void EndModalLoop(int result);
  // Keyboard handling before dispatch; true when the message was handled.
  virtual BOOL PreTranslateMessage(MSG* msg);
  // The top-level window that owns a new dialog of `parent` (or of the thread's main window);
  // with `top`, the top-level window to disable while it runs, which is disabled here.
  static CWnd* GetSafeOwner(CWnd* parent = nullptr, HWND* top = nullptr);

private:
  WNDPROC m_pfnSuper = nullptr; // the procedure the window had before this object took it over
  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  friend void afxAttachCreating(HWND);
};

// The procedure of every window a CWnd owns.
LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// PreTranslateMessage of the message's window and of each parent up to its top-level window.
BOOL AfxPreTranslateMessage(MSG* msg);

// The thread's main window; the host runs none for a plug-in, so it is null unless one is set.
CWnd* AfxGetMainWnd();
void AfxSetMainWnd(CWnd* window);

// A dialog made from a template of the library. Template 20 is built in: style WS_CAPTION |
// DS_SETFONT, extended style WS_EX_CONTROLPARENT, no controls, at (0, 0), 100 × 100 dialog units,
// caption "Dialog", font "Tahoma" 9 points; it starts hidden.
class CDialog : public CWnd
{
  DECLARE_MESSAGE_MAP()
public:
  CDialog() = default;
  explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDHelp(templateId), m_pParentWnd(parent) {}
  ~CDialog() override;

  UINT m_nIDHelp = 0; // the template id
  CWnd* m_pParentWnd = nullptr;
  HWND m_hWndTop = nullptr; // the top-level window disabled while the dialog runs modally

  virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
  // Creates the window from the template when it does not exist, runs it modally and destroys it.
  virtual INT_PTR DoModal();
  void EndDialog(int result);
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  DWORD GetDefID() const;
  void SetDefID(UINT id);

protected:
  // Disables the owner's top-level window and returns the owner's window.
  virtual HWND PreModal();
  // Enables what PreModal disabled.
  virtual void PostModal();
  CFont m_templateFont;
};

// Push buttons of the "Button" class; an owner-drawn one paints through DrawItem.
class CButton : public CWnd
{
public:
  virtual BOOL Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
  virtual void DrawItem(LPDRAWITEMSTRUCT item);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  UINT GetState() const { return static_cast<UINT>(::SendMessageW(m_hWnd, BM_GETSTATE, 0, 0)); }
  void SetState(BOOL pushed) { ::SendMessageW(m_hWnd, BM_SETSTATE, pushed, 0); }
  int GetCheck() const { return static_cast<int>(::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0)); }
  void SetCheck(int check) { ::SendMessageW(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(check), 0); }
  UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }
  void SetButtonStyle(UINT style, BOOL redraw = TRUE) { ::SendMessageW(m_hWnd, BM_SETSTYLE, style, redraw); }
};

// Text controls of the "Edit" class.
class CEdit : public CWnd
{
public:
  virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
  {
    return CWnd::Create(u"Edit", nullptr, style, rect, parent, id);
  }
  void GetSel(int& start, int& end) const
  {
    DWORD s = 0, e = 0;
    ::SendMessageW(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    start = static_cast<int>(s);
    end = static_cast<int>(e);
  }
  void SetSel(int start, int end, BOOL noScroll = FALSE)
  {
    ::SendMessageW(m_hWnd, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    if (!noScroll)
      ::SendMessageW(m_hWnd, EM_SCROLLCARET, 0, 0);
  }
  void ReplaceSel(LPCWSTR text, BOOL canUndo = FALSE)
  {
    ::SendMessageW(m_hWnd, EM_REPLACESEL, static_cast<WPARAM>(canUndo), reinterpret_cast<LPARAM>(text));
  }
  BOOL SetReadOnly(BOOL readOnly = TRUE)
  {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, EM_SETREADONLY, static_cast<WPARAM>(readOnly), 0));
  }
  void SetLimitText(UINT limit) { ::SendMessageW(m_hWnd, EM_SETLIMITTEXT, limit, 0); }
  void Cut() { ::SendMessageW(m_hWnd, WM_CUT, 0, 0); }
  void Copy() { ::SendMessageW(m_hWnd, WM_COPY, 0, 0); }
  void Paste() { ::SendMessageW(m_hWnd, WM_PASTE, 0, 0); }
  void Clear() { ::SendMessageW(m_hWnd, WM_CLEAR, 0, 0); }
  BOOL Undo() { return static_cast<BOOL>(::SendMessageW(m_hWnd, EM_UNDO, 0, 0)); }
};

// Static texts of the "Static" class.
class CStatic : public CWnd
{
public:
  virtual BOOL Create(LPCWSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xffff);
};

// The application object of a module.
class CWinApp : public CCmdTarget
{
  DECLARE_MESSAGE_MAP()
public:
  explicit CWinApp(LPCWSTR appName = nullptr);
  ~CWinApp() override;

  LPCWSTR m_pszAppName = nullptr;
  HINSTANCE m_hInstance = nullptr;

  virtual BOOL InitInstance();
  virtual int ExitInstance();
  // Disabled while a modal dialog runs (counted, so nested dialogs balance).
  virtual void EnableModeless(BOOL enable);
  int m_nDisableCount = 0;
};

struct AFX_MODULE_STATE
{
  CWinApp* m_pCurrentWinApp = nullptr;
  HINSTANCE m_hCurrentInstanceHandle = nullptr;
  HINSTANCE m_hCurrentResourceHandle = nullptr;
  LPCWSTR m_lpszCurrentAppName = nullptr;
  bool m_bEntered = false;
};

__attribute__((visibility("hidden"))) inline AFX_MODULE_STATE* AfxGetModuleState()
{
  static AFX_MODULE_STATE state;
  if (!state.m_hCurrentInstanceHandle) {
    // The module is the one that holds this function's code.
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(reinterpret_cast<LPCVOID>(&AfxGetModuleState), &info, sizeof info))
      state.m_hCurrentInstanceHandle = state.m_hCurrentResourceHandle =
          static_cast<HINSTANCE>(info.AllocationBase);
  }
  return &state;
}
__attribute__((visibility("hidden"))) inline AFX_MODULE_STATE* AfxGetStaticModuleState()
{
  return AfxGetModuleState();
}
#define AFX_MANAGE_STATE(p) (void)(p)

__attribute__((visibility("hidden"))) inline CWinApp* AfxGetApp()
{
  return AfxGetModuleState()->m_pCurrentWinApp;
}
__attribute__((visibility("hidden"))) inline HINSTANCE AfxGetInstanceHandle()
{
  return AfxGetModuleState()->m_hCurrentInstanceHandle;
}
__attribute__((visibility("hidden"))) inline HINSTANCE AfxGetResourceHandle()
{
  return AfxGetModuleState()->m_hCurrentResourceHandle;
}

inline CWinApp::CWinApp(LPCWSTR appName) : m_pszAppName(appName)
{
  AFX_MODULE_STATE* state = AfxGetModuleState();
  state->m_pCurrentWinApp = this;
  state->m_lpszCurrentAppName = appName;
  m_hInstance = state->m_hCurrentInstanceHandle;
}

inline CWinApp::~CWinApp()
{
  AFX_MODULE_STATE* state = AfxGetModuleState();
  if (state->m_pCurrentWinApp == this)
    state->m_pCurrentWinApp = nullptr;
}

// The module's entry: InitInstance of its application once, then ExitInstance at unload.
__attribute__((visibility("hidden"))) inline BOOL AfxWinModuleEntry()
{
  AFX_MODULE_STATE* state = AfxGetModuleState();
  if (state->m_bEntered)
    return TRUE;
  state->m_bEntered = true;
  CWinApp* app = state->m_pCurrentWinApp;
  return app ? app->InitInstance() : TRUE;
}
__attribute__((visibility("hidden"))) inline int AfxWinModuleExit()
{
  AFX_MODULE_STATE* state = AfxGetModuleState();
  if (!state->m_bEntered)
    return 0;
  state->m_bEntered = false;
  CWinApp* app = state->m_pCurrentWinApp;
  return app ? app->ExitInstance() : 0;
}
struct AfxModuleEntry
{
  AfxModuleEntry() { AfxWinModuleEntry(); }
  ~AfxModuleEntry() { AfxWinModuleExit(); }
  AfxModuleEntry(const AfxModuleEntry&) = delete;
  AfxModuleEntry& operator=(const AfxModuleEntry&) = delete;
};
