// The reference counting of the layer's objects behind system interfaces: each starts with one
// reference and deletes itself when the last one goes. Not part of the layer's API.
#pragma once

#include "win/WinTypes.h"

#include <atomic>

template <class Interface>
class qorwinComObject : public Interface
{
public:
  ULONG AddRef() override { return ++count_; }
  ULONG Release() override
  {
    const ULONG left = --count_;
    if (left == 0)
      delete this;
    return left;
  }

private:
  std::atomic<ULONG> count_{1};
};
