#include "core/qorcoreInternetPOST.h"

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcorePrefData.h"
#include "plat/qorplatInternetPOST.h"
#include "plat/qorplatPersistentDictionary.h"

namespace qor {
namespace core {

InternetPOST::InternetPOST(const std::string& url, const PrefData& body, const Callback& responseCallback,
                           const Callback& errorCallback)
    : impl(nullptr)
{
  const bool async = __AsyncRequestConstruction::isSet(&CoreGlobals::internetPOSTConstructing);
  auto* dictionary = dynamic_cast<plat::PersistentDictionary*>(prefDataImpl(body));
  json::NodePtr node = dictionary ? dictionary->node() : json::NodePtr();
  impl = new plat::InternetPOST(url, node.get(), new __InternetPostCallbackHelper(responseCallback),
                                new __InternetPostCallbackHelper(errorCallback), async);
}

InternetPOST::~InternetPOST()
{
  delete impl;
}

bool InternetPOST::isAsync() const
{
  return impl->isAsync();
}

void InternetPOST::start()
{
  impl->start();
}

bool InternetPOST::isRunning() const
{
  return impl->isRunning();
}

std::string InternetPOST::responseText() const
{
  return impl->responseText();
}

int InternetPOST::errorCode() const
{
  return clientInternetErrorCode(impl->errorCode());
}

int InternetPOST::errorNumber() const
{
  return impl->errorNumber();
}

std::string InternetPOST::errorMessage() const
{
  return impl->errorMessage();
}

InternetPOST* newInternetPOST(const std::string& url, const PrefData& body, const Callback& responseCallback,
                              const Callback& errorCallback)
{
  __AsyncRequestConstruction async(&CoreGlobals::internetPOSTConstructing);
  return new InternetPOST(url, body, responseCallback, errorCallback);
}

}  // namespace core
}  // namespace qor
