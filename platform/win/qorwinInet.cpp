// Internet sessions and HTTP requests over libcurl.
#include "win/WinInet.h"

#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "win/WinBase.h"
#include "win/qorwinTextCodec.h"

namespace qorwinInet_detail {

// Idle time, on the layer's clock, after which a transfer is given up.
constexpr DWORD kTimeoutMs = 30000;

enum class Kind
{
  Session,
  Connection,
  Request,  // an opened URL, or an HTTP request on a connection
};

struct Handle
{
  Kind kind;
  std::atomic<bool> closed{false};
  std::shared_ptr<Handle> parent;  // session of a connection or URL; connection of an HTTP request
  // Session
  std::string agent;
  // Connection
  std::string host;
  INTERNET_PORT port = 0;
  // HTTP request before it is sent
  bool secure = false;
  std::string verb;
  std::string object;
  std::vector<std::string> headers;
  // Answer
  std::string body;
  std::size_t readPosition = 0;
  DWORD failAfterBody = 0;  // error reported once the bytes read so far are handed out

  explicit Handle(Kind k) : kind(k) {}

  // True when this handle or one it hangs from is closed.
  bool cancelled() const
  {
    for (const Handle* h = this; h; h = h->parent.get())
      if (h->closed.load(std::memory_order_acquire))
        return true;
    return false;
  }
};

struct Registry
{
  std::mutex lock;
  std::map<Handle*, std::shared_ptr<Handle>> handles;
  int sessionsOpened = 0;
};

Registry& registry()
{
  static Registry* r = new Registry;  // never destroyed: workers may outlive static destruction
  return *r;
}

HINTERNET add(const std::shared_ptr<Handle>& h)
{
  Registry& r = registry();
  std::lock_guard<std::mutex> guard(r.lock);
  r.handles[h.get()] = h;
  if (h->kind == Kind::Session)
    ++r.sessionsOpened;
  return h.get();
}

std::shared_ptr<Handle> find(HINTERNET handle, Kind kind)
{
  Registry& r = registry();
  std::lock_guard<std::mutex> guard(r.lock);
  auto it = r.handles.find(static_cast<Handle*>(handle));
  if (it == r.handles.end()) {
    SetLastError(6 /* ERROR_INVALID_HANDLE */);
    return nullptr;
  }
  if (it->second->kind != kind) {
    SetLastError(ERROR_INTERNET_INCORRECT_HANDLE_TYPE);
    return nullptr;
  }
  return it->second;
}

int count(Kind kind)
{
  Registry& r = registry();
  std::lock_guard<std::mutex> guard(r.lock);
  return int(std::count_if(r.handles.begin(), r.handles.end(),
                           [kind](const auto& e) { return e.second->kind == kind; }));
}

thread_local std::u16string lastResponseInfo;

void curlInit()
{
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

DWORD errorFromCurl(CURLcode code)
{
  switch (code) {
  case CURLE_UNSUPPORTED_PROTOCOL:
    return ERROR_INTERNET_UNRECOGNIZED_SCHEME;
  case CURLE_URL_MALFORMAT:
    return ERROR_INTERNET_INVALID_URL;
  case CURLE_COULDNT_RESOLVE_HOST:
  case CURLE_COULDNT_RESOLVE_PROXY:
    return ERROR_INTERNET_NAME_NOT_RESOLVED;
  case CURLE_COULDNT_CONNECT:
    return ERROR_INTERNET_CANNOT_CONNECT;
  case CURLE_OPERATION_TIMEDOUT:
    return ERROR_INTERNET_TIMEOUT;
  case CURLE_SEND_ERROR:
    return ERROR_INTERNET_CONNECTION_ABORTED;
  case CURLE_RECV_ERROR:
  case CURLE_PARTIAL_FILE:
    return ERROR_INTERNET_CONNECTION_RESET;
  case CURLE_GOT_NOTHING:
  case CURLE_WEIRD_SERVER_REPLY:
  case CURLE_HTTP2:
  case CURLE_BAD_CONTENT_ENCODING:
    return ERROR_HTTP_INVALID_SERVER_RESPONSE;
  case CURLE_TOO_MANY_REDIRECTS:
    return ERROR_HTTP_REDIRECT_FAILED;
  case CURLE_PEER_FAILED_VERIFICATION:
    return ERROR_INTERNET_SEC_CERT_ERRORS;
  case CURLE_SSL_CACERT_BADFILE:
  case CURLE_SSL_ISSUER_ERROR:
    return ERROR_INTERNET_INVALID_CA;
  case CURLE_SSL_CONNECT_ERROR:
    return ERROR_INTERNET_SECURITY_CHANNEL_ERROR;
  case CURLE_ABORTED_BY_CALLBACK:
    return ERROR_INTERNET_OPERATION_CANCELLED;
  default:
    return ERROR_INTERNET_INTERNAL_ERROR;
  }
}

// The scheme of an absolute URL decides before libcurl sees it, which would guess one for a bare name.
DWORD checkUrl(const std::string& url)
{
  const std::size_t colon = url.find(':');
  const std::size_t firstSlash = url.find('/');
  if (colon == std::string::npos || colon == 0 || (firstSlash != std::string::npos && firstSlash < colon))
    return ERROR_INTERNET_UNRECOGNIZED_SCHEME;
  std::string scheme = url.substr(0, colon);
  for (char& c : scheme)
    c = char(std::tolower(static_cast<unsigned char>(c)));
  if (scheme != "http" && scheme != "https")
    return ERROR_INTERNET_UNRECOGNIZED_SCHEME;
  if (url.compare(colon, 3, "://") != 0)
    return ERROR_INTERNET_INVALID_URL;
  const std::size_t hostEnd = url.find_first_of("/?#", colon + 3);
  const std::string authority = url.substr(colon + 3, hostEnd == std::string::npos ? std::string::npos : hostEnd - colon - 3);
  if (authority.empty() || authority[0] == ':' || authority.find_first_of(" \t\r\n") != std::string::npos)
    return ERROR_INTERNET_INVALID_URL;
  CURLU* parsed = curl_url();
  const CURLUcode rc = curl_url_set(parsed, CURLUPART_URL, url.c_str(), CURLU_URLENCODE);
  curl_url_cleanup(parsed);
  return rc == CURLUE_OK ? 0 : ERROR_INTERNET_INVALID_URL;
}

struct Transfer
{
  std::string url;
  std::string agent;
  bool post = false;
  std::string postData;
  std::vector<std::string> headers;
  std::shared_ptr<Handle> owner;  // cancelled when it, or a handle it hangs from, is closed
};

struct Sink
{
  std::string* body;
  bool headerBlockEnded = false;
};

size_t onBody(char* data, size_t size, size_t count, void* user)
{
  auto* sink = static_cast<Sink*>(user);
  sink->body->append(data, size * count);
  return size * count;
}

size_t onHeader(char* data, size_t size, size_t count, void* user)
{
  auto* sink = static_cast<Sink*>(user);
  const std::size_t n = size * count;
  if (n == 2 && data[0] == '\r' && data[1] == '\n')
    sink->headerBlockEnded = true;
  else if (n >= 5 && std::memcmp(data, "HTTP/", 5) == 0)
    sink->headerBlockEnded = false;  // a new answer, after a redirect or an interim reply
  return n;
}

// Runs the transfer to its end; answers 0, or the error of a failure before the answer began. A failure
// after the answer's headers leaves the bytes read so far in body and its error in failAfterBody.
DWORD perform(const Transfer& t, std::string& body, DWORD& failAfterBody)
{
  curlInit();
  CURL* easy = curl_easy_init();
  CURLM* multi = curl_multi_init();
  if (!easy || !multi) {
    if (easy)
      curl_easy_cleanup(easy);
    if (multi)
      curl_multi_cleanup(multi);
    return ERROR_NOT_ENOUGH_MEMORY;
  }
  Sink sink{&body};
  curl_slist* headerList = nullptr;
  for (const std::string& h : t.headers)
    headerList = curl_slist_append(headerList, h.c_str());

  curl_easy_setopt(easy, CURLOPT_URL, t.url.c_str());
  curl_easy_setopt(easy, CURLOPT_USERAGENT, t.agent.c_str());
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(easy, CURLOPT_PROXY, "");  // never through a proxy of the environment
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, onBody);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, onHeader);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, &sink);
  if (headerList)
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headerList);
  if (t.post) {
    curl_easy_setopt(easy, CURLOPT_POST, 1L);
    curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(t.postData.size()));
    curl_easy_setopt(easy, CURLOPT_POSTFIELDS, t.postData.data());
  }
  curl_multi_add_handle(multi, easy);

  DWORD error = 0;
  std::uint64_t lastActivity = GetTickCount64();
  curl_off_t lastDown = -1, lastUp = -1;
  curl_off_t lastConnect = 0;
  int running = 1;
  while (running) {
    if (curl_multi_perform(multi, &running) != CURLM_OK) {
      error = ERROR_INTERNET_INTERNAL_ERROR;
      break;
    }
    if (!running)
      break;
    if (t.owner && t.owner->cancelled()) {
      error = ERROR_INTERNET_OPERATION_CANCELLED;
      break;
    }
    curl_off_t down = 0, up = 0, connect = 0;
    curl_easy_getinfo(easy, CURLINFO_SIZE_DOWNLOAD_T, &down);
    curl_easy_getinfo(easy, CURLINFO_SIZE_UPLOAD_T, &up);
    curl_easy_getinfo(easy, CURLINFO_CONNECT_TIME_T, &connect);
    const std::uint64_t now = GetTickCount64();
    if (down != lastDown || up != lastUp || connect != lastConnect) {
      lastDown = down;
      lastUp = up;
      lastConnect = connect;
      lastActivity = now;
    } else if (now - lastActivity >= kTimeoutMs) {
      error = ERROR_INTERNET_TIMEOUT;
      break;
    }
    curl_multi_poll(multi, nullptr, 0, 10, nullptr);
  }
  if (!error) {
    int left = 0;
    while (CURLMsg* m = curl_multi_info_read(multi, &left))
      if (m->msg == CURLMSG_DONE && m->easy_handle == easy && m->data.result != CURLE_OK)
        error = errorFromCurl(m->data.result);
  }
  const bool answered = sink.headerBlockEnded;
  curl_multi_remove_handle(multi, easy);
  curl_easy_cleanup(easy);
  curl_multi_cleanup(multi);
  curl_slist_free_all(headerList);

  if (error && answered && error != ERROR_INTERNET_OPERATION_CANCELLED) {
    failAfterBody = error;
    return 0;
  }
  if (error)
    body.clear();
  return error;
}

