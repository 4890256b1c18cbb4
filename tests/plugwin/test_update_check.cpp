// The software-update check against a loopback server playing the maker's site: what each reply
// shows, where the due date goes, the download through the browser, and the automatic check's
// once-per-run rule. Every answer arrives on the UI thread and no request outlives the test.
#include "plugwinFixture.h"
#include "win/WinTest.h"

namespace plugwintest {

using Mode = qortest::HttpServer::Mode;

namespace {

const char updateTitle[] = "Update Junctate";
const char upToDate[] = "Your Junctate plugin is up to date.";
const char unsupported[] = "This version of Junctate is not currently supported.";
const char connectionFailed[] = "Unable to establish internet connection to check for Junctate plugin update: ";

std::string notListed()
{
  return std::string("The plugin Junctate is not currently listed. Please contact ") + tf::supportEmail + ".";
}

}  // namespace

struct ReplyCase
{
  const char* name;
  int status;
  std::string body;
  bool asked;
  // The one text the user sees (a dialog's message or an alert), or "" for nothing.
  std::string shows;
  bool dueMoves;
  std::vector<std::string> headers = {};
};

void PrintTo(const ReplyCase& c, std::ostream* out)
{
  *out << c.name;
}

class Replies : public PlugWin, public ::testing::WithParamInterface<ReplyCase>
{
};

TEST_P(Replies, EachReplyShowsWhatItMeansOnTheUiThread)
{
  const ReplyCase& c = GetParam();
  server.on("/check/currentversion.php", {c.status, c.body, c.headers, Mode::Answer});
  server.on("/check/moved.php", {200, "16.4", {}, Mode::Answer});
  startWithSite();
  answer(updateTitle, press("Not Now"));
  const std::string dueBefore = prefValue("vCheckDue");
  ASSERT_EQ(dueBefore, dayText(0));

  ASSERT_TRUE(check(c.asked));
  ASSERT_GE(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].target, "/check/currentversion.php?p=JNCT");
  const std::string shows = c.shows == "<failure>" ? tf::tfBasePrefs::failureText() : c.shows;
  if (c.shows == "<any failure>") {
    // Whether the transport or the reading refuses it, the user hears of a failure.
    ASSERT_EQ(shown.size(), 1u);
    const std::string& text = shown[0].texts.at(0);
    EXPECT_TRUE(text == tf::tfBasePrefs::failureText() || text.rfind(connectionFailed, 0) == 0) << text;
  } else if (shows.empty()) {
    EXPECT_TRUE(shown.empty()) << shown.front().title;
  } else {
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(showedText(shows)) << "shown: " << ::testing::PrintToString(shown[0].texts);
    EXPECT_EQ(shown[0].thread, GetCurrentThreadId());
  }
  EXPECT_EQ(prefValue("vCheckDue"), c.dueMoves ? dayText(30) : dueBefore);
  EXPECT_FALSE(panel::prefs->userAsked);
  EXPECT_EQ(panel::prefs->request, nullptr);
}

// Stands for the failure alert, which names the site the test runs.
const char failure[] = "<failure>";

INSTANTIATE_TEST_SUITE_P(
    Site, Replies,
    ::testing::Values(
        ReplyCase{"Newer", 200, "16.3\n", false, "Junctate update available: 16.3", true},
        ReplyCase{"NewerAsked", 200, "17", true, "Junctate update available: 17", true},
        ReplyCase{"SameVersion", 200, "16.23", false, "", false},
        ReplyCase{"SameVersionAsked", 200, "16.23", true, upToDate, true},
        ReplyCase{"OlderVersion", 200, " 16.1 ", false, "", false},
        ReplyCase{"NotListed", 200, "0", false, notListed(), false},
        ReplyCase{"Unsupported", 200, "-1", false, unsupported, false},
        ReplyCase{"NotFound", 404, "<html>not found</html>", false, "", false},
        ReplyCase{"NotFoundAsked", 404, "<html>not found</html>", true, failure, false},
        // An error page that starts with a number is no newer release.
        ReplyCase{"ServerError", 500, "500 Internal Server Error", false, "", false},
        ReplyCase{"ServerErrorAsked", 500, "500 Internal Server Error", true, failure, false},
        ReplyCase{"GarbageAsked", 200, std::string("\x01\xfe\xff{]\0x", 7), true, failure, false},
        ReplyCase{"Empty", 200, "", false, "", false},
        ReplyCase{"EmptyAsked", 200, " \r\n", true, failure, false},
        ReplyCase{"HugeAsked", 200, std::string(2u << 20, '9'), true, "<any failure>", false},
        ReplyCase{"LongAsked", 200, std::string(4000, '9'), true, failure, false},
        ReplyCase{"Redirect", 302, "", false, "Junctate update available: 16.4", true, {"Location: /check/moved.php"}}),
    [](const ::testing::TestParamInfo<ReplyCase>& info) { return std::string(info.param.name); });

