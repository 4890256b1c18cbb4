// The exception every failing host call of the SDK wrappers becomes: a host error code.
#pragma once

#include <cstdint>
#include <exception>

#include "hostapi/HostTypes.h"

namespace ai {

class Error : public std::exception
{
public:
  explicit Error(int32_t code) : code(code) {}
  int32_t code;
};

// Block allocation failure, "MEM!" with the first character most significant.
constexpr int32_t kOutOfMemoryErr = int32_t(fourCharCode("MEM!"));

inline void throwIfError(int32_t code)
{
  if (code != 0)
    throw Error(code);
}

}  // namespace ai
