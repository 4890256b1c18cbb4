// Holders of the host's artboard list and artboard properties references: each obtains its reference
// once and gives it back once, on every path. The suite functions take the holder's address.
#pragma once

#include "hostapi/HostApi.h"

namespace ai {

class HostArtboardList
{
public:
  // Obtains the current document's artboard list.
  HostArtboardList();
  HostArtboardList(const HostArtboardList&) = delete;
  HostArtboardList& operator=(const HostArtboardList&) = delete;
  ~HostArtboardList();

  bool ok() const { return obtained; }
  ArtboardListHolder* holder() { return &list; }

private:
  ArtboardListHolder list{};
  bool obtained = false;
};

class HostArtboardProperties
{
public:
  // Initialises an empty properties object.
  HostArtboardProperties();
  HostArtboardProperties(HostArtboardProperties&& other) noexcept;
  HostArtboardProperties& operator=(HostArtboardProperties&& other) noexcept;
  HostArtboardProperties(const HostArtboardProperties&) = delete;
  HostArtboardProperties& operator=(const HostArtboardProperties&) = delete;
  ~HostArtboardProperties();

  bool isNull() const { return props.ref == nullptr; }
  ArtboardPropsHolder* holder() { return &props; }
  // Disposes the object now.
  void dispose();

private:
  ArtboardPropsHolder props{};
};

}  // namespace ai
