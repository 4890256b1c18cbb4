// Host-facing annotator: the object an annotator implementation registers with the router, which
// asks it to draw while the host's annotation drawer is current.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipMsgEnv.h"

namespace qor::core {
class Callback;
}

namespace qor::aip {

class Annotator
{
public:
  virtual ~Annotator() = default;
  virtual void draw() = 0;
  virtual AnnotatorHandle hostHandle() const = 0;
  virtual std::string name() const = 0;
  virtual bool isEnabled() const = 0;
  virtual void enable() = 0;
  virtual void disable() = 0;
  virtual int32_t flags() const = 0;
  virtual void setFlags(int32_t flags) = 0;
  virtual core::Callback* callback() const = 0;
  // Takes ownership of the callback.
  virtual void setCallback(core::Callback* callback) = 0;
};

} // namespace qor::aip
