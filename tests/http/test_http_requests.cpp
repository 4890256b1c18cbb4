// HTTP GET and POST requests of the platform layer against the test's own server on 127.0.0.1: results
// reach the UI thread (this test's main thread, which pumps) through the callback scheduler.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "plat/qorplatCallbackScheduler.h"
#include "json/qorjsonNode.h"
#include "plat/qorplatInternetGET.h"
#include "plat/qorplatInternetPOST.h"
#include "qortestHttpServer.h"
#include "win/WinBase.h"
#include "win/WinInet.h"
#include "win/WinTest.h"
#include "win/WinUser.h"

namespace qortest_http {

using qortest::HttpServer;

// A client of one request: records what each callback could read, on which thread, and may delete the
// request from inside its own callback.
template <typename Request>
struct Client
{
  Request* request = nullptr;
  std::atomic<int> responses{0};
  std::atomic<int> errors{0};
  std::string text;
  int number = 0;
  int code = 0;
  std::string message;
  DWORD thread = 0;
  bool deleteInCallback = false;

  void onResponse()
  {
    text = request->responseText();
    thread = GetCurrentThreadId();
    finish();
    ++responses;
  }
  void onError()
  {
    number = request->errorNumber();
    code = request->errorCode();
    message = request->errorMessage();
    thread = GetCurrentThreadId();
    finish();
    ++errors;
  }
  void finish()
  {
    if (deleteInCallback) {
      delete request;
      request = nullptr;
    }
  }
  qor::utils::Callback* responseCallback() { return new qor::utils::__Callback<Client>(this, &Client::onResponse); }
  qor::utils::Callback* errorCallback() { return new qor::utils::__Callback<Client>(this, &Client::onError); }
  int delivered() const { return responses + errors; }
};

using GetClient = Client<qor::plat::InternetGET>;
using PostClient = Client<qor::plat::InternetPOST>;

class HttpRequests : public ::testing::Test
{
protected:
  void SetUp() override { qor::plat::createCallbackWindow(); }
  void TearDown() override
  {
    // Every request state is gone once its handle and its worker have let go: the shared handles close.
    EXPECT_TRUE(qorwin::pumpUntil([] { return qorwin::test::openInternetSessions() == 0; }));
  }

  std::unique_ptr<qor::plat::InternetGET> get(GetClient& client, const std::string& url, bool async = true)
  {
    auto* r = new qor::plat::InternetGET(url, client.responseCallback(), client.errorCallback(), async);
    client.request = r;
    return std::unique_ptr<qor::plat::InternetGET>(r);
  }

  // Pumps the UI thread until the client has its answer and the worker has finished.
  template <typename C>
  void await(C& client)
  {
    ASSERT_TRUE(qorwin::pumpUntil([&] { return client.delivered() > 0; }));
    if (client.request) {
      ASSERT_TRUE(qorwin::pumpUntil([&] { return !client.request->isRunning(); }));
    }
  }

