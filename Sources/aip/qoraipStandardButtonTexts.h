// The five standard button texts (Yes, No, OK, Cancel, Don't show again) for every locale that
// has them, and their registration with the plug-in's localiser.
#pragma once

#include <cstdint>

#include "plat/qorplatLocalizer.h"

namespace qor {
namespace aip {

struct StandardButtonTexts
{
  int32_t locale;
  const char* yes;
  const char* no;
  const char* ok;
  const char* cancel;
  const char* dontShowAgain;
};

// In registration order; locales 170, 200 and 260 have no entry.
extern const StandardButtonTexts standardButtonTexts[36];

// Sets every (key, locale) text of the table: 180 entries.
void registerStandardButtonTexts(plat::Localizer& localizer);

}  // namespace aip
}  // namespace qor
