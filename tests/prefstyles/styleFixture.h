// The plug-in started in the simulated host with an empty document open (spot colours are made in the
// current document), and helpers to keep a style preference in a preference file.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <string>

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcorePrefData.h"
#include "core/qorcorePreferences.h"
#include "hostsimApp.h"
#include "hostsimWorkspace.h"
#include "prefs/prefsTestSupport.h"

extern "C" int32_t PluginMain(const char *caller, const char *selector, void *message);

namespace prefstylesTest {

class Styles : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("QOR_STARTUP_LOG", "/dev/null", 1);
        app = std::make_unique<hostsim::HostApp>();
        app->connect(&PluginMain, QOR_PLUGIN_MODULE);
        app->startup();
        app->applicationStarted();
        ASSERT_NE(qor::core::PrefData::reachableGlobals(), nullptr) << "the plug-in's globals must be reachable";
        prefCountAtStart = qor::core::PrefData::reachableGlobals()->prefRegistry.size();
        std::string error;
        ASSERT_TRUE(hostsim::Workspace::instance().openSvgText("<svg xmlns='http://www.w3.org/2000/svg'/>", "test", error))
            << error;
        path = dir.file("Preferences");
    }
    void TearDown() override {
        // Every handle of the test is gone: the registry holds only the plug-in's own records again.
        if (CoreGlobals *g = qor::core::PrefData::reachableGlobals()) {
            EXPECT_EQ(g->prefRegistry.size(), prefCountAtStart);
        }
        hostsim::Workspace::instance().closeAll();
        app->applicationShutdown();
        app->shutdown();
        app.reset();
    }

    // Stores the handle's value under its key in a new preference file and loads that file again.
    qor::core::Preferences saveAndLoad(const qor::core::PrefData &pref) {
        qor::core::Preferences prefs;
        EXPECT_TRUE(prefs.load(path));
        EXPECT_TRUE(prefs.addPref(pref));
        EXPECT_TRUE(prefs.save(path));
        qor::core::Preferences back;
        EXPECT_TRUE(back.load(path));
        return back;
    }
    // The stored member under key as a handle of class T, or null when the class does not match.
    template <class T>
    static std::unique_ptr<T> member(qor::core::Preferences &prefs, const std::string &key) {
        std::unique_ptr<qor::core::PrefData> out;
        if (!prefs.getPref(key, out)) return nullptr;
        T *typed = dynamic_cast<T *>(out.get());
        if (!typed) return nullptr;
        out.release();
        return std::unique_ptr<T>(typed);
    }
    // A handle of class T over a stored object given as JSON text.
    template <class T>
    static std::unique_ptr<T> parsed(const std::string &json) {
        std::unique_ptr<qor::core::PrefData> p = qor::core::PrefData::fromJSON(json);
        return std::unique_ptr<T>(p ? new T(*p) : nullptr);
    }

    std::unique_ptr<hostsim::HostApp> app;
    prefsTest::TempFolder dir;
    std::string path;
    size_t prefCountAtStart = 0;
};

} // namespace prefstylesTest
