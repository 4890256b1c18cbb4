// The path-joining plug-in's globals: the four join options, two stored flags and the tool state the
// maker's plug-ins carry. One instance lives for the life of the module.
#pragma once

#include "tfBaseGlobals.h"

class tfGlobals : public tfBaseGlobals
{
public:
  tfGlobals();
  tfGlobals(const tfGlobals&) = default;
  tfGlobals& operator=(const tfGlobals&) = default;
  ~tfGlobals() override;

  // Sets the five angles to 0 radians.
  void resetAngles();
  // Puts the tool-state fields back to their initial values.
  void resetToolState();

  double distance = 0.5;
  double angle = 15.0;
  double smooth = 30.0;
  double straight = 0.0001;
  bool avgPts = true;
  bool avgCtls = true;

  int32_t toolMode = 0x30000;
  int32_t toolStep = 0;
  double toolValue = 0.0;
  qor::core::Angle angles[5];
};

namespace tf {

// The plug-in's one globals block.
extern tfGlobals globals;

}  // namespace tf
