// The text-styling mix-in of widgets that show text of their own (bold, italic, justification), and
// the measuring of text in the framework's standard font.
#pragma once

#include <cstdint>
#include <string>

#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

class TextWidget : public virtual Widget
{
public:
  // Justification 1 left, 2 centre, 3 right.
  TextWidget();
  ~TextWidget() override;

  virtual bool bold() const;
  virtual void setBold(bool bold);
  virtual bool italic() const;
  virtual void setItalic(bool italic);
  virtual int32_t justification() const;
  virtual void setJustification(int32_t justification);

  // The font rule of text widgets: "Tahoma Bold" for bold (the weight stays 400), italic as set.
  void updateFont() override;
  void applyFont();

private:
  bool bold_ = false;
  bool italic_ = false;
  int32_t justification_ = 1;
};

// The height in pixels of a text wrapped at a width, in Tahoma of the point size at 96 dpi; 0 before
// the framework's hidden window exists.
double textHeightForWidth(const std::string& text, double width, double pointSize);
// The width in pixels that a text needs to fit a height, in the same font.
double textWidthForHeight(const std::string& text, double height, double pointSize);

}  // namespace pui
}  // namespace qor