std::string wideText(LPCWSTR text, DWORD length)
{
  if (!text)
    return std::string();
  if (length == DWORD(-1))
    return qorwin::codec::toUtf8(text);
  return qorwin::codec::toUtf8(text, length);
}

}  // namespace qorwinInet_detail

HINTERNET InternetOpenW(LPCWSTR agent, DWORD accessType, LPCWSTR, LPCWSTR, DWORD)
{
  if (accessType != INTERNET_OPEN_TYPE_PRECONFIG && accessType != INTERNET_OPEN_TYPE_DIRECT) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  qorwinInet_detail::curlInit();
  auto h = std::make_shared<qorwinInet_detail::Handle>(qorwinInet_detail::Kind::Session);
  h->agent = qorwin::codec::toUtf8(agent);
  return qorwinInet_detail::add(h);
}

HINTERNET InternetOpenUrlW(HINTERNET session, LPCWSTR url, LPCWSTR headers, DWORD headersLength, DWORD,
                           DWORD_PTR)
{
  namespace d = qorwinInet_detail;
  d::lastResponseInfo.clear();
  auto s = d::find(session, d::Kind::Session);
  if (!s)
    return nullptr;
  if (!url) {
    SetLastError(ERROR_INTERNET_INVALID_URL);
    return nullptr;
  }
  auto request = std::make_shared<d::Handle>(d::Kind::Request);
  request->parent = s;
  d::Transfer t;
  t.url = qorwin::codec::toUtf8(url);
  t.agent = s->agent;
  t.owner = request;
  if (headers) {
    std::string text = d::wideText(headers, headersLength);
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find('\n', start);
      std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
      if (!line.empty() && line.back() == '\r')
        line.pop_back();
      if (!line.empty())
        t.headers.push_back(line);
      start = end == std::string::npos ? text.size() : end + 1;
    }
  }
  if (DWORD bad = d::checkUrl(t.url)) {
    SetLastError(bad);
    return nullptr;
  }
  if (DWORD error = d::perform(t, request->body, request->failAfterBody)) {
    SetLastError(error);
    return nullptr;
  }
  return d::add(request);
}

