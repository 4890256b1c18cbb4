// Column and tree-column entries: cells of text, image ids and SVG ids go into the record's three
// per-column lists and come back as the same values, as the record's lists allow.
#include "listsFixture.h"

#include "core/qorcoreColumnEntry.h"
#include "pui/qorpuiColumnEntryData.h"

#include <memory>

namespace test_column_entries {

using qor::core::ColumnEntry;
using qor::core::EntryValue;
using qor::core::EntryValues;
using qor::core::ImageIDs;
using qor::core::SVGIDs;

class ColumnEntries : public liststest::Lists
{
protected:
  void SetUp() override
  {
    Lists::SetUp();
    start();
  }
};

TEST_F(ColumnEntries, CellValuesComeBackAsTheRecordsListsAllow)
{
  const ImageIDs image(200, 0, 0, 0, 0, 0);
  struct Case
  {
    const char* what;
    EntryValues given;
    EntryValues kept;
    EntryValues afterSetValues;
  } cases[] = {
      {"text and image", {EntryValue("a"), EntryValue(image)}, {EntryValue("a"), EntryValue(image)},
       {EntryValue("a"), EntryValue(image)}},
      // With an SVG cell the record keeps SVG ids only; setValues keeps all three lists.
      {"image and SVG", {EntryValue(image), EntryValue(SVGIDs(300, 301))}, {EntryValue(""), EntryValue(SVGIDs(300, 301))},
       {EntryValue(image), EntryValue(SVGIDs(300, 301))}},
      {"a value of another type", {EntryValue("a"), EntryValue::withType(99), EntryValue("b")},
       {EntryValue("a"), EntryValue("b")}, {EntryValue("a"), EntryValue("b")}},
  };
  for (const Case& c : cases) {
    ColumnEntry entry("row", c.given);
    EXPECT_EQ(entry.values(), c.kept) << c.what;
    entry.setValues(c.given);
    EXPECT_EQ(entry.values(), c.afterSetValues) << c.what;
  }
}

TEST_F(ColumnEntries, RecordsCopyTheirListsButNotTheChildren)
{
  qor::pui::TreeColumnEntryData parent("p", {"P"}, qor::pui::ColumnImageIds{}, {nullptr}, true, true);
  parent.children()->pushBack(new qor::pui::TreeColumnEntryData("c", {"C"}, qor::pui::ColumnSvgIds{{1, 2}}, {}, true, false));
  parent.children()->at(0)->setParent(&parent);
  std::unique_ptr<qor::pui::BaseTreeColumnEntryData> copy(parent.clone());
  EXPECT_TRUE(copy->children()->isEmpty());
  EXPECT_EQ(copy->parent(), nullptr);
  EXPECT_EQ(copy->texts(), (qor::pui::ColumnTexts{"P"}));
  EXPECT_TRUE(copy->expanded());
  qor::pui::ColumnEntryData svgRow("r", {"x"}, qor::pui::ColumnSvgIds{{3, 4}}, {}, true);
  EXPECT_TRUE(svgRow.imageIds().empty());
  EXPECT_EQ(svgRow.svgIds().size(), 1u);
}

TEST_F(ColumnEntries, TreeColumnChildrenAreHeldByTheEntry)
{
  qor::core::TreeColumnEntry parent("p", {EntryValue("P")}), a("a", {EntryValue("A")}), b("b", {EntryValue("B")});
  parent.pushChild(a);
  parent.pushChild(b);
  qor::core::TreeColumnEntry popped;
  ASSERT_TRUE(parent.popChild(popped));
  EXPECT_TRUE(popped == b);
  EXPECT_EQ(parent.childCount(), 1);
  ColumnEntry empty("", {EntryValue("x")});
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_TRUE(empty.values().empty());
}

}  // namespace test_column_entries
