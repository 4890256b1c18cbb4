// The preference file: its exact bytes, the save counter, and that the user's file is never lost.
#include "aip/qoraipPreferences.h"
#include "json/qorjsonReader.h"
#include "plat/qorplatPersistentBool.h"
#include "plat/qorplatPersistentNumber.h"
#include "plat/qorplatPersistentString.h"
#include "prefsTestSupport.h"
#include "win/WinTest.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

using namespace qor;
using prefsTest::readBytes;
using prefsTest::writeBytes;

namespace {
std::unique_ptr<aip::Preferences> load(const std::string &path) {
    return std::unique_ptr<aip::Preferences>(aip::loadPreferencesFile(path));
}
// The indented text as it lies on disk: every line ends CR CR LF, no line break after the last.
std::string onDisk(std::initializer_list<const char *> lines) {
    std::string out;
    for (const char *l : lines) out += (out.empty() ? "" : "\r\r\n") + std::string(l);
    return out;
}
} // namespace

TEST(PreferenceFile, FirstSaveWritesTheNewFileExactly) {
    prefsTest::TempFolder dir;
    const std::string path = dir.file("Preferences");
    auto doc = load(path);
    ASSERT_TRUE(doc->save(path));
    EXPECT_EQ(readBytes(path), onDisk({"{", "\t\"Prefs\":", "\t{", "\t\t\"SaveCount\":1,", "\t\t\"__vn\":0,",
                                       "\t\t\"__vs\":\"\"", "\t}", "}"}));
    auto again = load(path);
    EXPECT_EQ(again->saveCount(), 1);
    ASSERT_TRUE(again->save(path));
    EXPECT_EQ(load(path)->saveCount(), 2);
}

TEST(PreferenceFile, ClientSettingsOfAFirstRunAreWrittenInByteOrder) {
    prefsTest::TempFolder dir;
    const std::string path = dir.file("Preferences");
    auto doc = load(path);
    delete doc->getOrCreateNumber("pDist", 0.05);
    delete doc->getOrCreateNumber("pAngle", 120.0);
    delete doc->getOrCreateNumber("pSmooth", 30.0);
    delete doc->getOrCreateNumber("pStraight", 0.0001);
    delete doc->getOrCreateBool("avgPts", true);
    delete doc->getOrCreateBool("avgCtls", false);
    delete doc->getOrCreateString("vCheckDue", "YYYY-MM-DD");
    delete doc->getOrCreateNumber("vCheckFreq", int64_t(30));
    delete doc->getOrCreateBool("autoVCheck", true);
    ASSERT_TRUE(doc->save(path));
    EXPECT_EQ(readBytes(path),
              onDisk({"{", "\t\"Prefs\":", "\t{", "\t\t\"SaveCount\":1,", "\t\t\"__vn\":0,", "\t\t\"__vs\":\"\",",
                      "\t\t\"autoVCheck\":true,", "\t\t\"avgCtls\":false,", "\t\t\"avgPts\":true,", "\t\t\"pAngle\":120,",
                      "\t\t\"pDist\":0.05,", "\t\t\"pSmooth\":30,", "\t\t\"pStraight\":0.0001,",
                      "\t\t\"vCheckDue\":\"YYYY-MM-DD\",", "\t\t\"vCheckFreq\":30", "\t}", "}"}));
    // Stored values win over defaults, and integral reals come back as integers.
    auto back = load(path);
    std::unique_ptr<plat::PersistentNumber> angle(back->getOrCreateNumber("pAngle", 5.0));
    EXPECT_EQ(angle->doubleValue(), 120.0);
    EXPECT_FALSE(json::NodePtr(back->nodeRef()->member("pAngle"))->isReal());
}

TEST(PreferenceFile, LoadKeepsWhatTheFileHolds) {
    prefsTest::TempFolder dir;
    const std::string path = dir.file("Preferences");
    writeBytes(path, "\xEF\xBB\xBF{\"Other\":[1,2],\"Prefs\":{\"SaveCount\":2.5,\"__vn\":3,\"__vs\":\"1.2\","
                     "\"zoom\":1,\"Zoom\":2,\"Alpha\":3}}");
    auto doc = load(path);
    EXPECT_EQ(doc->versionNumber(), 3);
    EXPECT_EQ(doc->versionString(), "1.2");
    ASSERT_TRUE(doc->save(path));
    EXPECT_EQ(readBytes(path),
              onDisk({"{", "\t\"Other\":", "\t[", "\t\t1,", "\t\t2", "\t],", "\t\"Prefs\":", "\t{", "\t\t\"Alpha\":3,",
                      "\t\t\"SaveCount\":4,", "\t\t\"Zoom\":2,", "\t\t\"__vn\":3,", "\t\t\"__vs\":\"1.2\",", "\t\t\"zoom\":1",
                      "\t}", "}"}));
}

