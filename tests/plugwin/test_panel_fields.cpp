// The options panel's four fields typed into through the real edit controls: the keystroke filters,
// the commits with their limits and alerts, the labels that focus their field, and the typed options
// used by the next join and stored in the preference file.
#include "hostapi/UserSuite.h"
#include "hostsimPanels.h"
#include "plugwinFixture.h"
#include "tfGlobals.h"
#include "win/WinTest.h"

namespace plugwintest {

// The panel's fields in reading order.
enum Field
{
  Distance,
  Angle,
  Smooth,
  Straight
};

class PanelFields : public PlugWin
{
protected:
  void SetUp() override
  {
    PlugWin::SetUp();
    startWithSite();
    ASSERT_EQ(app.area<hostsim::MenuItems>().choose("Tool Palettes Junctate"), 0);
    doc = open("<path id='a' d='M0 0 L10 0'/><path id='b' d='M10.2 0 L20 0'/>", {"a", "b"});
    app.sendNotification("AI Document Changed Notifier");
  }
  HWND content() { return app.area<hostsim::Panels>().findByTitle("Junctate")->content; }
  // The panel's fields in reading order: distance, angle, smooth, straight.
  HWND field(int index)
  {
    std::vector<HWND> edits;
    for (HWND window : children(content())) {
      char16_t name[16] = {};
      GetClassNameW(window, name, 16);
      if (std::u16string(name) == u"Edit")
        edits.push_back(window);
    }
    std::stable_sort(edits.begin(), edits.end(), [](HWND a, HWND b) {
      RECT ra, rb;
      GetWindowRect(a, &ra);
      GetWindowRect(b, &rb);
      return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return edits.at(size_t(index));
  }
  // Clicks into the field, selects everything and types (without committing).
  void typeOver(HWND f, const std::u16string& text)
  {
    qorwin::click(f, 2, 2);
    SendMessageW(f, EM_SETSEL, 0, -1);
    qorwin::postText(text);
    qorwin::pump();
  }
  void enter()
  {
    qorwin::postText(u"\r");
    qorwin::pump();
  }
  bool panelHasFocus()
  {
    HWND focus = GetFocus();
    return focus && (focus == content() || IsChild(content(), focus));
  }
  size_t paths()
  {
    size_t n = 0;
    doc->forEachArt([&](hostsim::Art* art) { n += art->type == hostsim::Art::kPath; });
    return n;
  }

  hostsim::Document* doc = nullptr;
};

TEST_F(PanelFields, TheFieldsShowTheStoredOptions)
{
  EXPECT_EQ(windowText(field(Distance)), "0.05");
  EXPECT_EQ(windowText(field(Angle)), "120");
  EXPECT_EQ(windowText(field(Smooth)), "30");
  EXPECT_EQ(windowText(field(Straight)), "0.0001");
}

struct Keys
{
  const char* name;
  int field;
  std::u16string typed;  // over the whole text; \b is Backspace
  std::string shows;
};

void PrintTo(const Keys& k, std::ostream* out)
{
  *out << k.name;
}

class Filters : public PanelFields, public ::testing::WithParamInterface<Keys>
{
};

// The first keystroke after start-up is taken as it is; these come after one accepted digit.
TEST_P(Filters, UndoWhatTheFieldDoesNotTake)
{
  const Keys& k = GetParam();
  HWND f = field(k.field);
  typeOver(f, u"1");
  typeOver(f, k.typed);
  EXPECT_EQ(windowText(f), k.shows);
  EXPECT_EQ(windowText(field(k.field == Smooth ? Angle : Smooth)), k.field == Smooth ? "120" : "30")
      << "another field is not touched";
}

INSTANTIATE_TEST_SUITE_P(
    Panel, Filters,
    ::testing::Values(Keys{"AngleTakesThreeBytes", Angle, u"1234", "123"},
                      Keys{"SmoothTakesAPoint", Smooth, u"9.5", "9.5"},
                      Keys{"SmoothTakesFiveBytes", Smooth, u"123456", "12345"},
                      Keys{"ALetterIsUndone", Smooth, u"4x", "4"},
                      Keys{"AMinusIsUndone", Angle, u"-", "1"},
                      Keys{"BackspaceWorks", Straight, u"0.5\b\b7", "07"},
                      Keys{"DistanceHasNoLengthLimit", Distance, u"12345.678", "12345.678"},
                      // After an undone keystroke the caret stays where it was, so typing goes on there.
                      Keys{"TypingGoesOnAfterAnUndoneLetter", Distance, u"1e999", "1999"},
                      Keys{"TypingGoesOnAfterAnUndoneDigit", Angle, u"1234\b5", "125"}),
    [](const ::testing::TestParamInfo<Keys>& info) { return std::string(info.param.name); });

struct Commit
{
  const char* name;
  int field;
  std::u16string typed;
  std::string shows;
  std::string alert;  // "" for none
};

void PrintTo(const Commit& c, std::ostream* out)
{
  *out << c.name;
}

class Commits : public PanelFields, public ::testing::WithParamInterface<Commit>
{
};

TEST_P(Commits, EnterClampsFillsAndGivesTheFocusBack)
{
  const Commit& c = GetParam();
  HWND f = field(c.field);
  typeOver(f, u"1");
  typeOver(f, c.typed);
  enter();
  EXPECT_EQ(windowText(f), c.shows);
  if (c.alert.empty()) {
    EXPECT_TRUE(shown.empty()) << shown.front().texts.at(0);
  } else {
    EXPECT_TRUE(showedText(c.alert));
  }
  EXPECT_FALSE(panelHasFocus()) << "the keyboard goes back to the host";
}

INSTANTIATE_TEST_SUITE_P(
    Panel, Commits,
    ::testing::Values(Commit{"AngleAbove180", Angle, u"200", "180", "The angle setting cannot be more than 180"},
                      Commit{"Angle180", Angle, u"180", "180", ""},
                      Commit{"SmoothAbove180", Smooth, u"180.5", "180", "The smoothing setting cannot be more than 180"},
                      Commit{"StraightAbove1", Straight, u"1.5", ".0001",
                             "The Merge Straight setting cannot be less than 0 or more than 1"},
                      Commit{"Straight1", Straight, u"1", "1", ""},
                      Commit{"Straight0", Straight, u"0", "0", ""},
                      Commit{"EmptyBecomes0", Angle, u"\b", "0", ""},
                      Commit{"EmptyDistanceBecomes0", Distance, u"\b", "0", ""},
                      // Text that is no number shows the option the command would use.
                      Commit{"NoNumberShowsTheOption", Distance, u"1.2.3", "0.05", ""},
                      Commit{"AngleNoNumber", Angle, u"..", "120", ""}),
    [](const ::testing::TestParamInfo<Commit>& info) { return std::string(info.param.name); });

TEST_F(PanelFields, LeavingAFieldCommitsItToo)
{
  HWND f = field(Angle);
  typeOver(f, u"1");
  typeOver(f, u"300");
  qorwin::postKey(VK_TAB);
  qorwin::pump();
  EXPECT_EQ(windowText(f), "180");
  EXPECT_TRUE(showedText("The angle setting cannot be more than 180"));
}

TEST_F(PanelFields, ALabelClickFocusesItsField)
{
  struct
  {
    const char* label;
    int field;
  } cases[] = {{"pts. apart", Distance}, {"Smooth curves", Smooth}, {"Merge straights", Straight}};
  for (const auto& c : cases) {
    HWND label = child(content(), c.label);
    ASSERT_NE(label, nullptr) << c.label;
    clickCentre(label);
    qorwin::pump();
    EXPECT_EQ(GetFocus(), field(c.field)) << c.label;
  }
  // The "° from tangent" beside the smooth field belongs to it.
  HWND unit = childAt(content(), 160, 75);
  ASSERT_NE(unit, nullptr);
  clickCentre(unit);
  qorwin::pump();
  EXPECT_EQ(GetFocus(), field(Smooth));
}

TEST_F(PanelFields, TheNextJoinUsesTheTypedOptionsAndStoresThem)
{
  ASSERT_EQ(paths(), 2u);
  clickCentre(child(content(), "Junctate"));
  EXPECT_EQ(paths(), 2u) << "0.2 apart is too far at the stored 0.05";
  typeOver(field(Distance), u"0.3");
  enter();
  clickCentre(child(content(), "Junctate"));
  EXPECT_EQ(paths(), 1u);
  EXPECT_EQ(prefValue("pDist"), "0.3");
  EXPECT_DOUBLE_EQ(tf::globals.distance, 0.3);
}

TEST_F(PanelFields, AFieldThatIsNoNumberKeepsTheOptionItHad)
{
  // Typed but never committed: the command reads it as it stands.
  typeOver(field(Distance), u"1.2.3");
  clickCentre(child(content(), "Assimilate"));
  EXPECT_EQ(prefValue("pDist"), "0.05");
  EXPECT_EQ(windowText(field(Distance)), "0.05");
}

// A host that does not hand out its number suite: the fields still show, read and store numbers.
class WithoutNumberSuite : public PanelFields
{
protected:
  void SetUp() override
  {
    app.refuseSuite(kUserSuiteName, kUserSuiteVersion);
    PanelFields::SetUp();
  }
};

TEST_F(WithoutNumberSuite, TheFieldsStillShowReadAndStoreNumbers)
{
  EXPECT_EQ(windowText(field(Distance)), "0.05");
  EXPECT_EQ(windowText(field(Straight)), "0.0001");
  typeOver(field(Angle), u"1");
  typeOver(field(Angle), u"200");
  enter();
  EXPECT_EQ(windowText(field(Angle)), "180");
  typeOver(field(Distance), u"0.3");
  enter();
  clickCentre(child(content(), "Junctate"));
  EXPECT_EQ(paths(), 1u);
  EXPECT_EQ(prefValue("pDist"), "0.3");
  EXPECT_EQ(prefValue("pAngle"), "180");
}

}  // namespace plugwintest
