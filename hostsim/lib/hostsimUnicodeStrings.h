// The host's Unicode string objects (UTF-16 storage) and the "AI Unicode String Suite". Other areas
// read input strings and write output strings through read() and write().
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"
#include "hostsimHandleTable.h"

#include <string>

namespace hostsim {

class UnicodeStrings : public Area
{
public:
  explicit UnicodeStrings(HostApp& app) : app_(app) {}

  HostString create(std::u16string text);
  // An input string: null is the empty string; false for a dead handle.
  bool read(HostString string, std::u16string& text) const;
  // The text of an input string as UTF-8 ("" for null or dead).
  std::string utf8(HostString string) const;
  // An output string: creates the object when *out is null, else replaces its contents.
  HostErr write(HostString* out, std::u16string text);
  HostErr writeUtf8(HostString* out, const std::string& text);
  // Kills the object and nulls the handle.
  HostErr destroy(HostString* string);
  // The stored text of a live string, or null.
  std::u16string* find(HostString string) const { return strings_.find(string); }
  size_t liveCount() const { return strings_.liveCount(); }

  int reportOrder() const override { return 900; }
  void report(std::ostream& out) const override;

private:
  HostApp& app_;
  HandleTable<HostString, std::u16string> strings_;
};

} // namespace hostsim
