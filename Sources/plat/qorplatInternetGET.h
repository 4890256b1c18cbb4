// An HTTP GET request whose body, or failure, reaches one of two callbacks on the UI thread.
#pragma once

#include <memory>
#include <string>

#include "plat/qorplatInternetRequest.h"

namespace qor {
namespace plat {

// The request's state and body: opens the URL on the family's shared internet handle and reads it whole.
class __InternetGETImpl : public __InternetRequestImpl
{
public:
  // Takes the callbacks over.
  __InternetGETImpl(const std::string& url, utils::Callback* responseCallback, utils::Callback* errorCallback,
                    bool async);

  // The GET family's process-wide state.
  static __InternetFamily& family();

protected:
  void run() override;
};

class InternetGET
{
public:
  // Takes the callbacks over; async runs the request on a worker thread.
  InternetGET(const std::string& url, utils::Callback* responseCallback, utils::Callback* errorCallback, bool async);
  virtual ~InternetGET();
  InternetGET(const InternetGET&) = delete;
  InternetGET& operator=(const InternetGET&) = delete;

  virtual bool isAsync() const;
  virtual void start();
  virtual bool isRunning() const;
  virtual std::string responseText() const;
  // The framework's error code for the error number (table of the internet errors; 10 for others).
  virtual int errorCode() const;
  virtual int errorNumber() const;
  virtual std::string errorMessage() const;

  // The framework error code of an internet error number; -1 stays -1 for GET and becomes 10 for POST.
  static int errorCodeFor(int errorNumber, bool minusOneIsCode);

private:
  std::shared_ptr<__InternetGETImpl> impl;
};

// From now on, no GET worker hands a callback to the UI thread, and waiting workers stop waiting.
void stopAllGetCallbacks();

}  // namespace plat
}  // namespace qor
