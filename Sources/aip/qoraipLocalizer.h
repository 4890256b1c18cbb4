// The plug-in's localiser: texts looked up in the host's user-interface language, default
// locale 210.
#pragma once

#include <cstdint>
#include <string>

#include "plat/qorplatLocalizer.h"

namespace qor {
namespace aip {

class Localizer : public plat::Localizer
{
public:
  static constexpr plat::Locale defaultHostLocale = plat::Locale(210);

  Localizer();

  // The key's text in the locale of the host's interface language.
  virtual std::string hostLocale(const std::string& key) const;
  std::string getForHostLanguage(const std::string& key) const { return hostLocale(key); }

  // The locale of a host language code; 210 for a code outside the table.
  static plat::Locale localeForHostLanguage(int32_t hostLanguageCode);

  // The plug-in's localiser, or null when the plug-in object or its globals are gone.
  static Localizer* instance();
};

}  // namespace aip
}  // namespace qor
