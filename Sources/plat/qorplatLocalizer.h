// A table of localised texts: one text per (key, locale), with a default locale that stands in
// when the asked locale has no text.
#pragma once

#include <cstdint>
#include <string>

#include "utils/qorutilsMap.h"

namespace qor {
namespace plat {

// Locale codes are opaque numbers, 100 to 480 in steps of 10.
enum Locale : int32_t
{
};

class Localizer
{
public:
  using LocaleTexts = utils::Map<Locale, std::string>;

  explicit Localizer(Locale defaultLocale);
  Localizer(const Localizer&) = delete;
  Localizer& operator=(const Localizer&) = delete;
  virtual ~Localizer();

  virtual Locale defaultLocale() const;
  virtual void setDefaultLocale(Locale locale);
  // The newest text of a (key, locale) pair wins.
  virtual void set(const std::string& key, Locale locale, const std::string& text);
  virtual void remove(const std::string& key, Locale locale);
  virtual LocaleTexts* findKey(const std::string& key) const;
  // The key's text for the locale, else for the default locale, else "".
  virtual std::string get(const std::string& key, Locale locale) const;

private:
  utils::Map<std::string, LocaleTexts*>* texts;
  Locale defaultLocale_;
};

}  // namespace plat
}  // namespace qor
