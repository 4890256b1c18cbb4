// The client's HTTP GET request: its callbacks run on the UI thread inside the host's application
// context. Made with newInternetGET, it runs on a worker thread; made directly, inside start.
#pragma once

#include <string>

#include "core/qorcoreInternetCallbackHelper.h"

namespace qor {
namespace plat {
class InternetGET;
}
namespace core {

// The GET request's wrapper of a client callback.
class __InternetGetCallbackHelper : public __InternetCallbackHelper
{
public:
  using __InternetCallbackHelper::__InternetCallbackHelper;
  utils::Callback* clone() const override { return new __InternetGetCallbackHelper(*this); }

private:
  __InternetGetCallbackHelper(const __InternetGetCallbackHelper& other) = default;
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
