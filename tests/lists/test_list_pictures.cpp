// Golden pictures of a dialog holding every entry-list kind, in the light and the dark theme: a list
// view with a selected row and the focus, a pop-up menu, a tree view with an open branch and a
// selected entry, and the pop-up menu's open drop list.
#include "listsFixture.h"

#include "hostsimTheme.h"
#include "pui/qorpuiHierarchicalView.h"
#include "pui/qorpuiListView.h"
#include "pui/qorpuiPopupMenu.h"
#include "support/golden.h"

namespace test_list_pictures {

using qor::pui::EntryData;
using qor::pui::TreeEntryData;

class ListPictures : public liststest::Lists, public ::testing::WithParamInterface<bool>
{
protected:
  void SetUp() override
  {
    Lists::SetUp();
    app.area<hostsim::Theme>().setDark(GetParam());
    start();
  }
  std::string named(const std::string& what) const { return what + (GetParam() ? "_dark" : "_light"); }
};

TEST_P(ListPictures, ADialogWithEveryListKind)
{
  auto& list = keep(new qor::pui::ListView(qor::aip::Rect(16, 16, 150, 120)));
  int n = 0;
  for (const char* name : {"Anchor points", "Bezier handles", "Closed paths", "Dashed strokes", "Even-odd fills",
                           "Fitted curves", "Guides", "Hidden layers", "Isolated groups"})
    list.addEntry(new EntryData<void*>("l" + std::to_string(n++), name, nullptr, true));
  auto& menu = keep(new qor::pui::PopupMenu(qor::aip::Rect(184, 16, 150, 22)));
  n = 0;
  for (const char* name : {"Nearest ends", "-", "Longest path first", "Shortest path first"})
    menu.addEntry(new EntryData<void*>("m" + std::to_string(n++), name, nullptr, true));
  auto& tree = keep(new qor::pui::HierarchicalView(qor::aip::Rect(184, 50, 150, 86)));
  qor::pui::TreeEntryVector top;
  auto* layers = new TreeEntryData<void*>("layers", "Layers", nullptr, true, true);
  layers->children()->pushBack(new TreeEntryData<void*>("bg", "Background", nullptr, true, false));
  auto* sketch = new TreeEntryData<void*>("sketch", "Sketch", nullptr, true, false);
  sketch->children()->pushBack(new TreeEntryData<void*>("s1", "Strokes", nullptr, true, false));
  layers->children()->pushBack(sketch);
  top.pushBack(layers);
  top.pushBack(new TreeEntryData<void*>("guides", "Guides", nullptr, true, false));
  tree.setEntries(top, true);
  qorwin::Picture dialog, drop;
  inDialog(
      {&list, &menu, &tree},
      [&](HWND shown) {
        list.setSelectedIndex(2);
        menu.setSelectedIndex(0);
        tree.setSelectedIndexPath({0, 0});
        list.focus();
        dialog = qorwin::snapshot(shown);
        qorwin::click(menu.control()->m_hWnd, 20, 10);
        HWND open = nullptr;
        for (HWND top = GetTopWindow(nullptr); top && !open; top = GetWindow(top, GW_HWNDNEXT))
          if (top != shown && IsWindowVisible(top) && GetWindow(top, GW_OWNER) == shown)
            open = top;
        ASSERT_NE(open, nullptr);
        qorwin::mouseMove(open, 20, 40);
        drop = qorwin::snapshot(open);
        qorwin::click(open, 400, 400);
      },
      qor::aip::Size(350, 160));
  EXPECT_TRUE(qortest::matchesGolden(dialog, named("lists_dialog")));
  EXPECT_TRUE(qortest::matchesGolden(drop, named("popup_drop_list")));
}

INSTANTIATE_TEST_SUITE_P(Themes, ListPictures, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Dark" : "Light"; });

}  // namespace test_list_pictures
