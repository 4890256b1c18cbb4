// Setting bits in a flag word: one operator for every flag enumeration of the framework (modifier
// keys, art flags, tool-message flags, hit-test requests), scoped or not, with bits given as the same
// enumeration, another one or a plain integer. (GCC takes "unscoped word |= integer" for the built-in
// operator and refuses it: give the bits of an unscoped enumeration as enumerators.)
#pragma once

#include <type_traits>

namespace qor {
namespace core {

template <class Flags, class Bits,
          std::enable_if_t<std::is_enum<Flags>::value && (std::is_enum<Bits>::value || std::is_integral<Bits>::value),
                           int> = 0>
constexpr Flags& operator|=(Flags& flags, Bits bits)
{
  // Done on the unsigned word, so that negative requests such as -65537 keep their bit pattern.
  using Word = std::make_unsigned_t<std::underlying_type_t<Flags>>;
  flags = static_cast<Flags>(static_cast<Word>(flags) | static_cast<Word>(bits));
  return flags;
}

}  // namespace core
}  // namespace qor
