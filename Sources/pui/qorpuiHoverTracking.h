// Hover tracking shared by the owner-drawn controls: a mouse move that changes the point or the
// modifiers starts the tooltip delay, reports the move once hovered, asks for the leave message
// and redraws; leaving clears the hover and the tooltip.
#pragma once

#include <cmath>
#include <cstdint>

#include "aip/qoraipPoint.h"
#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiWidget.h"
#include "win/Afx.h"

namespace qor {
namespace pui {

// True for a move that counts.
template <class Owner>
bool trackHoverMove(Owner* owner, HWND control, UINT flags, const CPoint& point)
{
  if (!owner || !owner->window())
    return false;
  const double s = owner->uiScale(owner->window());
  const aip::Point units(point.x / s, point.y / s);
  const int32_t modifiers = CustomEventsWidget::mouseModifiers(flags);
  const aip::Point& current = owner->currentPoint();
  // Only a move that counts: the point or the modifiers changed.
  if (std::fabs(units.x - current.x) < 0.01 && std::fabs(units.y - current.y) < 0.01 &&
      modifiers == owner->modifiers())
    return false;
  Widget::scheduleTooltip(owner);
  if (owner->isHovered()) {
    owner->mouseMove(aip::Point(point.x, point.y), modifiers);
  } else {
    owner->setCurrentPoint(units);
    owner->setModifiers(modifiers);
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, control, HOVER_DEFAULT};
    ::TrackMouseEvent(&track);
  }
  owner->setHovered(true);
  owner->redraw();
  return true;
}

template <class Owner>
void trackHoverLeave(Owner* owner)
{
  if (!owner)
    return;
  owner->setHovered(false);
  Widget::cancelTooltip(owner);
  owner->redraw();
}

}  // namespace pui
}  // namespace qor
