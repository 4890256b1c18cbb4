// One wrapper per host unique id, counted by the client handles that share it and registered in the
// plug-in globals: the art that carries the id, references to it, and its name with the host's
// "_x..._" escapes turned back into characters.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class Art;

class UID
{
public:
  // Stores the host id (whose one reference this wrapper now holds) with count 0 and registers itself.
  explicit UID(UIDHandle uid);
  UID(const UID&) = delete;
  UID& operator=(const UID&) = delete;

  // The registered wrapper of the id, else a new one, with one more count; null for a null id, without
  // the plug-in's globals or without an open document.
  static UID* getOrCreate(UIDHandle uid);
  // The wrapper of an art's id (made when the art has none yet).
  static UID* fromArt(ArtHandle art);
  // The wrapper of the id a host reference points to.
  static UID* fromReference(UIDRefHandle ref);

  UIDHandle hostHandle() const { return uid_; }
  int32_t count() const { return count_; }
  void retain() { ++count_; }
  // Count - 1; at 0 or below unregisters and deletes the wrapper.
  void release();
  void unregister();

  // The host art that carries the id, or null.
  ArtHandle art() const;
  // A new art implementation around art(), or null; the caller owns it.
  Art* artObject() const;
  // A new host reference to the id, owned by the caller; null without a document.
  UIDRefHandle newReference() const;
  // The id's name as readable UTF-8 text; "" without the plug-in's globals.
  std::string unescapeUIDName() const;

  // Fills the globals' escape table once (character to escape, in the table's fill order).
  static void buildEscapeTable();

private:
  ~UID() = default;
  // Takes the wrapper of a host id just received: a registered wrapper holds its own reference already,
  // so the new one is given back.
  static UID* adopt(UIDHandle uid);
  // Inside a document scope, the wrapper of the id a host call hands out.
  static UID* fromHost(const std::function<HostErr(UIDHandle*)>& ask);

  int32_t count_ = 0;
  UIDHandle uid_;
};

} // namespace aip
} // namespace qor
