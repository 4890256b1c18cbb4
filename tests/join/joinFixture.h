// The plug-in started in-process in the simulated host, a drawing opened from SVG text, and the join
// drivers run on it. Paths are checked in SVG coordinates (the host is y up, SVG y down).
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "aip/qoraipSuitePointers.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreHandleGlobals.h"
#include "hostsimApp.h"
#include "hostsimArt.h"
#include "hostsimDocument.h"
#include "hostsimUser.h"
#include "hostsimWorkspace.h"
#include "panelJoinDrivers.h"
#include "win/WinTest.h"

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

namespace jointest {

struct Options
{
  double distance = 0.05;
  double angle = 120;
  double smooth = 30;
  double straight = 0.0001;
};

struct P
{
  double x, y;
};

class Join : public ::testing::Test {
protected:
  void SetUp() override
  {
    setenv("QOR_STARTUP_LOG", "/dev/null", 1);
    app.connect(&PluginMain, "/plug-ins/Junctate.aip");
    app.startup();
    ASSERT_NE(qor::core::handleGlobals(), nullptr) << "the plug-in's globals must be reachable";
    ASSERT_NE(qor::aip::userSuite, nullptr);
    panel::userSuite = qor::aip::userSuite;
  }

  void TearDown() override
  {
    panel::userSuite = nullptr;
    EXPECT_EQ(qor::core::handleGlobals()->artRegistry.size(), 0u) << "every art handle was let go";
    EXPECT_TRUE(panel::selectedPaths.empty());
    panel::otherPaths.clear();
    app.shutdown();
    EXPECT_EQ(app.totalOutstandingAcquisitions(), 0);
  }

  // Opens the drawing and selects the given ids ("all" for everything).
  hostsim::Document* open(const std::string& body, const std::vector<std::string>& selected)
  {
    std::string error;
    doc = hostsim::Workspace::instance().openSvgText(
        "<svg xmlns='http://www.w3.org/2000/svg'>" + body + "</svg>", "test", error);
    EXPECT_TRUE(doc) << error;
    if (doc && !selected.empty()) {
      EXPECT_TRUE(hostsim::Workspace::instance().select(selected, error)) << error;
    }
    return doc;
  }

  void junctate(const Options& o = {}) { panel::runJunctate(o.distance, o.angle, o.smooth, o.straight); }
  void assimilate(const Options& o = {}) { panel::runAssimilate(o.distance, o.angle, o.smooth, o.straight); }

  hostsim::Art* art(const std::string& id) const { return doc ? doc->findById(id) : nullptr; }
  bool alive(const std::string& id) const { return art(id) != nullptr; }
  bool selected(const std::string& id) const
  {
    hostsim::Art* a = art(id);
    return a && (a->attrs & hostsim::Art::kSelected);
  }

  // The anchors of a path in SVG coordinates.
  static std::vector<P> anchors(const hostsim::Art* a)
  {
    std::vector<P> out;
    for (const hostsim::Segment& s : a->segments)
      out.push_back({s.p.h, -s.p.v});
    return out;
  }

  void expectAnchors(const std::string& id, const std::vector<P>& expected, bool closed = false)
  {
    hostsim::Art* a = art(id);
    ASSERT_NE(a, nullptr) << id << " is gone";
    EXPECT_EQ(a->closed, closed) << id;
    std::vector<P> got = anchors(a);
    ASSERT_EQ(got.size(), expected.size()) << id;
    for (size_t i = 0; i < got.size(); ++i) {
      EXPECT_NEAR(got[i].x, expected[i].x, 1e-9) << id << " anchor " << i;
      EXPECT_NEAR(got[i].y, expected[i].y, 1e-9) << id << " anchor " << i;
    }
  }

  size_t openPathCount() const
  {
    size_t n = 0;
    doc->forEachArt([&](hostsim::Art* a) {
      if (a->type == hostsim::Art::kPath && !a->closed)
        ++n;
    });
    return n;
  }

  hostsim::User& user() { return app.area<hostsim::User>(); }

  hostsim::HostApp app;
  hostsim::Document* doc = nullptr;
};

}  // namespace jointest
