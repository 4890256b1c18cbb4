#include "plat/qorplatInternetPOST.h"

#include "json/qorjsonNode.h"
#include "json/qorjsonWriter.h"
#include "plat/qorplatInternetGET.h"
#include "utils/qorutilsStrings.h"

namespace qorplatInternetPOST_detail {

// The server part of a URL: "host" or "host:port". A port is taken out only when it is a number the
// connection can use; anything else stays part of the name, as the connection then fails to find it.
void splitPort(const std::string& server, bool secure, std::string& host, INTERNET_PORT& port)
{
  host = server;
  port = secure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT;
  const std::size_t colon = server.rfind(':');
  if (colon == std::string::npos || colon == 0 || colon + 1 >= server.size() || server.size() - colon - 1 > 5)
    return;
  unsigned long value = 0;
  for (std::size_t i = colon + 1; i < server.size(); ++i) {
    if (server[i] < '0' || server[i] > '9')
      return;
    value = value * 10 + unsigned(server[i] - '0');
  }
  if (value == 0 || value > 65535 || server.find(':') != colon)
    return;
  host = server.substr(0, colon);
  port = INTERNET_PORT(value);
}

}  // namespace qorplatInternetPOST_detail

namespace qor {
namespace plat {

__InternetFamily& __InternetPOSTImpl::family()
{
  // Its destructor does nothing, so a worker still running at unload finds it intact.
  static __InternetFamily f("VODavurirur POST/");
  return f;
}

__InternetPOSTImpl::__InternetPOSTImpl(const std::string& url, const std::string& body,
                                       utils::Callback* responseCallback, utils::Callback* errorCallback, bool async)
    : __InternetRequestImpl(family(), url, responseCallback, errorCallback, async),
      body(body),
      userAgent(__InternetRequestImpl::userAgent(family().agentPrefix))
{
}

void __InternetPOSTImpl::run()
{
  const auto fail = [this](int number, const std::string& text) {
    setError(number, text);
    deliverError();
    reset();
  };
  HINTERNET internet = session();
  if (!internet)
    return fail(-1, "Could not open WinINet internet connection");
  bool secure = false;
  std::string rest;
  if (url.size() > 7 && url.compare(0, 8, "https://") == 0) {
    secure = true;
    rest = url.substr(8);
  } else if (url.size() > 7 && url.compare(0, 7, "http://") == 0) {
    rest = url.substr(7);
  } else {
    return fail(-1, "Invalid URL specified (must begin with \"http://\" or \"https://\")");
  }
  if (rest.empty())
    return fail(-1, "Invalid URL specified (server name or IP address must be specified)");
  const std::size_t slash = rest.find('/');
  if (slash == std::string::npos)
    return fail(-1, "Invalid URL specified (path or \"/\" on server must be specified)");
  const std::string server = rest.substr(0, slash);
  const std::string path = rest.substr(slash);
  std::string host;
  INTERNET_PORT port = 0;
  qorplatInternetPOST_detail::splitPort(server, secure, host, port);

  HINTERNET connection =
      InternetConnectW(internet, widen(host).c_str(), port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0);
  if (!connection) {
    setErrorFromLastError();
    deliverError();
    reset();
    return;
  }
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_KEEP_CONNECTION | INTERNET_FLAG_NO_UI | INTERNET_FLAG_PRAGMA_NOCACHE;
  if (secure)
    flags |= INTERNET_FLAG_SECURE;
  HINTERNET request =
      HttpOpenRequestW(connection, u"POST", widen(path).c_str(), nullptr, nullptr, nullptr, flags, 0);
  if (!request) {
    setErrorFromLastError();
    InternetCloseHandle(connection);
    deliverError();
    reset();
    return;
  }
  const std::u16string headers = widen("Host: " + server + "\n" + "User-Agent: " + userAgent + "\n" +
                                       "Keep-Alive: 300\n" + "Connection: keep-alive\n" +
                                       "Content-Type: application/x-www-form-urlencoded charset=utf-8\n");
  HttpAddRequestHeadersW(request, headers.c_str(), DWORD(headers.size()), HTTP_ADDREQ_FLAG_ADD);
  if (!HttpSendRequestA(request, nullptr, 0, const_cast<char*>(body.data()), DWORD(body.size()))) {
    setErrorFromLastError();
    InternetCloseHandle(request);
    InternetCloseHandle(connection);
    deliverError();
    reset();
    return;
  }
  if (!hasCallbacks()) {
    InternetCloseHandle(request);
    InternetCloseHandle(connection);
    reset();
    return;
  }
  std::string answer;
  char buffer[4096];
  DWORD count = 0;
  while (InternetReadFile(request, buffer, sizeof buffer, &count) && count > 0)
    answer.append(buffer, count);
  InternetCloseHandle(request);
  InternetCloseHandle(connection);
  setResponse(std::move(answer));
  deliverResponse();
  reset();
}

InternetPOST::InternetPOST(const std::string& url, const json::Node* dictionary, utils::Callback* responseCallback,
                           utils::Callback* errorCallback, bool async)
    : impl(std::make_shared<__InternetPOSTImpl>(url, formBody(dictionary), responseCallback, errorCallback, async))
{
}

InternetPOST::~InternetPOST()
{
  impl->releaseCallbacks();
}

bool InternetPOST::isAsync() const
{
  return impl->isAsync();
}

void InternetPOST::start()
{
  std::shared_ptr<__InternetPOSTImpl> state = impl;
  state->start();
}

bool InternetPOST::isRunning() const
{
  return impl->isRunning();
}

std::string InternetPOST::responseText() const
{
  return impl->responseText();
}

int InternetPOST::errorCode() const
{
  return InternetGET::errorCodeFor(impl->errorNumber(), false);
}

int InternetPOST::errorNumber() const
{
  return impl->errorNumber();
}

std::string InternetPOST::errorMessage() const
{
  return impl->errorMessage();
}

std::string InternetPOST::formBody(const json::Node* object)
{
  std::string body;
  const json::Node::MemberMap* members = object ? object->members() : nullptr;
  if (!members)
    return body;
  for (const auto& member : *members) {
    const json::Node* value = member.second;
    if (!value)
      continue;
    if (!body.empty())
      body += "&";
    // Keys and number texts are encoded like every other text, so that a form decoder reads back what
    // was stored (a bare "+" would read as a space, a bare "&" would split the pair).
    body += urlEncode(member.first) + "=";
    switch (value->type()) {
    case json::Bool:
      body += value->boolValue() ? "1" : "0";
      break;
    case json::Number:
      body += urlEncode(utils::doubleToString(value->doubleValue()));
      break;
    case json::String:
      body += urlEncode(value->valueAsString());
      break;
    case json::Array:
    case json::Object:
      body += urlEncode(json::writeJson(value, false, 0));
      break;
    default:
      break;
    }
  }
  return body;
}

std::string InternetPOST::urlEncode(const std::string& text)
{
  static const char hex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
        c == '_' || c == '~') {
      out += char(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

void stopAllPostCallbacks()
{
  __InternetPOSTImpl::family().stop.store(true, std::memory_order_release);
}

}  // namespace plat
}  // namespace qor
