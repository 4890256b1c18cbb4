// Tree entry handles and the tree view handle: values of text, image and SVG entries, children held on
// the client side and linked into the record tree when the view gets them, selection by paths across
// updates, clones with fresh entries, and the entry whose branch the user opens.
#include "listsFixture.h"

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreHandleBridge.h"
#include "core/qorcoreHierarchicalView.h"
#include "core/qorcoreTreeEntry.h"
#include "pui/qorpuiHierarchicalView.h"

#include <memory>

namespace test_tree_handles {

using qor::core::EntryValue;
using qor::core::ImageIDs;
using qor::core::SVGIDs;
using qor::core::TreeEntry;

class CountCallback : public qor::core::Callback
{
public:
  explicit CountCallback(std::function<void()> run) : run_(std::move(run)) {}
  void execute() override { run_(); }
  qor::core::Callback* clone() const override { return new CountCallback(run_); }

private:
  std::function<void()> run_;
};

class TreeHandles : public liststest::Lists
{
protected:
  void SetUp() override
  {
    Lists::SetUp();
    start();
  }
  static size_t registered() { return globals()->coreGlobals->treeEntryRegistry.size(); }
};

TEST_F(TreeHandles, ValuesKeepTheirKindAndSetValueWritesOnlyItsPart)
{
  const ImageIDs icon(200, 0, 0, 210, 0, 0);
  TreeEntry text("t", EntryValue("Text")), image("i", EntryValue(icon)), svg("s", EntryValue(SVGIDs(300, 301)));
  TreeEntry other("o", EntryValue::withType(40));
  EXPECT_EQ(text.value(), EntryValue("Text"));
  EXPECT_EQ(image.value(), EntryValue(icon));
  EXPECT_EQ(svg.value(), EntryValue(SVGIDs(300, 301)));
  EXPECT_TRUE(other.isEmpty());
  image.setValue(EntryValue("Caption"));
  EXPECT_EQ(image.value().type(), EntryValue::ImageIDsType);
  EXPECT_EQ(qor::core::treeEntryData(image)->text(), "Caption");
}

TEST_F(TreeHandles, ChildrenArePushedAndPoppedFromTheEnd)
{
  TreeEntry parent("p", EntryValue("P")), a("a", EntryValue("A")), b("b", EntryValue("B")), empty;
  EXPECT_TRUE(parent.pushChild(a));
  EXPECT_TRUE(parent.pushChild(b));
  EXPECT_FALSE(parent.pushChild(empty));
  EXPECT_FALSE(empty.pushChild(a));
  EXPECT_EQ(parent.childAt(2), nullptr);
  TreeEntry popped;
  ASSERT_TRUE(parent.popChild(popped));
  EXPECT_TRUE(popped == b);
  ASSERT_EQ(parent.childCount(), 1);
  std::unique_ptr<TreeEntry> first(parent.childAt(0));
  EXPECT_TRUE(*first == a);
}

TEST_F(TreeHandles, TheViewShowsTheEntriesRecordsAndSkipsADuplicateChild)
{
  qor::core::HierarchicalView view(qor::core::Rect(10, 10, 200, 150));
  TreeEntry top("top", EntryValue("Top")), one("one", EntryValue("One")), again("one", EntryValue("Again")),
      two("two", EntryValue("Two"));
  top.pushChild(one);
  top.pushChild(again);
  top.pushChild(two);
  view.setEntries({&top});
  auto* platform = dynamic_cast<qor::pui::HierarchicalView*>(qor::core::widgetImpl(view));
  ASSERT_EQ(platform->entries()->size(), 1u);
  EXPECT_EQ(platform->entries()->at(0), qor::core::treeEntryData(top));
  ASSERT_EQ(platform->recordAt({0})->children()->size(), 2u);
  EXPECT_EQ(platform->recordAt({0, 1})->text(), "Two");
  EXPECT_EQ(platform->recordAt({0, 1})->parent(), qor::core::treeEntryData(top));
}

TEST_F(TreeHandles, APoppedChildThatIsGoneIsNoLongerShown)
{
  qor::core::HierarchicalView view(qor::core::Rect(10, 10, 200, 150));
  TreeEntry top("top", EntryValue("Top"), nullptr, true, true);
  {
    TreeEntry child("child", EntryValue("Child"));
    top.pushChild(child);
  }
  view.setEntries({&top});
  auto* platform = qor::core::widgetImpl(view);
  inDialog({platform}, [&](HWND) {
    {
      TreeEntry popped;
      ASSERT_TRUE(top.popChild(popped));
    }
    // The child's record is gone; after the update the view shows and paints the tree without it.
    view.update();
    EXPECT_FALSE(view.hasEntry({"top", "child"}));
    EXPECT_EQ(SendMessageW(platform->control()->m_hWnd, TVM_GETCOUNT, 0, 0), 1);
    qorwin::paint(platform->control()->m_hWnd);
  });
}

TEST_F(TreeHandles, SelectionSurvivesAnUpdateWhileItsIdPathExists)
{
  qor::core::HierarchicalView view(qor::core::Rect(10, 10, 200, 150));
  TreeEntry a("a", EntryValue("A")), b("b", EntryValue("B")), b1("b1", EntryValue("B1"), const_cast<char*>("data"));
  b.pushChild(b1);
  view.setEntries({&a, &b});
  auto* platform = qor::core::widgetImpl(view);
  inDialog({platform}, [&](HWND) {
    ASSERT_TRUE(view.selectByIdPath({"b", "b1"}));
    std::unique_ptr<TreeEntry> selected(view.selectedEntry());
    ASSERT_TRUE(selected);
    EXPECT_TRUE(*selected == b1);
    void* data = nullptr;
    EXPECT_TRUE(view.selectedEntryUserData(data));
    EXPECT_STREQ(static_cast<const char*>(data), "data");
    view.update();
    EXPECT_EQ(view.selectedIdPath(), (std::vector<std::string>{"b", "b1"}));
    TreeEntry gone;
    ASSERT_TRUE(b.popChild(gone));
    view.update();
    EXPECT_TRUE(view.selectedIdPath().empty());
    view.clearSelection();
    EXPECT_EQ(view.selectedEntry(), nullptr);
  });
}

TEST_F(TreeHandles, TheExpandingEntryIsKnownInsideTheCallbackOnly)
{
  qor::core::HierarchicalView view(qor::core::Rect(10, 10, 200, 150));
  TreeEntry a("a", EntryValue("A")), a1("a1", EntryValue("A1"));
  a.pushChild(a1);
  view.setEntries({&a});
  std::vector<std::string> seen;
  view.setExpandCallback(CountCallback([&] {
    std::unique_ptr<TreeEntry> entry(view.expandingEntry());
    seen.push_back(entry ? entry->id() + (entry->isExpanded() ? " open" : " closed") : "none");
  }));
  EXPECT_EQ(view.expandingEntry(), nullptr);
  auto* platform = qor::core::widgetImpl(view);
  inDialog({platform}, [&](HWND) {
    platform->focus();
    press(VK_DOWN);
    press(VK_RIGHT);
    press(VK_LEFT);
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"a open", "a closed"}));
  EXPECT_EQ(view.expandingEntry(), nullptr);
}