BOOL InternetReadFile(HINTERNET file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead)
{
  namespace d = qorwinInet_detail;
  auto h = d::find(file, d::Kind::Request);
  if (!h)
    return FALSE;
  if (!bytesRead || (!buffer && bytesToRead)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *bytesRead = 0;
  const std::size_t left = h->body.size() - h->readPosition;
  if (left == 0 && h->failAfterBody) {
    SetLastError(h->failAfterBody);
    return FALSE;
  }
  const std::size_t n = std::min<std::size_t>(left, bytesToRead);
  if (n)
    std::memcpy(buffer, h->body.data() + h->readPosition, n);
  h->readPosition += n;
  *bytesRead = DWORD(n);
  return TRUE;
}

BOOL InternetCloseHandle(HINTERNET handle)
{
  namespace d = qorwinInet_detail;
  std::shared_ptr<d::Handle> h;
  {
    d::Registry& r = d::registry();
    std::lock_guard<std::mutex> guard(r.lock);
    auto it = r.handles.find(static_cast<d::Handle*>(handle));
    if (it == r.handles.end()) {
      SetLastError(6 /* ERROR_INVALID_HANDLE */);
      return FALSE;
    }
    h = it->second;
    r.handles.erase(it);
  }
  h->closed.store(true, std::memory_order_release);
  return TRUE;
}

HINTERNET InternetConnectW(HINTERNET session, LPCWSTR serverName, INTERNET_PORT port, LPCWSTR, LPCWSTR,
                           DWORD service, DWORD, DWORD_PTR)
{
  namespace d = qorwinInet_detail;
  auto s = d::find(session, d::Kind::Session);
  if (!s)
    return nullptr;
  if (service != INTERNET_SERVICE_HTTP || !serverName || !*serverName) {
    SetLastError(service != INTERNET_SERVICE_HTTP ? ERROR_INVALID_PARAMETER : ERROR_INTERNET_INVALID_URL);
    return nullptr;
  }
  auto c = std::make_shared<d::Handle>(d::Kind::Connection);
  c->parent = s;
  c->host = qorwin::codec::toUtf8(serverName);
  c->port = port;
  return d::add(c);
}

HINTERNET HttpOpenRequestW(HINTERNET connection, LPCWSTR verb, LPCWSTR objectName, LPCWSTR, LPCWSTR,
                           LPCWSTR*, DWORD flags, DWORD_PTR)
{
  namespace d = qorwinInet_detail;
  auto c = d::find(connection, d::Kind::Connection);
  if (!c)
    return nullptr;
  auto r = std::make_shared<d::Handle>(d::Kind::Request);
  r->parent = c;
  r->verb = verb && *verb ? qorwin::codec::toUtf8(verb) : "GET";
  r->object = objectName && *objectName ? qorwin::codec::toUtf8(objectName) : "/";
  if (r->object[0] != '/')
    r->object = "/" + r->object;
  r->secure = (flags & INTERNET_FLAG_SECURE) != 0;
  // No accept types: no Accept header at all.
  r->headers.push_back("Accept:");
  return d::add(r);
}

BOOL HttpAddRequestHeadersW(HINTERNET request, LPCWSTR headers, DWORD headersLength, DWORD)
{
  namespace d = qorwinInet_detail;
  auto r = d::find(request, d::Kind::Request);
  if (!r)
    return FALSE;
  if (!r->parent || r->parent->kind != d::Kind::Connection) {
    SetLastError(ERROR_INTERNET_INCORRECT_HANDLE_TYPE);
    return FALSE;
  }
  const std::string text = d::wideText(headers, headersLength);
  std::size_t start = 0;
  bool any = false;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (!line.empty()) {
      if (line.find(':') == std::string::npos) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
      }
      r->headers.push_back(line);
      any = true;
    }
    start = end == std::string::npos ? text.size() : end + 1;
  }
  if (!any) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return TRUE;
}

