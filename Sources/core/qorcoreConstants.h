// Fixed names of the client interface: the menu separator text, the standard button text keys,
// the members of style preference objects and the message placeholders.
#pragma once

#include <string>

namespace qor {
namespace core {

// A menu or pop-up entry whose text is exactly this is a separator.
inline const std::string menuSeparatorText = "-";

inline const std::string yesButtonTextKey = "YesBtnTextKey";
inline const std::string noButtonTextKey = "NoBtnTextKey";
inline const std::string okButtonTextKey = "OKBtnTextKey";
inline const std::string cancelButtonTextKey = "CancelBtnTextKey";
inline const std::string dontShowAgainButtonTextKey = "DontShowAgainBtnTextKey";

// Style preference members; the map form of a style appends "Kn" to each.
inline const std::string dashLengthsKey = "__lens";
inline const std::string dashLengthsKnownKey = "__lensKn";
inline const std::string dashCountKey = "__ct";
inline const std::string dashCountKnownKey = "__ctKn";
inline const std::string dashOffsetKey = "__off";
inline const std::string dashOffsetKnownKey = "__offKn";
inline const std::string fillColorKey = "__col";
inline const std::string fillColorKnownKey = "__colKn";
inline const std::string fillOverprintKey = "__oprnt";
inline const std::string fillOverprintKnownKey = "__oprntKn";
inline const std::string strokeColorKey = "__col";
inline const std::string strokeColorKnownKey = "__colKn";
inline const std::string strokeOverprintKey = "__oprnt";
inline const std::string strokeOverprintKnownKey = "__oprntKn";
inline const std::string strokeWidthKey = "__w";
inline const std::string strokeWidthKnownKey = "__wKn";
inline const std::string strokeDashKey = "__dash";
inline const std::string strokeDashKnownKey = "__dashKn";
inline const std::string strokeCapKey = "__cap";
inline const std::string strokeCapKnownKey = "__capKn";
inline const std::string strokeJoinKey = "__jn";
inline const std::string strokeJoinKnownKey = "__jnKn";
inline const std::string strokeMiterLimitKey = "__ml";
inline const std::string strokeMiterLimitKnownKey = "__mlKn";
inline const std::string pathFillPaintKey = "__uf";
inline const std::string pathFillPaintKnownKey = "__ufKn";
inline const std::string pathFillKey = "__f";
inline const std::string pathFillKnownKey = "__fKn";
inline const std::string pathStrokePaintKey = "__us";
inline const std::string pathStrokePaintKnownKey = "__usKn";
inline const std::string pathStrokeKey = "__s";
inline const std::string pathStrokeKnownKey = "__sKn";
inline const std::string pathEvenOddKey = "__eo";
inline const std::string pathEvenOddKnownKey = "__eoKn";
inline const std::string pathResolutionKey = "__res";
inline const std::string pathResolutionKnownKey = "__resKn";

// Placeholders offered to client message texts; the framework never substitutes them.
inline const std::string pluginCompanyNamePlaceholder = "[[PLUGIN_COMPANY_NAME]]";
inline const std::string pluginCompanyPhonePlaceholder = "[[PLUGIN_COMPANY_PHONE]]";
inline const std::string pluginCompanyIntPhonePlaceholder = "[[PLUGIN_COMPANY_INT_PHONE]]";
inline const std::string pluginCompanyGeneralEmailPlaceholder = "[[PLUGIN_COMPANY_GENERAL_EMAIL]]";
inline const std::string pluginCompanySupportEmailPlaceholder = "[[PLUGIN_COMPANY_SUPPORT_EMAIL]]";
inline const std::string pluginCompanyUrlPlaceholder = "[[PLUGIN_COMPANY_URL]]";
inline const std::string pluginFullNamePlaceholder = "[[PLUGIN_FULL_NAME]]";
inline const std::string pluginShortNamePlaceholder = "[[PLUGIN_SHORT_NAME]]";
inline const std::string pluginVersionPlaceholder = "[[PLUGIN_VERSION]]";
inline const std::string pluginVersionFullPlaceholder = "[[PLUGIN_VERSION_FULL]]";
inline const std::string pluginFileNamePlaceholder = "[[PLUGIN_FILE_NAME]]";
inline const std::string pluginFilePathPlaceholder = "[[PLUGIN_FILE_PATH]]";
inline const std::string panelNamePlaceholder = "[[PANEL_NAME]]";
inline const std::string documentNamePlaceholder = "[[DOCUMENT_NAME]]";
inline const std::string documentPathPlaceholder = "[[DOCUMENT_PATH]]";
inline const std::string layerNamePlaceholder = "[[LAYER_NAME]]";
inline const std::string fontNamePlaceholder = "[[FONT_NAME]]";
inline const std::string keyNamePlaceholder = "[[KEY_NAME]]";
inline const std::string userNamePlaceholder = "[[USER_NAME]]";
inline const std::string userCompanyPlaceholder = "[[USER_COMPANY]]";
inline const std::string otherVersionPlaceholder = "[[OTHER_VERSION]]";
inline const std::string otherVersionFullPlaceholder = "[[OTHER_VERSION_FULL]]";

// Width of the client's floating panel.
inline constexpr double defaultPanelWidth = 240.0;

}  // namespace core
}  // namespace qor
