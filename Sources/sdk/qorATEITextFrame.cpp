#include "sdk/qorATEITextFrame.h"

namespace ATE {

ITextRange ITextFrame::getTextRange(int32_t flag) const
{
  return ITextRange(callFor<AteTextRangeRef>(&AteTextFrameSuite::getTextRange, flag));
}

}  // namespace ATE
