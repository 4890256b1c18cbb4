// The process-wide state the maker's plug-ins share: the active flag that decides whether the plug-in
// does anything, and general-purpose fields this plug-in only carries. The host-version check lives here.
#pragma once

#include <cstdint>
#include <string>

#include "core/qorcoreAngle.h"
#include "core/qorcoreArtboardPoint.h"

class tfBaseGlobals
{
public:
  tfBaseGlobals();
  tfBaseGlobals(const tfBaseGlobals&) = default;
  tfBaseGlobals& operator=(const tfBaseGlobals&) = default;
  virtual ~tfBaseGlobals();

  // Warns once per host version when the host is not the one the plug-in was built for; a host
  // preference of 2 for that version switches the plug-in off.
  void checkHostVersion(const std::string& name);

  // The host's major version the plug-in was built for.
  static constexpr int32_t targetVersion = 21;
  // The suffix of the host preference that remembers the warning.
  static const char launchedKey[];
  // The host preference prefix for the plug-in's name: "Tf" + name + "-" + the target version.
  static std::string launchedPrefix(const std::string& name);

  bool active = false;

  qor::core::ArtboardPoint startPoint;
  qor::core::ArtboardPoint lastPoint;
  qor::core::Angle startAngle;
  qor::core::Angle lastAngle;
  double scale = 2.0;
  int32_t mode = 0x30000;
  int32_t count = 0;
  int32_t index = 0;
  bool dragging = false;
  bool constrained = false;
  std::string text1;
  std::string text2;
  std::string text3;
  std::string text4;
};
