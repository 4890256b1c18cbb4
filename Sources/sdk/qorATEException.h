// The exception of the text-engine wrappers: a failing engine call's error code and nothing else.
#pragma once

#include <cstdint>
#include <exception>

namespace ATE {

class Exception : public std::exception
{
public:
  explicit Exception(int32_t code) : error(code) {}
  Exception(const Exception&) = default;
  Exception& operator=(const Exception&) = default;

  // No message is stored, whatever the code.
  const char* what() const noexcept override { return "Unknown exception"; }

  int32_t error;
};

// Throws an Exception carrying the code; the one place that throws it.
[[noreturn]] void throwException(int32_t code);

}  // namespace ATE
