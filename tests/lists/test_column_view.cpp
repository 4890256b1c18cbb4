// The column view: columns sized from stored widths or from their texts, the header and its lock,
// selection by program and by the user (only the user's fires value-changed), cell clicks with the
// clicked entry and column, and the client handle's entry cache.
#include "listsFixture.h"

#include "core/qorcoreColumnView.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiColumnView.h"
#include "pui/qorpuiTextWidget.h"
#include "pui/qorpuiWinMfcColumnView.h"

#include <cmath>

namespace test_column_view {

using qor::pui::BaseColumnEntryData;
using qor::pui::ColumnEntryData;
using qor::pui::ColumnView;

ColumnEntryData* row(const std::string& id, const std::vector<std::string>& texts)
{
  return new ColumnEntryData(id, texts, qor::pui::ColumnImageIds(), qor::pui::ColumnUserData(), true);
}

class ColumnViews : public liststest::Lists
{
protected:
  void SetUp() override
  {
    Lists::SetUp();
    start();
  }
  ColumnView& makeView(bool header, const std::vector<double>& widths = {80, 60, 60})
  {
    auto& view = keep(new ColumnView(qor::aip::Rect(10, 10, 220, 120), {"Name", "Kind", "Size"}, header, widths));
    view.addEntry(row("a", {"Anchor", "point", "1"}));
    view.addEntry(row("b", {"Bezier", "handle", "22"}));
    view.addEntry(row("c", {"Curve", "segment", "333"}));
    return view;
  }
  static HWND headerOf(ColumnView& view)
  {
    return reinterpret_cast<HWND>(SendMessageW(hwnd(view), LVM_GETHEADER, 0, 0));
  }
  // The x of the divider after a header item, in the header's pixels.
  static int dividerX(HWND header, int item)
  {
    RECT r{};
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
    return r.right - 1;
  }
};

TEST_F(ColumnViews, ModelAndSelectionWithoutAControl)
{
  auto& view = makeView(false);
  EXPECT_EQ(view.columnCount(), 3);
  EXPECT_EQ(view.columnNames(), nullptr);
  EXPECT_EQ(view.text(), "");
  EXPECT_TRUE(view.setSelectedIndex(2));
  EXPECT_EQ(view.selectedIndex(), 2);
  EXPECT_FALSE(view.setSelectedIndex(3));
  EXPECT_EQ(view.selectedId(), "c");
  EXPECT_EQ(view.columnWidths(), (std::vector<double>{80, 60, 60}));
  // A refused record is deleted (ASan sees it); the list is unchanged.
  view.addEntry(row("a", {"Again"}));
  EXPECT_FALSE(view.insertEntryAfter(row("d", {"D"}), "zz"));
  EXPECT_TRUE(view.insertEntryAfter(row("d", {"D"}), "c"));
  EXPECT_EQ(view.entries()->back()->id(), "d");
  std::unique_ptr<BaseColumnEntryData> removed(view.removeEntry("b"));
  ASSERT_TRUE(removed);
  EXPECT_EQ(removed->texts()[0], "Bezier");
  // Giving the view its own vector back keeps every record.
  view.setEntries(*view.entries(), true);
  EXPECT_EQ(view.entries()->size(), 3u);
  EXPECT_EQ(view.entries()->front()->texts()[0], "Anchor");
}

TEST_F(ColumnViews, ColumnsComeFromStoredWidthsThenFromTheirWidestText)
{
  auto& view = keep(new ColumnView(qor::aip::Rect(10, 10, 300, 120), {"Name", "Kind", "Size", "Note"}, true, {-70, 40}));
  view.addEntry(row("a", {"Anchor", "point", "1", "A rather long note"}));
  inDialog({&view}, [&](HWND) {
    const std::vector<double> widths = view.columnWidths();
    ASSERT_EQ(widths.size(), 4u);
    EXPECT_EQ(widths[0], 70);
    EXPECT_EQ(widths[1], 40);
    const double p = view.fontPointSize();
    const double note = 1.25 * qor::pui::textWidthForHeight("A rather long note", 1.5 * p, p);
    EXPECT_NEAR(widths[3], note, 1.0);
    EXPECT_GT(widths[3], widths[2]);
  });
}

TEST_F(ColumnViews, HiddenHeaderShowsNoTitles)
{
  auto& view = makeView(false);
  inDialog({&view}, [&](HWND) {
    EXPECT_TRUE(GetWindowLongPtrW(hwnd(view), GWL_STYLE) & LVS_NOCOLUMNHEADER);
    EXPECT_EQ(headerOf(view), nullptr);
    // Without a header the stored widths stand.
    EXPECT_EQ(view.columnWidths(), (std::vector<double>{80, 60, 60}));
  });
}

TEST_F(ColumnViews, AUserWidenedColumnKeepsItsWidthThroughARebuild)
{
  auto& view = makeView(true);
  inDialog({&view}, [&](HWND) {
    HWND header = headerOf(view);
    ASSERT_NE(header, nullptr);
    const int x = dividerX(header, 1);
    qorwin::mouseDown(header, x, 5);
    qorwin::mouseMove(header, x + 25, 5);
    qorwin::mouseUp(header, x + 25, 5);
    EXPECT_EQ(view.columnWidths()[1], 85);
    view.setEntries(*view.entries(), false);
    EXPECT_EQ(view.columnWidths()[1], 85);
    EXPECT_EQ(view.entries()->size(), 3u);
  });
}

TEST_F(ColumnViews, LockedColumnsCannotBeDraggedOrAutoSized)
{
  auto& view = makeView(true);
  view.setColumnsLocked(true);
  inDialog({&view}, [&](HWND) {
    HWND header = headerOf(view);
    const int x = dividerX(header, 0);
    qorwin::mouseDown(header, x, 5);
    qorwin::mouseMove(header, x + 30, 5);
    qorwin::mouseUp(header, x + 30, 5);
    qorwin::doubleClick(header, x, 5);
    EXPECT_EQ(view.columnWidths(), (std::vector<double>{80, 60, 60}));
    EXPECT_EQ(SendMessageW(header, WM_SETCURSOR, reinterpret_cast<WPARAM>(header), 0), TRUE);
  });
}

TEST_F(ColumnViews, OnlyTheUsersSelectionFiresAndCellClicksSeeTheirCell)
{
  auto& view = makeView(true);
  std::vector<std::string> log;
  view.setValueChangedCallback(
      new liststest::LogCallback(&log, [&] { return "changed " + std::to_string(view.selectedIndex()); }));
  view.setCellClickCallback(new liststest::LogCallback(&log, [&] {
    BaseColumnEntryData* entry = view.clickedEntry();
    return "cell " + (entry ? entry->id() : std::string("-")) + " " + std::to_string(view.clickedColumn());
  }));
  // Selected before the control exists, and kept once it does.
  view.setSelectedIndex(1);
  inDialog({&view}, [&](HWND) {
    EXPECT_EQ(view.selectedIndex(), 1);
    view.setSelectedIndex(0);
    EXPECT_TRUE(log.empty());
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(hwnd(view), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
    const int y = (r.top + r.bottom) / 2;
    // Column 1 starts at 80 pixels: a click in it, then one in the 2-pixel gap before column 0's text.
    qorwin::click(hwnd(view), r.left + 100, y);
    qorwin::click(hwnd(view), r.left + 1, y);
    press(VK_UP);
    EXPECT_EQ(view.clickedEntry(), nullptr);
    EXPECT_EQ(view.clickedColumn(), -1);
  });
  EXPECT_EQ(log, (std::vector<std::string>{"cell c 1", "changed 2", "changed 1"}));
}

// The client handle.

class ColumnHandles : public ColumnViews
{
protected:
  // Entries go while the plug-in's globals still exist.
  void TearDown() override
  {
    made.clear();
    ColumnViews::TearDown();
  }
  std::vector<qor::core::ColumnEntry*> rows(const std::vector<std::string>& ids)
  {
    std::vector<qor::core::ColumnEntry*> out;
    for (const std::string& id : ids) {
      qor::core::EntryValues values{qor::core::EntryValue("Row " + id), qor::core::EntryValue("x" + id)};
      made.emplace_back(new qor::core::ColumnEntry(id, values));
      out.push_back(made.back().get());
    }
    return out;
  }
  std::vector<std::unique_ptr<qor::core::ColumnEntry>> made;
};

TEST_F(ColumnHandles, AnEmptyHandleAnswersNeutrally)
{
  qor::core::ColumnView empty;
  EXPECT_EQ(empty.selectedIndex(), -1);
  EXPECT_EQ(empty.clickedColumn(), -1);
  EXPECT_EQ(empty.columnCount(), 0);
  EXPECT_TRUE(empty.columnNames().empty());
  EXPECT_TRUE(empty.columnWidths().empty());
  EXPECT_EQ(empty.selectedEntry(), nullptr);
  EXPECT_EQ(empty.entries(), nullptr);
}

TEST_F(ColumnHandles, EntriesSelectionUpdateAndClone)
{
  {
    qor::core::ColumnView view(qor::core::Rect(10, 10, 200, 100), {"Name", "Value"}, true, {100, 80});
    view.setEntries(rows({"a", "b", "c"}));
    EXPECT_EQ(view.columnNames(), (std::vector<std::string>{"Name", "Value"}));
    EXPECT_TRUE(view.setSelectedIndex(2));
    std::unique_ptr<qor::core::ColumnEntry> selected(view.selectedEntry());
    ASSERT_TRUE(selected);
    EXPECT_EQ(selected->id(), "c");
    view.update();
    EXPECT_EQ(view.selectedId(), "c");

    std::unique_ptr<qor::core::Widget> copy(view.clone());
    auto* clone = dynamic_cast<qor::core::ColumnView*>(copy.get());
    ASSERT_NE(clone, nullptr);
    ASSERT_EQ(clone->entries()->size(), 3u);
    EXPECT_EQ(clone->selectedIndex(), 2);
    // The clone shares no entry with the source.
    made[0]->setValues({qor::core::EntryValue("Changed")});
    EXPECT_EQ((*clone->entries())[0]->values()[0].text(), "Row a");

    view.clearEntries();
    EXPECT_FALSE(view.hasEntry("a"));
    EXPECT_EQ(view.selectedEntry(), nullptr);
  }
  // The client's entries outlive the view that showed them.
  EXPECT_EQ(made[1]->id(), "b");
  EXPECT_EQ(made[1]->values()[0].text(), "Row b");
}

}  // namespace test_column_view
