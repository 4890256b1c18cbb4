// A block of bytes the host allocated through its blocks suite; freed when the buffer dies.
#pragma once

#include "hostapi/HostApi.h"

namespace ai {

class SPBlockBuffer
{
public:
  SPBlockBuffer() = default;
  SPBlockBuffer(const SPBlockBuffer&) = delete;
  SPBlockBuffer& operator=(const SPBlockBuffer&) = delete;
  ~SPBlockBuffer();

  // The host record the host writes the block into.
  ::SPBlockBuffer* record() { return &buffer; }
  int32_t count() const { return buffer.count; }
  const char* data() const { return static_cast<const char*>(buffer.block); }

private:
  ::SPBlockBuffer buffer{0, nullptr};
};

// Blocks of the host's blocks suite.
class SPAlloc
{
public:
  // Throws ai::Error('MEM!') when the host refuses.
  static void* AllocateBlock(int32_t byteCount);
  static void freeBlock(void* block);
};

}  // namespace ai
