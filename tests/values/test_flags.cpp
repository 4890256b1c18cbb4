// Setting bits in the framework's flag words with the one flag operator.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/qorcoreFlagOperators.h"
#include "core/qorcoreMessage.h"

namespace qortest_flags {

enum class Request : int32_t
{
  None = 0,
  Anchors = 0x1,
  Segments = 0x8,
  Guides = 0x10000,
  AllButGuides = -65537,
};

enum Small : uint8_t
{
  Low = 0x01,
  High = 0x80,
};

TEST(Flags, OrIntoEveryKindOfFlagWord)
{
  using namespace qor::core;
  ModifierKeys keys = NoModifierKeys;
  keys |= ShiftModifierKey;
  (keys |= CtrlModifierKey) |= NoModifierKeys;  // the word is returned, so calls chain
  EXPECT_EQ(keys, ModifierKeys(5));
  keys |= ShiftModifierKey;
  EXPECT_EQ(keys, ModifierKeys(5)) << "a bit already set stays set";

  Request request = Request::None;
  request |= Request::Anchors;
  request |= 0x8;
  EXPECT_EQ(request, Request(9));
  // Negative requests keep their bit pattern.
  request = Request::AllButGuides;
  request |= Request::Guides;
  EXPECT_EQ(int32_t(request), -1);

  Small small = Low;
  small |= High;
  EXPECT_EQ(small, Small(0x81));
  small |= Request::Anchors;  // bits of another enumeration
  EXPECT_EQ(small, Small(0x81));

  static_assert([] {
    Request r = Request::Anchors;
    r |= Request::Segments;
    return r == Request(9);
  }(), "usable in constant expressions");
}

}  // namespace qortest_flags
