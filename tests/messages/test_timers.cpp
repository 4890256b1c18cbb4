// Host timers: the client's timers fire, periods convert to host ticks.
#include <cmath>
#include <limits>

#include "MessagesFixture.h"
#include "aip/qoraipEventDispatcher.h"
#include "aip/qoraipTimer.h"
#include "core/qorcoreMessage.h"
#include "core/qorcoreTimer.h"
#include "hostsimTimers.h"

namespace messagesTest_timers {

using namespace qor::core;
using messagesTest::PluginFixture;
using messagesTest::Probe;

TEST(TimerPeriods, SecondsBecomeTicksRoundedHalfAwayFromZero)
{
  struct Case
  {
    double seconds;
    int32_t ticks;
  };
  const Case cases[] = {
      {0.02, 1},  {1.0 / 120, 1}, {0.008, 0}, {1.0, 60}, {-0.025, -2}, {0.0, 0},
      {std::nan(""), 0}, {1e12, std::numeric_limits<int32_t>::max()}, {-1e12, std::numeric_limits<int32_t>::min()},
  };
  for (const Case& c : cases)
    EXPECT_EQ(qor::aip::Timer::secondsToTicks(c.seconds), c.ticks) << c.seconds;
}

class Timers : public PluginFixture
{
protected:
  hostsim::Timers& host() { return app->area<hostsim::Timers>(); }
};

TEST_F(Timers, ClientTimerFiresWithItsTypedMessage)
{
  Timer* self = nullptr;
  bool sawOwnMessage = false;
  Probe probe([&] {
    auto* message = dynamic_cast<const qor::core::TimerMessage*>(dispatcher().currentMessage());
    sawOwnMessage = message && message->type() == TimerGoMessageType && message->timer() == *self;
  });
  Timer timer("Heartbeat", 0.05, probe.callback());
  self = &timer;
  ASSERT_FALSE(timer.isEmpty());
  const hostsim::Timers::Timer* hostTimer = host().find(std::string("Heartbeat"));
  ASSERT_NE(hostTimer, nullptr);
  EXPECT_EQ(hostTimer->periodTicks, 3);
  EXPECT_DOUBLE_EQ(timer.period(), 3 / 60.0);
  EXPECT_TRUE(timer.isEnabled());
  host().tick(3);
  EXPECT_EQ(probe.runs, 1);
  EXPECT_TRUE(sawOwnMessage);
  host().tick(6);
  EXPECT_EQ(probe.runs, 3);

  timer.disable();
  host().tick(6);
  EXPECT_EQ(probe.runs, 3);
  // A disabled timer that the host calls anyway is not fired.
  EXPECT_EQ(dispatcher().dispatchMessage(TimerGoMessageType, nullptr), Dispatcher::NotDispatched);
  ::TimerMessage record{};
  record.timer = timer.hostHandle();
  EXPECT_EQ(dispatcher().dispatchMessage(TimerGoMessageType, &record), Dispatcher::NotHandled);

  timer.enable();
  timer.setPeriod(1.0 / 60);
  host().tick(1);
  EXPECT_EQ(probe.runs, 4);
}

TEST_F(Timers, DestroyStopsEveryHandleOfTheTimer)
{
  Probe probe;
  Timer timer("Once", 0.02, probe.callback());
  Timer other;
  other = timer;
  EXPECT_TRUE(other == timer);
  TimerHandle handle = timer.hostHandle();
  other.destroy();
  EXPECT_TRUE(timer.isEmpty());
  EXPECT_EQ(timer.hostHandle(), nullptr);
  EXPECT_EQ(timer.period(), 0.0);
  EXPECT_FALSE(host().find(handle)->active);
  EXPECT_EQ(qor::core::msgRouter()->findTimerByName("Once"), nullptr);
  ::TimerMessage record{};
  record.timer = handle;
  app->callPlugin("AI Timer", "AI Go", &record);
  EXPECT_EQ(probe.runs, 0);
}

TEST_F(Timers, HandlesAndTheHostsRefusal)
{
  Probe probe;
  Timer a("A", 1, probe.callback());
  Timer b("B", 1, probe.callback());
  Timer none1, none2;
  EXPECT_TRUE(a != b);
  EXPECT_TRUE(none1 == none2);
  EXPECT_TRUE(a != none1);
  none1.setCallback(probe.callback());
  EXPECT_EQ(none1.callback(), nullptr);
  host().refuseAdds(true);
  Timer refused("Refused", 1, probe.callback());
  EXPECT_TRUE(refused.isEmpty());
  EXPECT_EQ(refused.name(), "");
}

TEST_F(Timers, NamesReachTheHostInItsEightBitEncoding)
{
  Probe probe;
  Timer timer("Caf\xC3\xA9", 1, probe.callback());
  EXPECT_NE(host().find(std::string("Caf\xE9")), nullptr);
  EXPECT_EQ(timer.name(), "Caf\xE9");
}

TEST_F(Timers, DestroyingTheHostFacingTimerDeactivatesIt)
{
  auto* timer = new qor::aip::Timer("Bare", 1.0, static_cast<qor::utils::Callback*>(nullptr));
  TimerHandle handle = timer->hostHandle();
  ASSERT_NE(handle, nullptr);
  EXPECT_TRUE(host().find(handle)->active);
  delete timer;
  EXPECT_FALSE(host().find(handle)->active);
}

} // namespace messagesTest_timers
