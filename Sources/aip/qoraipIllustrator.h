// The framework-side host-application singleton: the host's version and language, the current
// document, fonts, URL opening, the UI theme, the UI-scale preferences and the stack of
// application contexts that wraps client callbacks run outside a host message.
#pragma once

#include <cstdint>
#include <string>

#include "hostapi/HostApi.h"
#include "utils/qorutilsMap.h"
#include "utils/qorutilsVector.h"

namespace qor {
namespace aip {

class Document;
class Font;

// A colour of four components from 0 to 1.
struct ThemeColor
{
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;
  double alpha = 1.0;
};

class Illustrator
{
public:
  Illustrator();
  Illustrator(const Illustrator&) = delete;
  Illustrator& operator=(const Illustrator&) = delete;
  ~Illustrator();

  // The singleton held in the plug-in globals, or null.
  static Illustrator* instance();

  // Owned by the singleton; null without a current document.
  Document* currentDocument();
  int32_t documentCount() const;
  int32_t majorVersion() const;
  int32_t minorVersion() const;
  int32_t revisionNumber() const;
  std::string versionString(bool withRevision) const;
  int32_t appLanguage() const;
  bool openURL(const std::string& url) const;
  void pushAppContext();
  void popAppContext();
  bool isDarkUI() const;
  ThemeColor themeColor(int32_t context, int32_t role) const;
  double uiBrightness() const;
  bool isUIScaled();
  double snapUIScaleFactor();
  // Every host font under its lower-cased full name, the first font of a name winning; each entry
  // holds one count.
  void fillFontCache();
  // Releases every cached font and empties the cache.
  void clearFontCache();
  // The host font of that name (compared lower-cased), with one count for the caller; null when none.
  Font* fontByName(const std::string& name);
  void* hostInstance() const { return hostInstance_; }
  size_t appContextDepth() const { return appContexts.size(); }

private:
  ThemeColor hostThemeItem(int32_t context, int32_t item) const;
  // Each host font in index order, with one count for the visitor, until the visitor returns true
  // (it then owns that count, else it must give the count back itself).
  template <class Visit> void forEachHostFont(Visit visit) const;

  void* hostInstance_ = nullptr;
  utils::Vector<AppContext> appContexts;
  Document* currentDocument_ = nullptr;
  utils::Map<std::string, Font*> fontCache;
  bool scaleUICached = false;
  bool scaleUI = false;
  bool snapFactorCached = false;
  double snapFactor = 1.0;
};

// The host's interface language code; 0 when the host writes nothing.
int32_t hostLanguageCode();

// Whether the host can open URLs.
bool canOpenURL();

}  // namespace aip
}  // namespace qor
