// The internet layer over libcurl, against the test's own server on 127.0.0.1.
#include <gtest/gtest.h>

#include <string>

#include "qortestHttpServer.h"
#include "win/WinInet.h"

namespace qortest_wininet {

std::u16string wide(const std::string& s)
{
  return std::u16string(s.begin(), s.end());
}

struct Fetched
{
  bool opened = false;
  DWORD error = 0;
  std::string body;
  bool readFailed = false;
  DWORD readError = 0;
};

std::string readAll(HINTERNET h, Fetched& f)
{
  char buffer[4096];
  DWORD n = 0;
  for (;;) {
    if (!InternetReadFile(h, buffer, sizeof buffer, &n)) {
      f.readFailed = true;
      f.readError = GetLastError();
      break;
    }
    if (n == 0)
      break;
    EXPECT_LE(n, DWORD(4096));
    f.body.append(buffer, n);
  }
  return f.body;
}

Fetched get(const std::string& url)
{
  Fetched f;
  HINTERNET session = InternetOpenW(u"Agent/1.0 (x86)", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  EXPECT_NE(session, nullptr);
  HINTERNET h = InternetOpenUrlW(session, wide(url).c_str(), nullptr, 0, 0x84000300, 0);
  f.opened = h != nullptr;
  if (h) {
    readAll(h, f);
    EXPECT_TRUE(InternetCloseHandle(h));
  } else {
    f.error = GetLastError();
  }
  EXPECT_TRUE(InternetCloseHandle(session));
  return f;
}

TEST(WinInet, GetDeliversEveryBodyWhateverTheStatus)
{
  qortest::HttpServer server;
  std::string big(5 * 1024 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < big.size(); ++i)
    big[i] = char(i * 7 + i / 4096);
  server.on("/text", {200, "hello \xc3\xa9", {}, qortest::HttpServer::Mode::Answer});
  server.on("/empty", {200, "", {}, qortest::HttpServer::Mode::Answer});
  server.on("/big", {200, big, {}, qortest::HttpServer::Mode::Answer});
  server.on("/error", {500, "server broke", {}, qortest::HttpServer::Mode::Answer});
  server.on("/moved", {302, "", {"Location: /text"}, qortest::HttpServer::Mode::Answer});
  struct Case
  {
    const char* path;
    std::string body;
  };
  const Case cases[] = {
      {"/text", "hello \xc3\xa9"}, {"/empty", ""},          {"/big", big},
      {"/missing", "<html>not found</html>"}, {"/error", "server broke"}, {"/moved", "hello \xc3\xa9"},
  };
  for (const Case& c : cases) {
    const Fetched f = get(server.url(c.path));
    EXPECT_TRUE(f.opened) << c.path << " error " << f.error;
    EXPECT_FALSE(f.readFailed) << c.path;
    EXPECT_TRUE(f.body == c.body) << c.path << ": " << f.body.size() << " bytes";
  }
  const auto requests = server.requests();
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests[0].method, "GET");
  EXPECT_EQ(requests[0].header("User-Agent"), "Agent/1.0 (x86)");
  EXPECT_EQ(qorwin::test::openInternetSessions(), 0);
  EXPECT_EQ(qorwin::test::openInternetRequests(), 0);
}

TEST(WinInet, FailuresCarryTheirErrorNumbers)
{
  struct Case
  {
    std::string url;
    DWORD error;
  };
  const Case cases[] = {
      {"http://127.0.0.1:" + std::to_string(qortest::HttpServer::closedPort()) + "/", ERROR_INTERNET_CANNOT_CONNECT},
      {"ftp://127.0.0.1/file", ERROR_INTERNET_UNRECOGNIZED_SCHEME},
      {"gopher://127.0.0.1/", ERROR_INTERNET_UNRECOGNIZED_SCHEME},
      {"127.0.0.1/page", ERROR_INTERNET_UNRECOGNIZED_SCHEME},
      {"", ERROR_INTERNET_UNRECOGNIZED_SCHEME},
      {"http://", ERROR_INTERNET_INVALID_URL},
      {"http:/127.0.0.1/", ERROR_INTERNET_INVALID_URL},
      {"http://127.0.0.1:99999999/", ERROR_INTERNET_INVALID_URL},
      {"http://bad host/", ERROR_INTERNET_INVALID_URL},
  };
  for (const Case& c : cases) {
    const Fetched f = get(c.url);
    EXPECT_FALSE(f.opened) << c.url;
    EXPECT_EQ(f.error, c.error) << c.url;
  }
}

TEST(WinInet, AnAnswerCutShortHandsOutItsBytesThenFails)
{
  qortest::HttpServer server;
  server.on("/cut", {200, std::string(20000, 'p'), {}, qortest::HttpServer::Mode::Partial});
  const Fetched f = get(server.url("/cut"));
  ASSERT_TRUE(f.opened);
  EXPECT_EQ(f.body, std::string(10000, 'p'));
  EXPECT_TRUE(f.readFailed);
  EXPECT_EQ(f.readError, DWORD(ERROR_INTERNET_CONNECTION_RESET));
}

TEST(WinInet, PostSendsItsHeadersAndBodyUnchanged)
{
  qortest::HttpServer server;
  server.on("/form", {200, "", {}, qortest::HttpServer::Mode::Echo});
  HINTERNET session = InternetOpenW(u"Session agent", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  HINTERNET connection = InternetConnectW(session, u"127.0.0.1", INTERNET_PORT(server.port()), nullptr, nullptr,
                                          INTERNET_SERVICE_HTTP, 0, 0);
  ASSERT_NE(connection, nullptr);
  HINTERNET request = HttpOpenRequestW(connection, u"POST", u"/form?x=1", nullptr, nullptr, nullptr, 0x80400300, 0);
  ASSERT_NE(request, nullptr);
  const std::u16string headers =
      u"Host: 127.0.0.1\nUser-Agent: Request agent\nKeep-Alive: 300\nConnection: keep-alive\n"
      u"Content-Type: application/x-www-form-urlencoded charset=utf-8\n";
  ASSERT_TRUE(HttpAddRequestHeadersW(request, headers.c_str(), DWORD(headers.size()), HTTP_ADDREQ_FLAG_ADD));
  std::string body = "a=1&b=x%20y&";
  body += std::string(3000, 'z');
  ASSERT_TRUE(HttpSendRequestA(request, nullptr, 0, body.data(), DWORD(body.size())));
  Fetched f;
  readAll(request, f);
  EXPECT_EQ(f.body, body);
  InternetCloseHandle(request);
  InternetCloseHandle(connection);
  InternetCloseHandle(session);

  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 1u);
  const auto& r = requests[0];
  EXPECT_EQ(r.method, "POST");
  EXPECT_EQ(r.target, "/form?x=1");
  EXPECT_EQ(r.body, body);
  EXPECT_EQ(r.header("Host"), "127.0.0.1");
  EXPECT_EQ(r.header("User-Agent"), "Request agent");
  EXPECT_EQ(r.header("Keep-Alive"), "300");
  EXPECT_EQ(r.header("Connection"), "keep-alive");
  EXPECT_EQ(r.header("Content-Type"), "application/x-www-form-urlencoded charset=utf-8");
  EXPECT_EQ(r.header("Content-Length"), std::to_string(body.size()));
  EXPECT_FALSE(r.hasHeader("Accept"));
  EXPECT_FALSE(r.hasHeader("Expect"));
}

TEST(WinInet, AHostNameWithAPortInItIsNotFound)
{
  HINTERNET session = InternetOpenW(u"A", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  HINTERNET connection = InternetConnectW(session, u"127.0.0.1:1", 80, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0);
  HINTERNET request = HttpOpenRequestW(connection, u"POST", u"/", nullptr, nullptr, nullptr, 0, 0);
  EXPECT_FALSE(HttpSendRequestA(request, nullptr, 0, nullptr, 0));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_NAME_NOT_RESOLVED));
  InternetCloseHandle(request);
  InternetCloseHandle(connection);
  InternetCloseHandle(session);
}

TEST(WinInet, SystemTextsExistForSystemErrorsOnly)
{
  WCHAR buffer[4095] = {0};
  ASSERT_GT(FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 5, 0x400, buffer, 4095, nullptr), 0u);
  EXPECT_TRUE(std::u16string(buffer) == u"Access is denied.\r\n");
  for (DWORD error : {12002u, 12006u, 12029u, 4242u})
    EXPECT_EQ(FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, error, 0x400, buffer, 4095, nullptr), 0u) << error;
}

}  // namespace qortest_wininet
