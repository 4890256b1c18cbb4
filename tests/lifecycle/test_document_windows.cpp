// The running plug-in's platform knowledge: the window of each opened document, found below the
// host's main window, and the cache of this machine's fonts by full name.
#include "core/qorcoreCoreGlobals.h"
#include "hostsimContext.h"
#include "hostsimDocumentList.h"
#include "hostsimWindows.h"
#include "lifecycleTestSupport.h"
#include "win/Windows.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace test_document_windows {

using lifecycletest::count;

const char* const kOpened = "AI Document Opened Notifier";
const char* const kAboutToClose = "AI Document About To Close Notifier";

class DocumentWindows : public lifecycletest::StartedPlugin
{
public:
  hostsim::DocumentList& documents() { return app.area<hostsim::DocumentList>(); }
  PlatformWindow mainWindow() { return app.area<hostsim::Context>().mainWindow(); }
  std::map<DocumentHandle, HWND__*>& recorded() { return coreGlobals()->documentWindows; }
  HWND windowOf(DocumentHandle document) { return reinterpret_cast<HWND>(documents().window(document)); }
  // Opens a document, lets `before` add windows, then tells the plug-in.
  DocumentHandle open(const std::function<void()>& before = {})
  {
    DocumentHandle document = documents().open("Untitled");
    if (before)
      before();
    app.sendNotification(kOpened);
    return document;
  }
  PlatformWindow window(const char16_t* className, PlatformWindow parent)
  {
    return hostsim::createHostWindow(className, u"", parent);
  }
};

TEST_F(DocumentWindows, AnOpenedDocumentIsMappedToItsWindowOnceAndForgottenWhenItCloses)
{
  DocumentHandle first = open();
  ASSERT_EQ(recorded().size(), 1u);
  EXPECT_EQ(recorded()[first], windowOf(first));
  app.sendNotification(kOpened);
  EXPECT_EQ(count(log.lines(), "HWND already acquired for current document"), 1);
  EXPECT_EQ(recorded().size(), 1u);

  // Windows already recorded are not new: the second document finds only its own.
  DocumentHandle second = open();
  ASSERT_EQ(recorded().size(), 2u);
  EXPECT_EQ(recorded()[second], windowOf(second));

  app.sendNotification(kAboutToClose);
  EXPECT_EQ(recorded().count(second), 0u);
  EXPECT_EQ(recorded().count(first), 1u);
  documents().close(second);
  // The current document now is the first; closing it forgets it too.
  app.sendNotification(kAboutToClose);
  EXPECT_TRUE(recorded().empty());
  documents().close(first);
  // Nothing recorded for the current document: nothing removed, the handler still ends.
  open([&] { ShowWindow(windowOf(documents().current()), SW_HIDE); });
  EXPECT_TRUE(recorded().empty());
  app.sendNotification(kAboutToClose);
  EXPECT_EQ(count(log.lines(), "Ending intermediate plugin doc closed handler"), 3);
}

struct SearchCase
{
  const char* label;
  // Adds windows around the new document's own (given as the argument); returns the window that
  // must be recorded, or null.
  std::function<HWND(DocumentWindows&, HWND own)> arrange;
};

void PrintTo(const SearchCase& c, std::ostream* out)
{
  *out << c.label;
}

class Search : public DocumentWindows, public ::testing::WithParamInterface<SearchCase>
{
};

TEST_P(Search, OnlyOneNewVisibleDocumentWindowBelowTheMainWindowIsTaken)
{
  HWND expected = nullptr;
  DocumentHandle document =
      open([&] { expected = GetParam().arrange(*this, windowOf(documents().current())); });
  if (expected) {
    ASSERT_EQ(recorded().count(document), 1u);
    EXPECT_EQ(recorded()[document], expected);
  } else {
    EXPECT_EQ(recorded().count(document), 0u);
    EXPECT_EQ(count(log.lines(), "Ending intermediate plugin doc opened handler"), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Search,
    ::testing::Values(
        SearchCase{"plain", [](DocumentWindows&, HWND own) { return own; }},
        SearchCase{"twoNew",
                   [](DocumentWindows& t, HWND) -> HWND {
                     t.window(u"OWL.Document", t.mainWindow());
                     return nullptr;
                   }},
        SearchCase{"hidden",
                   [](DocumentWindows&, HWND own) -> HWND {
                     ShowWindow(own, SW_HIDE);
                     return nullptr;
                   }},
        SearchCase{"belowAHiddenWindow",
                   [](DocumentWindows& t, HWND own) -> HWND {
                     ShowWindow(own, SW_HIDE);
                     PlatformWindow frame = t.window(u"hostsim.Frame", t.mainWindow());
                     ShowWindow(reinterpret_cast<HWND>(frame), SW_HIDE);
                     t.window(u"OWL.Document", frame);
                     return nullptr;
                   }},
        // Another top-level window's document window is not the host's, so the own one is still alone.
        SearchCase{"anotherOwner",
                   [](DocumentWindows& t, HWND own) {
                     PlatformWindow other = t.window(u"hostsim.Other", nullptr);
                     t.window(u"OWL.Document", other);
                     t.window(u"OWL.Document", nullptr);
                     return own;
                   }},
        SearchCase{"nestedDeeperBelowTheMainWindow",
                   [](DocumentWindows& t, HWND own) {
                     ShowWindow(own, SW_HIDE);
                     PlatformWindow frame = t.window(u"hostsim.Frame", t.mainWindow());
                     return reinterpret_cast<HWND>(t.window(u"OWL.Document", frame));
                   }},
        SearchCase{"classNameMatchedWhole",
                   [](DocumentWindows& t, HWND own) -> HWND {
                     ShowWindow(own, SW_HIDE);
                     t.window(u"OWL.DocumentView", t.mainWindow());
                     return nullptr;
                   }}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DocumentWindows, TheFontCacheHoldsThisMachinesFontsByFullName)
{
  auto& cache = coreGlobals()->fontCache;
  ASSERT_EQ(cache.count("DejaVu Sans"), 1u);
  EXPECT_EQ(std::u16string(cache["DejaVu Sans"]->lfFaceName), u"DejaVu Sans");
  EXPECT_EQ(cache.count("DejaVu Sans Mono"), 1u);
  size_t before = cache.size();
  app.sendNotification("AI Font List Changed Notifier");
  EXPECT_EQ(cache.size(), before);
  EXPECT_EQ(count(log.lines(), "Ending intermediate plugin font list change handler"), 2);
}

} // namespace test_document_windows
