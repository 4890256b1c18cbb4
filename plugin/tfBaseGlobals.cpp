#include "tfBaseGlobals.h"

#include "aip/qoraipIllustrator.h"
#include "aip/qoraipSuitePointers.h"
#include "core/qorcoreAlert.h"
#include "tfText.h"

namespace tfBaseGlobals_detail {

int32_t hostMajorVersion()
{
  qor::aip::Illustrator* host = qor::aip::Illustrator::instance();
  return host ? host->majorVersion() : 0;
}

// A missing key or a host error reads as 0.
int32_t hostInteger(const std::string& prefix, const char* key)
{
  int32_t value = 0;
  const PreferenceSuite* suite = qor::aip::preferenceSuite;
  if (!suite || suite->getIntegerPreference(prefix.c_str(), key, &value) != 0)
    return 0;
  return value;
}

void putHostInteger(const std::string& prefix, const char* key, int32_t value)
{
  if (const PreferenceSuite* suite = qor::aip::preferenceSuite)
    suite->putIntegerPreference(prefix.c_str(), key, value);
}

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
  using namespace tfBaseGlobals_detail;
  active = true;
  const int32_t hostVersion = hostMajorVersion();
  if (hostVersion == targetVersion)
    return;
  const std::string prefix = launchedPrefix(name);
  const int32_t value = hostInteger(prefix, launchedKey);
  if (value == 0) {
    std::string warning = tf::replaceAll(warningTemplate, "$PluginName", name);
    warning = tf::replaceAll(warning, "$targetVer", tf::formatReal(targetVersion, -1));
    warning = tf::replaceAll(warning, "$appVer", tf::formatReal(hostVersion, -1));
    warning += std::string("\n") + QOR_WEBSITE_URL + "downloads/plugins.";
    qor::core::alert(warning);
    putHostInteger(prefix, launchedKey, 1);
  }
  if (value == 2)
    active = false;
}
