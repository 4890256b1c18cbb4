// An HTTP POST request whose body is the form-encoded text of a dictionary; its answer, or failure,
// reaches one of two callbacks on the UI thread.
#pragma once

#include <memory>
#include <string>

#include "plat/qorplatInternetRequest.h"

namespace qor {
namespace json {
class Node;
}
namespace plat {

// The request's state and body: connects to the URL's server and posts the form text.
class __InternetPOSTImpl : public __InternetRequestImpl
{
public:
  // Takes the callbacks over.
  __InternetPOSTImpl(const std::string& url, const std::string& body, utils::Callback* responseCallback,
                     utils::Callback* errorCallback, bool async);

  // The POST family's process-wide state.
  static __InternetFamily& family();

protected:
  void run() override;

private:
  const std::string body;
  const std::string userAgent;
};

class InternetPOST
{
public:
  // Builds the body from the dictionary's object node (none: an empty body) and takes the callbacks over.
  InternetPOST(const std::string& url, const json::Node* dictionary, utils::Callback* responseCallback,
               utils::Callback* errorCallback, bool async);
  virtual ~InternetPOST();
  InternetPOST(const InternetPOST&) = delete;
  InternetPOST& operator=(const InternetPOST&) = delete;

  virtual bool isAsync() const;
  virtual void start();
  virtual bool isRunning() const;
  virtual std::string responseText() const;
  virtual int errorCode() const;
  virtual int errorNumber() const;
  virtual std::string errorMessage() const;

  // "key=value" pairs of an object node's members in key order, joined by "&".
  static std::string formBody(const json::Node* object);
  // Letters, digits and "-._~" stay; every other byte becomes "%" and two lowercase hex digits.
  static std::string urlEncode(const std::string& text);

private:
  std::shared_ptr<__InternetPOSTImpl> impl;
};

// From now on, no POST worker hands a callback to the UI thread, and waiting workers stop waiting.
void stopAllPostCallbacks();

}  // namespace plat
}  // namespace qor
