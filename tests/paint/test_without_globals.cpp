// Paint handles made while the plug-in's globals do not exist: empty, unregistered, and nothing leaks
// (the sanitizer's leak check sees an implementation that nobody took).
#include "core/qorcoreArtStyle.h"
#include "core/qorcoreGradient.h"
#include "core/qorcoreHandleGlobals.h"
#include "core/qorcoreSymbol.h"

#include <gtest/gtest.h>

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

namespace withoutGlobalsTest {

// Records made without globals are never freed by design (late in shutdown nothing is released); the
// leak check is told about exactly those, so a leaked implementation still fails the test.
template <class Handle> void recordOutlivesHandle(const Handle& handle)
{
#ifdef __SANITIZE_ADDRESS__
  __lsan_ignore_object(handle.data());
#else
  (void)handle;
#endif
}

TEST(PaintHandlesWithoutGlobals, AreEmptyAndLeakNothing)
{
  ASSERT_EQ(qor::core::handleGlobals(), nullptr);
  void* someHost = reinterpret_cast<void*>(0x100);

  qor::core::ArtStyle style(new qor::aip::ArtStyle(static_cast<ArtStyleHandle>(someHost)));
  EXPECT_EQ(style.paintFieldCount(), -1);
  EXPECT_TRUE(style.hostQuery());
  EXPECT_EQ(style.name(), "");
  EXPECT_EQ(style.paintFieldAt(0), nullptr);
  EXPECT_EQ(style.blendField(), nullptr);
  recordOutlivesHandle(style);

  qor::core::Gradient gradient = qor::core::wrapGradient(new qor::aip::Gradient(static_cast<GradientHandle>(someHost)));
  EXPECT_TRUE(gradient.isEmpty());
  EXPECT_EQ(gradient.stopCount(), 0);
  EXPECT_EQ(gradient.stopAt(0), nullptr);
  recordOutlivesHandle(gradient);

  qor::core::Pattern pattern = qor::core::wrapPattern(new qor::aip::Pattern(someHost));
  qor::core::Symbol symbol = qor::core::wrapSymbol(new qor::aip::Symbol(static_cast<SymbolHandle>(someHost)));
  EXPECT_TRUE(pattern.isEmpty());
  EXPECT_TRUE(symbol.isEmpty());
  EXPECT_EQ(symbol.art(), nullptr);
  EXPECT_EQ(symbol.placeInstance(qor::core::ArtboardPoint(0, 0), 100, nullptr), nullptr);
  recordOutlivesHandle(pattern);
  recordOutlivesHandle(symbol);

  // With the globals gone, a handle that took an implementation keeps it: the caller's pointer stays.
  qor::aip::Gradient* kept = new qor::aip::Gradient(static_cast<GradientHandle>(someHost));
  {
    qor::core::Gradient direct(kept);
    EXPECT_NE(kept, nullptr);
    recordOutlivesHandle(direct);
  }
  delete kept;
}

} // namespace withoutGlobalsTest
