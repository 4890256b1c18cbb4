// What the Edit control's single-line and multi-line parts share: the per-window record, the text
// read past any subclass, measuring, selection and stepping over characters. Not part of the API.
#pragma once

#include "win/WinGdi.h"
#include "win/WinUser.h"

#include <string>

namespace qorwinEdit_detail {

struct EditData
{
  int anchor = 0; // the fixed end of the selection
  int caret = 0;  // the moving end, where the caret is
  int scroll = 0; // pixels of text scrolled out at the left
  RECT margins{}; // taken off the client rectangle by WM_NCCALCSIZE
  size_t limit = 30000;
  bool canUndo = false;
  std::u16string undoText;
  int undoAnchor = 0;
  int undoCaret = 0;
};

EditData dataOf(HWND window);
void storeData(HWND window, const EditData& data);
DWORD styleOf(HWND window);
bool multiline(HWND window);
bool readOnly(HWND window);
std::u16string textOf(HWND window);
int lengthOf(HWND window);
void notifyParent(HWND window, WORD code);
// The rectangle the text is laid out in: the client area less the margins (and the scroll bar).
RECT formatRect(HWND window, const EditData& data);
int stepLeft(const std::u16string& text, int at);
int stepRight(const std::u16string& text, int at);
bool isWordChar(char16_t c);
int wordLeft(const std::u16string& text, int at);
int wordRight(const std::u16string& text, int at);
void setSelection(HWND window, int anchor, int caret, bool scroll);

// A DC of the control with its font selected; measures prefixes of the text.
class Measure
{
public:
  explicit Measure(HWND window, HDC dc = nullptr) : window_(window), dc_(dc ? dc : GetDC(window)), own_(!dc)
  {
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
    old_ = font ? SelectObject(dc_, font) : nullptr;
  }
  ~Measure()
  {
    if (old_)
      SelectObject(dc_, old_);
    if (own_)
      ReleaseDC(window_, dc_);
  }
  Measure(const Measure&) = delete;
  Measure& operator=(const Measure&) = delete;

  HDC dc() const { return dc_; }
  int width(const std::u16string& text, int from, int to) const
  {
    if (to <= from)
      return 0;
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str() + from, to - from, &size);
    return size.cx;
  }
  int lineHeight() const
  {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return metrics.tmHeight;
  }

private:
  HWND window_;
  HDC dc_;
  bool own_;
  HGDIOBJ old_ = nullptr;
};

// The multi-line part (qorwinEditMultiline.cpp). EditData::scroll counts lines there.
void keepCaretVisibleLines(HWND window, EditData& data);
void paintLines(HWND window, HDC dc, const EditData& data, int left);
// Messages whose meaning depends on the lines; false leaves the message to the common handling.
bool multilineMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
// The client rectangle less what a subclass took off; the scroll bar stands at its right edge.
RECT innerRect(HWND window, const EditData& data);

} // namespace qorwinEdit_detail