TEST(PreferenceFile, AnUnreadableFileIsSetAsideNotOverwritten) {
    struct Case {
        const char *bytes;
        const char *why;
    } cases[] = {{"{\"Prefs\":{\"pDist\":1e-5}}", "exponent"},
                 {"{\"Prefs\":{\"pDist\":5e-2,}}", "exponent before a trailing comma"},
                 {"{\"Prefs\":{\"pDist\":0.1 \"pAngle\":3}}", "missing comma"},
                 {"[1,2]", "root is no object"},
                 {"", "empty file"}};
    for (const Case &c : cases) {
        prefsTest::TempFolder dir;
        const std::string path = dir.file("Preferences");
        writeBytes(path, c.bytes);
        writeBytes(dir.file("Preferences.unreadable"), "older");
        qorwin::clearDebugOutput();
        auto doc = load(path);
        EXPECT_NE(qorwin::debugOutput().find("Preferences: " + path + " could not be read; it was set aside as " +
                                             path + ".unreadable-2 and the defaults are used."),
                  std::string::npos)
            << c.why << ": the user is told\n"
            << qorwin::debugOutput();
        EXPECT_EQ(doc->saveCount(), 0) << c.why;
        ASSERT_TRUE(doc->save(path)) << c.why;
        EXPECT_EQ(readBytes(dir.file("Preferences.unreadable")), "older") << c.why;
        EXPECT_EQ(readBytes(dir.file("Preferences.unreadable-2")), c.bytes) << c.why;
        EXPECT_EQ(load(path)->saveCount(), 1) << c.why;
    }
}

TEST(PreferenceFile, PrefsThatIsNoObjectIsReplacedAndOtherMembersStay) {
    prefsTest::TempFolder dir;
    const std::string path = dir.file("Preferences");
    writeBytes(path, "{\"Prefs\":[1],\"keep\":true}");
    auto doc = load(path);
    delete doc->getOrCreateBool("x", true);
    ASSERT_TRUE(doc->save(path));
    json::NodePtr root(json::parseJson(readBytes(path)));
    ASSERT_TRUE(root);
    EXPECT_TRUE(json::NodePtr(root->member("keep")));
    json::NodePtr prefs(root->member("Prefs"));
    ASSERT_EQ(prefs->type(), json::Object);
    EXPECT_TRUE(json::NodePtr(prefs->member("x")));
}

TEST(PreferenceFile, SaveWritesTheDocumentRootEvenWhenPrefsIsSharedElsewhere) {
    prefsTest::TempFolder dir;
    const std::string path = dir.file("Preferences");
    auto doc = load(path);
    {
        // "Prefs" accepted by another container: its parent link now names that one, which then dies.
        json::NodePtr other(json::Node::create(json::Array, ""));
        other->appendElement(doc->nodeRef());
    }
    ASSERT_TRUE(doc->save(path));
    json::NodePtr root(json::parseJson(readBytes(path)));
    ASSERT_TRUE(root && root->type() == json::Object);
    EXPECT_TRUE(json::NodePtr(root->member("Prefs")));
}

TEST(PreferenceFile, CounterSaturatesAndRemoveNeedsTheSameNode) {
    prefsTest::TempFolder dir;
    const std::string path = dir.file("Preferences");
    writeBytes(path, "{\"Prefs\":{\"SaveCount\":99999999999999999999,\"a\":1}}");
    auto doc = load(path);
    ASSERT_TRUE(doc->save(path));
    EXPECT_EQ(doc->saveCount(), INT64_MAX);
    std::unique_ptr<plat::PersistentData> a(doc->member("a"));
    plat::PersistentNumber lookalike(int64_t(1), "a");
    EXPECT_FALSE(doc->remove(&lookalike));
    EXPECT_TRUE(doc->remove(a.get()));
    EXPECT_FALSE(json::NodePtr(doc->nodeRef()->member("a")));
}

TEST(PreferenceFile, KillingAProcessDuringSavesNeverLeavesABrokenFile) {
    prefsTest::TempFolder dir;
    const std::string path = dir.file("Preferences");
    for (int round = 0; round < 40; ++round) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            auto doc = load(path);
            for (int i = 0;; ++i) {
                std::unique_ptr<plat::PersistentString> s(doc->getOrCreateString("payload", ""));
                s->setValue(std::string(20000 + (i % 7) * 5000, 'x'));
                doc->save(path);
                if (i == round % 3) (void)!write(ready[1], "s", 1);
            }
        }
        close(ready[1]);
        char c;
        ASSERT_EQ(read(ready[0], &c, 1), 1);
        close(ready[0]);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        json::NodePtr root(json::parseJson(readBytes(path)));
        ASSERT_TRUE(root) << "round " << round;
        json::NodePtr prefs(root->member("Prefs"));
        ASSERT_TRUE(prefs);
        EXPECT_GT(json::NodePtr(prefs->member("SaveCount"))->int64Value(), 0);
    }
    // The counter kept counting across the killed processes.
    EXPECT_GE(load(path)->saveCount(), 40);
}
