#include "core/qorcoreTextFrames.h"

#include "aip/qoraipArt.h"

namespace qor {
namespace core {

namespace qorcoreTextFrames_detail {

// The art handle is asked for again (art to frame to art), so what is handed out is the frame's own art.
std::unique_ptr<TextArt> frameOf(const aip::TextArt& entry)
{
  ArtHandle art = entry.frameArt();
  if (!art)
    return nullptr;
  auto record = std::make_unique<__IntArtData>();
  record->hostHandle = art;
  record->impl = new aip::Art(art);
  return std::make_unique<TextArt>(record.release(), true);
}

}  // namespace qorcoreTextFrames_detail

std::vector<TextArt*> clientFrames(aip::WalkList<aip::TextArt>* list)
{
  aip::WalkListPtr<aip::TextArt> owned(list);
  std::vector<std::unique_ptr<TextArt>> made;
  if (owned)
    for (aip::TextArt* entry : *owned)
      if (entry)
        if (std::unique_ptr<TextArt> frame = qorcoreTextFrames_detail::frameOf(*entry))
          made.push_back(std::move(frame));
  std::vector<TextArt*> out;
  for (std::unique_ptr<TextArt>& frame : made)
    out.push_back(frame.release());
  return out;
}

std::unique_ptr<TextArt> clientFrame(aip::TextArt* entry)
{
  std::unique_ptr<aip::TextArt> owned(entry);
  return owned ? qorcoreTextFrames_detail::frameOf(*owned) : nullptr;
}

}  // namespace core
}  // namespace qor
