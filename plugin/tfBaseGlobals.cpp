#include "tfBaseGlobals.h"

#include "core/qorcoreAlert.h"
#include "core/qorcoreHostPreferences.h"
#include "core/qorcoreIllustrator.h"
#include "tfSite.h"
#include "tfText.h"

namespace tfBaseGlobals_detail {

const char warningTemplate[] =
    "The $PluginName plugin was built for Adobe Illustrator version $targetVer; you are running version "
    "$appVer. You may remove it from the plugins folder if it fails to function properly. It is recommended "
    "that you download the correct version of this plugin at:";

}  // namespace tfBaseGlobals_detail

const char tfBaseGlobals::launchedKey[] = "launchedThisVersion";

tfBaseGlobals::tfBaseGlobals() = default;

tfBaseGlobals::~tfBaseGlobals() = default;

std::string tfBaseGlobals::launchedPrefix(const std::string& name)
{
  return "Tf" + name + "-" + tf::formatReal(targetVersion, -1);
}

void tfBaseGlobals::checkHostVersion(const std::string& name)
{
  active = true;
  qor::core::Illustrator* host = qor::core::Illustrator::instance();
  const int32_t hostVersion = host ? host->majorVersion() : 0;
  if (hostVersion == targetVersion)
    return;
  qor::core::HostPreferences* hostPrefs = host ? host->hostPreferences() : nullptr;
  const std::string prefix = launchedPrefix(name);
  // A missing key or a host error reads as 0.
  int32_t value = 0;
  if (hostPrefs)
    hostPrefs->getInteger(prefix, launchedKey, value);
  if (value == 0) {
    std::string warning = tf::replaceAll(tfBaseGlobals_detail::warningTemplate, "$PluginName", name);
    warning = tf::replaceAll(warning, "$targetVer", tf::formatReal(targetVersion, -1));
    warning = tf::replaceAll(warning, "$appVer", tf::formatReal(hostVersion, -1));
    warning += std::string("\n") + tf::siteAddress() + "downloads/plugins.";
    qor::core::alert(warning);
    if (hostPrefs)
      hostPrefs->putInteger(prefix, launchedKey, 1);
  }
  if (value == 2)
    active = false;
}
