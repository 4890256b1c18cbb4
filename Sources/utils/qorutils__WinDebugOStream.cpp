#include "utils/qorutils__WinDebugOStream.h"

namespace qor {
namespace utils {

__WinDebugOStream winDebugStream;

__WinDebugOStream::__WinDebugOStream() : std::ostream(nullptr), buffer_(new __WinDebugBuf())
{
    rdbuf(buffer_);
    setf(std::ios_base::unitbuf);
}

__WinDebugOStream::~__WinDebugOStream()
{
    rdbuf(nullptr);
    delete buffer_;  // synchronises
    buffer_ = nullptr;
}

}  // namespace utils
}  // namespace qor
