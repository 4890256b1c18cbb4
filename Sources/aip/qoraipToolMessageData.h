// A private copy of a tool message for a handler to read while it runs: the fixed fields unchanged and
// the trailing array of extra entries duplicated into a host block, freed with the copy.
#pragma once

#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipMsgEnv.h"

namespace qor {
namespace aip {

class ToolMessageData {
public:
    // Throws when the host cannot allocate the block for the extra entries.
    explicit ToolMessageData(const ToolMsgRecord& message);
    ToolMessageData(const ToolMessageData&) = delete;
    ToolMessageData& operator=(const ToolMessageData&) = delete;
    ~ToolMessageData();

    const ToolMsgRecord& message() const { return copy_; }
    // The cursor in artboard coordinates (the host's vertical value negated).
    ArtboardPoint cursor() const { return ArtboardPoint(copy_.cursor); }

private:
    ToolMsgRecord copy_;
};

}  // namespace aip
}  // namespace qor
