// The plug-in started in the simulated host, in-process, so tests reach the framework's state.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "core/qorcoreCallback.h"
#include "core/qorcoreDispatcher.h"
#include "core/qorcoreMsgEnv.h"
#include "hostsimApp.h"

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

namespace messagesTest {

// A client callback running a function, counting its runs.
class Probe
{
public:
  Probe() = default;
  explicit Probe(std::function<void()> action) : action(std::move(action)) {}
  void run()
  {
    ++runs;
    if (action)
      action();
  }
  qor::core::__Callback<Probe> callback() { return qor::core::__Callback<Probe>(this, &Probe::run); }

  int runs = 0;
  std::function<void()> action;
};

class PluginFixture : public ::testing::Test
{
protected:
  void SetUp() override
  {
    app = std::make_unique<hostsim::HostApp>();
    app->connect(&PluginMain, QOR_PLUGIN_MODULE);
    app->startup();
    app->applicationStarted();
    ASSERT_NE(qor::core::msgCoreGlobals(), nullptr);
    ASSERT_NE(qor::core::Dispatcher::instance(), nullptr);
    ASSERT_NE(qor::core::msgRouter(), nullptr);
  }

  void TearDown() override
  {
    if (!app)
      return;
    app->applicationShutdown();
    app->shutdown();
    app.reset();
  }

  CoreGlobals& globals() { return *qor::core::msgCoreGlobals(); }
  qor::core::Dispatcher& dispatcher() { return *qor::core::Dispatcher::instance(); }

  std::unique_ptr<hostsim::HostApp> app;
};

} // namespace messagesTest
