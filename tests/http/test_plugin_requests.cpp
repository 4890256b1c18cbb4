// Requests made by client code of a running plug-in (linked in, driven by the simulated host): the
// factory makes them asynchronous, callbacks run inside the host's application context on the UI
// thread, and the plug-in's pre-shutdown stops what is still pending.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/qorcoreCallback.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreInternetGET.h"
#include "core/qorcoreInternetPOST.h"
#include "core/qorcorePrefData.h"
#include "core/qorcoreStringPref.h"
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

struct PostClient
{
  hostsim::HostApp* app = nullptr;
  qor::core::InternetPOST* request = nullptr;
  int responses = 0;
  int errors = 0;
  std::string text;
  std::string message;
  int number = 0;
  int code = 0;
  std::size_t contextDepth = 0;
  DWORD thread = 0;
  // As the update check does with its GET: the handle goes inside its own callback.
  void finish()
  {
    contextDepth = app->area<hostsim::Context>().depth();
    thread = GetCurrentThreadId();
    delete request;
    request = nullptr;
  }
  void onResponse()
  {
    ++responses;
    text = request->responseText();
    finish();
  }
  void onError()
  {
    ++errors;
    message = request->errorMessage();
    number = request->errorNumber();
    code = request->errorCode();
    finish();
  }
};

TEST_F(PluginRequests, FactoryPostsTheDictionaryFromAWorkerAndIsDeletedInItsOwnCallback)
{
  server.on("/form", {200, "", {}, HttpServer::Mode::Echo});
  std::unique_ptr<qor::core::PrefData> body =
      qor::core::PrefData::fromJSON(R"({"b": "x y", "a": true, "c": 2.5, "d": null})");
  ASSERT_NE(body, nullptr);
  PostClient post;
  post.app = &app;
  qor::core::__Callback<PostClient> onResponse(&post, &PostClient::onResponse);
  qor::core::__Callback<PostClient> onError(&post, &PostClient::onError);
  post.request = qor::core::newInternetPOST(server.url("/form"), *body, onResponse, onError);
  EXPECT_TRUE(post.request->isAsync());
  EXPECT_FALSE(qor::pui::BasePlugin::instance()->uiGlobals()->coreGlobals->internetPOSTConstructing);
  {
    qor::core::InternetPOST direct(server.url("/form"), *body, onResponse, onError);
    EXPECT_FALSE(direct.isAsync()) << "only the factory makes asynchronous requests";
  }
  // The body was taken at construction: later changes do not reach it.
  body.reset();

  const std::size_t depthBefore = app.area<hostsim::Context>().depth();
  post.request->start();
  ASSERT_TRUE(qorwin::pumpUntil([&] { return post.responses + post.errors > 0; }));
  EXPECT_EQ(post.responses, 1);
  EXPECT_EQ(post.text, "a=1&b=x%20y&c=2.5&d=");
  EXPECT_EQ(post.thread, GetCurrentThreadId());
  EXPECT_EQ(post.contextDepth, depthBefore + 1);
  EXPECT_EQ(post.request, nullptr);
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].method, "POST");
  EXPECT_EQ(server.requests()[0].target, "/form");
}

TEST_F(PluginRequests, PostErrorsReachTheClientOnTheUIThread)
{
  struct Case
  {
    std::string url;
    int number;
    int code;
    std::string message;
  };
  const Case cases[] = {
      {"http://127.0.0.1", -1, 10, "Invalid URL specified (path or \"/\" on server must be specified)"},
      {"ftp://127.0.0.1/file", -1, 10, "Invalid URL specified (must begin with \"http://\" or \"https://\")"},
      {"http://127.0.0.1:" + std::to_string(HttpServer::closedPort()) + "/", 12029, 90, ""},
  };
  std::unique_ptr<qor::core::PrefData> body = qor::core::PrefData::fromJSON("{}");
  ASSERT_NE(body, nullptr);
  for (const Case& c : cases) {
    PostClient post;
    post.app = &app;
    qor::core::__Callback<PostClient> onResponse(&post, &PostClient::onResponse);
    qor::core::__Callback<PostClient> onError(&post, &PostClient::onError);
    post.request = qor::core::newInternetPOST(c.url, *body, onResponse, onError);
    post.request->start();
    ASSERT_TRUE(qorwin::pumpUntil([&] { return post.responses + post.errors > 0; })) << c.url;
    EXPECT_EQ(post.errors, 1) << c.url;
    EXPECT_EQ(post.number, c.number) << c.url;
    EXPECT_EQ(post.code, c.code) << c.url;
    if (!c.message.empty()) {
      EXPECT_EQ(post.message, c.message) << c.url;
    }
    EXPECT_EQ(post.thread, GetCurrentThreadId()) << c.url;
  }
}

TEST_F(PluginRequests, PreShutdownStopsPendingPosts)
{
  server.on("/stall", {200, "", {}, HttpServer::Mode::Stall});
  std::unique_ptr<qor::core::PrefData> body = qor::core::PrefData::fromJSON(R"({"k": 1})");
  PostClient post;
  post.app = &app;
  qor::core::__Callback<PostClient> onResponse(&post, &PostClient::onResponse);
  qor::core::__Callback<PostClient> onError(&post, &PostClient::onError);
  post.request = qor::core::newInternetPOST(server.url("/stall"), *body, onResponse, onError);
  post.request->start();
  ASSERT_TRUE(qorwin::pumpUntil([&] { return server.requests().size() == 1; }));
  app.applicationShutdown();  // the plug-in's pre-shutdown
  ASSERT_TRUE(qorwin::pumpUntil([&] {
    qorwin::advanceClock(1000);
    return !post.request->isRunning();
  }));
  qorwin::advance(1000);
  EXPECT_EQ(post.responses + post.errors, 0);
  delete post.request;
  server.stop();
}

TEST_F(PluginRequests, ADirectPostRunsInsideStartAndWithoutADictionarySendsAnEmptyBody)
{
  server.on("/post", {200, "ok", {}, HttpServer::Mode::Answer});
  PostClient post;
  post.app = &app;
  qor::core::__Callback<PostClient> onResponse(&post, &PostClient::onResponse);
  qor::core::__Callback<PostClient> onError(&post, &PostClient::onError);
  qor::core::StringPref notADictionary;
  post.request = new qor::core::InternetPOST(server.url("/post"), notADictionary, onResponse, onError);
  EXPECT_FALSE(post.request->isAsync());
  post.request->start();
  EXPECT_EQ(post.responses, 1);
  EXPECT_EQ(post.text, "ok");
  EXPECT_EQ(post.request, nullptr) << "deleted inside its own synchronous callback";
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].method, "POST");
  EXPECT_EQ(server.requests()[0].body, "");
}

}  // namespace qortest_plugin_requests