BOOL HttpSendRequestA(HINTERNET request, LPCSTR headers, DWORD headersLength, LPVOID optional,
                      DWORD optionalLength)
{
  namespace d = qorwinInet_detail;
  d::lastResponseInfo.clear();
  auto r = d::find(request, d::Kind::Request);
  if (!r)
    return FALSE;
  if (!r->parent || r->parent->kind != d::Kind::Connection) {
    SetLastError(ERROR_INTERNET_INCORRECT_HANDLE_TYPE);
    return FALSE;
  }
  const d::Handle& c = *r->parent;
  // A name that still holds a colon is no host name (an address with a port belongs in the port).
  if (c.host.find_first_of(":/ ") != std::string::npos) {
    SetLastError(ERROR_INTERNET_NAME_NOT_RESOLVED);
    return FALSE;
  }
  d::Transfer t;
  t.url = std::string(r->secure ? "https://" : "http://") + c.host + ":" + std::to_string(c.port) + r->object;
  t.agent = c.parent ? c.parent->agent : std::string();
  t.owner = r;
  t.headers = r->headers;
  t.headers.push_back("Expect:");
  if (headers) {
    std::string extra = headersLength == DWORD(-1) ? std::string(headers) : std::string(headers, headersLength);
    std::size_t start = 0;
    while (start < extra.size()) {
      std::size_t end = extra.find('\n', start);
      std::string line = extra.substr(start, end == std::string::npos ? std::string::npos : end - start);
      if (!line.empty() && line.back() == '\r')
        line.pop_back();
      if (!line.empty())
        t.headers.push_back(line);
      start = end == std::string::npos ? extra.size() : end + 1;
    }
  }
  if (r->verb == "POST" || optionalLength > 0) {
    t.post = true;
    if (optional && optionalLength)
      t.postData.assign(static_cast<const char*>(optional), optionalLength);
  }
  if (DWORD bad = d::checkUrl(t.url)) {
    SetLastError(bad);
    return FALSE;
  }
  r->body.clear();
  r->readPosition = 0;
  r->failAfterBody = 0;
  if (DWORD error = d::perform(t, r->body, r->failAfterBody)) {
    SetLastError(error);
    return FALSE;
  }
  return TRUE;
}