  HttpServer server;
};

TEST_F(HttpRequests, AsyncGetHandsEveryBodyToTheUiThreadAsAResponse)
{
  std::string big(4 * 1024 * 1024 + 5, '\0');
  for (std::size_t i = 0; i < big.size(); ++i)
    big[i] = char(i % 251);
  server.on("/text", {200, "hello \xe2\x82\xac", {}, HttpServer::Mode::Answer});
  server.on("/empty", {200, "", {}, HttpServer::Mode::Answer});
  server.on("/big", {200, big, {}, HttpServer::Mode::Answer});
  server.on("/broken", {500, "server error page", {}, HttpServer::Mode::Answer});
  server.on("/moved", {301, "", {"Location: /text"}, HttpServer::Mode::Answer});
  struct Case
  {
    const char* path;
    std::string body;
  };
  const Case cases[] = {{"/text", "hello \xe2\x82\xac"},
                        {"/empty", ""},
                        {"/big", big},
                        {"/nowhere", "<html>not found</html>"},
                        {"/broken", "server error page"},
                        {"/moved", "hello \xe2\x82\xac"}};
  for (const Case& c : cases) {
    GetClient client;
    auto request = get(client, server.url(c.path));
    EXPECT_TRUE(request->isAsync());
    request->start();
    EXPECT_TRUE(request->isRunning()) << "start returns while the worker runs";
    await(client);
    EXPECT_EQ(client.responses, 1) << c.path;
    EXPECT_EQ(client.errors, 0) << c.path;
    EXPECT_TRUE(client.text == c.body) << c.path << ": " << client.text.size() << " bytes";
    EXPECT_EQ(client.thread, GetCurrentThreadId()) << c.path;
    // Results live only while the callback runs.
    EXPECT_EQ(request->responseText(), "");
    EXPECT_EQ(request->errorNumber(), 0);
  }
}

TEST_F(HttpRequests, FailuresReachTheErrorCallbackWithNumberCodeAndText)
{
  struct Case
  {
    std::string url;
    int number, code;
  };
  const Case cases[] = {
      {"http://127.0.0.1:" + std::to_string(HttpServer::closedPort()) + "/", 12029, 90},
      {"ftp://127.0.0.1/file", 12006, 40},
      {"http://", 12005, 30},
  };
  for (const Case& c : cases) {
    GetClient client;
    auto request = get(client, c.url);
    request->start();
    await(client);
    EXPECT_EQ(client.errors, 1) << c.url;
    EXPECT_EQ(client.number, c.number) << c.url;
    EXPECT_EQ(client.code, c.code) << c.url;
    EXPECT_EQ(client.message, "Unknown WinINet error") << c.url;
    EXPECT_EQ(client.thread, GetCurrentThreadId());
    EXPECT_EQ(request->errorNumber(), 0);
    EXPECT_EQ(request->errorCode(), 0);
    EXPECT_EQ(request->errorMessage(), "");
  }
}

TEST_F(HttpRequests, AStalledServerIsReportedAfterTheTimeOutWhileTheUiThreadRuns)
{
  server.on("/stall", {200, "", {}, HttpServer::Mode::Stall});
  GetClient client;
  auto request = get(client, server.url("/stall"));
  request->start();
  ASSERT_TRUE(qorwin::pumpUntil([&] { return server.requests().size() == 1; }));

  // The UI thread stays free: it runs another request from start to end while this one waits.
  server.on("/text", {200, "meanwhile", {}, HttpServer::Mode::Answer});
  GetClient other;
  get(other, server.url("/text"), false)->start();
  EXPECT_EQ(other.text, "meanwhile");
  EXPECT_TRUE(request->isRunning());
  EXPECT_EQ(client.delivered(), 0);

  // Time runs on the layer's clock: move it on until the worker gives up.
  ASSERT_TRUE(qorwin::pumpUntil([&] {
    qorwin::advanceClock(1000);
    return client.delivered() > 0;
  }));
  await(client);
  EXPECT_EQ(client.errors, 1);
  EXPECT_EQ(client.number, 12002);
  EXPECT_EQ(client.code, 50);
  EXPECT_GE(qorwin::now(), ULONGLONG(qorwin::test::internetTimeout()));
  server.stop();
}

TEST_F(HttpRequests, AnAnswerCutShortIsDeliveredWithTheBytesReadSoFar)
{
  server.on("/cut", {200, std::string(9000, 'c'), {}, HttpServer::Mode::Partial});
  GetClient client;
  auto request = get(client, server.url("/cut"));
  request->start();
  await(client);
  EXPECT_EQ(client.responses, 1);
  EXPECT_EQ(client.text, std::string(4500, 'c'));
}

TEST_F(HttpRequests, ASynchronousRequestRunsItsCallbackInsideStart)
{
  server.on("/text", {200, "sync", {}, HttpServer::Mode::Answer});
  GetClient client;
  auto request = get(client, server.url("/text"), false);
  EXPECT_FALSE(request->isAsync());
  request->start();
  EXPECT_EQ(client.responses, 1);
  EXPECT_EQ(client.text, "sync");
  EXPECT_FALSE(request->isRunning());
  EXPECT_EQ(request->responseText(), "");
}

TEST_F(HttpRequests, AClientMayDeleteItsRequestInsideItsCallback)
{
  server.on("/text", {200, "bye", {}, HttpServer::Mode::Answer});
  for (bool async : {false, true}) {
    for (const std::string& url : {server.url("/text"), std::string("ftp://x/")}) {
      GetClient client;
      client.deleteInCallback = true;
      get(client, url, async).release()->start();
      await(client);
      EXPECT_EQ(client.delivered(), 1) << url << (async ? " async" : " sync");
      EXPECT_EQ(client.request, nullptr);
    }
  }
}

TEST_F(HttpRequests, ARequestDeletedBeforeItsAnswerDeliversNothing)
{
  server.on("/stall", {200, "", {}, HttpServer::Mode::Stall});
  GetClient client;
  auto request = get(client, server.url("/stall"));
  request->start();
  ASSERT_TRUE(qorwin::pumpUntil([&] { return server.requests().size() == 1; }));
  request.reset();
  client.request = nullptr;
  server.stop();  // the worker's transfer fails now, with nobody left to tell
  ASSERT_TRUE(qorwin::pumpUntil([] { return qorwin::test::openInternetSessions() == 0; }));
  EXPECT_EQ(client.delivered(), 0);
}

TEST_F(HttpRequests, StartOnARunningRequestChangesNothingAndARequestCanRunAgain)
{
  server.on("/text", {200, "again", {}, HttpServer::Mode::Answer});
  GetClient client;
  auto request = get(client, server.url("/text"));
  request->start();
  request->start();
  await(client);
  EXPECT_EQ(client.responses, 1);
  EXPECT_EQ(server.requests().size(), 1u);
  request->start();
  ASSERT_TRUE(qorwin::pumpUntil([&] { return client.responses == 2 && !request->isRunning(); }));
  EXPECT_EQ(client.text, "again");
  EXPECT_EQ(server.requests().size(), 2u);
}

TEST_F(HttpRequests, RequestsShareOneInternetHandleWithTheFrameworkUserAgent)
{
  qorwin::setSystemVersion(6, 1, 1);
  server.on("/a", {200, "a", {}, HttpServer::Mode::Answer});
  GetClient first, second;
  auto one = get(first, server.url("/a"));
  auto two = get(second, server.url("/a"));
  one->start();
  two->start();
  await(first);
  await(second);
  EXPECT_EQ(qorwin::test::internetSessionsOpened(), 1);
  EXPECT_EQ(qorwin::test::openInternetSessions(), 1);
  one.reset();
  EXPECT_EQ(qorwin::test::openInternetSessions(), 1);
  two.reset();
  // A worker may still be letting go of its request just after delivering it.
  for (int i = 0; i < 10000000 && qorwin::test::openInternetSessions() != 0; ++i)
    std::this_thread::yield();
  EXPECT_EQ(qorwin::test::openInternetSessions(), 0) << "closed with the last request";
  for (const auto& r : server.requests())
    EXPECT_EQ(r.header("User-Agent"), "VODavurirur GET/WinINet Windows/6.1.1 (x86)");
}

TEST_F(HttpRequests, AfterTheStopFlagNoWorkerDeliversAndWaitingWorkersEnd)
{
  server.on("/text", {200, "late", {}, HttpServer::Mode::Answer});
  GetClient client;
  auto request = get(client, server.url("/text"));
  request->start();
  // Without pumping, the worker's delivery stays pending on the UI thread while it waits for it.
  MSG msg;
  for (int i = 0; i < 100000 && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE); ++i)
    std::this_thread::yield();
  qor::plat::stopAllGetCallbacks();
  for (int i = 0; i < 10000000 && request->isRunning(); ++i)
    std::this_thread::yield();
  EXPECT_FALSE(request->isRunning()) << "the waiting worker ends on its own";
  qorwin::advance(1000);
  EXPECT_EQ(client.delivered(), 0);

