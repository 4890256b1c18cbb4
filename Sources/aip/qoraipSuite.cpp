#include "aip/qoraipSuite.h"

#include <utility>

#include "aip/qoraipBasePlugin.h"
#include "aip/qoraipPluginGlobals.h"

namespace qor {
namespace aip {

const SpBasicSuite* hostBasicSuite = nullptr;

namespace qoraipSuite_detail {
const char* const basicSuiteName = "SP Basic Suite";

PluginGlobals* globals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->globals() : nullptr;
}
}  // namespace qoraipSuite_detail



Suite::Suite(const std::string& name, int32_t version, const void** pointerAddress)
  : suiteName(name), suiteVersion(version), suitePointerAddress(pointerAddress)
{
  PluginGlobals* globals = qoraipSuite_detail::globals();
  if (globals && suiteName != qoraipSuite_detail::basicSuiteName)
    globals->suiteRegistry.insert(std::make_pair(suiteName, suiteVersion), 0);
}

Suite::~Suite()
{
  PluginGlobals* globals = qoraipSuite_detail::globals();
  if (globals && suiteName != qoraipSuite_detail::basicSuiteName) {
    if (refCount() > 0)
      release();
    globals->suiteRegistry.remove(std::make_pair(suiteName, suiteVersion));
  }
}

std::string Suite::name() const
{
  return suiteName;
}

int32_t Suite::version() const
{
  return suiteVersion;
}

bool Suite::equals(const Suite* other) const
{
  return other && other->suiteName == suiteName && other->suiteVersion == suiteVersion;
}

int32_t Suite::refCount() const
{
  PluginGlobals* globals = qoraipSuite_detail::globals();
  int count = 0;
  if (globals)
    globals->suiteRegistry.get(std::make_pair(suiteName, suiteVersion), count);
  return count;
}

const void* Suite::suitePointer() const
{
  return suitePointerAddress ? *suitePointerAddress : nullptr;
}

bool Suite::acquire()
{
  PluginGlobals* globals = qoraipSuite_detail::globals();
  if (!globals || !hostBasicSuite)
    return false;
  if (suitePointer() == hostBasicSuite)
    return true;
  utils::Map<std::pair<std::string, int>, int>::iterator entry;
  if (!globals->suiteRegistry.find(std::make_pair(suiteName, suiteVersion), entry))
    return false;
  if (++entry->second > 1)
    return true;
  globals->suiteList.pushBack(this);
  if (hostBasicSuite->acquireSuite(suiteName.c_str(), suiteVersion, suitePointerAddress) == 0)
    return true;
  // A refused suite is not held: take the count back and forget this object, so that a later
  // site asks the host again instead of being told that the suite is there.
  entry->second = 0;
  globals->suiteList.remove(this);
  *suitePointerAddress = nullptr;
  return false;
}

bool Suite::release()
{
  PluginGlobals* globals = qoraipSuite_detail::globals();
  if (!globals)
    return false;
  if (!hostBasicSuite || suitePointer() == hostBasicSuite)
    return true;
  if (!suitePointer())
    return false;
  utils::Map<std::pair<std::string, int>, int>::iterator entry;
  if (!globals->suiteRegistry.find(std::make_pair(suiteName, suiteVersion), entry))
    return false;
  if (--entry->second > 0)
    return true;
  if (entry->second < 0) {
    entry->second = 0;
    return true;
  }
  globals->suiteList.remove(this);
  HostErr result = hostBasicSuite->releaseSuite(suiteName.c_str(), suiteVersion);
  *suitePointerAddress = nullptr;
  return result == 0;
}

void Suite::releaseAllSuites()
{
  PluginGlobals* globals = qoraipSuite_detail::globals();
  if (!globals)
    return;
  while (!globals->suiteList.isEmpty()) {
    Suite* suite = globals->suiteList.back();
    globals->suiteList.popBack();
    delete suite;
  }
}

bool acquireSuite(const void** variable, const char* name, int32_t version)
{
  if (*variable)
    return true;
  Suite* suite = new Suite(name, version, variable);
  if (!suite->acquire()) {
    delete suite;  // nothing is held: neither counted nor listed
    return false;
  }
  return *variable != nullptr;
}

}  // namespace aip
}  // namespace qor
