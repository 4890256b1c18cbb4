// The plug-in started in the simulated host, with its globals reachable, and a fresh preference file
// path; tear-down checks that the test's handles left the preference registries as they were.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcorePrefData.h"
#include "hostsimApp.h"
#include "prefsTestSupport.h"

extern "C" int32_t PluginMain(const char *caller, const char *selector, void *message);

class CorePrefs : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<hostsim::HostApp>();
        app->connect(&PluginMain, QOR_PLUGIN_MODULE);
        app->startup();
        app->applicationStarted();
        ASSERT_NE(qor::core::PrefData::reachableGlobals(), nullptr);
        // The plug-in itself holds its own preference document and values while it runs.
        prefCountAtStart = qor::core::PrefData::reachableGlobals()->prefRegistry.size();
        prefsCountAtStart = qor::core::PrefData::reachableGlobals()->prefsRegistry.size();
        path = dir.file("Preferences");
    }
    void TearDown() override {
        // Every handle of the test is gone by now: the registries hold only the plug-in's own again.
        if (CoreGlobals *g = qor::core::PrefData::reachableGlobals()) {
            EXPECT_EQ(g->prefRegistry.size(), prefCountAtStart);
            EXPECT_EQ(g->prefsRegistry.size(), prefsCountAtStart);
        }
        app->applicationShutdown();
        app->shutdown();
        app.reset();
    }
    std::unique_ptr<hostsim::HostApp> app;
    prefsTest::TempFolder dir;
    std::string path;
    size_t prefCountAtStart = 0;
    size_t prefsCountAtStart = 0;
};

