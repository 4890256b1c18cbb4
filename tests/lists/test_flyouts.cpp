// The flyout menu of a panel: entries mirrored into the host's flyout menu (separators for "-",
// disabled items), check marks remembered before the flyout has a panel and shown once it has,
// copies sharing entries and marks, the host's choice selecting the entry before the callback runs.
#include "panels/panelsFixture.h"

#include "core/qorcoreFlyout.h"
#include "core/qorcoreListEntry.h"
#include "hostsimFlyouts.h"
#include "pui/qorpuiPopupMenu.h"

namespace test_flyouts {

using qor::core::Flyout;
using qor::core::ListEntry;

class Flyouts : public panelstest::Started
{
protected:
  void TearDown() override
  {
    // Handles go while the plug-in's globals exist.
    entries.clear();
    Started::TearDown();
  }
  Flyout makeFlyout(const std::vector<std::pair<std::string, std::string>>& items)
  {
    Flyout flyout;
    for (const auto& item : items) {
      entries.emplace_back(new ListEntry(item.first, item.second, nullptr, item.first != "off"));
      EXPECT_TRUE(flyout.addEntry(*entries.back()));
    }
    return flyout;
  }
  hostsim::Flyouts::Menu* hostMenu(const qor::core::Panel& panel)
  {
    return app.area<hostsim::Flyouts>().find(panel.platformPanel()->hostFlyoutMenu());
  }
  std::vector<std::unique_ptr<ListEntry>> entries;
};

TEST_F(Flyouts, MarksBeforeThePanelAreKeptAndShownAfter)
{
  Flyout flyout = makeFlyout({{"grid", "Show grid"}, {"sep", "-"}, {"off", "Snap"}});
  EXPECT_FALSE(flyout.addEntry(*entries[0]));
  EXPECT_TRUE(flyout.setItemCheckedByName("grid", true));
  EXPECT_TRUE(flyout.itemCheckedByName("grid"));
  EXPECT_FALSE(flyout.itemChecked(-1));
  EXPECT_FALSE(flyout.setItemChecked(5, true));
  // A copy shares the entries and the marks.
  Flyout copy(flyout);
  EXPECT_TRUE(copy.itemChecked(0));
  EXPECT_EQ(copy.entries()->size(), 3u);
  flyout.update();  // no panel yet: nothing happens

  qor::core::Panel panel = makePanel("Flyouts");
  panel.setFlyout(flyout);
  ASSERT_EQ(flyout.panel(), &panel);
  hostsim::Flyouts::Menu* menu = hostMenu(panel);
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->items.size(), 3u);
  EXPECT_EQ(menu->items[0].text, "Show grid");
  EXPECT_EQ(menu->items[0].mark, 1);
  EXPECT_TRUE(menu->items[1].separator);
  EXPECT_EQ(menu->items[1].id, 2);
  EXPECT_FALSE(menu->items[2].enabled);
  EXPECT_TRUE(copy.itemCheckedByName("grid"));
  EXPECT_FALSE(flyout.itemChecked(3));

  // Marks now go to the host, and a rebuild keeps them by identifier.
  EXPECT_TRUE(copy.setItemChecked(2, true));
  EXPECT_EQ(hostMenu(panel)->item(3)->mark, 1);
  ListEntry* removed = nullptr;
  EXPECT_TRUE(flyout.removeEntry("sep", removed));
  delete removed;
  flyout.update();
  menu = hostMenu(panel);
  ASSERT_EQ(menu->items.size(), 2u);
  EXPECT_EQ(menu->items[1].text, "Snap");
  EXPECT_EQ(menu->items[0].mark, 1);
  EXPECT_EQ(menu->items[1].mark, 1);
}

TEST_F(Flyouts, ChoosingAnItemSelectsItsEntryBeforeTheCallback)
{
  Flyout flyout = makeFlyout({{"a", "First"}, {"b", "Second"}, {"c", "Third"}});
  qor::core::Panel panel = makePanel("Choices");
  panel.setFlyout(flyout);
  std::vector<std::string> log;
  struct Recorder
  {
    Flyout* flyout;
    std::vector<std::string>* log;
    void chosen() { log->push_back("chosen " + flyout->selectedId()); }
    void opening() { log->push_back("opening"); }
  } recorder{&flyout, &log};
  flyout.setValueChangedCallback(qor::core::__Callback<Recorder>(&recorder, &Recorder::chosen));
  flyout.setPreOpenCallback(qor::core::__Callback<Recorder>(&recorder, &Recorder::opening));
  ASSERT_NE(flyout.preOpenCallback(), nullptr);
  panel.show();
  ASSERT_TRUE(hostPanels().openFlyout(panel.hostPanel()));
  ASSERT_TRUE(hostPanels().chooseFlyoutItem(panel.hostPanel(), 3));
  EXPECT_EQ(log, (std::vector<std::string>{"opening", "chosen c"}));
  std::unique_ptr<ListEntry> selected(flyout.selectedEntry());
  ASSERT_TRUE(selected);
  EXPECT_EQ(selected->text(), "Third");
}

TEST_F(Flyouts, AReplacedFlyoutAndThePanelsEndLeaveNothingBehind)
{
  qor::core::Panel panel = makePanel("Replaced");
  {
    Flyout first = makeFlyout({{"a", "One"}});
    panel.setFlyout(first);
  }
  Flyout second = makeFlyout({{"b", "Two"}, {"c", "Three"}});
  panel.setFlyout(second);
  ASSERT_EQ(hostMenu(panel)->items.size(), 2u);
  EXPECT_EQ(app.area<hostsim::Flyouts>().liveCount(), 1u);
  panel.destroy();
  // The flyout still works on its own.
  EXPECT_TRUE(second.hasEntry("c"));
}

}  // namespace test_flyouts
