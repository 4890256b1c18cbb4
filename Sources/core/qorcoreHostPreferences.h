// The client's access to the host application's own preferences, by prefix and key.
#pragma once

#include <cstdint>
#include <string>

namespace qor {
namespace core {

class HostPreferences
{
public:
  HostPreferences();
  HostPreferences(const HostPreferences&) = delete;
  HostPreferences& operator=(const HostPreferences&) = delete;
  virtual ~HostPreferences();

  // An empty prefix reaches the host as none. The getters leave the out value untouched on failure.
  virtual bool getInteger(const std::string& prefix, const std::string& key, int32_t& value) const;
  virtual bool getReal(const std::string& prefix, const std::string& key, double& value) const;
  virtual bool putInteger(const std::string& prefix, const std::string& key, int32_t value) const;
};

}  // namespace core
}  // namespace qor
