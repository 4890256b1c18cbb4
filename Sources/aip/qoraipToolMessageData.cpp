#include "aip/qoraipToolMessageData.h"

#include <cstdint>
#include <cstring>

#include "sdk/qoraiSPBlockBuffer.h"

namespace qor {
namespace aip {

ToolMessageData::ToolMessageData(const ToolMsgRecord& message) : copy_(message)
{
    copy_.extraEntries = nullptr;
    // A count too large for one block is no array the host could have made.
    if (copy_.extraCount <= 0 || copy_.extraCount > INT32_MAX / static_cast<int32_t>(sizeof(ToolExtraEntry)) ||
        !message.extraEntries) {
        copy_.extraCount = 0;
        return;
    }
    const int32_t bytes = copy_.extraCount * static_cast<int32_t>(sizeof(ToolExtraEntry));
    copy_.extraEntries = static_cast<ToolExtraEntry*>(ai::SPAlloc::AllocateBlock(bytes));
    std::memcpy(copy_.extraEntries, message.extraEntries, static_cast<size_t>(bytes));
}

ToolMessageData::~ToolMessageData() { ai::SPAlloc::freeBlock(copy_.extraEntries); }

}  // namespace aip
}  // namespace qor
