// The plug-in started in-process in the simulated host with its resources, for tests of the value
// widgets (radio buttons, boxes, sliders, steppers and what follows); a window to place them in; a
// log of callbacks in the order they ran; and the colour of a theme role as the painters get it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "aip/qoraipIllustrator.h"
#include "core/qorcoreCallback.h"
#include "imagesdnd/imagesdndFixture.h"
#include "pui/qorpuiThemePainting.h"

namespace valuewidgetstest {

using imagesdndtest::ClientFunctionCallback;
using imagesdndtest::FunctionCallback;
using imagesdndtest::TestWindow;

class Started : public imagesdndtest::Started
{
protected:
  void TearDown() override
  {
    qorwin::setModalHook(nullptr);
    imagesdndtest::Started::TearDown();
  }

  // A framework callback that adds a word to the log.
  FunctionCallback* logs(const std::string& word) { return new FunctionCallback([this, word] { log.push_back(word); }); }
  ClientFunctionCallback clientLogs(const std::string& word)
  {
    return ClientFunctionCallback([this, word] { log.push_back(word); });
  }
  std::string logText() const
  {
    std::string all;
    for (const std::string& word : log)
      all += (all.empty() ? "" : " ") + word;
    return all;
  }

  static COLORREF role(int32_t context, int32_t role) { return qor::pui::colorRefOf(qor::pui::themeRoleColor(context, role)); }

  std::vector<std::string> log;
};

// Channels within a tolerance (anti-aliased shapes are sampled inside, not at their edges).
inline bool near(COLORREF a, COLORREF b, int tolerance = 6)
{
  auto c = [](COLORREF v, int shift) { return int((v >> shift) & 0xFF); };
  for (int shift : {0, 8, 16})
    if (std::abs(c(a, shift) - c(b, shift)) > tolerance)
      return false;
  return true;
}

}  // namespace valuewidgetstest
