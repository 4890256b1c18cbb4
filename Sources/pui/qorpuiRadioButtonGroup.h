// Ties radio buttons together into one choice: the members in the order they were added, and the
// selected member that comes back on when no other member is on.
#pragma once

#include "utils/qorutilsList.h"

namespace qor {
namespace pui {

class RadioButton;

class RadioButtonGroup
{
public:
  RadioButtonGroup();
  RadioButtonGroup(const RadioButtonGroup&) = delete;
  RadioButtonGroup& operator=(const RadioButtonGroup&) = delete;
  // Leaves every member without a group.
  virtual ~RadioButtonGroup();

  // Nothing for null, for a button of a group (this one included) or one already listed.
  virtual void add(RadioButton* button);
  // Unlists a member and clears its group; the selection stays.
  virtual void remove(RadioButton* button);
  virtual bool contains(RadioButton* button) const;
  virtual utils::List<RadioButton*>* buttons() const;
  virtual RadioButton* selected() const;
  // Null or a member; any other button is ignored.
  virtual void setSelected(RadioButton* button);

private:
  utils::List<RadioButton*>* buttons_;
  RadioButton* selected_ = nullptr;
};

}  // namespace pui
}  // namespace qor
