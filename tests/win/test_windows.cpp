// The window table: creation and destruction order, window data, the tree, enumeration, properties and
// message-only windows.
#include "win/WinTest.h"
#include "win/Windows.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace test_windows {

struct Logged
{
  HWND window;
  UINT message;
};
std::vector<Logged> logged;

LRESULT CALLBACK loggingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  logged.push_back({window, message});
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK failingCreateProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  logged.push_back({window, message});
  if (message == WM_CREATE)
    return -1;
  return DefWindowProcW(window, message, wParam, lParam);
}

bool sameRect(const RECT& a, RECT b)
{
  return EqualRect(&a, &b);
}

class Windows : public ::testing::Test
{
protected:
  void SetUp() override
  {
    logged.clear();
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = loggingProc;
    cls.lpszClassName = u"Logging";
    ASSERT_NE(RegisterClassExW(&cls), 0);
    cls.lpszClassName = u"OWL.Document";
    ASSERT_NE(RegisterClassExW(&cls), 0);
  }
  void TearDown() override { qorwin::resetState(); }

  HWND create(HWND parent, DWORD style = WS_VISIBLE, LPCWSTR cls = u"Logging", int id = 0)
  {
    return CreateWindowExW(0, cls, u"", style, 1, 2, 30, 40, parent,
                           reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
  }
  std::vector<UINT> messagesOf(HWND window)
  {
    std::vector<UINT> out;
    for (auto& l : logged)
      if (l.window == window)
        out.push_back(l.message);
    return out;
  }
};

TEST_F(Windows, CreationSendsMessagesInTheSystemsOrder)
{
  HWND top = create(nullptr, 0);
  logged.clear();
  HWND child = create(top, WS_CHILD | WS_VISIBLE, u"Logging", 7);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(messagesOf(child),
            (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));
  EXPECT_EQ(messagesOf(top), (std::vector<UINT>{WM_PARENTNOTIFY}));
  EXPECT_EQ(GetDlgCtrlID(child), 7);
  EXPECT_EQ(GetDlgItem(top, 7), child);
}

TEST_F(Windows, FailedCreationLeavesNoWindow)
{
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = failingCreateProc;
  cls.lpszClassName = u"Failing";
  ASSERT_NE(RegisterClassExW(&cls), 0);
  EXPECT_EQ(create(nullptr, 0, u"Failing"), nullptr);
  ASSERT_FALSE(logged.empty());
  HWND gone = logged.front().window;
  EXPECT_FALSE(IsWindow(gone));
  EXPECT_EQ(logged.back().message, static_cast<UINT>(WM_NCDESTROY));
  EXPECT_EQ(CreateWindowExW(0, u"NoSuchClass", u"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
}

TEST_F(Windows, DestructionRunsDestroyParentFirstAndFreesChildrenFirst)
{
  HWND top = create(nullptr);
  HWND child = create(top, WS_CHILD);
  HWND grandChild = create(child, WS_CHILD);
  HWND owned = create(top, WS_POPUP); // owned, not a child
  ASSERT_EQ(GetWindow(owned, GW_OWNER), top);
  SetPropW(child, u"p", reinterpret_cast<HANDLE>(1));
  SetTimer(child, 5, 100, nullptr);
  logged.clear();
  ASSERT_TRUE(DestroyWindow(top));
  std::vector<std::pair<HWND, UINT>> order;
  for (auto& l : logged)
    if (l.message == WM_DESTROY || l.message == WM_NCDESTROY)
      order.emplace_back(l.window, l.message);
  std::vector<std::pair<HWND, UINT>> expected{
      {owned, WM_DESTROY},      {owned, WM_NCDESTROY},      {top, WM_DESTROY},     {child, WM_DESTROY},
      {grandChild, WM_DESTROY}, {grandChild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  for (HWND w : {top, child, grandChild, owned})
    EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(qorwin::timerCount(), 0u);
  EXPECT_EQ(GetPropW(child, u"p"), nullptr);
  // Handles are never reused.
  HWND again = create(nullptr);
  for (HWND w : {top, child, grandChild, owned})
    EXPECT_NE(again, w);
}

TEST_F(Windows, WindowDataAnswersParentOwnerInstanceAndClass)
{
  auto instance = reinterpret_cast<HINSTANCE>(0x7f0000001000);
  HWND main = CreateWindowExW(0, u"Logging", u"Main", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                              instance, nullptr);
  HWND child = create(main, WS_CHILD);
  HWND popup = create(child, WS_POPUP); // its owner is the top-level window above the child
  EXPECT_EQ(GetWindowLongW(child, GWL_HWNDPARENT), reinterpret_cast<LONG_PTR>(main));
  EXPECT_EQ(GetWindowLongW(popup, GWL_HWNDPARENT), reinterpret_cast<LONG_PTR>(main));
  EXPECT_EQ(GetWindowLongW(main, GWL_HWNDPARENT), 0);
  EXPECT_EQ(GetWindowLongW(main, GWL_HINSTANCE), reinterpret_cast<LONG_PTR>(instance));
  EXPECT_EQ(GetWindowLongA(main, GWL_HINSTANCE), reinterpret_cast<LONG_PTR>(instance));

  WCHAR wide[256];
  char narrow[8];
  EXPECT_EQ(GetClassNameW(main, wide, 256), 7);
  EXPECT_EQ(std::u16string(wide), u"Logging");
  EXPECT_EQ(GetClassNameA(main, narrow, 5), 4); // truncated, terminated
  EXPECT_STREQ(narrow, "Logg");
  EXPECT_TRUE(IsWindowUnicode(main));

  WNDCLASSEXA ansi{};
  ansi.cbSize = sizeof ansi;
  ansi.lpfnWndProc = loggingProc;
  ansi.lpszClassName = "Ansi";
  ASSERT_NE(RegisterClassExA(&ansi), 0);
  HWND narrowWindow = CreateWindowExA(0, "ansi", "x", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(narrowWindow, nullptr); // class names ignore case
  EXPECT_FALSE(IsWindowUnicode(narrowWindow));
  EXPECT_EQ(GetClassNameA(narrowWindow, narrow, 8), 4);
  EXPECT_STREQ(narrow, "Ansi");

  EXPECT_TRUE(SetWindowTextW(main, u"Renamed"));
  EXPECT_EQ(GetWindowTextLengthW(main), 7);
  EXPECT_EQ(GetWindowTextW(main, wide, 4), 3);
  EXPECT_EQ(std::u16string(wide), u"Ren");
}

TEST_F(Windows, EnumerationFollowsTheTreeInZOrder)
{
  HWND first = create(nullptr);
  HWND second = create(nullptr); // a new top-level window goes on top
  HWND a = create(first, WS_CHILD);
  HWND a1 = create(a, WS_CHILD);
  HWND b = create(first, WS_CHILD); // a new child goes below its siblings
  HWND messageOnly = create(HWND_MESSAGE, 0);
  ASSERT_NE(messageOnly, nullptr);

  std::vector<HWND> seen;
  auto collect = [](HWND w, LPARAM p) -> BOOL {
    reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
    return TRUE;
  };
  EXPECT_TRUE(EnumWindows(collect, reinterpret_cast<LPARAM>(&seen)));
  EXPECT_EQ(seen, (std::vector<HWND>{second, first}));
  seen.clear();
  EXPECT_TRUE(EnumChildWindows(first, collect, reinterpret_cast<LPARAM>(&seen)));
  EXPECT_EQ(seen, (std::vector<HWND>{a, a1, b}));

  // A callback that answers FALSE stops the walk.
  int calls = 0;
  auto stop = [](HWND, LPARAM p) -> BOOL {
    ++*reinterpret_cast<int*>(p);
    return FALSE;
  };
  EXPECT_FALSE(EnumChildWindows(first, stop, reinterpret_cast<LPARAM>(&calls)));
  EXPECT_EQ(calls, 1);

  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_TRUE(SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
  EXPECT_EQ(GetWindow(first, GW_CHILD), b);
  EXPECT_TRUE(IsChild(first, a1));
  EXPECT_FALSE(IsChild(second, a1));
  EXPECT_EQ(GetAncestor(a1, GA_ROOT), first);
}

TEST_F(Windows, VisibilityNeedsEveryAncestorVisible)
{
  HWND top = create(nullptr, 0);
  HWND child = create(top, WS_CHILD | WS_VISIBLE);
  EXPECT_FALSE(IsWindowVisible(child));
  EXPECT_FALSE(ShowWindow(top, SW_SHOW)); // answers the previous state
  EXPECT_TRUE(IsWindowVisible(child));
  EXPECT_TRUE(ShowWindow(child, SW_HIDE));
  EXPECT_FALSE(IsWindowVisible(child));
  EXPECT_TRUE(IsWindowVisible(top));
}

TEST_F(Windows, GeometryIsRelativeToTheParent)
{
  HWND top = CreateWindowExW(0, u"Logging", u"", 0, 100, 200, 300, 400, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExW(0, u"Logging", u"", WS_CHILD, 10, 20, 30, 40, top, nullptr, nullptr, nullptr);
  RECT r;
  ASSERT_TRUE(GetWindowRect(child, &r));
  EXPECT_TRUE(sameRect(r, {110, 220, 140, 260}));
  ASSERT_TRUE(GetClientRect(child, &r));
  EXPECT_TRUE(sameRect(r, {0, 0, 30, 40}));
  logged.clear();
  ASSERT_TRUE(MoveWindow(child, 5, 5, 30, 50, TRUE));
  EXPECT_EQ(messagesOf(child),
            (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE}));
  POINT p{1, 1};
  ClientToScreen(child, &p);
  EXPECT_EQ(p.x, 106);
  EXPECT_EQ(p.y, 206);
}

TEST_F(Windows, PropertiesBelongToOneWindowAndIgnoreCase)
{
  HWND a = create(nullptr);
  HWND b = create(nullptr);
  auto one = reinterpret_cast<HANDLE>(1), two = reinterpret_cast<HANDLE>(2);
  EXPECT_TRUE(SetPropW(a, u"WidgetId", one));
  EXPECT_EQ(GetPropW(a, u"widgetid"), one);
  EXPECT_EQ(GetPropW(b, u"WidgetId"), nullptr);
  EXPECT_TRUE(SetPropW(a, u"WidgetId", two)); // replaces
  EXPECT_EQ(GetPropW(a, u"WidgetId"), two);
  EXPECT_EQ(RemovePropW(a, u"WidgetId"), two);
  EXPECT_EQ(GetPropW(a, u"WidgetId"), nullptr);
  EXPECT_EQ(RemovePropW(a, u"WidgetId"), nullptr);
  EXPECT_FALSE(SetPropW(nullptr, u"x", one));
}

TEST_F(Windows, MessageOnlyWindowsAreFoundOnlyUnderTheMessageParent)
{
  HWND m = CreateWindowExW(0, u"Logging", u"hidden", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(FindWindowExW(HWND_MESSAGE, nullptr, u"Logging", u"hidden"), m);
  EXPECT_EQ(FindWindowW(u"Logging", u"hidden"), nullptr);
  EXPECT_EQ(GetParent(m), nullptr);
  EXPECT_EQ(GetAncestor(m, GA_PARENT), nullptr);
  int count = 0;
  EnumWindows([](HWND, LPARAM p) -> BOOL { return ++*reinterpret_cast<int*>(p), TRUE; },
              reinterpret_cast<LPARAM>(&count));
  EXPECT_EQ(count, 0);
  EXPECT_EQ(SendMessageW(m, WM_GETTEXTLENGTH, 0, 0), 6);
}

TEST_F(Windows, ClassesAreRegisteredOnceAndKeptWhileUsed)
{
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = loggingProc;
  cls.lpszClassName = u"LOGGING";
  EXPECT_EQ(RegisterClassExW(&cls), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
  HWND w = create(nullptr);
  EXPECT_FALSE(UnregisterClassW(u"Logging", nullptr));
  DestroyWindow(w);
  EXPECT_TRUE(UnregisterClassW(u"Logging", nullptr));
  EXPECT_EQ(create(nullptr), nullptr);
}

} // namespace test_windows
