// The list view: the entry model's edits and selection, and the native list driven like a user does it
// (clicks, arrow keys, Home, End, page keys, type-ahead, the wheel and the scroll bar), with the
// value-changed callback running only for the user's choices.
#include "listsFixture.h"

#include "pui/qorpuiListView.h"

#include <memory>

namespace test_list_view {

using qor::pui::BaseEntryData;
using qor::pui::EntryData;
using qor::pui::EntryVector;
using qor::pui::ListView;

// A record that says when it is deleted.
class WatchedRecord : public EntryData<void*>
{
public:
  WatchedRecord(const std::string& id, const std::string& text, bool* deleted)
      : EntryData<void*>(id, text, nullptr, true), deleted_(deleted)
  {
  }
  ~WatchedRecord() override { *deleted_ = true; }

private:
  bool* deleted_;
};

// A list view that counts its redraws.
class CountingList : public ListView
{
public:
  explicit CountingList(const qor::aip::Rect& frame)
      : Widget(qor::pui::ListViewWidgetKind, frame, std::string()), ListView(frame)
  {
  }
  void entriesChanged() override { ++redraws; }
  int redraws = 0;
};

EntryData<void*>* record(const std::string& id, const std::string& text)
{
  return new EntryData<void*>(id, text, nullptr, true);
}

std::vector<std::string> ids(const ListView& list)
{
  std::vector<std::string> out;
  for (BaseEntryData* entry : *list.entries())
    out.push_back(entry ? entry->id() : "<empty>");
  return out;
}

class ListModel : public liststest::Lists
{
protected:
  void SetUp() override
  {
    Lists::SetUp();
    start();
    for (const char* id : {"a", "b", "c"})
      list.addEntry(record(id, std::string("Text ") + id));
    list.redraws = 0;
  }
  CountingList& list = keep(new CountingList(qor::aip::Rect(10, 10, 200, 120)));
};

TEST_F(ListModel, SelectionByIndexIdAndTextKeepsTheOldOneWhenRefused)
{
  EXPECT_TRUE(list.setSelectedIndex(1));
  EXPECT_FALSE(list.setSelectedIndex(-1));
  EXPECT_FALSE(list.setSelectedIndex(3));
  EXPECT_EQ(list.selectedIndex(), 1);
  EXPECT_EQ(list.text(), "Text b");
  EXPECT_FALSE(list.selectById("zz"));
  EXPECT_EQ(list.selectedId(), "b");
  // A list view takes no text that none of its entries has.
  EXPECT_FALSE(list.selectByText("Nothing"));
  EXPECT_TRUE(list.selectByText("Text c"));
  EXPECT_EQ(list.selectedIndex(), 2);
}

TEST_F(ListModel, AnIdBehindAnEmptySlotCountsTheSlot)
{
  EntryVector withGap;
  withGap.pushBack(record("x", "X"));
  withGap.pushBack(nullptr);
  withGap.pushBack(record("y", "Y"));
  list.setEntries(withGap, true);
  EXPECT_TRUE(list.selectById("y"));
  EXPECT_EQ(list.selectedIndex(), 2);
  EXPECT_EQ(list.selectedId(), "y");
}

TEST_F(ListModel, EditsOfTheListAndTheirRedraws)
{
  bool duplicateDeleted = false;
  list.addEntry(new WatchedRecord("a", "again", &duplicateDeleted));
  EXPECT_TRUE(duplicateDeleted);
  EXPECT_EQ(list.redraws, 0);

  EXPECT_TRUE(list.insertEntryAfter(record("d", "Text d"), "c"));
  bool refusedDeleted = false;
  EXPECT_FALSE(list.insertEntryAfter(new WatchedRecord("e", "E", &refusedDeleted), "nowhere"));
  EXPECT_TRUE(refusedDeleted);
  EXPECT_TRUE(list.insertEntryAfter(record("ab", "Text ab"), "a"));
  EXPECT_EQ(ids(list), (std::vector<std::string>{"a", "ab", "b", "c", "d"}));
  EXPECT_EQ(list.redraws, 2);

  std::unique_ptr<BaseEntryData> removed(list.removeEntry("ab"));
  ASSERT_TRUE(removed);
  EXPECT_EQ(removed->text(), "Text ab");
  EXPECT_EQ(list.removeEntry("ab"), nullptr);
  std::unique_ptr<BaseEntryData> last(list.removeLastEntry());
  EXPECT_EQ(last->id(), "d");

  CountingList& empty = keep(new CountingList(qor::aip::Rect(0, 0, 10, 10)));
  EXPECT_EQ(empty.removeLastEntry(), nullptr);
  EXPECT_EQ(empty.redraws, 0);
}

TEST_F(ListModel, ClearingDeletesTheRecordsOnlyWhenAsked)
{
  bool kept = false, deleted = false;
  auto* keptRecord = new WatchedRecord("k", "K", &kept);
  EntryVector one;
  one.pushBack(keptRecord);
  list.setEntries(one, true);
  list.clearEntries(false);
  EXPECT_FALSE(kept);
  EXPECT_TRUE(list.entries()->isEmpty());
  delete keptRecord;

  EntryVector other;
  other.pushBack(new WatchedRecord("d", "D", &deleted));
  list.setEntries(other, true);
  list.clearEntries(true);
  EXPECT_TRUE(deleted);
}

TEST_F(ListModel, ReplacingTheEntriesWithTheirOwnVectorKeepsThem)
{
  // The live vector handed back with deleteOld: the records that stay are not deleted.
  list.setEntries(*list.entries(), true);
  EXPECT_EQ(ids(list), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(list.entries()->at(1)->text(), "Text b");
}

TEST_F(ListModel, AWidgetThatDoesNotOwnItsRecordsLeavesThemAlive)
{
  bool deleted = false;
  auto* watched = new WatchedRecord("w", "W", &deleted);
  {
    CountingList borrowing{qor::aip::Rect(0, 0, 10, 10)};
    borrowing.addEntry(watched);
    globals()->entryListsOwnEntries = false;
  }
  globals()->entryListsOwnEntries = true;
  EXPECT_FALSE(deleted);
  delete watched;
}

TEST(RowImages, TheIdForTheScaleAndThemeStepsDownPastMissingOnes)
{
  struct Case
  {
    std::vector<uint16_t> light;
    double scale;
    uint16_t shown;
  } cases[] = {
      {{0, 12, 0, 0, 0}, 1.5, 12},  {{11, 0, 0, 0, 0}, 1.5, 11}, {{11, 12, 13, 14, 0}, 3.0, 14},
      {{11, 12, 13, 14, 15}, 1.0, 11}, {{11, 12, 13, 0, 0}, 2.5, 13}, {{0, 0, 0, 0, 0}, 2.0, 0},
  };
  for (const Case& c : cases) {
    qor::pui::EntryImageIds ids;
    std::copy(c.light.begin(), c.light.end(), ids.ids);
    EXPECT_EQ(ids.rowImageId(c.scale, false), c.shown) << "scale " << c.scale;
    EXPECT_EQ(ids.rowImageId(c.scale, true), 0) << "no dark ids";
  }
}

// The native list in a dialog.
class ListInDialog : public liststest::Lists
{
protected:
  void SetUp() override
  {
    Lists::SetUp();
    start();
    for (const char* name : {"Apple", "Banana", "Cherry", "Chestnut", "Damson", "Elder", "Fig", "Grape", "Hazel",
                             "Juniper", "Kiwi", "Lemon", "Lime", "Mango", "Nectarine", "Olive", "Peach", "Pear",
                             "Quince", "Raspberry", "Sloe", "Tangerine"})
      list.addEntry(new EntryData<void*>(std::string("id-") + name, name, nullptr, true));
    list.setValueChangedCallback(new liststest::LogCallback(&log, [this] { return list.selectedId(); }));
  }
  ListView& list = keep(new ListView(qor::aip::Rect(20, 20, 200, 120)));
  std::vector<std::string> log;
};

TEST_F(ListInDialog, AClickSelectsARowAndFiresOnceButTheProgramsChangesDoNot)
{
  inDialog({&list}, [&](HWND) {
    const POINT third = rowPoint(list, 2);
    qorwin::click(hwnd(list), third.x, third.y);
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_EQ(list.text(), "Cherry");
    qorwin::click(hwnd(list), third.x, third.y);
    EXPECT_EQ(log, (std::vector<std::string>{"id-Cherry"}));

    EXPECT_TRUE(list.setSelectedIndex(4));
    EXPECT_TRUE(list.selectById("id-Fig"));
    EXPECT_TRUE(list.selectByText("Kiwi"));
    list.clearSelection();
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(log.size(), 1u);

    const POINT first = rowPoint(list, 0);
    qorwin::doubleClick(hwnd(list), first.x, first.y);
    EXPECT_EQ(log, (std::vector<std::string>{"id-Cherry", "id-Apple"}));
  });
}

TEST_F(ListInDialog, KeysMoveTheSelectionAndTypingFindsRowsByTheirFirstLetters)
{
  inDialog({&list}, [&](HWND) {
    list.focus();
    struct Step
    {
      std::function<void()> act;
      int row;
    } steps[] = {
        {[] { press(VK_DOWN); }, 0},           {[] { press(VK_DOWN); }, 1},
        {[] { press(VK_END); }, 21},           {[] { press(VK_UP); }, 20},
        {[] { press(VK_HOME); }, 0},           {[] { press(VK_NEXT); }, -2},
        {[] { type(u"c"); }, 2},               {[] { type(u"c"); }, 3},
        {[] { qorwin::advanceClock(2000); type(u"li"); }, 12},
        {[] { qorwin::advanceClock(2000); type(u"q"); }, 18},
    };
    int previous = -1;
    for (const Step& step : steps) {
      step.act();
      if (step.row == -2) {
        // A page down moves by the rows that fit, less one.
        EXPECT_GT(list.selectedIndex(), 1);
        EXPECT_LT(list.selectedIndex(), 21);
      } else {
        EXPECT_EQ(list.selectedIndex(), step.row);
      }
      EXPECT_NE(list.selectedIndex(), previous);
      previous = list.selectedIndex();
    }
    // One choice per step, and two for "li": "l" finds Lemon first.
    EXPECT_EQ(log.size(), sizeof steps / sizeof steps[0] + 1);
    EXPECT_EQ(log.back(), "id-Quince");
  });
}

TEST_F(ListInDialog, TheChosenRowScrollsIntoViewAndTheWheelAndBarScroll)
{
  inDialog({&list}, [&](HWND) {
    HWND control = hwnd(list);
    list.focus();
    press(VK_END);
    const int top = static_cast<int>(SendMessageW(control, LVM_GETTOPINDEX, 0, 0));
    const int page = static_cast<int>(SendMessageW(control, LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_EQ(top + page - 1, 21);
    EXPECT_EQ(GetScrollPos(control, SB_VERT), top);
    SendMessageW(control, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(SendMessageW(control, LVM_GETTOPINDEX, 0, 0), top - 3);
    // The bar's up arrow, at the top right inside the border.
    RECT client;
    GetClientRect(control, &client);
    qorwin::click(control, client.right - 8, 6);
    EXPECT_EQ(SendMessageW(control, LVM_GETTOPINDEX, 0, 0), top - 4);
    // The program moves the bar; the rows follow.
    SetScrollPos(control, SB_VERT, 2, TRUE);
    EXPECT_EQ(SendMessageW(control, LVM_GETTOPINDEX, 0, 0), 2);
    // A click in the rows then picks the row shown there.
    const POINT shown = rowPoint(list, 3);
    qorwin::click(control, shown.x, shown.y);
    EXPECT_EQ(list.selectedIndex(), 3);
  });
}

TEST_F(ListInDialog, ASelectionMadeBeforeTheListIsPlacedIsKept)
{
  ASSERT_TRUE(list.setSelectedIndex(5));
  inDialog({&list}, [&](HWND) {
    EXPECT_EQ(list.selectedIndex(), 5);
    EXPECT_EQ(list.text(), "Elder");
    EXPECT_TRUE(log.empty());
  });
}

TEST_F(ListInDialog, NewEntriesShowWithoutASelection)
{
  inDialog({&list}, [&](HWND) {
    list.setSelectedIndex(3);
    EntryVector two;
    two.pushBack(record("x", "X"));
    two.pushBack(record("y", "Y"));
    list.setEntries(two, true);
    EXPECT_EQ(SendMessageW(hwnd(list), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(list.text(), "");
  });
}

}  // namespace test_list_view
