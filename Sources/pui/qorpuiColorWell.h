// A colour well: a small owner-drawn button showing one colour of the host's colour model. A release of
// the left button opens the host's colour picker on it, and a confirmed colour is taken (neutral colours
// as gray, spot colours as the process colour of their model) and reported as value-changed. The well
// drags out as a short colour text ("RGB(255,0,0)") and takes such a text dropped onto it.
#pragma once

#include <string>

#include "aip/qoraipArtColor.h"
#include "pui/qorpuiDragDropWidgets.h"
#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiWidget.h"
#include "pui/qorpuiWinMfcDragDrop.h"

namespace qor {
namespace pui {

class ColorWell : public virtual Widget,
                  public DraggableWidget,
                  public DroppableWidget,
                  public ValueChangedWidget,
                  public CustomEventsWidget
{
public:
  ColorWell(const aip::Rect& frame, const aip::ArtColor& color);
  ~ColorWell() override;

  Widget* clone() const override;
  void createControl(Window* window) override;

  virtual aip::ArtColor color() const;
  // Stores a copy and redraws; fires nothing.
  virtual void setColor(const aip::ArtColor& color);

  // A dropped colour text sets the colour (no event); any other text changes nothing.
  void fireDrop(const std::string& text, const aip::Point& point) override;

  // Opens the host's colour picker on the colour and takes a confirmed one (run on the left-button
  // release, inside the host's application context).
  void pickColor();

protected:
  ColorWell(const ColorWell& other);

private:
  aip::ArtColor color_;
};

// The text a well's colour drags as: "Gray(25%)", "RGB(255,0,0)", "CMYK(0%,50%,100%,0%)", "Lab(L,a,b)"
// (a and b written plus 128), "HSB(120°,100%,100%)", or "None" for no colour; empty for any other colour.
std::string colorWellText(const aip::ArtColor& color);
// The colour of such a text; false for anything else, a text cut short included.
bool parseColorWellText(const std::string& text, aip::ArtColor& color);

class WinMfcColorWell : public CButton
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcColorWell(ColorWell* owner) : owner(owner) {}
  ~WinMfcColorWell() override;

  // The button, then its drop target attached to the owner.
  BOOL Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) override;
  // A one-pixel border (focus colour, black, or grey when disabled) around the colour, or around a red
  // slash on white for no colour.
  void DrawItem(LPDRAWITEMSTRUCT item) override;

  ColorWell* owner;
  WinMfcDragDropTarget* dropTarget = nullptr;

  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnRButtonUp(UINT flags, CPoint point);
};

}  // namespace pui
}  // namespace qor
