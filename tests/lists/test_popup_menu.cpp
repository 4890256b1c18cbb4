// The pop-up menu: separators and disabled entries that neither the mouse, the arrow keys nor typing
// can choose, the blank entry, the item heights by window kind and scale, and the choices that fire
// value-changed.
#include "listsFixture.h"

#include "pui/qorpuiPopupMenu.h"
#include "pui/qorpuiWindow.h"

namespace test_popup_menu {

using qor::pui::EntryData;
using qor::pui::PopupMenu;

class Menu : public liststest::Lists
{
protected:
  void SetUp() override
  {
    Lists::SetUp();
    beforeStart();
    start();
    menu.addEntry(new EntryData<void*>("a", "Alpha", nullptr, true));
    menu.addEntry(new EntryData<void*>("sep", "-", nullptr, true));
    menu.addEntry(new EntryData<void*>("b", "Bravo", nullptr, false));
    menu.addEntry(new EntryData<void*>("c", "Charlie", nullptr, true));
    menu.addEntry(new EntryData<void*>("c2", "Cobalt", nullptr, true));
    menu.setValueChangedCallback(new liststest::LogCallback(&log, [this] { return menu.text(); }));
  }

  virtual void beforeStart() {}

  // The open drop list's window, or null.
  HWND dropList() const
  {
    HWND combo = menu.control()->m_hWnd;
    if (!SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0))
      return nullptr;
    RECT dropped{};
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    for (HWND top = GetTopWindow(nullptr); top; top = GetWindow(top, GW_HWNDNEXT)) {
      RECT r;
      GetWindowRect(top, &r);
      if (IsWindowVisible(top) && EqualRect(&r, &dropped))
        return top;
    }
    return nullptr;
  }
  // The middle of an item of the open list, in its client pixels.
  POINT itemPoint(int index) const
  {
    const int h = static_cast<int>(SendMessageW(menu.control()->m_hWnd, CB_GETITEMHEIGHT, 0, 0));
    return POINT{20, 1 + index * h + h / 2};
  }

  PopupMenu& menu = keep(new PopupMenu(qor::aip::Rect(20, 20, 160, 22)));
  std::vector<std::string> log;
};

TEST_F(Menu, ASeparatorShowsAsALineOfDashesAndIsDisabledByTheFill)
{
  inDialog({&menu}, [&](HWND) {
    const std::u16string line = CComboBox().GetLBText(0), shown = [&] {
      auto* combo = static_cast<CComboBox*>(menu.control());
      return combo->GetLBText(1);
    }();
    (void)line;
    EXPECT_EQ(shown, std::u16string(56, u'\u2013'));
    EXPECT_EQ(PopupMenu::separatorLine().size(), 168u);
    EXPECT_FALSE(menu.entries()->at(1)->enabled());
  });
}

TEST_F(Menu, TheMouseChoosesEnabledItemsOnlyAndTheListStaysOpenOnTheOthers)
{
  inDialog({&menu}, [&](HWND) {
    ASSERT_TRUE(menu.setSelectedIndex(0));
    HWND combo = menu.control()->m_hWnd;
    qorwin::click(combo, 20, 10);
    HWND list = dropList();
    ASSERT_NE(list, nullptr);
    for (int disabled : {1, 2}) {
      const POINT p = itemPoint(disabled);
      qorwin::click(list, p.x, p.y);
      qorwin::pump();
      EXPECT_EQ(dropList(), list) << "item " << disabled;
      EXPECT_EQ(menu.selectedIndex(), 0);
    }
    EXPECT_TRUE(log.empty());
    const POINT charlie = itemPoint(3);
    qorwin::click(list, charlie.x, charlie.y);
    qorwin::pump();
    EXPECT_EQ(dropList(), nullptr);
    EXPECT_EQ(menu.selectedIndex(), 3);
    EXPECT_EQ(log, (std::vector<std::string>{"Charlie"}));
  });
}

