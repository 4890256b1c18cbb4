#include "aip/qoraipTextArt.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipTextEngineSuites.h"
#include "aip/qoraipTextRange.h"

namespace qor {
namespace aip {

TextArt::TextArt(Art* art, bool ownsArt) : ownsArt_(ownsArt)
{
  acquireTextEngineSuites(AteFirstSuite::textFrame);
  art_ = art;
}

TextArt::~TextArt()
{
  if (ownsArt_)
    delete art_;
  art_ = nullptr;
}

ATE::ITextFrame TextArt::ateTextFrame() const
{
  AteTextFrameRef frame = nullptr;
  if (art_ && textFrameSuite && textFrameSuite->getAteTextFrame(art_->hostHandle(), &frame) != 0)
    frame = nullptr;
  return ATE::ITextFrame(frame);
}

TextRange* TextArt::textRange() const
{
  if (!art_)
    return nullptr;
  ATE::ITextFrame frame = ateTextFrame();
  if (frame.isNull())
    return nullptr;
  ATE::ITextRange range = frame.getTextRange(1);
  if (range.isNull())
    return nullptr;
  return TextRange::getTextRange(range.ref());
}

ArtHandle TextArt::frameArt() const
{
  ATE::ITextFrame frame = ateTextFrame();
  ArtHandle art = nullptr;
  if (frame.isNull() || !textFrameSuite || textFrameSuite->getArtOfAteTextFrame(frame.ref(), &art) != 0)
    return nullptr;
  return art;
}

}  // namespace aip
}  // namespace qor