TEST_F(TreeHandles, ACloneHasFreshEntriesWithValuesAndFlagsButNoUserData)
{
  const size_t before = registered();
  {
    qor::core::HierarchicalView view(qor::core::Rect(10, 10, 200, 150));
    TreeEntry a("a", EntryValue(ImageIDs(200, 0, 0, 0, 0, 0)), const_cast<char*>("x"), false, true);
    TreeEntry a1("a1", EntryValue("A1"), const_cast<char*>("y"));
    a.pushChild(a1);
    view.setEntries({&a});
    view.setSelectedIndexPath({0, 0});
    std::unique_ptr<qor::core::Widget> widget(view.clone());
    auto* copy = dynamic_cast<qor::core::HierarchicalView*>(widget.get());
    ASSERT_NE(copy, nullptr);
    const TreeEntry& top = *copy->entries()->at(0);
    EXPECT_FALSE(top == a);
    EXPECT_EQ(top.value(), a.value());
    EXPECT_FALSE(top.isEnabled());
    EXPECT_TRUE(top.isExpanded());
    EXPECT_EQ(top.userData(), nullptr);
    std::unique_ptr<TreeEntry> child(top.childAt(0));
    EXPECT_EQ(child->value(), EntryValue("A1"));
    EXPECT_EQ(child->userData(), nullptr);
    EXPECT_EQ(copy->selectedIndexPath(), (std::vector<int32_t>{0, 0}));
    EXPECT_EQ(copy->expandCallback(), nullptr);
  }
  EXPECT_EQ(registered(), before);
}

}  // namespace test_tree_handles
