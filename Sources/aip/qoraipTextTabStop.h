// The reference-counted implementation objects of an engine tab stop and of a set of tab stops.
#pragma once

#include <string>

#include "aip/qoraipTextObject.h"

namespace qor {
namespace aip {

class TextTabStop
    : public TextObject<TextTabStop, ATE::ITabStop, AteFirstSuite::none, &PluginGlobals::tabStopWrappers>
{
public:
  static TextTabStop* getTextTabStop(const AteTabStopRef& ref) { return getOrCreate(ref); }
  explicit TextTabStop(const AteTabStopRef& ref) : TextObject(ref) {}
  ATE::ITabStop ateTabStop() const { return wrapper(); }

  int32_t getTabStopAttribute4() const { return wrapper_.getAttribute4(); }
  void setTabStopAttribute4(int32_t engineValue) { wrapper_.setAttribute4(engineValue); }
  double getTabStopAttribute6() const { return double(wrapper_.getAttribute6()); }
  void setTabStopAttribute6(double value) { wrapper_.setAttribute6(float(value)); }
  bool getTabStopAttribute8() const { return wrapper_.getAttribute8(); }
  // At most 511 UTF-16 units.
  std::string getTabStopAttribute9() const;
  void setTabStopAttribute9(const std::string& utf8);
  // One character; a zero unit reads as the empty string.
  std::string getTabStopAttribute11() const;
  // Its first UTF-16 unit; nothing for the empty string.
  void setTabStopAttribute11(const std::string& utf8);

private:
  friend class TextObject;
  ~TextTabStop() = default;
};

class TextTabStopSet
    : public TextObject<TextTabStopSet, ATE::ITabStops, AteFirstSuite::none, &PluginGlobals::tabStopSetWrappers>
{
public:
  static TextTabStopSet* getTextTabStopSet(const AteTabStopsRef& ref) { return getOrCreate(ref); }
  explicit TextTabStopSet(const AteTabStopsRef& ref) : TextObject(ref) {}
  ATE::ITabStops ateTabStops() const { return wrapper(); }

  int32_t size() const { return wrapper_.getSize(); }
  // Nothing for a null stop.
  void add(const TextTabStop* stop);
  // Indices are checked against the size first: null, or nothing, outside it.
  TextTabStop* item(int32_t index) const;
  void remove(int32_t index);
  void removeAll() { wrapper_.removeAll(); }

private:
  friend class TextObject;
  ~TextTabStopSet() = default;
};

}  // namespace aip
}  // namespace qor
