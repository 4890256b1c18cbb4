// Fixed names of the host-facing layer: notifier name prefixes and the members of the JSON
// forms of host values.
#pragma once

#include <string>

namespace qor {
namespace aip {

// Each framework notifier is named with its prefix followed by the plug-in's file name in
// which every blank is replaced by "_".
inline const std::string appStartedNotifierPrefix = "QORAppStartedNotifier";
inline const std::string appShutdownNotifierPrefix = "QORAppShutdownNotifier";
inline const std::string docChangedNotifierPrefix = "QORDocChangedNotifier";
inline const std::string currentLayerNotifierPrefix = "QORCurrentLayerNotifier";

inline const std::string artboardPointXKey = "__abx";
inline const std::string artboardPointYKey = "__aby";
inline const std::string artboardRectOriginKey = "__aborigin";
inline const std::string artboardRectSizeKey = "__absize";
inline const std::string artColorComponent1Key = "__c1";
inline const std::string artColorComponent2Key = "__c2";
inline const std::string artColorComponent3Key = "__c3";
inline const std::string artColorComponent4Key = "__c4";
inline const std::string artColorTypeKey = "__type";
inline const std::string artColorCustomFlagsKey = "__customFlags";
inline const std::string artColorCustomNameKey = "__customName";
inline const std::string artColorCustomTintKey = "__customTint";
inline const std::string artColorCustomTypeKey = "__customType";
inline const std::string colorRedKey = "__r";
inline const std::string colorGreenKey = "__g";
inline const std::string colorBlueKey = "__b";
inline const std::string colorOpacityKey = "__o";
inline const std::string fontFaceKey = "__face";
inline const std::string fontSizeKey = "__size";
inline const std::string matrixAKey = "__a";
inline const std::string matrixBKey = "__b";
inline const std::string matrixCKey = "__c";
inline const std::string matrixDKey = "__d";
inline const std::string matrixTxKey = "__tx";
inline const std::string matrixTyKey = "__ty";
inline const std::string pointXKey = "__x";
inline const std::string pointYKey = "__y";
inline const std::string rectOriginKey = "__origin";
inline const std::string rectSizeKey = "__size";
inline const std::string sizeWidthKey = "__w";
inline const std::string sizeHeightKey = "__h";

}  // namespace aip
}  // namespace qor
