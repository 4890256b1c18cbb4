// A simulated host with the plug-in started in-process and a document opened from SVG text, for the
// tests of the art, path, layer and document handles. Tear-down shuts the plug-in down and checks
// that every handle registry is empty and every suite was released.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "aip/qoraipHostRefs.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreHandleGlobals.h"
#include "hostapi/HostApi.h"
#include "hostsimApp.h"
#include "hostsimContainers.h"
#include "hostsimWorkspace.h"

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

namespace artworktest {

class Artwork : public ::testing::Test {
protected:
  void SetUp() override
  {
    setenv("QOR_STARTUP_LOG", "/dev/null", 1);
    hostsim::Counted::resetAudit();
    app.connect(&PluginMain, "/plug-ins/Junctate.aip");
    app.startup();
    ASSERT_NE(qor::core::handleGlobals(), nullptr) << "the plug-in's globals must be reachable";
  }

  void TearDown() override
  {
    CoreGlobals* globals = qor::core::handleGlobals();
    ASSERT_NE(globals, nullptr);
    EXPECT_EQ(globals->artRegistry.size(), 0u) << "every art handle was let go";
    EXPECT_EQ(globals->layerRegistry.size(), 0u);
    EXPECT_EQ(globals->artboardRegistry.size(), 0u);
    qor::aip::PluginGlobals* wrappers = qor::aip::wrapperGlobals();
    ASSERT_NE(wrappers, nullptr);
    EXPECT_EQ(wrappers->dictionaryWrappers.size(), 0u) << "every dictionary wrapper was released";
    EXPECT_EQ(wrappers->arrayWrappers.size(), 0u);
    EXPECT_EQ(wrappers->entryWrappers.size(), 0u);
    EXPECT_EQ(wrappers->uidWrappers.size(), 0u);
    EXPECT_EQ(wrappers->uidScopeDepth, 0) << "every unique-id scope was closed";
    EXPECT_EQ(hostsim::Counted::auditFailures(), 0) << "no host reference was released twice";
    app.shutdown();
    EXPECT_EQ(app.totalOutstandingAcquisitions(), 0);
  }

  // Opens SVG text as the current document.
  hostsim::Document* open(const std::string& body)
  {
    std::string error;
    hostsim::Document* doc = hostsim::Workspace::instance().openSvgText(
        "<svg xmlns='http://www.w3.org/2000/svg'>" + body + "</svg>", "test", error);
    EXPECT_TRUE(doc) << error;
    return doc;
  }

  static ArtHandle handleOf(const hostsim::Art* a) { return static_cast<ArtHandle>(a->handle()); }

  hostsim::HostApp app;
};

}  // namespace artworktest