TEST_F(PlugWin, AFailedConnectionIsReportedOnlyWhenTheUserAsked)
{
  startWithSite();
  tf::setSiteAddress("http://127.0.0.1:" + std::to_string(qortest::HttpServer::closedPort()) + "/");
  ASSERT_TRUE(check(false));
  EXPECT_TRUE(shown.empty());
  ASSERT_TRUE(check(true));
  ASSERT_EQ(shown.size(), 1u);
  ASSERT_FALSE(shown[0].texts.empty());
  EXPECT_EQ(shown[0].texts[0].rfind(connectionFailed, 0), 0u) << shown[0].texts[0];
  EXPECT_GT(shown[0].texts[0].size(), std::string(connectionFailed).size()) << "names the system's reason";
  EXPECT_FALSE(panel::prefs->userAsked);
  EXPECT_EQ(prefValue("vCheckDue"), dayText(0)) << "nothing is rescheduled";
}

TEST_F(PlugWin, AStalledSiteTimesOutWithoutHangingTheHost)
{
  server.on("/check/currentversion.php", {200, "", {}, Mode::Stall});
  startWithSite();
  ASSERT_TRUE(check(true));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].texts.at(0).rfind(connectionFailed, 0), 0u);
  EXPECT_EQ(shown[0].thread, GetCurrentThreadId());
}

TEST_F(PlugWin, ShutdownWithACheckPendingEndsQuietly)
{
  server.on("/check/currentversion.php", {200, "", {}, Mode::Stall});
  startWithSite();
  panel::prefs->checkForUpdate(true);
  ASSERT_TRUE(qorwin::pumpUntil([&] { return server.requests().size() == 1; }));
  stop();
  qorwin::advance(1000);
  EXPECT_TRUE(shown.empty());
}

struct DownloadCase
{
  const char* name;
  bool alt;
  Mode mode;
  int status;
  const char* folder;
};

void PrintTo(const DownloadCase& c, std::ostream* out)
{
  *out << c.name;
}

class Downloads : public PlugWin, public ::testing::WithParamInterface<DownloadCase>
{
};

// The download goes to the browser whatever becomes of the plug-in's own request for it.
TEST_P(Downloads, GetUpdateOpensTheDownloadInTheBrowser)
{
  const DownloadCase& c = GetParam();
  const std::string path = std::string("/software/plugins/") + c.folder + "/Junctate16-21x32.zip";
  server.on("/check/currentversion.php", {200, "16.5", {}, Mode::Answer});
  server.on(path, {c.status, "PK\x03\x04 not really a zip", {}, c.mode});
  startWithSite();
  answer(updateTitle, [&](HWND dialog) {
    qorwin::setKeyDown(VK_MENU, c.alt);
    press("Get Update")(dialog);
    qorwin::setKeyDown(VK_MENU, false);
  });
  ASSERT_TRUE(check(false));
  ASSERT_TRUE(finishRequest());
  ASSERT_EQ(shown.size(), 1u) << "the download shows nothing of its own";
  ASSERT_EQ(opened().size(), 1u);
  EXPECT_EQ(opened()[0], server.url(path));
  EXPECT_EQ(panel::prefs->downloadName, "Junctate16-21x32.zip");
  EXPECT_EQ(server.requests().back().target, path);
  EXPECT_EQ(prefValue("vCheckDue"), dayText(30));
}

INSTANTIATE_TEST_SUITE_P(Site, Downloads,
                         ::testing::Values(DownloadCase{"Release", false, Mode::Answer, 200, "win"},
                                           DownloadCase{"BetaWithAlt", true, Mode::Answer, 200, "winbeta"},
                                           DownloadCase{"Missing", false, Mode::Answer, 404, "win"},
                                           DownloadCase{"Stalled", false, Mode::Stall, 200, "win"}),
                         [](const ::testing::TestParamInfo<DownloadCase>& info) { return std::string(info.param.name); });

