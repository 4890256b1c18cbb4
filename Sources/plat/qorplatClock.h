// The present moment and the local time zone's offset, for the date and time classes.
#pragma once

#include "plat/qorplatDuration.h"

namespace qor {
namespace plat {

// Seconds since 1970-01-01 00:00 UTC as a 64-bit count, with the microseconds of the system clock
// added as a fraction when asked for.
double presentSecondsSince1970(bool withMicroseconds);
// The local offset from Coordinated Universal Time at the present moment; zero when unknown.
Duration utcOffset();

}  // namespace plat
}  // namespace qor
