// The host application's version and interface language; the "AI Runtime Suite" and the
// "AI String Format Utils Suite".
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"

#include <map>
#include <string>

namespace hostsim {

class Runtime : public Area
{
public:
  explicit Runtime(HostApp&) {}

  // The version the plug-in was built for.
  int32_t major = 21;
  int32_t minor = 0;
  int32_t revision = 0;

  // The interface language: its text (selector 2) and the code the host gives for each known text.
  std::string languageText = "en_US";
  std::map<std::string, int32_t> languageCodes = {{"en_US", 0}};
  // Sets the language text and its code.
  void setLanguage(const std::string& text, int32_t code);

  int reportOrder() const override { return 1; }
  void report(std::ostream& out) const override;
};

} // namespace hostsim