TEST_F(Menu, TypingSkipsDisabledEntriesAndAnArrowOntoASeparatorGoesBack)
{
  inDialog({&menu}, [&](HWND) {
    menu.setSelectedIndex(0);
    menu.focus();
    type(u"b");
    EXPECT_EQ(menu.selectedIndex(), 0);
    type(u"c");
    EXPECT_EQ(menu.selectedIndex(), 3);
    type(u"c");
    EXPECT_EQ(menu.selectedIndex(), 4);
    EXPECT_EQ(log, (std::vector<std::string>{"Charlie", "Cobalt"}));
    log.clear();
    press(VK_HOME);
    press(VK_DOWN);
    // The separator was reached, then the choice was taken back.
    EXPECT_EQ(menu.selectedIndex(), 0);
    EXPECT_EQ(menu.text(), "Alpha");
    EXPECT_EQ(log.back(), "Alpha");
  });
}

TEST_F(Menu, TheProgramsSelectionsFireNothing)
{
  inDialog({&menu}, [&](HWND) {
    EXPECT_TRUE(menu.setSelectedIndex(3));
    EXPECT_TRUE(menu.selectById("a"));
    EXPECT_TRUE(menu.selectByText("Cobalt"));
    EXPECT_EQ(menu.selectedIndex(), 4);
    EXPECT_FALSE(menu.selectByText("Zulu"));
    // A prefix selects the first entry that starts with it; an empty text selects none.
    menu.setText("Ch");
    EXPECT_EQ(menu.selectedIndex(), 3);
    menu.setText("");
    EXPECT_EQ(menu.selectedIndex(), -1);
    EXPECT_TRUE(log.empty());
  });
}

TEST_F(Menu, TheBlankEntryIsAddedOnceAndHiddenWithItsRecord)
{
  inDialog({&menu}, [&](HWND) {
    EXPECT_TRUE(menu.showBlankEntry());
    EXPECT_TRUE(menu.showBlankEntry());
    EXPECT_EQ(menu.entries()->size(), 6u);
    EXPECT_EQ(menu.selectedId(), PopupMenu::blankEntryId);
    EXPECT_EQ(menu.text(), "");
    EXPECT_TRUE(menu.hideBlankEntry());
    EXPECT_FALSE(menu.hasEntry(PopupMenu::blankEntryId));
    EXPECT_EQ(menu.selectedIndex(), 0);
  });
}

TEST_F(Menu, TheSelectionMadeBeforePlacingIsRestored)
{
  menu.selectById("c2");
  inDialog({&menu}, [&](HWND) {
    EXPECT_EQ(menu.selectedIndex(), 4);
    EXPECT_EQ(menu.text(), "Cobalt");
  });
}

class ScaledMenu : public Menu
{
protected:
  void beforeStart() override { scaleUI(1); }
};

TEST_F(ScaledMenu, ItemHeightsFollowTheWindowKindAndScale)
{
  struct Case
  {
    int32_t kind;
    int dpi;
    UINT height;
  } cases[] = {{2, 96, 16}, {2, 144, 24}, {1, 96, 14}, {1, 144, 21}, {-1, 96, 14}, {7, 96, 15}};
  for (const Case& c : cases) {
    qorwin::setDisplayDpi(c.dpi);
    CWnd host;
    host.CreateEx(0, WC_DIALOG, u"host", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr);
    qor::pui::Window window(&host);
    window.setKind(c.kind);
    PopupMenu& placed = keep(new PopupMenu(qor::aip::Rect(0, 0, 100, 22)));
    window.addWidget(&placed);
    EXPECT_EQ(qor::pui::comboItemHeight(&placed), c.height) << "kind " << c.kind << " dpi " << c.dpi;
    EXPECT_EQ(SendMessageW(placed.control()->m_hWnd, CB_GETITEMHEIGHT, 0, 0), static_cast<LRESULT>(c.height));
    window.removeWidget(&placed);
    host.DestroyWindow();
  }
  qorwin::setDisplayDpi(96);
}

}  // namespace test_popup_menu
