// The options panel: the two command buttons, and the four join options in fields with keystroke
// filters and commit handlers. The fields' texts become option values only when a command runs.
#include <limits>

#include "core/qorcoreAlert.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreTabOrder.h"
#include "panelPlugin.h"
#include "tfGlobals.h"
#include "tfKeystroke.h"
#include "tfText.h"

namespace panel {

namespace panelOptions_detail {

using Handler = qor::core::__Callback<Plugin>;

const qor::core::ImageIDs panelIcons(16700, 0, 16701, 16704, 0, 16705);

// A keystroke the fields take: a digit, the point, the lead byte of U+F000..U+FFFF, or a deletion
// (127, and the Backspace character 8 that the edit control reports).
bool acceptedKeystroke(const std::string& typed)
{
  if (typed.empty() || typed == ".")
    return true;
  const unsigned char first = static_cast<unsigned char>(typed[0]);
  return (first >= '0' && first <= '9') || first == 127 || first == 8 || first == 0xEF;
}

std::string optionText(double value)
{
  return tf::formatReal(value, 4);
}

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
  auto field = [&](qor::core::TextField& member, double x, double y, double width, void (Plugin::*filter)(),
                   void (Plugin::*commit)()) {
    member.assignShared(qor::core::TextField(qor::core::Point(x, y), "", width));
    member.setJustification(20);
    member.setValueChangingCallback(Handler(this, filter));
    member.setValueChangedCallback(Handler(this, commit));
    place(member);
  };

  button(junctateButton, 8, "Junctate", &Plugin::onJunctateButton);
  button(assimilateButton, 128, "Assimilate", &Plugin::onAssimilateButton);
  label(titleLabel, 8, 31, "selected paths whose endpoints are within:", panelWidth - 16, 0, nullptr);
  field(distField, 8, 48, 38, &Plugin::filterDistField, &Plugin::commitDistField);
  label(distUnitLabel, 48, 51, "pts. apart", 72, 0, &Plugin::onDistLabelClick);
  field(angleField, 113, 48, 40, &Plugin::filterAngleField, &Plugin::commitAngleField);
  label(angleUnitLabel, 156, 51, "\u00b0 from tangent", 80, 0, &Plugin::onAngleLabelClick);
  label(smoothLabel, 8, 71, "Smooth curves", 100, 30, &Plugin::onSmoothLabelClick);
  field(smoothField, 113, 68, 40, &Plugin::filterSmoothField, &Plugin::commitSmoothField);
  qor::core::Label smoothUnit, straightLabel, straightUnit;
  label(smoothUnit, 156, 71, "\u00b0 from tangent", 80, 0, &Plugin::onSmoothLabelClick);
  label(straightLabel, 8, 91, "Merge straights", 100, 30, &Plugin::onStraightLabelClick);
  field(straightField, 113, 88, 40, &Plugin::filterStraightField, &Plugin::commitStraightField);
  label(straightUnit, 156, 91, "\u00b0 from tangent", 80, 0, &Plugin::onStraightLabelClick);

  if (qor::core::TabOrder* order = panel.tabOrder()) {
    for (const qor::core::TextField* f : {&distField, &angleField, &smoothField, &straightField})
      order->append(*f);
  }
  writeOptionFields();
  panelWidgets.setEnabled(false);
}

void Plugin::filterField(qor::core::TextField& field, std::string& accepted, size_t longest)
{
  if (accepted.empty())
    accepted = field.text();
  if (!panelOptions_detail::acceptedKeystroke(field.lastTypedText())) {
    tf::undoKeystroke(field, accepted);
    return;
  }
  const std::string text = field.text();
  if (longest == 0 || text.size() <= longest)
    accepted = text;
  else
    tf::undoKeystroke(field, accepted);
}

// The text is left for the command to read, except that an empty field becomes "0", a number beyond
// the field's limits its replacement (with the field's alert), and text that is no number at all the
// option the command would use instead.
void Plugin::commitField(qor::core::TextField& field, std::string& accepted, double option, const Limit* limit)
{
  const std::string typed = field.lastTypedText();
  if (!limit && typed == "\n")
    field.unfocus();
  const std::string text = field.text();
  double value = 0.0;
  if (text.empty()) {
    field.setText("0");
    accepted = "0";
  } else if (!tf::textToNumber(text, value)) {
    accepted = panelOptions_detail::optionText(option);
    field.setText(accepted);
  } else if (limit && (value > limit->highest || value < limit->lowest)) {
    field.setText(limit->replacement);
    accepted = limit->replacement;
    qor::core::alert(limit->alert);
  }
  field.unfocus();
}

namespace panelOptions_detail {
const double noLowest = -std::numeric_limits<double>::infinity();
const Plugin::Limit angleLimit{noLowest, 180, "180", "The angle setting cannot be more than 180"};
const Plugin::Limit smoothLimit{noLowest, 180, "180", "The smoothing setting cannot be more than 180"};
const Plugin::Limit straightLimit{0, 1, ".0001", "The Merge Straight setting cannot be less than 0 or more than 1"};
}  // namespace panelOptions_detail

void Plugin::filterDistField()
{
  filterField(distField, distText, 0);
}

void Plugin::filterAngleField()
{
  filterField(angleField, angleText, 3);
}

void Plugin::filterSmoothField()
{
  filterField(smoothField, smoothText, 5);
}

void Plugin::filterStraightField()
{
  filterField(straightField, straightText, 7);
}

void Plugin::commitDistField()
{
  commitField(distField, distText, tf::globals.distance, nullptr);
}

void Plugin::commitAngleField()
{
  commitField(angleField, angleText, tf::globals.angle, &panelOptions_detail::angleLimit);
}

void Plugin::commitSmoothField()
{
  commitField(smoothField, smoothText, tf::globals.smooth, &panelOptions_detail::smoothLimit);
}

void Plugin::commitStraightField()
{
  commitField(straightField, straightText, tf::globals.straight, &panelOptions_detail::straightLimit);
}

void Plugin::onDistLabelClick()
{
  distField.focus();
}

void Plugin::onAngleLabelClick()
{
  angleField.focus();
}

void Plugin::onSmoothLabelClick()
{
  smoothField.focus();
}

void Plugin::onStraightLabelClick()
{
  straightField.focus();
}

// A field whose text is no number keeps the option it had, and shows it again.
void Plugin::readOptionFields()
{
  struct Row
  {
    qor::core::TextField& field;
    std::string& accepted;
    double& option;
  } rows[] = {{distField, distText, tf::globals.distance},
              {angleField, angleText, tf::globals.angle},
              {smoothField, smoothText, tf::globals.smooth},
              {straightField, straightText, tf::globals.straight}};
  for (Row& row : rows) {
    if (row.field.isEmpty())
      continue;
    if (!tf::textToNumber(row.field.text(), row.option)) {
      row.accepted = panelOptions_detail::optionText(row.option);
      row.field.setText(row.accepted);
    }
  }
}

void Plugin::writeOptionFields()
{
  distField.setText(panelOptions_detail::optionText(tf::globals.distance));
  angleField.setText(panelOptions_detail::optionText(tf::globals.angle));
  smoothField.setText(panelOptions_detail::optionText(tf::globals.smooth));
  straightField.setText(panelOptions_detail::optionText(tf::globals.straight));
}

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
