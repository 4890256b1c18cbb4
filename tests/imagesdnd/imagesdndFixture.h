// The plug-in started in-process in the simulated host with its resources; a plain window to place
// platform widgets in; a widget over a plain control that can be dragged and dropped on; and a
// callback made of a function.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <functional>

#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiDragDropWidgets.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWidget.h"
#include "pui/qorpuiWinMfcDragDrop.h"
#include "pui/qorpuiWinMfcView.h"
#include "pui/qorpuiWindow.h"
#include "core/qorcoreCallback.h"
#include "utils/qorutilsCallback.h"
#include "widgets/widgetsFixture.h"
#include "win/WinTest.h"

namespace imagesdndtest {

// The widget tests' start-up, with the UI layer's globals at hand.
class Started : public widgetstest::Started
{
protected:
  static UiGlobals* globals()
  {
    qor::pui::BasePlugin* plugin = qor::pui::BasePlugin::instance();
    return plugin ? plugin->uiGlobals() : nullptr;
  }
};

// A top-level window with a framework content view, of a window kind.
struct TestWindow
{
  explicit TestWindow(int32_t kind = 1)
  {
    top = CreateWindowExW(0, u"Static", u"top", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                          nullptr);
    view = new qor::pui::WinMfcView();
    view->CreateEx(0, nullptr, u"", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, top, nullptr);
    window.reset(new qor::pui::Window(view));
    window->setKind(kind);
    view->windowLink = window.get();
  }
  ~TestWindow()
  {
    window.reset();
    DestroyWindow(top);
  }
  HWND top;
  qor::pui::WinMfcView* view;
  std::unique_ptr<qor::pui::Window> window;
};

// Runs a function as a framework callback.
class FunctionCallback : public qor::utils::Callback
{
public:
  explicit FunctionCallback(std::function<void()> run) : run(std::move(run)) {}
  void execute() override { run(); }
  Callback* clone() const override { return new FunctionCallback(run); }
  std::function<void()> run;
};

// The same, as a client callback.
class ClientFunctionCallback : public qor::core::Callback
{
public:
  explicit ClientFunctionCallback(std::function<void()> run) : run(std::move(run)) {}
  void execute() override { run(); }
  Callback* clone() const override { return new ClientFunctionCallback(run); }
  std::function<void()> run;
};

// A widget over a plain control that starts a text drag when pressed (if draggable) and registers its
// drop target when its control is made.
class DragWidget : public qor::pui::Widget, public qor::pui::DraggableWidget, public qor::pui::DroppableWidget
{
public:
  class Control : public CWnd
  {
  public:
    explicit Control(DragWidget* owner) : owner(owner) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
      if (message == WM_LBUTTONDOWN && owner->isDraggable())
        owner->lastEffect = qor::pui::startTextDrag(owner, owner);
      return CWnd::WindowProc(message, wParam, lParam);
    }
    DragWidget* owner;
    qor::pui::WinMfcDragDropTarget target;
  };

  DragWidget(const qor::aip::Rect& frame, const std::string& text) : Widget(qor::pui::LabelWidgetKind, frame, text) {}
  Widget* clone() const override { return nullptr; }
  void createControl(qor::pui::Window* window) override
  {
    auto* control = new Control(this);
    setControl(control);
    control->CreateEx(0, nullptr, u"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window->nativeWindow()->m_hWnd, nullptr);
    control->MoveWindow(pixelFrame(window));
    Widget::createControl(window);
    control->target.attach(this);
    markControlCreated();
  }
  HWND hwnd() const { return control()->m_hWnd; }

  DROPEFFECT lastEffect = DROPEFFECT_NONE;
};

}  // namespace imagesdndtest
