// Text helpers of the maker's plug-ins: numbers as text through the host, and plain replacement.
#pragma once

#include <cstdint>
#include <string>

namespace tf {

// The value with at most min(precision as unsigned 16 bits, 4) decimals (so -1 gives 4), trailing
// zeros and a bare point dropped. Formatted by the host's user suite, or locally without one.
std::string formatReal(double value, int16_t precision);

// Every occurrence of from replaced by to, left to right; replacements are never searched again.
// An empty from changes nothing.
std::string replaceAll(const std::string& text, const std::string& from, const std::string& to);

}  // namespace tf
