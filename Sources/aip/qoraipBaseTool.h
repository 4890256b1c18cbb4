// The operations the base layer calls on the wrapper of the host tool selected last. No wrapper
// class of this system derives from it yet, so the base layer's tool registry stays empty.
#pragma once

namespace qor {
namespace aip {

class ArtboardPoint;

class BaseTool
{
public:
  virtual ~BaseTool() = default;
  virtual void mouseDown() = 0;
  virtual void mouseDrag() = 0;
  virtual void mouseUp() = 0;
  virtual void trackCursor() = 0;
  virtual void increaseDiameter() = 0;
  virtual void decreaseDiameter() = 0;
  virtual void editOptions() = 0;
  virtual void deselect() = 0;
  virtual void snappedPosition(const ArtboardPoint& point) = 0;
};

// The menu item wrapper the base layer's menu handler reaches through its registry.
class MenuItem
{
public:
  virtual ~MenuItem() = default;
  virtual void go() = 0;
};

}  // namespace aip
}  // namespace qor
