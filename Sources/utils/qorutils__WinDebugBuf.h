// A string buffer whose synchronisation sends the buffered text to the debugger and empties it.
#pragma once

#include <sstream>

namespace qor {
namespace utils {

class __WinDebugBuf : public std::stringbuf {
public:
    __WinDebugBuf() : std::stringbuf(std::ios_base::out) {}
    // Text still buffered reaches the debugger.
    ~__WinDebugBuf() override;

protected:
    int sync() override;
};

}  // namespace utils
}  // namespace qor
