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

#define BN_CLICKED 0

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
  // The object attached to a window, or null.
  static CWnd* FromHandle(HWND window) { return FromHandlePermanent(window); }

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

private:
  WNDPROC m_pfnSuper = nullptr; // the procedure the window had before this object took it over
  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  friend void afxAttachCreating(HWND);
};

// The procedure of every window a CWnd owns.
LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

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
