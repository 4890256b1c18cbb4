// The client handle of a host unique id: handles of one id share its one registered wrapper. Through it
// a client finds the art that carries the id and reads the id's name.
#pragma once

#include <string>

#include "aip/qoraipUID.h"

namespace qor {
namespace core {

class Art;

class UID
{
public:
  UID() = default;
  // Shares the registered wrapper of the given wrapper's host id (one more count).
  explicit UID(aip::UID* impl);
  UID(const UID& other);
  virtual ~UID();
  virtual UID& operator=(const UID& other);
  virtual bool operator==(const UID& other) const;
  virtual bool operator!=(const UID& other) const;
  virtual UIDHandle hostHandle() const;
  virtual bool isEmpty() const;
  // A new handle of the art that carries the id, owned by the caller; null when there is none.
  virtual Art* art() const;
  virtual std::string name() const;

  UID& assign(const UID& other) { return *this = other; }
  aip::UID* impl() const { return impl_; }

  aip::UID* data() const { return impl_; }

private:
  aip::UID* impl_ = nullptr;
};

UID wrapUID(aip::UID* impl);

} // namespace core
} // namespace qor
