#include "plat/qorplatLocalizer.h"

namespace qor {
namespace plat {

Localizer::Localizer(Locale defaultLocale)
  : texts(new utils::Map<std::string, LocaleTexts*>()), defaultLocale_(defaultLocale)
{
}

Localizer::~Localizer()
{
  for (auto& entry : *texts) {
    delete entry.second;
    entry.second = nullptr;
  }
  texts->clear();
  delete texts;
}

Locale Localizer::defaultLocale() const
{
  return defaultLocale_;
}

void Localizer::setDefaultLocale(Locale locale)
{
  defaultLocale_ = locale;
}

void Localizer::set(const std::string& key, Locale locale, const std::string& text)
{
  LocaleTexts* perKey = findKey(key);
  if (!perKey) {
    perKey = new LocaleTexts();
    texts->insert(key, perKey);
  }
  if (perKey->contains(locale))
    remove(key, locale);
  perKey->insert(locale, text);
}

void Localizer::remove(const std::string& key, Locale locale)
{
  if (LocaleTexts* perKey = findKey(key))
    perKey->remove(locale);
}

Localizer::LocaleTexts* Localizer::findKey(const std::string& key) const
{
  LocaleTexts* perKey = nullptr;
  texts->get(key, perKey);
  return perKey;
}

std::string Localizer::get(const std::string& key, Locale locale) const
{
  const LocaleTexts* perKey = findKey(key);
  if (!perKey)
    return std::string();
  std::string text;
  if (perKey->get(locale, text) || perKey->get(defaultLocale_, text))
    return text;
  return std::string();
}

}  // namespace plat
}  // namespace qor
