// The host's colour picker and its modal-parent calls, answered like the host's other dialogs: the
// user confirms the colour shown (the default), cancels, or picks a colour given in the answer. Each
// picker run and modal-parent call is recorded in order.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "hostapi/HostRecords.h"
#include "hostsimApp.h"
#include "win/WinTypes.h"

namespace hostsim {

class ColorPicker : public Area
{
public:
  struct Answer
  {
    enum Kind
    {
      Confirm, // the colour as shown
      Cancel,
      Pick,    // the colour of `color`
    } kind = Confirm;
    ColorRecord color{};
  };

  // One call the plug-in made: "parent" (with the window), "picker" (with what it offered and what
  // was answered) or "clear".
  struct Event
  {
    std::string what;
    HWND parent = nullptr;
    ColorRecord offered{};
    bool confirmed = false;
    ColorRecord answered{};
  };

  explicit ColorPicker(HostApp& app);

  // The answer for every run after the queued ones.
  void setAnswer(const Answer& answer) { standing_ = answer; }
  // Answers for the next runs, in order.
  void queueAnswer(const Answer& answer) { queued_.push_back(answer); }
  // "default", "cancel", "gray:G" (percent of black), "rgb:R,G,B" (0-255) or "cmyk:C,M,Y,K"
  // (percent); false for anything else.
  static bool parseAnswer(const std::string& text, Answer& answer);

  const std::vector<Event>& events() const { return events_; }
  // The calls' names in order, e.g. "parent picker clear".
  std::string eventNames() const;

  // The suite functions.
  HostErr setModalParent(PlatformWindow* parent);
  HostErr clearModalParent();
  int32_t run(ColorRecord* color);

  int reportOrder() const override { return 855; }
  void report(std::ostream& out) const override;

private:
  Answer standing_;
  std::deque<Answer> queued_;
  std::vector<Event> events_;
};

} // namespace hostsim
