#include "plat/qorplatInternetRequest.h"

#include <boost/thread/thread.hpp>

#include <chrono>
#include <cstring>
#include <vector>

#include "plat/qorplatStrings.h"
#include "plat/qorplatCallbackScheduler.h"
#include "win/WinBase.h"

namespace qorplatInternetRequest_detail {

// A delivery scheduled on the UI thread; it keeps the request state alive until it has run or is
// deleted unrun.
class Delivery : public qor::utils::Callback
{
public:
  Delivery(std::shared_ptr<qor::plat::__InternetRequestImpl> state, bool error) : state(std::move(state)), error(error)
  {
  }
  void execute() override
  {
    if (error)
      state->runErrorCallback();
    else
      state->runResponseCallback();
  }
  Callback* clone() const override { return new Delivery(state, error); }

private:
  std::shared_ptr<qor::plat::__InternetRequestImpl> state;
  bool error;
};

}  // namespace qorplatInternetRequest_detail

namespace qor {
namespace plat {

__InternetRequestImpl::__InternetRequestImpl(__InternetFamily& family, const std::string& url,
                                             utils::Callback* responseCallback, utils::Callback* errorCallback,
                                             bool async)
    : family(family), async(async), url(url), responseCallback(responseCallback), errorCallback(errorCallback)
{
  std::lock_guard<std::mutex> guard(family.lock);
  ++family.users;
  if (family.session)
    return;
  const CStringW agent = utf8ToWideString(userAgent(family.agentPrefix));
  // A failed open stays null and is tried again by the next request built.
  family.session = InternetOpenW(agent.GetString(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
}

__InternetRequestImpl::~__InternetRequestImpl()
{
  delete responseCallback;
  delete errorCallback;
  std::lock_guard<std::mutex> guard(family.lock);
  if (--family.users <= 0) {
    if (family.session)
      InternetCloseHandle(family.session);
    family.session = nullptr;
    family.users = 0;
  }
}

std::string __InternetRequestImpl::userAgent(const char* prefix)
{
  return std::string(prefix) + "WinINet Windows" + versionSuffix(osVersionCode()) + " (x86)";
}

std::string __InternetRequestImpl::versionSuffix(unsigned int code)
{
  switch (code) {
  case 50100: return "/5.1.0";
  case 50101: return "/5.1.1";
  case 50102: return "/5.1.2";
  case 50103: return "/5.1.3";
  case 60000: return "/6.0.0";
  case 60001: return "/6.0.1";
  case 60002: return "/6.0.2";
  case 60100: return "/6.1.0";
  case 60101: return "/6.1.1";
  case 60200: return "/6.2.0";
  case 60300: return "/6.3.0";
  case 100000: return "/10.0.0";
  default: return "";
  }
}

void __InternetRequestImpl::start()
{
  bool idle = false;
  if (!running.compare_exchange_strong(idle, true, std::memory_order_acq_rel))
    return;
  // Held to the end: the client may delete its handle inside its callback.
  std::shared_ptr<__InternetRequestImpl> self = shared_from_this();
  if (!async) {
    self->runGuarded();
    return;
  }
  try {
    boost::thread worker([self] { self->runGuarded(); });
    worker.detach();
  } catch (...) {
    setError(ERROR_NOT_ENOUGH_MEMORY, "Could not start request thread");
    deliverError();
    reset();
  }
}

void __InternetRequestImpl::runGuarded()
{
  try {
    run();
  } catch (...) {
    try {
      deliverError();
    } catch (...) {
    }
    reset();
  }
}

std::string __InternetRequestImpl::responseText() const
{
  std::lock_guard<std::mutex> guard(lock);
  return response;
}

int __InternetRequestImpl::errorNumber() const
{
  std::lock_guard<std::mutex> guard(lock);
  return number;
}

std::string __InternetRequestImpl::errorMessage() const
{
  std::lock_guard<std::mutex> guard(lock);
  return message;
}

void __InternetRequestImpl::releaseCallbacks()
{
  utils::Callback* doomed[2] = {nullptr, nullptr};
  {
    std::lock_guard<std::mutex> guard(lock);
    released = true;
    if (delivering == 0) {
      doomed[0] = responseCallback;
      doomed[1] = errorCallback;
      responseCallback = errorCallback = nullptr;
    }
  }
  delete doomed[0];
  delete doomed[1];
}

std::u16string __InternetRequestImpl::widen(const std::string& utf8)
{
  const CStringW wide = utf8ToWideString(utf8);
  return std::u16string(wide.GetString(), std::size_t(wide.GetLength()));
}

HINTERNET __InternetRequestImpl::session()
{
  std::lock_guard<std::mutex> guard(family.lock);
  return family.session;
}

bool __InternetRequestImpl::hasCallbacks() const
{
  std::lock_guard<std::mutex> guard(lock);
  return !released && (responseCallback || errorCallback);
}

void __InternetRequestImpl::setResponse(std::string text)
{
  std::lock_guard<std::mutex> guard(lock);
  response = std::move(text);
}

void __InternetRequestImpl::setError(int errorNumber, const std::string& errorText)
{
  std::lock_guard<std::mutex> guard(lock);
  number = errorNumber;
  message = errorText;
}

void __InternetRequestImpl::setErrorFromLastError()
{
  const DWORD error = GetLastError();
  std::vector<WCHAR> buffer(4095, 0);
  std::string text;
  if (error == ERROR_INTERNET_EXTENDED_ERROR) {
    DWORD extended = 0;
    DWORD length = DWORD(buffer.size());
    if (InternetGetLastResponseInfoW(&extended, buffer.data(), &length))
      text = wideStringToUtf8(CStringW(buffer.data()));
    else
      text = "Unknown extended WinINet error";
  } else {
    if (FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, error, 0x400, buffer.data(), DWORD(buffer.size()),
                       nullptr))
      text = wideStringToUtf8(CStringW(buffer.data()));
    else
      text = "Unknown WinINet error";
  }
  setError(int(error), text);
}

void __InternetRequestImpl::deliverResponse()
{
  deliver(false);
}

void __InternetRequestImpl::deliverError()
{
  deliver(true);
}

void __InternetRequestImpl::deliver(bool error)
{
  {
    std::lock_guard<std::mutex> guard(lock);
    if (released || !(error ? errorCallback : responseCallback))
      return;
  }
  uint32_t uiThread = 0;
  if (!findMainThreadId(uiThread))
    return;
  if (GetCurrentThreadId() == uiThread) {
    runCallback(error);
    return;
  }
  if (family.stop.load(std::memory_order_acquire))
    return;
  const unsigned int id = scheduleMainThreadCallback(
      new qorplatInternetRequest_detail::Delivery(shared_from_this(), error), 0.0);
  if (id == 0)
    return;
  std::unique_lock<std::mutex> guard(lock);
  while (!(error ? errorDelivered : responseDelivered)) {
    if (family.stop.load(std::memory_order_acquire)) {
      guard.unlock();
      // When the delivery already runs on the UI thread it cannot be taken back: wait for it instead.
      if (cancelScheduledCallback(id))
        return;
      guard.lock();
      if (error ? errorDelivered : responseDelivered)
        break;
    }
    delivered.wait_for(guard, std::chrono::milliseconds(100));
  }
}

void __InternetRequestImpl::runResponseCallback()
{
  runCallback(false);
}

void __InternetRequestImpl::runErrorCallback()
{
  runCallback(true);
}

void __InternetRequestImpl::runCallback(bool error)
{
  utils::Callback* callback = nullptr;
  {
    std::lock_guard<std::mutex> guard(lock);
    if (!released)
      callback = error ? errorCallback : responseCallback;
    ++delivering;
  }
  // Marks the delivery done however the callback ends, and deletes callbacks released meanwhile.
  struct Done
  {
    __InternetRequestImpl& self;
    bool error;
    ~Done()
    {
      utils::Callback* doomed[2] = {nullptr, nullptr};
      {
        std::lock_guard<std::mutex> guard(self.lock);
        --self.delivering;
        (error ? self.errorDelivered : self.responseDelivered) = true;
        if (self.released && self.delivering == 0) {
          doomed[0] = self.responseCallback;
          doomed[1] = self.errorCallback;
          self.responseCallback = self.errorCallback = nullptr;
        }
      }
      self.delivered.notify_all();
      delete doomed[0];
      delete doomed[1];
    }
  } done{*this, error};
  if (callback)
    callback->execute();
}

void __InternetRequestImpl::reset()
{
  {
    std::lock_guard<std::mutex> guard(lock);
    response.clear();
    number = 0;
    message.clear();
    responseDelivered = false;
    errorDelivered = false;
  }
  running.store(false, std::memory_order_release);
}

}  // namespace plat
}  // namespace qor
