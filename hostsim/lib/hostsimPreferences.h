// The host's preferences: a typed store keyed by (prefix, key), a null prefix being the empty one; the
// "AI Preference Suite". Reading a missing key is an error.
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace hostsim {

class Preferences : public Area
{
public:
  using Value = std::variant<bool, int32_t, double>;
  using Key = std::pair<std::string, std::string>;

  explicit Preferences(HostApp&);

  void put(const std::string& prefix, const std::string& key, Value value);
  std::optional<Value> get(const std::string& prefix, const std::string& key) const;
  bool erase(const std::string& prefix, const std::string& key);
  const std::map<Key, Value>& values() const { return values_; }
  // Every write the plug-in made, in order.
  const std::vector<std::pair<Key, Value>>& writes() const { return writes_; }
  void recordWrite(const std::string& prefix, const std::string& key, Value value);

  int reportOrder() const override { return 400; }
  void report(std::ostream& out) const override;

private:
  std::map<Key, Value> values_;
  std::vector<std::pair<Key, Value>> writes_;
};

} // namespace hostsim
