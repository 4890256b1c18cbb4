#include "tfPrefs.h"

#include "tfGlobals.h"

namespace tf {

namespace tfPrefs_detail {

// Leaves the option alone when the key can be neither read nor created.
void readNumber(qor::core::Preferences& document, const char* key, double fallback, qor::core::NumberPref& pref,
                double& option)
{
  if (document.getOrCreateNumber(key, fallback, pref))
    option = pref.doubleValue();
}

void readBool(qor::core::Preferences& document, const char* key, bool fallback, qor::core::BoolPref& pref,
              bool& flag)
{
  if (document.getOrCreateBool(key, fallback, pref))
    flag = pref.boolValue();
}

}  // namespace tfPrefs_detail

tfPrefs::tfPrefs() = default;

tfPrefs::~tfPrefs() = default;

void tfPrefs::setDefaults()
{
  tfBasePrefs::setDefaults();
}

void tfPrefs::loadPreferences()
{
  tfBasePrefs::loadPreferences();
}

void tfPrefs::readKeys()
{
  using tfPrefs_detail::readBool;
  using tfPrefs_detail::readNumber;
  tfBasePrefs::readKeys();
  readNumber(preferences, "pDist", defaultDistance, distancePref, globals.distance);
  readNumber(preferences, "pAngle", defaultAngle, anglePref, globals.angle);
  readNumber(preferences, "pSmooth", defaultSmooth, smoothPref, globals.smooth);
  readNumber(preferences, "pStraight", defaultStraight, straightPref, globals.straight);
  readBool(preferences, "avgPts", true, avgPtsPref, globals.avgPts);
  readBool(preferences, "avgCtls", false, avgCtlsPref, globals.avgCtls);
}

// "avgCtls" is read but never written back.
void tfPrefs::writeKeys()
{
  distancePref.setDouble(globals.distance);
  anglePref.setDouble(globals.angle);
  smoothPref.setDouble(globals.smooth);
  straightPref.setDouble(globals.straight);
  avgPtsPref.setBool(globals.avgPts);
  tfBasePrefs::writeKeys();
}

}  // namespace tf
