#include "aip/qoraipStandardButtonTexts.h"

#include "core/qorcoreConstants.h"

namespace qor {
namespace aip {

namespace qoraipStandardButtonTexts_detail {
struct English
{
  const char* yes = "Yes";
  const char* no = "No";
  const char* ok = "OK";
  const char* cancel = "Cancel";
  const char* dontShowAgain = "Don't show again";
};
constexpr English english{};
}  // namespace qoraipStandardButtonTexts_detail



const StandardButtonTexts standardButtonTexts[36] = {
  {100, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {110, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {120, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {130, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {150, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {140, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {160, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {210, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {190, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {180, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {220, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {230, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {250, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {240, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {270, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {280, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {290, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {300, u8"\u306F\u3044", u8"\u306A\u3057", "OK", u8"\u30AD\u30E3\u30F3\u30BB\u30EB", u8"\u6B21\u304B\u3089\u975E\u8868\u793A"},
  {310, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {340, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {320, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {330, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {350, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {370, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {360, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {380, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {390, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {400, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {410, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {420, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {430, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {440, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {450, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {460, qoraipStandardButtonTexts_detail::english.yes, qoraipStandardButtonTexts_detail::english.no, qoraipStandardButtonTexts_detail::english.ok, qoraipStandardButtonTexts_detail::english.cancel, qoraipStandardButtonTexts_detail::english.dontShowAgain},
  {480, u8"\u662F", u8"\u5426", "OK", u8"\u53D6\u6D88", "Don't show again"},
  {470, u8"\u662F", u8"\u5426", u8"\u786E\u5B9A", u8"\u53D6\u6D88", u8"\u4E0D\u518D\u663E\u793A"},
};

void registerStandardButtonTexts(plat::Localizer& localizer)
{
  using Field = const char* StandardButtonTexts::*;
  const struct
  {
    const std::string& key;
    Field text;
  } keys[] = {{core::yesButtonTextKey, &StandardButtonTexts::yes},
              {core::noButtonTextKey, &StandardButtonTexts::no},
              {core::okButtonTextKey, &StandardButtonTexts::ok},
              {core::cancelButtonTextKey, &StandardButtonTexts::cancel},
              {core::dontShowAgainButtonTextKey, &StandardButtonTexts::dontShowAgain}};
  for (const auto& key : keys)
    for (const StandardButtonTexts& row : standardButtonTexts)
      localizer.set(key.key, plat::Locale(row.locale), row.*key.text);
}

}  // namespace aip
}  // namespace qor
