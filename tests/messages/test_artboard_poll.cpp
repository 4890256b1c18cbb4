// Artboard changes noticed by the poll timer, driven by the simulated host's clock.
#include "MessagesFixture.h"
#include "core/qorcoreNotifier.h"
#include "hostsimTimers.h"
#include "hostsimWorkspace.h"

namespace messagesTest_artboard_poll {

using namespace qor::core;
using messagesTest::PluginFixture;
using messagesTest::Probe;

class ArtboardPoll : public PluginFixture
{
protected:
  void SetUp() override
  {
    PluginFixture::SetUp();
    if (HasFatalFailure())
      return;
    document = hostsim::Workspace::instance().newDocument("poll");
    if (!qor::aip::msgCurrentDocument())
      GTEST_SKIP() << "the simulated host does not publish its document suites";
    document->artboards.push_back(board(700, "Second"));
    document->artboards.push_back(board(1400, "Third"));
  }

  static hostsim::Artboard board(double left, const char* name)
  {
    hostsim::Artboard a;
    a.bounds = {left, 792, left + 612, 0};
    a.name = name;
    return a;
  }

  void watch(NotifierType kind, Probe& probe)
  {
    notifiers.emplace_back(new Notifier(kind, probe.callback()));
    dispatcher().registerNotifier(*notifiers.back());
  }

  // One poll: the poll runs on every third tick of its one-tick timer.
  void poll() { app->area<hostsim::Timers>().tick(3); }

  hostsim::Document* document = nullptr;
  std::vector<std::unique_ptr<Notifier>> notifiers;
};

TEST_F(ArtboardPoll, AddRemoveChangeAndCurrent)
{
  Probe added, removed, changed, current;
  watch(ArtboardsAddedNotifierType, added);
  watch(ArtboardsRemovedNotifierType, removed);
  watch(ArtboardsChangedNotifierType, changed);
  watch(CurrentArtboardChangedNotifierType, current);
  const auto* timer = app->area<hostsim::Timers>().find(qor::aip::msgPluginName() + " __QOR_CORE_ARTBOARD_TIMER");
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->periodTicks, 1);
  EXPECT_TRUE(timer->active);

  poll(); // the first look only takes the snapshot
  EXPECT_EQ(added.runs + removed.runs + changed.runs + current.runs, 0);

  document->artboards.push_back(board(2100, "Fourth"));
  poll();
  EXPECT_EQ(added.runs, 1);

  document->artboards[0].bounds.left += 0.00005;
  poll();
  EXPECT_EQ(changed.runs, 0);
  document->artboards[0].bounds.left += 0.001;
  poll();
  EXPECT_EQ(changed.runs, 1);
  document->artboards[1].name = "Renamed";
  poll();
  EXPECT_EQ(changed.runs, 2);

  document->activeArtboard = 2;
  poll();
  EXPECT_EQ(current.runs, 1);
  poll();
  EXPECT_EQ(current.runs, 1);

  // Removing the middle one of four: the highest index is gone, and index 1 now holds another board.
  document->artboards.erase(document->artboards.begin() + 1);
  document->activeArtboard = 0;
  poll();
  EXPECT_EQ(removed.runs, 1);
  EXPECT_EQ(changed.runs, 3);
  EXPECT_EQ(current.runs, 2);
  EXPECT_EQ(added.runs, 1);
}

TEST_F(ArtboardPoll, TicksBetweenPollsOnlyCount)
{
  Probe added;
  watch(ArtboardsAddedNotifierType, added);
  poll();
  document->artboards.push_back(board(2100, "Fourth"));
  app->area<hostsim::Timers>().tick(2);
  EXPECT_EQ(added.runs, 0);
  EXPECT_EQ(globals().artboardPollTick, 2);
  app->area<hostsim::Timers>().tick(1);
  EXPECT_EQ(added.runs, 1);
}

TEST_F(ArtboardPoll, OnlyTheRegisteredKindsAreChecked)
{
  Probe current;
  watch(CurrentArtboardChangedNotifierType, current);
  poll();
  document->artboards.push_back(board(2100, "Fourth"));
  document->artboards.erase(document->artboards.begin());
  poll();
  EXPECT_EQ(current.runs, 0);
  document->activeArtboard = 1;
  poll();
  EXPECT_EQ(current.runs, 1);
}

TEST_F(ArtboardPoll, DisabledNotifiersAreSkipped)
{
  Probe first, second;
  watch(ArtboardsAddedNotifierType, first);
  watch(ArtboardsAddedNotifierType, second);
  notifiers[0]->disable();
  poll();
  document->artboards.push_back(board(2100, "Fourth"));
  poll();
  EXPECT_EQ(first.runs, 0);
  EXPECT_EQ(second.runs, 1);
}

TEST_F(ArtboardPoll, DocumentSwitchesTakeANewSnapshot)
{
  Probe added, current;
  watch(ArtboardsAddedNotifierType, added);
  watch(CurrentArtboardChangedNotifierType, current);
  poll();
  hostsim::Document* other = hostsim::Workspace::instance().newDocument("other");
  poll();
  hostsim::Workspace::instance().setCurrent(document);
  poll();
  EXPECT_EQ(added.runs, 0);
  hostsim::Workspace::instance().close(other);
  hostsim::Workspace::instance().close(document);
  poll();
  EXPECT_TRUE(dispatcher().data()->artboardStats.empty());
  EXPECT_EQ(dispatcher().data()->currentArtboardIndex, -1);
  hostsim::Workspace::instance().newDocument("again");
  poll();
  EXPECT_EQ(added.runs, 0);
  EXPECT_EQ(current.runs, 0);
}

// A callback that switches documents must not let the later checks compare the other document with
// this snapshot.
TEST_F(ArtboardPoll, CallbackSwitchingDocumentsEndsTheTick)
{
  hostsim::Document* other = nullptr;
  Probe added([&] {
    other = hostsim::Workspace::instance().newDocument("switched");
    other->artboards.clear();
  });
  Probe removed, changed;
  watch(ArtboardsAddedNotifierType, added);
  watch(ArtboardsRemovedNotifierType, removed);
  watch(ArtboardsChangedNotifierType, changed);
  poll();
  document->artboards.push_back(board(2100, "Fourth"));
  poll();
  EXPECT_EQ(added.runs, 1);
  EXPECT_EQ(removed.runs, 0);
  EXPECT_EQ(changed.runs, 0);
  poll(); // the next tick takes the new document's snapshot and raises nothing
  EXPECT_EQ(removed.runs, 0);
  EXPECT_EQ(changed.runs, 0);
}

} // namespace messagesTest_artboard_poll