struct DueCase
{
  const char* name;
  int dueInDays;
  bool autoCheck;
  size_t checks;
};

void PrintTo(const DueCase& c, std::ostream* out)
{
  *out << c.name;
}

class AutomaticCheck : public PlugWin, public ::testing::WithParamInterface<DueCase>
{
};

TEST_P(AutomaticCheck, TheFirstCommandOfARunChecksWhenDueAndOn)
{
  const DueCase& c = GetParam();
  writePrefs("\"vCheckDue\":" + dayText(c.dueInDays) + ",\"vCheckFreq\":30,\"autoVCheck\":" +
             (c.autoCheck ? "true" : "false"));
  server.on("/check/currentversion.php", {200, "16.23", {}, Mode::Answer});
  startWithSite();
  open("<path id='a' d='M0 0 L10 0'/><path id='b' d='M10.01 0 L20 0'/>", {"a", "b"});
  for (int run = 0; run < 2; ++run) {
    ASSERT_EQ(app.area<hostsim::MenuItems>().choose("Objects Paths Popup Junctate"), 0);
    ASSERT_TRUE(finishRequest());
  }
  EXPECT_EQ(server.requests().size(), c.checks);
  EXPECT_TRUE(shown.empty()) << "an automatic up-to-date answer shows nothing";
  EXPECT_EQ(prefValue("vCheckDue"), dayText(c.dueInDays)) << "and leaves the due date";
}

INSTANTIATE_TEST_SUITE_P(Frequency, AutomaticCheck,
                         ::testing::Values(DueCase{"DueToday", 0, true, 1}, DueCase{"Overdue", -40, true, 1},
                                           DueCase{"DueTomorrow", 1, true, 0}, DueCase{"Off", -1, false, 0}),
                         [](const ::testing::TestParamInfo<DueCase>& info) { return std::string(info.param.name); });

// A stored frequency far beyond 32 bits is clamped, not wrapped round to a negative number.
TEST_F(PlugWin, AHugeStoredFrequencyIsClampedTo180Days)
{
  writePrefs("\"vCheckFreq\":99999999999");
  server.on("/check/currentversion.php", {200, "17", {}, Mode::Answer});
  startWithSite();
  answer(updateTitle, press("Not Now"));
  ASSERT_TRUE(check(false));
  EXPECT_EQ(prefValue("vCheckFreq"), "180");
  EXPECT_EQ(prefValue("vCheckDue"), dayText(180));
}

TEST(VersionReplies, OnlyAPlainNumberIsAVersion)
{
  struct Case
  {
    std::string reply;
    tf::VersionReply::Kind kind;
    double value;
  } cases[] = {
      {"16.3", tf::VersionReply::Number, 16.3},   {" \t16.23\r\n", tf::VersionReply::Number, 16.23},
      {"-1", tf::VersionReply::Number, -1},       {"+17", tf::VersionReply::Number, 17},
      {"", tf::VersionReply::Empty, 0},           {"\n", tf::VersionReply::Empty, 0},
      {"1e999", tf::VersionReply::NotANumber, 0}, {"16.3 beta", tf::VersionReply::NotANumber, 0},
      {"1.2.3", tf::VersionReply::NotANumber, 0}, {".", tf::VersionReply::NotANumber, 0},
      {"nan", tf::VersionReply::NotANumber, 0},   {std::string(33, '1'), tf::VersionReply::NotANumber, 0},
  };
  for (const Case& c : cases) {
    tf::VersionReply reply = tf::readVersionReply(c.reply);
    EXPECT_EQ(reply.kind, c.kind) << "\"" << c.reply << "\"";
    if (c.kind == tf::VersionReply::Number) {
      EXPECT_DOUBLE_EQ(reply.value, c.value) << c.reply;
    }
  }
  EXPECT_EQ(tf::clampCheckFrequency(0), 1);
  EXPECT_EQ(tf::clampCheckFrequency(-5), 1);
  EXPECT_EQ(tf::clampCheckFrequency(std::nan("")), 1);
  EXPECT_EQ(tf::clampCheckFrequency(45.9), 45);
  EXPECT_EQ(tf::clampCheckFrequency(1e300), 180);
}

}  // namespace plugwintest
