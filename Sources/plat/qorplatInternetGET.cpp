#include "plat/qorplatInternetGET.h"

namespace qor {
namespace plat {

__InternetFamily& __InternetGETImpl::family()
{
  // Its destructor does nothing, so a worker still running at unload finds it intact.
  static __InternetFamily f("VODavurirur GET/");
  return f;
}

__InternetGETImpl::__InternetGETImpl(const std::string& url, utils::Callback* responseCallback,
                                     utils::Callback* errorCallback, bool async)
    : __InternetRequestImpl(family(), url, responseCallback, errorCallback, async)
{
}

void __InternetGETImpl::run()
{
  HINTERNET internet = session();
  if (!internet) {
    setError(-1, "Could not open WinINet internet connection");
    deliverError();
    reset();
    return;
  }
  const std::u16string address = widen(url);
  HINTERNET request = InternetOpenUrlW(internet, address.c_str(), nullptr, 0,
                                       INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI |
                                           INTERNET_FLAG_PRAGMA_NOCACHE,
                                       0);
  if (!request) {
    setErrorFromLastError();
    deliverError();
    reset();
    return;
  }
  if (!hasCallbacks()) {
    InternetCloseHandle(request);
    reset();
    return;
  }
  // A read that fails part way ends the body: what came so far is the response.
  std::string body;
  char buffer[4096];
  DWORD count = 0;
  while (InternetReadFile(request, buffer, sizeof buffer, &count) && count > 0)
    body.append(buffer, count);
  InternetCloseHandle(request);
  setResponse(std::move(body));
  deliverResponse();
  reset();
}

InternetGET::InternetGET(const std::string& url, utils::Callback* responseCallback, utils::Callback* errorCallback,
                         bool async)
    : impl(std::make_shared<__InternetGETImpl>(url, responseCallback, errorCallback, async))
{
}

InternetGET::~InternetGET()
{
  impl->releaseCallbacks();
}

bool InternetGET::isAsync() const
{
  return impl->isAsync();
}

void InternetGET::start()
{
  // The state outlives this object when the client deletes it inside its callback.
  std::shared_ptr<__InternetGETImpl> state = impl;
  state->start();
}

bool InternetGET::isRunning() const
{
  return impl->isRunning();
}

std::string InternetGET::responseText() const
{
  return impl->responseText();
}

int InternetGET::errorCode() const
{
  return errorCodeFor(impl->errorNumber(), true);
}

int InternetGET::errorNumber() const
{
  return impl->errorNumber();
}

std::string InternetGET::errorMessage() const
{
  return impl->errorMessage();
}

int InternetGET::errorCodeFor(int errorNumber, bool minusOneIsCode)
{
  switch (errorNumber) {
  case 0: return 0;
  case -1: return minusOneIsCode ? -1 : 10;
  case 12017: return 20;
  case 12005: return 30;
  case 12006: return 40;
  case 12002: return 50;
  case 12023: return 60;
  case 12007: return 70;
  case 12164: return 80;
  case 12029: return 90;
  case 12030:
  case 12031:
  case 12163: return 100;
  case 12156: return 110;
  case 12039:
  case 12040:
  case 12048:
  case 12052: return 120;
  case 12152: return 130;
  case 12044: return 140;
  case 12038:
  case 12055:
  case 12170: return 150;
  case 12169: return 160;
  case 12037: return 170;
  case 12045: return 180;
  case 12028: return 190;
  default: return 10;
  }
}

void stopAllGetCallbacks()
{
  __InternetGETImpl::family().stop.store(true, std::memory_order_release);
}

}  // namespace plat
}  // namespace qor