  // A request started now delivers nothing either.
  GetClient later;
  auto again = get(later, server.url("/text"));
  again->start();
  ASSERT_TRUE(qorwin::pumpUntil([&] { return !again->isRunning(); }));
  qorwin::advance(1000);
  EXPECT_EQ(later.delivered(), 0);

}

// An object node whose members are made by the given adders; released by the caller.
qor::json::Node* object(std::initializer_list<qor::json::Node*> members)
{
  qor::json::Node* o = qor::json::Node::create(qor::json::Object, "");
  for (qor::json::Node* m : members) {
    o->addMember(m);
    qor::json::Node::release(m);
  }
  return o;
}

TEST_F(HttpRequests, PostBodiesAreFormEncodedExactly)
{
  using qor::json::Node;
  struct Case
  {
    const char* what;
    Node* dictionary;
    std::string body;
  };
  Node* list = Node::create(qor::json::Array, "l");
  for (int i : {1, 2}) {
    Node* e = Node::createInt64("", i);
    list->appendElement(e);
    Node::release(e);
  }
  const Case cases[] = {
      {"kinds in key order",
       object({Node::createString("b", "x y"), Node::createBool("a", true), Node::createDouble("c", 2.5),
               Node::create(qor::json::Null, "d")}),
       "a=1&b=x%20y&c=2.5&d="},
      {"reserved bytes in keys and values",
       object({Node::createString("k y+&=", "a&b=c+d %"), Node::createBool("no", false)}),
       "k%20y%2b%26%3d=a%26b%3dc%2bd%20%25&no=0"},
      {"non-ASCII and control bytes", object({Node::createString("\xc3\xa9", "\xe2\x82\xac\n~-._")}),
       "%c3%a9=%e2%82%ac%0a~-._"},
      {"numbers keep six digits, their + encoded", object({Node::createInt64("n", 1234567)}), "n=1.23457e%2b06"},
      {"arrays as compact JSON", object({list}), "l=%5b1%2c2%5d"},
      {"empty dictionary", object({}), ""},
      {"no dictionary", nullptr, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(qor::plat::InternetPOST::formBody(c.dictionary), c.body) << c.what;
    Node::release(c.dictionary);
  }
}

TEST_F(HttpRequests, PostSendsTheFormWithTheFrameworkHeaders)
{
  using qor::json::Node;
  server.on("/submit", {200, "", {}, HttpServer::Mode::Echo});
  Node* form = object({Node::createString("name", "J\xc3\xb6rg & Co"), Node::createDouble("v", 16)});
  PostClient client;
  qor::plat::InternetPOST request(server.url("/submit?q=1"), form, client.responseCallback(), client.errorCallback(),
                                  true);
  Node::release(form);
  client.request = &request;
  EXPECT_TRUE(request.isAsync());
  request.start();
  await(client);
  ASSERT_EQ(client.responses, 1) << client.number << " " << client.message;
  const std::string body = "name=J%c3%b6rg%20%26%20Co&v=16";
  EXPECT_EQ(client.text, body);
  EXPECT_EQ(client.thread, GetCurrentThreadId());
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 1u);
  const auto& r = requests[0];
  EXPECT_EQ(r.method, "POST");
  EXPECT_EQ(r.target, "/submit?q=1");
  EXPECT_EQ(r.body, body);
  EXPECT_EQ(r.header("Host"), "127.0.0.1:" + std::to_string(server.port()));
  EXPECT_EQ(r.header("User-Agent"), "VODavurirur POST/WinINet Windows/10.0.0 (x86)");
  EXPECT_EQ(r.header("Keep-Alive"), "300");
  EXPECT_EQ(r.header("Connection"), "keep-alive");
  EXPECT_EQ(r.header("Content-Type"), "application/x-www-form-urlencoded charset=utf-8");
}

