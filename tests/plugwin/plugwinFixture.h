// The plug-in started in-process in the simulated host with its resources, its maker's site played by
// a loopback HTTP server, and a user in front of its modal windows: each dialog or alert that shows is
// recorded (title, texts) and handed to the test's answer for its title (Esc when there is none).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "hostsimResources.h"
#include "hostsimUrls.h"
#include "http/qortestHttpServer.h"
#include "panelPlugin.h"
#include "plugin/pluginFixture.h"
#include "tfPrefs.h"
#include "tfSite.h"
#include "win/WinBase.h"
#include "win/WinUser.h"

namespace plugwintest {

std::string windowText(HWND window);
// The visible child windows of a dialog, in creation order.
std::vector<HWND> children(HWND dialog);
// The visible child with this text, or null.
HWND child(HWND dialog, const std::string& text);
// The smallest visible child under the dialog's client point, or null.
HWND childAt(HWND dialog, int x, int y);
// A click in the middle of the window.
void clickCentre(HWND window);

struct Shown
{
  std::string title;
  std::vector<std::string> texts;
  DWORD thread = 0;
  // Modal loops running, this one's included.
  int depth = 0;
};

class PlugWin : public plugintest::Plugin
{
protected:
  using Answer = std::function<void(HWND dialog)>;

  void SetUp() override;
  void TearDown() override;

  // Starts the plug-in with the site at the loopback server.
  void startWithSite();
  // The user's answer to the windows with this title (Esc without one).
  void answer(const std::string& title, Answer handler) { answers[title] = std::move(handler); }
  // Presses the button with this text in the dialog.
  static Answer press(const std::string& text);

  // Starts an update check and pumps until its request is over (replies, alerts and dialogs included).
  bool check(bool asked);
  // Pumps until the running request is over, moving the clock on so that a stalled one times out.
  bool finishRequest();

  std::vector<std::string> titles() const;
  const Shown* find(const std::string& title) const;
  // Whether a window showed with this text (alerts are known by their message).
  bool showedText(const std::string& text) const;
  std::string prefValue(const std::string& key) const { return plugintest::prefValue(prefsText(), key); }
  static std::string dayText(int daysFromToday);
  const std::vector<std::string>& opened() { return app.area<hostsim::Urls>().opened(); }

  qortest::HttpServer server;
  std::map<std::string, Answer> answers;
  std::vector<Shown> shown;
};

}  // namespace plugwintest
