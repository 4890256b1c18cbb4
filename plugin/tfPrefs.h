// The path-joining plug-in's preference file: the update-check settings of the base and the four join
// options with the two stored flags, read into and written from the plug-in's globals.
#pragma once

#include "tfBasePrefs.h"

namespace tf {

class tfPrefs : public tfBasePrefs
{
public:
  tfPrefs();
  ~tfPrefs() override;

  void setDefaults() override;
  void loadPreferences() override;
  void readKeys() override;
  void writeKeys() override;

  // The keys' defaults, which a new file is written with.
  static constexpr double defaultDistance = 0.05;
  static constexpr double defaultAngle = 120.0;
  static constexpr double defaultSmooth = 30.0;
  static constexpr double defaultStraight = 0.0001;

  qor::core::NumberPref distancePref;
  qor::core::NumberPref anglePref;
  qor::core::NumberPref smoothPref;
  qor::core::NumberPref straightPref;
  qor::core::BoolPref avgPtsPref;
  qor::core::BoolPref avgCtlsPref;
};

}  // namespace tf
