#include "core/qorcoreInternetGET.h"

#include "aip/qoraipIllustrator.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreCoreGlobals.h"
#include "plat/qorplatInternetGET.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"

namespace qorcoreInternetGET_detail {

CoreGlobals* coreGlobals()
{
  qor::pui::BasePlugin* plugin = qor::pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui ? ui->coreGlobals : nullptr;
}

}  // namespace qorcoreInternetGET_detail

namespace qor {
namespace core {

__InternetGetCallbackHelper::__InternetGetCallbackHelper(const core::Callback& callback)
    : callback(cloneCallback(callback))
{
}

__InternetGetCallbackHelper::__InternetGetCallbackHelper(const __InternetGetCallbackHelper& other)
    : utils::Callback(), callback(other.callback ? other.callback->clone() : nullptr)
{
}

__InternetGetCallbackHelper::~__InternetGetCallbackHelper()
{
  delete callback;
}

utils::Callback* __InternetGetCallbackHelper::clone() const
{
  return new __InternetGetCallbackHelper(*this);
}

void __InternetGetCallbackHelper::run()
{
  if (!callback)
    return;
  aip::Illustrator* host = aip::Illustrator::instance();
  if (host)
    host->pushAppContext();
  callback->execute();
  if (host)
    host->popAppContext();
}

InternetGET::InternetGET(const std::string& url, const Callback& responseCallback, const Callback& errorCallback)
    : impl(nullptr)
{
  CoreGlobals* globals = qorcoreInternetGET_detail::coreGlobals();
  const bool async = globals && globals->internetGETConstructing;
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
  const int code = impl->errorCode();
  return code == 0 || (code >= 10 && code <= 190 && code % 10 == 0) ? code : -1;
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
  CoreGlobals* globals = qorcoreInternetGET_detail::coreGlobals();
  if (globals)
    globals->internetGETConstructing = true;
  InternetGET* request = new InternetGET(url, responseCallback, errorCallback);
  if (globals)
    globals->internetGETConstructing = false;
  return request;
}

}  // namespace core
}  // namespace qor
