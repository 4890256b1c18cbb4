#include "pui/qorpuiRadioButtonGroup.h"

#include "pui/qorpuiRadioButton.h"

namespace qor {
namespace pui {

RadioButtonGroup::RadioButtonGroup() : buttons_(new utils::List<RadioButton*>()) {}

RadioButtonGroup::~RadioButtonGroup()
{
  for (RadioButton* button : *buttons_)
    if (button)
      button->setGroup(nullptr);
  buttons_->clear();
  delete buttons_;
}

void RadioButtonGroup::add(RadioButton* button)
{
  if (!button || button->group() || buttons_->contains(button))
    return;
  buttons_->pushBack(button);
  button->setGroup(this);
}

void RadioButtonGroup::remove(RadioButton* button)
{
  if (!button || !buttons_->contains(button))
    return;
  buttons_->remove(button);
  button->setGroup(nullptr);
}

bool RadioButtonGroup::contains(RadioButton* button) const
{
  return button && buttons_->contains(button);
}

utils::List<RadioButton*>* RadioButtonGroup::buttons() const
{
  return buttons_;
}

RadioButton* RadioButtonGroup::selected() const
{
  return selected_;
}

void RadioButtonGroup::setSelected(RadioButton* button)
{
  if (!button || buttons_->contains(button))
    selected_ = button;
}

}  // namespace pui
}  // namespace qor
