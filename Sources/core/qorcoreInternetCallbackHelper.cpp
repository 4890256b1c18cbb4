#include "core/qorcoreInternetCallbackHelper.h"

#include "aip/qoraipIllustrator.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreCoreGlobals.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"

namespace qorcoreInternetCallbackHelper_detail {

CoreGlobals* coreGlobals()
{
  qor::pui::BasePlugin* plugin = qor::pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui ? ui->coreGlobals : nullptr;
}

}  // namespace qorcoreInternetCallbackHelper_detail

namespace qor {
namespace core {

__InternetCallbackHelper::__InternetCallbackHelper(const core::Callback& callback) : callback(cloneCallback(callback))
{
}

__InternetCallbackHelper::__InternetCallbackHelper(const __InternetCallbackHelper& other)
    : utils::Callback(), callback(other.callback ? other.callback->clone() : nullptr)
{
}

__InternetCallbackHelper::~__InternetCallbackHelper()
{
  delete callback;
}

void __InternetCallbackHelper::run()
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

int clientInternetErrorCode(int platformCode)
{
  return platformCode == 0 || (platformCode >= 10 && platformCode <= 190 && platformCode % 10 == 0) ? platformCode
                                                                                                      : -1;
}

__AsyncRequestConstruction::__AsyncRequestConstruction(bool CoreGlobals::*flag)
    : globals(qorcoreInternetCallbackHelper_detail::coreGlobals()), flag(flag)
{
  if (globals)
    globals->*flag = true;
}

__AsyncRequestConstruction::~__AsyncRequestConstruction()
{
  if (globals)
    globals->*flag = false;
}

bool __AsyncRequestConstruction::isSet(bool CoreGlobals::*flag)
{
  CoreGlobals* globals = qorcoreInternetCallbackHelper_detail::coreGlobals();
  return globals && globals->*flag;
}

}  // namespace core
}  // namespace qor
