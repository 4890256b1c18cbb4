// The client's request handles: copies of the client's callbacks, the error-code filter, and the
// synchronous run that requests take when the plug-in's globals are missing.
#include <gtest/gtest.h>

#include <string>

#include "core/qorcoreCallback.h"
#include "core/qorcoreInternetGET.h"
#include "qortestHttpServer.h"
#include "win/WinInet.h"
#include "win/WinTest.h"

namespace qortest_client_requests {

using qortest::HttpServer;

struct Client
{
  qor::core::InternetGET* request = nullptr;
  int responses = 0;
  int errors = 0;
  std::string text;
  int code = 0;
  int number = 0;
  void onResponse()
  {
    ++responses;
    text = request->responseText();
    delete request;  // as the update check does
    request = nullptr;
  }
  void onError()
  {
    ++errors;
    code = request->errorCode();
    number = request->errorNumber();
    delete request;
    request = nullptr;
  }
};

TEST(ClientRequests, WithoutGlobalsEvenTheFactoryRunsInsideStart)
{
  HttpServer server;
  server.on("/v", {200, "1.2.3", {}, HttpServer::Mode::Answer});
  Client client;
  {
    // The handle keeps copies: the callbacks passed in may go away at once.
    qor::core::__Callback<Client> onResponse(&client, &Client::onResponse);
    qor::core::__Callback<Client> onError(&client, &Client::onError);
    client.request = qor::core::newInternetGET(server.url("/v"), onResponse, onError);
  }
  ASSERT_NE(client.request, nullptr);
  EXPECT_FALSE(client.request->isAsync());
  client.request->start();
  EXPECT_EQ(client.responses, 1);
  EXPECT_EQ(client.text, "1.2.3");
  EXPECT_EQ(client.request, nullptr) << "deleted inside its own callback";
  EXPECT_EQ(qorwin::test::openInternetSessions(), 0);
}

TEST(ClientRequests, ErrorsReachTheClientWithTheFrameworkCode)
{
  struct Case
  {
    std::string url;
    int number, code;
  };
  const Case cases[] = {
      {"http://127.0.0.1:" + std::to_string(HttpServer::closedPort()) + "/", 12029, 90},
      {"mailto:someone", 12006, 40},
  };
  for (const Case& c : cases) {
    Client client;
    qor::core::__Callback<Client> onResponse(&client, &Client::onResponse);
    qor::core::__Callback<Client> onError(&client, &Client::onError);
    client.request = new qor::core::InternetGET(c.url, onResponse, onError);
    client.request->start();
    EXPECT_EQ(client.errors, 1) << c.url;
    EXPECT_EQ(client.number, c.number) << c.url;
    EXPECT_EQ(client.code, c.code) << c.url;
  }
}

}  // namespace qortest_client_requests
