#include "aip/qoraipLocalizer.h"

#include "aip/qoraipBasePlugin.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipPluginGlobals.h"

namespace qor {
namespace aip {

Localizer::Localizer() : plat::Localizer(defaultHostLocale) {}

plat::Locale Localizer::localeForHostLanguage(int32_t code)
{
  // Host language codes 4 to 41, in order.
  static const int32_t locales[] = {190, 150, 250, 290, 300, 470, 480, 310, 100, 180, 240, 400, 420,
                                    370, 360, 350, 320, 130, 140, 340, 330, 230, 120, 280, 160, 390,
                                    380, 440, 430, 460, 110, 270, 450, 410, 220, 170, 200, 260};
  constexpr int32_t first = 4;
  constexpr int32_t count = sizeof(locales) / sizeof(locales[0]);
  if (code < first || code >= first + count)
    return defaultHostLocale;
  return plat::Locale(locales[code - first]);
}

std::string Localizer::hostLocale(const std::string& key) const
{
  int32_t language = 0;
  if (Illustrator* app = Illustrator::instance())
    language = app->appLanguage();
  return get(key, localeForHostLanguage(language));
}

Localizer* Localizer::instance()
{
  BasePlugin* plugin = BasePlugin::instance();
  PluginGlobals* globals = plugin ? plugin->globals() : nullptr;
  return globals ? globals->localizer : nullptr;
}

}  // namespace aip
}  // namespace qor
