// The text side of a host-facing art object: its engine text frame and the text range of the whole
// frame. Either the art object owns it (made on first use, deleted with the art), or it owns its art.
#pragma once

#include "hostapi/HostTypes.h"
#include "sdk/qorATEITextFrame.h"

namespace qor {
namespace aip {

class Art;
class TextRange;

class TextArt
{
public:
  TextArt(Art* art, bool ownsArt);
  TextArt(const TextArt&) = delete;
  TextArt& operator=(const TextArt&) = delete;
  ~TextArt();

  Art* art() const { return art_; }
  bool ownsArt() const { return ownsArt_; }

  // The engine frame of the art, asked anew on every call; null without art or for art that is not a
  // text frame.
  ATE::ITextFrame ateTextFrame() const;
  // The range of the whole frame with one count for the caller, or null.
  TextRange* textRange() const;
  // The art the host gives for the frame of this art (art to frame to art again), or null; a null
  // frame is not handed to the host.
  ArtHandle frameArt() const;

private:
  Art* art_ = nullptr;
  bool ownsArt_ = false;
};

}  // namespace aip
}  // namespace qor