BOOL InternetGetLastResponseInfoW(LPDWORD error, LPWSTR buffer, LPDWORD bufferLength)
{
  if (!error || !bufferLength) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::u16string& text = qorwinInet_detail::lastResponseInfo;
  *error = 0;
  if (!buffer || *bufferLength <= text.size()) {
    *bufferLength = DWORD(text.size() + 1);
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  std::memcpy(buffer, text.c_str(), (text.size() + 1) * sizeof(WCHAR));
  *bufferLength = DWORD(text.size());
  return TRUE;
}

DWORD FormatMessageW(DWORD flags, LPCVOID, DWORD messageId, DWORD, LPWSTR buffer, DWORD size, va_list*)
{
  static const struct
  {
    DWORD id;
    const char* text;
  } texts[] = {
      {0, "The operation completed successfully.\r\n"},
      {2, "The system cannot find the file specified.\r\n"},
      {3, "The system cannot find the path specified.\r\n"},
      {5, "Access is denied.\r\n"},
      {6, "The handle is invalid.\r\n"},
      {8, "Not enough memory resources are available to process this command.\r\n"},
      {87, "The parameter is incorrect.\r\n"},
      {112, "There is not enough space on the disk.\r\n"},
      {122, "The data area passed to a system call is too small.\r\n"},
      {183, "Cannot create a file when that file already exists.\r\n"},
  };
  if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM) || !buffer) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  for (const auto& t : texts) {
    if (t.id != messageId)
      continue;
    const std::u16string w = qorwin::codec::toUtf16(t.text);
    if (w.size() + 1 > size) {
      SetLastError(ERROR_INSUFFICIENT_BUFFER);
      return 0;
    }
    std::memcpy(buffer, w.c_str(), (w.size() + 1) * sizeof(WCHAR));
    return DWORD(w.size());
  }
  SetLastError(ERROR_MR_MID_NOT_FOUND);
  return 0;
}

namespace qorwin {
namespace test {
int openInternetSessions()
{
  return qorwinInet_detail::count(qorwinInet_detail::Kind::Session);
}
int openInternetRequests()
{
  return qorwinInet_detail::count(qorwinInet_detail::Kind::Request);
}
int internetSessionsOpened()
{
  auto& r = qorwinInet_detail::registry();
  std::lock_guard<std::mutex> guard(r.lock);
  return r.sessionsOpened;
}
DWORD internetTimeout()
{
  return qorwinInet_detail::kTimeoutMs;
}
}  // namespace test
}  // namespace qorwin
