#include "core/qorcoreHostPreferences.h"

#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"

namespace qorcoreHostPreferences_detail {

const char* prefixArgument(const std::string& prefix)
{
  return prefix.empty() ? nullptr : prefix.c_str();
}

}  // namespace qorcoreHostPreferences_detail

namespace qor {
namespace core {

HostPreferences::HostPreferences()
{
  aip::acquireSuite(aip::preferenceSuite, kPreferenceSuiteName, kPreferenceSuiteVersion);
}

HostPreferences::~HostPreferences() = default;

bool HostPreferences::getInteger(const std::string& prefix, const std::string& key, int32_t& value) const
{
  int32_t answer = 0;
  if (!aip::preferenceSuite ||
      aip::preferenceSuite->getIntegerPreference(qorcoreHostPreferences_detail::prefixArgument(prefix), key.c_str(),
                                                 &answer) != 0)
    return false;
  value = answer;
  return true;
}

bool HostPreferences::getReal(const std::string& prefix, const std::string& key, double& value) const
{
  double answer = 0.0;
  if (!aip::preferenceSuite ||
      aip::preferenceSuite->getRealPreference(qorcoreHostPreferences_detail::prefixArgument(prefix), key.c_str(),
                                              &answer) != 0)
    return false;
  value = answer;
  return true;
}

bool HostPreferences::putInteger(const std::string& prefix, const std::string& key, int32_t value) const
{
  return aip::preferenceSuite &&
         aip::preferenceSuite->putIntegerPreference(qorcoreHostPreferences_detail::prefixArgument(prefix),
                                                    key.c_str(), value) == 0;
}

}  // namespace core
}  // namespace qor
