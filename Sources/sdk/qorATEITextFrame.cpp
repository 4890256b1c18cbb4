#include "sdk/qorATEITextFrame.h"

namespace ATE {

ITextRange ITextFrame::getTextRange(int32_t flag) const
{
  AteTextRangeRef range = nullptr;
  call(&AteTextFrameSuite::getTextRange, flag, &range);
  return ITextRange(range);
}

}  // namespace ATE
