#include "core/qorcoreInternetGET.h"

#include "core/qorcoreCoreGlobals.h"
#include "plat/qorplatInternetGET.h"

namespace qor {
namespace core {

InternetGET::InternetGET(const std::string& url, const Callback& responseCallback, const Callback& errorCallback)
    : impl(nullptr)
{
  const bool async = __AsyncRequestConstruction::isSet(&CoreGlobals::internetGETConstructing);
  impl = new plat::InternetGET(url, new __InternetGetCallbackHelper(responseCallback),
                               new __InternetGetCallbackHelper(errorCallback), async);
}

InternetGET::~InternetGET()
{
  delete impl;
}

bool InternetGET::isAsync() const
{
  return impl->isAsync();
}

void InternetGET::start()
{
  impl->start();
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
  return clientInternetErrorCode(impl->errorCode());
}

int InternetGET::errorNumber() const
{
  return impl->errorNumber();
}

std::string InternetGET::errorMessage() const
{
  return impl->errorMessage();
}

InternetGET* newInternetGET(const std::string& url, const Callback& responseCallback, const Callback& errorCallback)
{
  __AsyncRequestConstruction async(&CoreGlobals::internetGETConstructing);
  return new InternetGET(url, responseCallback, errorCallback);
}

}  // namespace core
}  // namespace qor
