// The client's objects of text frames: each frame art a story or a range hands out becomes a new owning
// text art with an art record of its own, which no client art handle shares and no registry holds.
#pragma once

#include <memory>
#include <vector>

#include "aip/qoraipTextArt.h"
#include "aip/qoraipTextObject.h"
#include "core/qorcoreIntArtData.h"

namespace qor {
namespace core {

// Takes the list and its entries: a new text art, owned by the caller, for each entry whose frame art
// the host gives, in list order; the entries (and the art objects they own) are freed.
std::vector<TextArt*> clientFrames(aip::WalkList<aip::TextArt>* list);
// Takes the entry: a new text art for its frame's art, or null when there is no entry or the host does
// not give the art.
std::unique_ptr<TextArt> clientFrame(aip::TextArt* entry);

}  // namespace core
}  // namespace qor
