// The user in front of the plug-in's modal dialogs and alerts: each dialog that runs a modal loop is
// recorded (title, texts, buttons) and answered. By default the default button is pressed (Enter);
// the answer can be Esc, or a click on the Nth button of the dialog's bottom row counted from the
// right (1 is an alert's default button, 2 its cancel button, 3 its third button).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "hostsimApp.h"
#include "win/WinTypes.h"

namespace hostsim {

class Dialogs : public Area
{
public:
  enum class Answer
  {
    Default, // Enter
    Cancel,  // Esc
    Button,  // click the Nth button from the right
  };

  struct Shown
  {
    std::string title;
    // Texts of the dialog other than the bottom row's buttons, top to bottom.
    std::vector<std::string> texts;
    // The bottom row's buttons from the right.
    std::vector<std::string> buttons;
    // What was done: "Enter", "Esc" or the clicked button's text.
    std::string answer;
  };

  explicit Dialogs(HostApp& app);
  ~Dialogs() override;

  void setAnswer(Answer answer, int button = 0);
  // "default", "cancel" or a button number; false (nothing changed) for anything else.
  bool setAnswer(const std::string& text);
  static bool parseAnswer(const std::string& text, Answer& answer, int& button);
  const std::vector<Shown>& shown() const { return shown_; }
  // Runs with each dialog that shows, before it is answered.
  void watch(std::function<void(HWND dialog)> watcher) { watchers_.push_back(std::move(watcher)); }

  int reportOrder() const override { return 850; }
  void report(std::ostream& out) const override;

private:
  void answer(HWND dialog);

  Answer answer_ = Answer::Default;
  int button_ = 0;
  std::vector<Shown> shown_;
  std::vector<std::function<void(HWND)>> watchers_;
};

} // namespace hostsim
