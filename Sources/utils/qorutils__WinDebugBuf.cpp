#include "utils/qorutils__WinDebugBuf.h"

#include "win/WinBase.h"

namespace qor {
namespace utils {

__WinDebugBuf::~__WinDebugBuf()
{
    sync();
}

int __WinDebugBuf::sync()
{
    std::string text = str();
    OutputDebugStringA(text.c_str());
    str(std::string());
    return 0;
}

}  // namespace utils
}  // namespace qor
