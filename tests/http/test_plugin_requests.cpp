// Requests made by client code of a running plug-in (linked in, driven by the simulated host): the
// factory makes them asynchronous, callbacks run inside the host's application context on the UI
// thread, and the plug-in's pre-shutdown stops what is still pending.
#include <gtest/gtest.h>

#include <string>

#include "core/qorcoreCallback.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreInternetGET.h"
#include "hostsimApp.h"
#include "hostsimContext.h"
#include "plat/qorplatCallbackScheduler.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"
#include "qortestHttpServer.h"
#include "win/WinBase.h"
#include "win/WinInet.h"
#include "win/WinTest.h"

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

namespace qortest_plugin_requests {

using qortest::HttpServer;

struct Client
{
  hostsim::HostApp* app = nullptr;
  qor::core::InternetGET* request = nullptr;
  int responses = 0;
  int errors = 0;
  std::string text;
  std::size_t contextDepth = 0;
  DWORD thread = 0;
  void onResponse()
  {
    ++responses;
    text = request->responseText();
    contextDepth = app->area<hostsim::Context>().depth();
    thread = GetCurrentThreadId();
  }
  void onError() { ++errors; }
};

class PluginRequests : public ::testing::Test
{
protected:
  void SetUp() override
  {
    qor::plat::createCallbackWindow();
    app.connect(&PluginMain, "/plug-ins/Junctate.aip");
    app.startup();
    app.applicationStarted();
    qor::pui::BasePlugin* plugin = qor::pui::BasePlugin::instance();
    ASSERT_NE(plugin, nullptr);
    ASSERT_NE(plugin->uiGlobals(), nullptr);
    ASSERT_NE(plugin->uiGlobals()->coreGlobals, nullptr);
    client.app = &app;
  }
  void TearDown() override
  {
    app.applicationShutdown();
    app.shutdown();
    EXPECT_TRUE(qorwin::pumpUntil([] { return qorwin::test::openInternetSessions() == 0; }));
  }

  hostsim::HostApp app;
  HttpServer server;
  Client client;
};

TEST_F(PluginRequests, FactoryRequestsRunOnAWorkerAndAnswerInsideTheHostContext)
{
  server.on("/version", {200, "{\"v\":\"16.1\"}", {}, HttpServer::Mode::Answer});
  qor::core::__Callback<Client> onResponse(&client, &Client::onResponse);
  qor::core::__Callback<Client> onError(&client, &Client::onError);
  client.request = qor::core::newInternetGET(server.url("/version"), onResponse, onError);
  EXPECT_TRUE(client.request->isAsync());
  EXPECT_FALSE(qor::pui::BasePlugin::instance()->uiGlobals()->coreGlobals->internetGETConstructing);
  qor::core::InternetGET direct(server.url("/version"), onResponse, onError);
  EXPECT_FALSE(direct.isAsync()) << "only the factory makes asynchronous requests";

  const std::size_t depthBefore = app.area<hostsim::Context>().depth();
  const int pushesBefore = app.area<hostsim::Context>().pushes();
  client.request->start();
  ASSERT_TRUE(qorwin::pumpUntil([&] { return client.responses + client.errors > 0; }));
  EXPECT_EQ(client.responses, 1);
  EXPECT_EQ(client.text, "{\"v\":\"16.1\"}");
  EXPECT_EQ(client.thread, GetCurrentThreadId());
  EXPECT_EQ(client.contextDepth, depthBefore + 1) << "the callback runs inside a context of its own";
  EXPECT_EQ(app.area<hostsim::Context>().pushes(), pushesBefore + 1);
  EXPECT_EQ(app.area<hostsim::Context>().depth(), depthBefore);
  ASSERT_TRUE(qorwin::pumpUntil([&] { return !client.request->isRunning(); }));
  delete client.request;
}

TEST_F(PluginRequests, PreShutdownStopsPendingCallbacks)
{
  server.on("/stall", {200, "", {}, HttpServer::Mode::Stall});
  qor::core::__Callback<Client> onResponse(&client, &Client::onResponse);
  qor::core::__Callback<Client> onError(&client, &Client::onError);
  client.request = qor::core::newInternetGET(server.url("/stall"), onResponse, onError);
  client.request->start();
  ASSERT_TRUE(qorwin::pumpUntil([&] { return server.requests().size() == 1; }));
  app.applicationShutdown();  // the plug-in's pre-shutdown
  // The worker gives up on the stalled server, and tells nobody.
  ASSERT_TRUE(qorwin::pumpUntil([&] {
    qorwin::advanceClock(1000);
    return !client.request->isRunning();
  }));
  qorwin::advance(1000);
  EXPECT_EQ(client.responses + client.errors, 0);
  delete client.request;
  server.stop();
}

}  // namespace qortest_plugin_requests
