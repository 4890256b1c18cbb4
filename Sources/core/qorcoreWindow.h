// The client handle of a top-level window of the widget toolkit, the base of the modal dialog and
// panel handles: a copyable handle over a reference-counted container of the window's type, its
// platform window, the widgets placed in it and its tab order.
#pragma once

#include <cstdint>
#include <vector>

namespace qor {
namespace core {

class Flyout;
class TabOrder;
class Widget;
class WidgetGroup;
class __IntWindowData;

class __IntWindowContainer
{
public:
  __IntWindowContainer();
  __IntWindowContainer(const __IntWindowContainer&) = delete;
  __IntWindowContainer& operator=(const __IntWindowContainer&) = delete;
  virtual ~__IntWindowContainer();

  // From a process-wide counter; the first container gets 1.
  const uint32_t id;
  int32_t refCount = 0;
  __IntWindowData* data = nullptr;
};

class __IntWindowData
{
public:
  __IntWindowData() = default;
  __IntWindowData(const __IntWindowData&) = delete;
  __IntWindowData& operator=(const __IntWindowData&) = delete;
  // Deletes the widget handles (clearing their window links), then the platform window.
  virtual ~__IntWindowData();

  // 1 host panel, 2 modal dialog, 3 and 4 the reserved types, 0 none.
  uint32_t type = 0;
  // The platform window (a pui::Panel for type 1, a pui::ModalDialog for type 2), owned.
  void* platformWindow = nullptr;
  std::vector<Widget*> widgets;
  TabOrder* tabOrder = nullptr;
  Flyout* flyout = nullptr;

  // Deletes the platform window through its class.
  void destroyPlatformWindow();
};

class Window
{
public:
  // Type codes.
  enum Type
  {
    NoWindowType = 0,
    ReservedWindowType10 = 10,
    ModalDialogWindowType = 20,
    PanelWindowType = 30,
    ReservedWindowType40 = 40,
  };

  virtual ~Window();

  // A new heap handle of the same class sharing this container.
  virtual Window* clone() const = 0;
  virtual bool isEmpty() const;
  virtual int32_t type() const;
  virtual bool operator==(const Window& other) const;
  virtual bool operator!=(const Window& other) const;
  virtual bool isVisible() const = 0;
  virtual void show() = 0;
  // The widget handles placed in the window (owned by the window).
  virtual std::vector<Widget*> widgets() const;
  // Lists a copy of the widget's handle and links the widget to this window; false without data, for
  // an empty widget or one already listed. The subclasses then place it in their platform window.
  virtual bool addWidget(const Widget& widget);
  virtual bool removeWidget(const Widget& widget);
  virtual bool addWidgetGroup(const WidgetGroup& group);
  virtual bool removeWidgetGroup(const WidgetGroup& group);
  virtual TabOrder* tabOrder() const;
  virtual void update() = 0;
  // The platform window's DPI step; 1 without one.
  virtual double uiScale() const;
  // The base form leaves the handle unchanged.
  virtual Window& operator=(const Window& other);

  __IntWindowContainer* container() const { return container_; }

protected:
  // An empty handle: a new container without data.
  Window();
  // A handle of the type code with new window data, when the framework's globals exist.
  explicit Window(int32_t typeCode);
  // The data when it exists and has the internal type.
  __IntWindowData* dataOfType(uint32_t type) const;
  // Drops this handle's reference (destroying the window at the last) and shares the other's
  // container; nothing without globals, for itself, or when either has no container.
  void shareContainer(const Window& other);
  // Replaces this handle's own container (a fresh one, or one just registered) with the other's.
  void takeContainer(__IntWindowContainer* other);
  // Deletes the platform window while handles still share the container: they become empty.
  void destroyPlatformWindow();

private:
  void release();

  __IntWindowContainer* container_;
};

}  // namespace core
}  // namespace qor
