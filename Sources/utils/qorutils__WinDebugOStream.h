// An output stream to the debugger: every insertion is sent at once, as one message, with nothing
// added. Not locked; meant for the UI thread.
#pragma once

#include <ostream>

#include "utils/qorutils__WinDebugBuf.h"

namespace qor {
namespace utils {

class __WinDebugOStream : public std::ostream {
public:
    __WinDebugOStream();
    ~__WinDebugOStream() override;

    __WinDebugOStream(const __WinDebugOStream&) = delete;
    __WinDebugOStream& operator=(const __WinDebugOStream&) = delete;

private:
    __WinDebugBuf* buffer_;
};

// The process-wide instance, alive from static initialisation to static destruction.
extern __WinDebugOStream winDebugStream;

}  // namespace utils
}  // namespace qor
