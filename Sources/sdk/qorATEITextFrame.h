// A text-engine frame: the part of a story that one piece of text-frame art shows ("ATE TextFrame
// Suite"). Copied, never assigned.
#pragma once

#include "sdk/qorATEITextRange.h"
#include "sdk/qorATEWrapper.h"

namespace ATE {

class ITextFrame : public Wrapper<AteTextFrameSuite, AteTextFrameRef, kAteSuiteTextFrame>
{
public:
  using Wrapper::Wrapper;
  ITextFrame(const ITextFrame&) = default;
  ITextFrame& operator=(const ITextFrame&) = delete;

  // The frame's range; the meaning of the flag is the engine's.
  ITextRange getTextRange(int32_t flag) const;
};

}  // namespace ATE
