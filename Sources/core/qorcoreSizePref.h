// The preference handle of one stored size.
#pragma once

#include "core/qorcorePrefHandle.h"
#include "core/qorcoreSize.h"

namespace qor {
namespace core {

class SizePref : public PrefHandle<SizePref>
{
public:
  SizePref() = default;
  SizePref(const SizePref& other) = default;
  SizePref& operator=(const SizePref& other) = default;
  using PrefData::operator=;

  // (0, 0) when the handle is empty or holds another kind of value.
  virtual Size sizeValue() const;
  // False, and nothing changes, when the handle is empty or holds another kind of value.
  virtual bool setSize(const Size& value);
};

} // namespace core
} // namespace qor
