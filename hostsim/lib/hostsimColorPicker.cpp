#include "hostsimColorPicker.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "hostapi/ModalParentSuite.h"
#include "hostapi/PaintStyleSuite.h"

namespace hostsimColorPicker_detail {

hostsim::ColorPicker& picker()
{
  return hostsim::HostApp::instance().area<hostsim::ColorPicker>();
}

HostErr setModalParent(PlatformWindow* parent)
{
  return picker().setModalParent(parent);
}

HostErr clearModalParent()
{
  return picker().clearModalParent();
}

int32_t runColorPicker(ColorRecord* color)
{
  return picker().run(color);
}

void install(hostsim::HostApp& app)
{
  app.area<hostsim::ColorPicker>();
  auto& parents = app.publishSuite<ModalParentSuite>(kModalParentSuiteName, kModalParentSuiteVersion);
  parents.setModalParent = &setModalParent;
  parents.clearModalParent = &clearModalParent;
  auto& paint = app.publishSuite<PaintStyleSuite>(kPaintStyleSuiteName, kPaintStyleSuiteVersion);
  paint.runColorPicker = &runColorPicker;
}

const hostsim::AreaInstaller installer(330, &install);

// Numbers separated by commas, exactly `count` of them, each within 0..limit.
bool numbers(const std::string& text, size_t count, double limit, double* out)
{
  const char* at = text.c_str();
  for (size_t i = 0; i < count; ++i) {
    char* end = nullptr;
    out[i] = std::strtod(at, &end);
    if (end == at || out[i] < 0 || out[i] > limit)
      return false;
    at = end;
    if (i + 1 < count) {
      if (*at != ',')
        return false;
      ++at;
    }
  }
  return *at == '\0';
}

std::string describe(const ColorRecord& color)
{
  char text[96];
  switch (color.kind) {
  case kGrayColor:
    std::snprintf(text, sizeof text, "gray %.4g", color.gray.gray);
    break;
  case kThreeColor:
    std::snprintf(text, sizeof text, "rgb %.4g,%.4g,%.4g", color.rgb.red, color.rgb.green, color.rgb.blue);
    break;
  case kFourColor:
    std::snprintf(text, sizeof text, "cmyk %.4g,%.4g,%.4g,%.4g", color.cmyk.cyan, color.cmyk.magenta,
                  color.cmyk.yellow, color.cmyk.black);
    break;
  default:
    std::snprintf(text, sizeof text, "kind %d", int(color.kind));
    break;
  }
  return text;
}

} // namespace hostsimColorPicker_detail

namespace hostsim {

ColorPicker::ColorPicker(HostApp&) {}

bool ColorPicker::parseAnswer(const std::string& text, Answer& answer)
{
  using hostsimColorPicker_detail::numbers;
  Answer parsed;
  double v[4] = {};
  if (text == "default") {
    parsed.kind = Answer::Confirm;
  } else if (text == "cancel") {
    parsed.kind = Answer::Cancel;
  } else if (text.rfind("gray:", 0) == 0 && numbers(text.substr(5), 1, 100, v)) {
    parsed.kind = Answer::Pick;
    parsed.color.kind = kGrayColor;
    parsed.color.gray.gray = v[0] / 100.0;
  } else if (text.rfind("rgb:", 0) == 0 && numbers(text.substr(4), 3, 255, v)) {
    parsed.kind = Answer::Pick;
    parsed.color.kind = kThreeColor;
    parsed.color.rgb.red = v[0] / 255.0;
    parsed.color.rgb.green = v[1] / 255.0;
    parsed.color.rgb.blue = v[2] / 255.0;
  } else if (text.rfind("cmyk:", 0) == 0 && numbers(text.substr(5), 4, 100, v)) {
    parsed.kind = Answer::Pick;
    parsed.color.kind = kFourColor;
    parsed.color.cmyk.cyan = v[0] / 100.0;
    parsed.color.cmyk.magenta = v[1] / 100.0;
    parsed.color.cmyk.yellow = v[2] / 100.0;
    parsed.color.cmyk.black = v[3] / 100.0;
  } else {
    return false;
  }
  answer = parsed;
  return true;
}

std::string ColorPicker::eventNames() const
{
  std::string names;
  for (const Event& event : events_)
    names += (names.empty() ? "" : " ") + event.what;
  return names;
}

HostErr ColorPicker::setModalParent(PlatformWindow* parent)
{
  if (!parent)
    return kHostErrBadParameter;
  Event event;
  event.what = "parent";
  event.parent = reinterpret_cast<HWND>(*parent);
  events_.push_back(event);
  return kHostNoErr;
}

HostErr ColorPicker::clearModalParent()
{
  Event event;
  event.what = "clear";
  events_.push_back(event);
  return kHostNoErr;
}

int32_t ColorPicker::run(ColorRecord* color)
{
  if (!color)
    return 0;
  Answer answer = standing_;
  if (!queued_.empty()) {
    answer = queued_.front();
    queued_.pop_front();
  }
  Event event;
  event.what = "picker";
  event.offered = *color;
  event.confirmed = answer.kind != Answer::Cancel;
  if (answer.kind == Answer::Pick)
    *color = answer.color;
  event.answered = *color;
  events_.push_back(event);
  return event.confirmed ? 1 : 0;
}

void ColorPicker::report(std::ostream& out) const
{
  using hostsimColorPicker_detail::describe;
  int runs = 0;
  for (const Event& event : events_)
    runs += event.what == "picker";
  if (!runs)
    return;
  out << "colour picker: " << runs << (runs == 1 ? " run\n" : " runs\n");
  for (const Event& event : events_)
    if (event.what == "picker")
      out << "  offered " << describe(event.offered) << ": "
          << (event.confirmed ? "confirmed " + describe(event.answered) : std::string("cancelled")) << "\n";
}

} // namespace hostsim
