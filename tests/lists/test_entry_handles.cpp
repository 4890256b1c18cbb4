// Client entry handles and the list handles' entry caches: shared records across copies, entries
// removed while a handle still holds them, lists cleared with a selected entry, clones with fresh
// entries, and the pop-up menu's blank entry, which only the platform list holds.
#include "listsFixture.h"

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreHandleBridge.h"
#include "core/qorcoreListEntry.h"
#include "core/qorcoreListView.h"
#include "pui/qorpuiEntryData.h"
#include "pui/qorpuiListView.h"
#include "pui/qorpuiPopupMenu.h"

#include <memory>

namespace test_entry_handles {

using qor::core::ListEntry;

class Entries : public liststest::Lists
{
protected:
  void SetUp() override
  {
    Lists::SetUp();
    start();
  }
  void TearDown() override
  {
    handles.clear();
    Lists::TearDown();
  }
  static size_t registered() { return globals()->coreGlobals->listEntryRegistry.size(); }
  // Entries made for a test, dropped before the plug-in stops.
  std::vector<ListEntry*> made(std::initializer_list<const char*> names)
  {
    std::vector<ListEntry*> out;
    for (const char* name : names) {
      handles.emplace_back(new ListEntry(std::string("id-") + name, name, const_cast<char*>(name), true));
      out.push_back(handles.back().get());
    }
    return out;
  }
  std::vector<std::unique_ptr<ListEntry>> handles;
};

TEST_F(Entries, CopiesShareOneRecordAndTheLastOneFreesIt)
{
  const size_t before = registered();
  ListEntry empty("", "Text");
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_EQ(empty.text(), "");
  EXPECT_EQ(registered(), before);
  {
    ListEntry first("same", "One"), second("same", "Two");
    EXPECT_FALSE(first == second);
    ListEntry copy(first);
    EXPECT_TRUE(copy == first);
    copy.setText("Changed");
    EXPECT_EQ(first.text(), "Changed");
    second = first;
    EXPECT_TRUE(second == first);
    EXPECT_EQ(registered(), before + 1);
    EXPECT_EQ(qor::core::listEntryData(copy), qor::core::listEntryData(first));
  }
  EXPECT_EQ(registered(), before);
}

TEST_F(Entries, AnEntryRemovedWhileAHandleHoldsItKeepsItsRecord)
{
  qor::core::ListView list(qor::core::Rect(10, 10, 200, 100));
  list.setEntries(made({"Ash", "Birch", "Cedar"}));
  ListEntry held = *handles[1];
  handles.clear();
  ListEntry* out = nullptr;
  ASSERT_TRUE(list.removeEntry("id-Birch", out));
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(*out == held);
  EXPECT_FALSE(list.hasEntry("id-Birch"));
  EXPECT_EQ(list.entries()->size(), 2u);
  delete out;
  EXPECT_EQ(held.text(), "Birch");
  EXPECT_NE(held.userData(), nullptr);

  ASSERT_TRUE(list.removeLastEntry(out));
  EXPECT_EQ(out->id(), "id-Cedar");
  delete out;
  EXPECT_EQ(list.entries()->size(), 1u);
}

TEST_F(Entries, ClearingAPlacedListWithASelectedEntryFreesEveryRecord)
{
  const size_t before = registered();
  auto* list = new qor::core::ListView(qor::core::Rect(10, 10, 200, 100));
  list->setEntries(made({"Ash", "Birch", "Cedar"}));
  handles.clear();
  auto* platform = qor::core::widgetImpl(*list);
  inDialog({platform}, [&](HWND) {
    ASSERT_TRUE(list->selectById("id-Cedar"));
    std::unique_ptr<ListEntry> selected(list->selectedEntry());
    ASSERT_TRUE(selected);
    EXPECT_EQ(selected->text(), "Cedar");
    void* data = nullptr;
    EXPECT_TRUE(list->selectedUserData(data));
    list->clearEntries();
    EXPECT_EQ(list->selectedIndex(), -1);
    EXPECT_EQ(list->selectedEntry(), nullptr);
    EXPECT_EQ(SendMessageW(platform->control()->m_hWnd, LVM_GETITEMCOUNT, 0, 0), 0);
    // The selected entry's handle outlives the list's.
    EXPECT_EQ(selected->text(), "Cedar");
  });
  delete list;
  EXPECT_EQ(registered(), before);
}

TEST_F(Entries, AnEntryWhoseIdIsListedIsRefusedAndInsertionFollowsTheCache)
{
  qor::core::ListView list(qor::core::Rect(10, 10, 200, 100));
  std::vector<ListEntry*> three = made({"Ash", "Birch", "Cedar"});
  list.setEntries(three);
  ListEntry again("id-Ash", "Again");
  EXPECT_FALSE(list.addEntry(again));
  EXPECT_EQ(list.entries()->size(), 3u);
  ListEntry elm("id-Elm", "Elm");
  EXPECT_TRUE(list.insertEntryAfter("id-Ash", elm));
  EXPECT_FALSE(list.insertEntryAfter("id-None", ListEntry("id-Fir", "Fir")));
  std::vector<std::string> order;
  for (ListEntry* entry : *list.entries())
    order.push_back(entry->text());
  EXPECT_EQ(order, (std::vector<std::string>{"Ash", "Elm", "Birch", "Cedar"}));
  auto* platform = dynamic_cast<qor::pui::ListView*>(qor::core::widgetImpl(list));
  EXPECT_EQ(platform->entries()->at(1)->text(), "Elm");
}

TEST_F(Entries, ACloneGetsFreshEntriesWithoutUserData)
{
  qor::core::ListView list(qor::core::Rect(10, 10, 200, 100));
  list.setEntries(made({"Ash", "Birch", "Cedar"}));
  handles[1]->setEnabled(false);
  list.setSelectedIndex(2);
  std::unique_ptr<qor::core::Widget> copy(list.clone());
  auto* clone = dynamic_cast<qor::core::ListView*>(copy.get());
  ASSERT_NE(clone, nullptr);
  ASSERT_EQ(clone->entries()->size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    const ListEntry& mine = *list.entries()->at(i);
    const ListEntry& theirs = *clone->entries()->at(i);
    EXPECT_EQ(theirs.id(), mine.id());
    EXPECT_EQ(theirs.text(), mine.text());
    EXPECT_EQ(theirs.isEnabled(), mine.isEnabled());
    EXPECT_EQ(theirs.userData(), nullptr);
    EXPECT_FALSE(theirs == mine);
  }
  EXPECT_EQ(clone->selectedIndex(), 2);
}

TEST_F(Entries, EmptyHandlesGiveNeutralValues)
{
  qor::core::ListView list;
  qor::core::PopupMenu menu;
  ListEntry entry("id", "x");
  ListEntry* out = nullptr;
  EXPECT_EQ(list.selectedIndex(), -1);
  EXPECT_EQ(list.selectedId(), "");
  EXPECT_EQ(list.currentText(), "");
  EXPECT_EQ(list.entries(), nullptr);
  EXPECT_FALSE(list.addEntry(entry));
  EXPECT_FALSE(list.removeLastEntry(out));
  EXPECT_EQ(list.clone(), nullptr);
  EXPECT_EQ(menu.selectedIndex(), -1);
  EXPECT_FALSE(menu.selectById("id"));
  EXPECT_EQ(menu.selectedEntry(), nullptr);
  EXPECT_EQ(out, nullptr);
}

TEST_F(Entries, APopupMenuKeepsItsBlankEntryOutOfTheCache)
{
  qor::core::PopupMenu menu(qor::core::Rect(10, 10, 160, 22));
  menu.setEntries(made({"Ash", "Birch"}));
  menu.showBlankEntry();
  auto* platform = dynamic_cast<qor::pui::PopupMenu*>(qor::core::widgetImpl(menu));
  ASSERT_EQ(platform->entries()->size(), 3u);
  // Only the platform knows the blank entry: nothing goes after it.
  EXPECT_FALSE(menu.insertEntryAfter(qor::pui::PopupMenu::blankEntryId, ListEntry("id-Elm", "Elm")));
  // The last cached entry is not the platform's last record while the blank entry shows.
  ListEntry* out = nullptr;
  EXPECT_FALSE(menu.removeLastEntry(out));
  EXPECT_EQ(menu.entries()->size(), 2u);
  menu.update();
  EXPECT_FALSE(platform->hasEntry(qor::pui::PopupMenu::blankEntryId));
  ASSERT_TRUE(menu.removeLastEntry(out));
  EXPECT_EQ(out->text(), "Birch");
  delete out;
}

TEST_F(Entries, TheLastHandleOfAClonedListDeletesItsCacheButNoRecordTwice)
{
  const size_t before = registered();
  qor::core::PopupMenu menu(qor::core::Rect(10, 10, 160, 22));
  menu.setEntries(made({"Ash", "Birch", "Cedar"}));
  handles.clear();
  {
    std::unique_ptr<qor::core::Widget> clone(menu.clone());
    std::unique_ptr<qor::core::Widget> second(clone->duplicate());
    EXPECT_EQ(dynamic_cast<qor::core::PopupMenu*>(second.get())->entries()->size(), 3u);
    EXPECT_EQ(registered(), before + 6);
  }
  EXPECT_EQ(registered(), before + 3);
}

}  // namespace test_entry_handles
