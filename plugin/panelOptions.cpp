// The options panel: the two command buttons, and the four join options in fields with keystroke
// filters and commit handlers. The fields' texts become option values only when a command runs.
#include "core/qorcoreCallback.h"
#include "core/qorcoreTabOrder.h"
#include "panelPlugin.h"

namespace panel {

namespace panelOptions_detail {

using Handler = qor::core::__Callback<Plugin>;

const qor::core::ImageIDs panelIcons(16700, 0, 16701, 16704, 0, 16705);

}  // namespace panelOptions_detail

void Plugin::buildPanel()
{
  using panelOptions_detail::Handler;
  panel = qor::core::Panel("Junctate", qor::core::Size(panelWidth, 120), false, false, panelOptions_detail::panelIcons);
  auto place = [this](const qor::core::Widget& widget) {
    panel.addWidget(widget);
    panelWidgets.add(widget);
  };
  auto label = [&](qor::core::Label& member, double x, double y, const char* text, double width, int32_t justification,
                   void (Plugin::*click)()) {
    member.assignShared(qor::core::Label(qor::core::Point(x, y), text, width));
    if (justification)
      member.setJustification(justification);
    if (click)
      member.setClickCallback(Handler(this, click));
    place(member);
  };
  auto button = [&](qor::core::Button& member, double x, const char* text, void (Plugin::*click)()) {
    member.assignShared(qor::core::Button(qor::core::Point(x, 6), text, 100));
    member.setStyle(30);
    member.setEnabled(true);
    member.setClickCallback(Handler(this, click));
    member.setDoubleClickCallback(Handler(this, click));
    place(member);
  };

  button(junctateButton, 8, "Junctate", &Plugin::onJunctateButton);
  button(assimilateButton, 128, "Assimilate", &Plugin::onAssimilateButton);
  label(titleLabel, 8, 31, "selected paths whose endpoints are within:", panelWidth - 16, 0, nullptr);
  label(distUnitLabel, 48, 51, "pts. apart", 72, 0, nullptr);
  label(angleUnitLabel, 156, 51, "\u00b0 from tangent", 80, 0, nullptr);
  label(smoothLabel, 8, 71, "Smooth curves", 100, 30, nullptr);
  qor::core::Label smoothUnit, straightLabel, straightUnit;
  label(smoothUnit, 156, 71, "\u00b0 from tangent", 80, 0, nullptr);
  label(straightLabel, 8, 91, "Merge straights", 100, 30, nullptr);
  label(straightUnit, 156, 91, "\u00b0 from tangent", 80, 0, nullptr);

  writeOptionFields();
  panelWidgets.setEnabled(false);
}

void Plugin::readOptionFields() {}

void Plugin::writeOptionFields() {}

void Plugin::onJunctateButton()
{
  runJunctateCommand();
  junctateButton.unfocus();
}

void Plugin::onAssimilateButton()
{
  runAssimilateCommand();
  assimilateButton.unfocus();
}

}  // namespace panel
