// The small MFC: message maps, window objects, reflected child notifications, the application object.
#include "win/Afx.h"
#include "win/WinTest.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace test_afx {

std::vector<std::string> events;
const UINT pingMessage = RegisterWindowMessageW(u"TestAfxPing");
const UINT childId = 42;
const UINT notifyCode = 0x1234;

class Panel : public CWnd
{
public:
  bool* deleted = nullptr;
  ~Panel() override
  {
    if (deleted)
      *deleted = true;
  }

protected:
  afx_msg int OnCreate(LPCREATESTRUCTW cs)
  {
    events.push_back(m_hWnd ? "create attached" : "create detached");
    return CWnd::OnCreate(cs);
  }
  afx_msg void OnDestroy()
  {
    events.push_back("destroy");
    CWnd::OnDestroy();
  }
  afx_msg void OnTimer(UINT_PTR id) { events.push_back("timer " + std::to_string(id)); }
  afx_msg LRESULT OnDouble(WPARAM w, LPARAM) { return static_cast<LRESULT>(w * 2); }
  afx_msg LRESULT OnPing(WPARAM, LPARAM)
  {
    events.push_back("ping");
    return 7;
  }
  afx_msg void OnChildClicked() { events.push_back("parent command"); }
  afx_msg void OnChildNotify(NMHDR*, LRESULT* result)
  {
    events.push_back("parent notify");
    *result = 5;
  }
  void PostNcDestroy() override
  {
    events.push_back("post nc destroy");
    delete this;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Panel, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_MESSAGE(WM_USER + 1, OnDouble)
ON_REGISTERED_MESSAGE(pingMessage, OnPing)
ON_BN_CLICKED(childId, OnChildClicked)
ON_NOTIFY(notifyCode, childId, OnChildNotify)
END_MESSAGE_MAP()

// A derived class whose map is chained to Panel's.
class SubPanel : public Panel
{
protected:
  afx_msg LRESULT OnTriple(WPARAM w, LPARAM) { return static_cast<LRESULT>(w * 3); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SubPanel, Panel)
ON_MESSAGE(WM_USER + 2, OnTriple)
END_MESSAGE_MAP()

// A child that handles its own notifications when `reflect` is set.
class Button : public CWnd
{
public:
  bool reflect = true;

protected:
  afx_msg BOOL OnClicked()
  {
    events.push_back("child reflected command");
    return reflect;
  }
  afx_msg BOOL OnNotified(NMHDR*, LRESULT* result)
  {
    events.push_back("child reflected notify");
    *result = 9;
    return reflect;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Button, CWnd)
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
ON_NOTIFY_REFLECT_EX(notifyCode, OnNotified)
END_MESSAGE_MAP()

class Afx : public ::testing::Test
{
protected:
  void SetUp() override { events.clear(); }
  void TearDown() override { qorwin::resetState(); }
};

TEST_F(Afx, AWindowObjectGetsItsMessagesThroughItsMapFromTheFirstOne)
{
  bool deleted = false;
  auto* panel = new SubPanel;
  panel->deleted = &deleted;
  ASSERT_TRUE(panel->CreateEx(0, nullptr, u"panel", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr));
  HWND window = panel->m_hWnd;
  EXPECT_EQ(CWnd::FromHandlePermanent(window), panel);
  EXPECT_EQ(events, (std::vector<std::string>{"create attached"}));

  EXPECT_EQ(panel->SendMessage(WM_USER + 1, 21), 42);
  EXPECT_EQ(panel->SendMessage(WM_USER + 2, 5), 15); // the derived map
  EXPECT_EQ(panel->SendMessage(pingMessage), 7);
  EXPECT_EQ(panel->SendMessage(WM_USER + 3, 1), 0); // no entry: the default procedure
  panel->SetWindowText(u"renamed");
  WCHAR text[16];
  EXPECT_EQ(GetWindowTextW(window, text, 16), 7);

  panel->SetTimer(3, 50, nullptr);
  qorwin::advance(50);
  events.clear();
  ASSERT_TRUE(panel->DestroyWindow());
  EXPECT_EQ(events, (std::vector<std::string>{"destroy", "post nc destroy"}));
  EXPECT_TRUE(deleted);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(Afx, TimersReachTheObject)
{
  auto* panel = new Panel;
  ASSERT_TRUE(panel->CreateEx(0, nullptr, u"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr));
  panel->SetTimer(3, 50, nullptr);
  events.clear();
  qorwin::advance(100);
  EXPECT_EQ(events, (std::vector<std::string>{"timer 3", "timer 3"}));
  panel->DestroyWindow();
}

TEST_F(Afx, ChildNotificationsAreReflectedToTheChildFirst)
{
  auto* parent = new Panel;
  ASSERT_TRUE(parent->CreateEx(0, nullptr, u"", WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr));
  Button child;
  ASSERT_TRUE(child.Create(nullptr, u"OK", WS_VISIBLE, RECT{0, 0, 10, 10}, parent, childId));
  EXPECT_EQ(child.GetParent(), parent);
  events.clear();

  auto click = [&] {
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(childId, BN_CLICKED), reinterpret_cast<LPARAM>(child.m_hWnd));
  };
  NMHDR header{child.m_hWnd, childId, notifyCode};
  auto notify = [&] { return parent->SendMessage(WM_NOTIFY, childId, reinterpret_cast<LPARAM>(&header)); };

  click();
  EXPECT_EQ(notify(), 9);
  EXPECT_EQ(events, (std::vector<std::string>{"child reflected command", "child reflected notify"}));

  // A child that declines passes the notification on to its parent's map.
  child.reflect = false;
  events.clear();
  click();
  EXPECT_EQ(notify(), 5);
  EXPECT_EQ(events, (std::vector<std::string>{"child reflected command", "parent command",
                                              "child reflected notify", "parent notify"}));
  // A command from a window without an object goes straight to the parent's map.
  events.clear();
  parent->SendMessage(WM_COMMAND, MAKEWPARAM(childId, BN_CLICKED), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"parent command"}));
  parent->DestroyWindow(); // destroys the child's window too; the child object lets go of it
  EXPECT_EQ(child.m_hWnd, nullptr);
}

struct App : CWinApp
{
  App() : CWinApp(u"Test") {}
  BOOL InitInstance() override
  {
    events.push_back("init");
    return CWinApp::InitInstance();
  }
  int ExitInstance() override
  {
    events.push_back("exit");
    return 3;
  }
};

TEST_F(Afx, TheModulesApplicationRunsItsEntryAndExitOnce)
{
  EXPECT_EQ(AfxGetApp(), nullptr);
  {
    App app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(app.m_hInstance, GetModuleHandleW(nullptr));
    EXPECT_EQ(AfxGetInstanceHandle(), GetModuleHandleW(nullptr));
    {
      AfxModuleEntry entry;
      EXPECT_TRUE(AfxWinModuleEntry()); // already entered: nothing runs again
    }
    EXPECT_EQ(events, (std::vector<std::string>{"init", "exit"}));
    EXPECT_EQ(AfxWinModuleExit(), 0);
  }
  EXPECT_EQ(AfxGetApp(), nullptr);
}

} // namespace test_afx
