#include "sdk/qoraiSPBlockBuffer.h"

#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "sdk/qoraiError.h"

namespace ai {

SPBlockBuffer::~SPBlockBuffer()
{
  SPAlloc::freeBlock(buffer.block);
}

void* SPAlloc::AllocateBlock(int32_t byteCount)
{
  using namespace qor::aip;
  void* block = nullptr;
  if (!acquireSuite(blocksSuite, kSpBlocksSuiteName, kSpBlocksSuiteVersion) ||
      blocksSuite->allocateBlock(byteCount, "ai::SPAlloc::AllocateBlock", &block) != 0)
    throw Error(kOutOfMemoryErr);
  return block;
}

void SPAlloc::freeBlock(void* block)
{
  using namespace qor::aip;
  if (block && acquireSuite(blocksSuite, kSpBlocksSuiteName, kSpBlocksSuiteVersion))
    blocksSuite->freeBlock(block);
}

}  // namespace ai
