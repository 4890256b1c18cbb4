#include "hostsimPreferences.h"

#include "hostapi/PreferenceSuite.h"

#include <ostream>

namespace hostsim {

Preferences::Preferences(HostApp&)
{
  put("", "UIPreferences/scaleUI", int32_t(0));
  put("", "UIPreferences/snapUIScaleFactor", int32_t(0));
}

void Preferences::put(const std::string& prefix, const std::string& key, Value value)
{
  values_[Key(prefix, key)] = value;
}

std::optional<Preferences::Value> Preferences::get(const std::string& prefix, const std::string& key) const
{
  auto it = values_.find(Key(prefix, key));
  if (it == values_.end())
    return std::nullopt;
  return it->second;
}

bool Preferences::erase(const std::string& prefix, const std::string& key)
{
  return values_.erase(Key(prefix, key)) != 0;
}

void Preferences::recordWrite(const std::string& prefix, const std::string& key, Value value)
{
  put(prefix, key, value);
  writes_.emplace_back(Key(prefix, key), value);
}

void Preferences::report(std::ostream& out) const
{
  if (writes_.empty())
    return;
  out << "Preferences written: " << writes_.size() << "\n";
  for (const auto& [key, value] : writes_) {
    out << "  " << (key.first.empty() ? "" : key.first + "/") << key.second << " = ";
    std::visit(
        [&](auto v) {
          if constexpr (std::is_same_v<decltype(v), bool>)
            out << (v ? "true" : "false");
          else
            out << v;
        },
        value);
    out << "\n";
  }
}

namespace hostsimPreferences_detail {

Preferences& preferences()
{
  return HostApp::instance().area<Preferences>();
}

std::string prefixOf(const char* prefix)
{
  return prefix ? prefix : "";
}

HostErr putBooleanPreference(const char* prefix, const char* key, bool8 value)
{
  if (!key)
    return kHostErrBadParameter;
  preferences().recordWrite(prefixOf(prefix), key, value != 0);
  return kHostNoErr;
}

HostErr getIntegerPreference(const char* prefix, const char* key, int32_t* outValue)
{
  if (!key || !outValue)
    return kHostErrBadParameter;
  auto value = preferences().get(prefixOf(prefix), key);
  if (!value)
    return kHostErrNotFound;
  if (auto* i = std::get_if<int32_t>(&*value))
    *outValue = *i;
  else if (auto* b = std::get_if<bool>(&*value))
    *outValue = *b ? 1 : 0;
  else
    return kHostErrBadParameter;
  return kHostNoErr;
}

HostErr putIntegerPreference(const char* prefix, const char* key, int32_t value)
{
  if (!key)
    return kHostErrBadParameter;
  preferences().recordWrite(prefixOf(prefix), key, value);
  return kHostNoErr;
}

HostErr getRealPreference(const char* prefix, const char* key, double* outValue)
{
  if (!key || !outValue)
    return kHostErrBadParameter;
  auto value = preferences().get(prefixOf(prefix), key);
  if (!value)
    return kHostErrNotFound;
  if (auto* d = std::get_if<double>(&*value))
    *outValue = *d;
  else if (auto* i = std::get_if<int32_t>(&*value))
    *outValue = *i;
  else
    return kHostErrBadParameter;
  return kHostNoErr;
}

void install(HostApp& app)
{
  app.area<Preferences>();
  auto& suite = app.publishSuite<PreferenceSuite>(kPreferenceSuiteName, kPreferenceSuiteVersion);
  suite.putBooleanPreference = &putBooleanPreference;
  suite.getIntegerPreference = &getIntegerPreference;
  suite.putIntegerPreference = &putIntegerPreference;
  suite.getRealPreference = &getRealPreference;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimPreferences_detail

} // namespace hostsim
