// The client's HTTP POST request: the form-encoded members of a dictionary preference are posted to a
// URL, and the answer or failure reaches one of two callbacks on the UI thread inside the host's
// application context. Made with newInternetPOST, it runs on a worker thread; made directly, inside start.
#pragma once

#include <string>

#include "core/qorcoreInternetCallbackHelper.h"

namespace qor {
namespace plat {
class InternetPOST;
}
namespace core {

class PrefData;

// The POST request's wrapper of a client callback.
class __InternetPostCallbackHelper : public __InternetCallbackHelper
{
public:
  using __InternetCallbackHelper::__InternetCallbackHelper;
  utils::Callback* clone() const override { return new __InternetPostCallbackHelper(*this); }

private:
  __InternetPostCallbackHelper(const __InternetPostCallbackHelper& other) = default;
};

class InternetPOST
{
public:
  // The body is built now from body's members when it is a dictionary (else it is empty); the
  // callbacks are copied. Asynchronous only while newInternetPOST builds it.
  InternetPOST(const std::string& url, const PrefData& body, const Callback& responseCallback,
               const Callback& errorCallback);
  virtual ~InternetPOST();
  InternetPOST(const InternetPOST&) = delete;
  InternetPOST& operator=(const InternetPOST&) = delete;

  virtual bool isAsync() const;
  virtual void start();
  virtual bool isRunning() const;
  // The results are there only while a callback runs.
  virtual std::string responseText() const;
  // 0 or one of 10, 20, ... 190; -1 for anything else.
  virtual int errorCode() const;
  virtual int errorNumber() const;
  virtual std::string errorMessage() const;

private:
  plat::InternetPOST* impl;
};

// A new asynchronous request, owned by the caller, who then starts it.
InternetPOST* newInternetPOST(const std::string& url, const PrefData& body, const Callback& responseCallback,
                              const Callback& errorCallback);

}  // namespace core
}  // namespace qor
