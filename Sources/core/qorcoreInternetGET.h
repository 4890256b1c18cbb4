// The client's HTTP GET request: its callbacks run on the UI thread inside the host's application
// context. Made with newInternetGET, it runs on a worker thread; made directly, inside start.
#pragma once

#include <string>

#include "utils/qorutilsCallback.h"

namespace qor {
namespace plat {
class InternetGET;
}
namespace core {

class Callback;

// Runs an owned copy of a client callback between a push and a pop of the host's application context.
// It owns its copy, so deleting the helper is all it takes to release the client's callback.
class __InternetGetCallbackHelper : public utils::Callback
{
public:
  explicit __InternetGetCallbackHelper(const core::Callback& callback);
  ~__InternetGetCallbackHelper() override;
  __InternetGetCallbackHelper& operator=(const __InternetGetCallbackHelper&) = delete;

  void run();
  void execute() override { run(); }
  utils::Callback* clone() const override;

private:
  __InternetGetCallbackHelper(const __InternetGetCallbackHelper& other);
  core::Callback* callback;
};

class InternetGET
{
public:
  // The callbacks are copied. Asynchronous only while newInternetGET builds it.
  InternetGET(const std::string& url, const Callback& responseCallback, const Callback& errorCallback);
  virtual ~InternetGET();
  InternetGET(const InternetGET&) = delete;
  InternetGET& operator=(const InternetGET&) = delete;

  virtual bool isAsync() const;
  virtual void start();
  virtual bool isRunning() const;
  virtual std::string responseText() const;
  // 0 or one of 10, 20, ... 190; -1 for anything else.
  virtual int errorCode() const;
  virtual int errorNumber() const;
  virtual std::string errorMessage() const;

private:
  plat::InternetGET* impl;
};

// A new asynchronous request, owned by the caller, who then starts it.
InternetGET* newInternetGET(const std::string& url, const Callback& responseCallback, const Callback& errorCallback);

}  // namespace core
}  // namespace qor
