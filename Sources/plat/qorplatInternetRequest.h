// The state and run of one HTTP request, shared by GET and POST: the callbacks, the results, the
// worker thread and the hand-over of each result to the UI thread, where the worker waits for it.
// The state is shared between the client's handle, the worker and a pending delivery, so a client may
// delete its handle from inside its own callback.
#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>

#include "utils/qorutilsCallback.h"
#include "win/WinInet.h"

namespace qor {
namespace plat {

// Process-wide state of one request family: the shared internet handle, the number of live request
// states that use it, and the stop flag set at pre-shutdown (never cleared).
struct __InternetFamily
{
  explicit __InternetFamily(const char* prefix) : agentPrefix(prefix) {}
  const char* agentPrefix;  // "<product> GET/" or "<product> POST/"
  std::mutex lock;
  HINTERNET session = nullptr;
  int users = 0;
  std::atomic<bool> stop{false};
};

class __InternetRequestImpl : public std::enable_shared_from_this<__InternetRequestImpl>
{
public:
  virtual ~__InternetRequestImpl();
  __InternetRequestImpl(const __InternetRequestImpl&) = delete;
  __InternetRequestImpl& operator=(const __InternetRequestImpl&) = delete;

  bool isAsync() const { return async; }
  // Runs the request: on a worker thread when async, else here, returning after the callback.
  void start();
  bool isRunning() const { return running.load(std::memory_order_acquire); }
  std::string responseText() const;
  int errorNumber() const;
  std::string errorMessage() const;

  // The handle is gone: its callbacks run no more and are deleted as soon as none is running.
  void releaseCallbacks();

  // Run on the UI thread by a delivery.
  void runResponseCallback();
  void runErrorCallback();

  // The user-agent text of a family: prefix, "WinINet Windows", the system's version suffix, " (x86)".
  static std::string userAgent(const char* prefix);
  // The suffix for an operating-system version code ("/10.0.0" for 100000; "" for unknown codes).
  static std::string versionSuffix(unsigned int code);

protected:
  __InternetRequestImpl(__InternetFamily& family, const std::string& url, utils::Callback* responseCallback,
                        utils::Callback* errorCallback, bool async);

  // The request itself; ends with a delivery (or none) and reset.
  virtual void run() = 0;

  static std::u16string widen(const std::string& utf8);
  HINTERNET session();
  bool hasCallbacks() const;
  void setResponse(std::string text);
  void setError(int number, const std::string& message);
  // Error number and text of the internet call that just failed on this thread.
  void setErrorFromLastError();
  void deliverResponse();
  void deliverError();
  void reset();

  __InternetFamily& family;
  const bool async;
  const std::string url;

private:
  void runGuarded();
  void deliver(bool error);
  void runCallback(bool error);

  std::atomic<bool> running{false};
  mutable std::mutex lock;
  std::condition_variable delivered;
  utils::Callback* responseCallback;
  utils::Callback* errorCallback;
  bool released = false;
  int delivering = 0;  // callbacks running now
  std::string response;
  int number = 0;
  std::string message;
  bool responseDelivered = false;
  bool errorDelivered = false;
};

}  // namespace plat
}  // namespace qor