TEST_F(HttpRequests, PostRejectsUrlsItCannotSplitAndReportsConnectionFailures)
{
  struct Case
  {
    std::string url;
    int number;
    std::string message;
    int code;
  };
  const std::string mustBegin = "Invalid URL specified (must begin with \"http://\" or \"https://\")";
  const Case cases[] = {
      {"http://127.0.0.1", -1, "Invalid URL specified (path or \"/\" on server must be specified)", 10},
      {"https://", -1, "Invalid URL specified (server name or IP address must be specified)", 10},
      {"ftp://127.0.0.1/upload", -1, mustBegin, 10},
      {"http:/", -1, mustBegin, 10},
      {"http://", -1, mustBegin, 10},
      {"http://127.0.0.1:" + std::to_string(HttpServer::closedPort()) + "/x", 12029, "Unknown WinINet error", 90},
  };
  for (const Case& c : cases) {
    for (bool async : {false, true}) {
      PostClient client;
      qor::plat::InternetPOST request(c.url, nullptr, client.responseCallback(), client.errorCallback(), async);
      client.request = &request;
      request.start();
      await(client);
      EXPECT_EQ(client.errors, 1) << c.url;
      EXPECT_EQ(client.number, c.number) << c.url;
      EXPECT_EQ(client.message, c.message) << c.url;
      EXPECT_EQ(client.code, c.code) << c.url;
    }
  }
  EXPECT_TRUE(server.requests().empty());
}

TEST_F(HttpRequests, ErrorCodesFollowTheTable)
{
  struct Case
  {
    int number, get, post;
  };
  const Case cases[] = {
      {0, 0, 0},         {-1, -1, 10},       {12017, 20, 20},  {12005, 30, 30},  {12006, 40, 40},
      {12002, 50, 50},   {12023, 60, 60},    {12007, 70, 70},  {12164, 80, 80},  {12029, 90, 90},
      {12030, 100, 100}, {12031, 100, 100},  {12163, 100, 100}, {12156, 110, 110}, {12039, 120, 120},
      {12040, 120, 120}, {12048, 120, 120},  {12052, 120, 120}, {12152, 130, 130}, {12044, 140, 140},
      {12038, 150, 150}, {12055, 150, 150},  {12170, 150, 150}, {12169, 160, 160}, {12037, 170, 170},
      {12045, 180, 180}, {12028, 190, 190},  {12003, 10, 10},   {5, 10, 10},      {-2, 10, 10},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(qor::plat::InternetGET::errorCodeFor(c.number, true), c.get) << c.number;
    EXPECT_EQ(qor::plat::InternetGET::errorCodeFor(c.number, false), c.post) << c.number;
  }
}

}  // namespace qortest_http
