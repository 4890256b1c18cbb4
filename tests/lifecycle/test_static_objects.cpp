// Objects that exist from load: widget frame adjustments, the key-press monitor table, the registered
// combo-box message and the module's application object.
#include "lifecycleTestSupport.h"
#include "pui/qorpluginWinMfcApp.h"
#include "pui/qorpuiFrameAdjustments.h"
#include "pui/qorpuiKeypressMonitors.h"
#include "pui/qorpuiRegisteredMessages.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

namespace test_static_objects {

struct AdjustmentCase
{
  const char* label;
  const qor::aip::Rect* adjustment;
  qor::aip::Rect placed;
};

void PrintTo(const AdjustmentCase& c, std::ostream* out)
{
  *out << c.label;
}

class FrameAdjustment : public ::testing::TestWithParam<AdjustmentCase>
{
};

TEST_P(FrameAdjustment, IsAddedWhenPlacedAndTakenBackWhenReported)
{
  const qor::aip::Rect asked(10, 20, 80, 21);
  qor::geo::Rect placed = asked + *GetParam().adjustment;
  const qor::aip::Rect& expected = GetParam().placed;
  EXPECT_EQ(placed.origin.x, expected.origin.x);
  EXPECT_EQ(placed.origin.y, expected.origin.y);
  EXPECT_EQ(placed.size.width, expected.size.width);
  EXPECT_EQ(placed.size.height, expected.size.height);
  qor::geo::Rect reported = placed - *GetParam().adjustment;
  EXPECT_EQ(reported.origin.y, asked.origin.y);
  EXPECT_EQ(reported.size.width, asked.size.width);
}

INSTANTIATE_TEST_SUITE_P(
    Widgets, FrameAdjustment,
    ::testing::Values(AdjustmentCase{"button", &qor::pui::buttonFrameAdjustment, {10, 20, 82, 21}},
                      AdjustmentCase{"checkbox", &qor::pui::checkboxFrameAdjustment, {10, 17, 80, 21}},
                      AdjustmentCase{"label", &qor::pui::labelFrameAdjustment, {11, 20, 80, 21}},
                      AdjustmentCase{"textField", &qor::pui::textFieldFrameAdjustment, {10, 20, 82, 23}}),
    [](const auto& info) { return std::string(info.param.label); });

struct Counted : qor::utils::Callback
{
  explicit Counted(int* deleted) : deleted(deleted) {}
  ~Counted() override { ++*deleted; }
  void execute() override {}
  Callback* clone() const override { return new Counted(deleted); }
  int* deleted;
};

TEST(KeypressMonitors, ClearingDeletesTheCallbacksAndDropsTheTableOnce)
{
  ASSERT_NE(qor::pui::keypressMonitors, nullptr);
  int deleted = 0;
  qor::pui::keypressMonitors->insert(qor::pui::VirtualKey(13), {1u, new Counted(&deleted)});
  qor::pui::keypressMonitors->insert(qor::pui::VirtualKey(27), {2u, nullptr});
  qor::pui::clearKeypressMonitors();
  EXPECT_EQ(deleted, 1);
  EXPECT_EQ(qor::pui::keypressMonitors, nullptr);
  qor::pui::clearKeypressMonitors();
  EXPECT_EQ(qor::pui::keypressMonitors, nullptr);
}

class RunningPlugin : public lifecycletest::StartedPlugin
{
};

TEST_F(RunningPlugin, PreShutdownDropsTheKeypressMonitorTableAndASecondIsHarmless)
{
  app.applicationShutdown();
  EXPECT_EQ(qor::pui::keypressMonitors, nullptr);
  app.applicationShutdown();
  EXPECT_EQ(qor::pui::keypressMonitors, nullptr);
  EXPECT_EQ(lifecycletest::count(log.lines(), "Cleaning up keypress monitors"), 2);
}

TEST(LoadTime, TheComboMessageIsRegisteredAndTheApplicationObjectInitialised)
{
  EXPECT_NE(qor::pui::comboSelEndOkMessage, 0u);
  EXPECT_EQ(qor::pui::comboSelEndOkMessage, RegisterWindowMessageW(u"QorPluginComboSelEndOK"));
  // The entry point linked into this program brings the module's application object with it.
  EXPECT_NE(dynamic_cast<__qorpluginWinMfcApp*>(AfxGetApp()), nullptr);
  EXPECT_TRUE(AfxGetModuleState()->m_bEntered);
  EXPECT_EQ(AfxGetApp()->m_pszAppName, nullptr);
}

} // namespace test_static_objects
