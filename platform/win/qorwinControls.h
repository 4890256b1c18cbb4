// Internal services shared by the common controls of the Windows layer (list view, header, tree view,
// combo box): per-window records, notifications to the parent, the control's font on a DC, the
// vertical scroll bar every control draws in its client area, and type-ahead. Not part of the API.
#pragma once

#include "win/CommCtrl.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace qorwin_controls {

// One record of type T per window of a control class, made at WM_NCCREATE and dropped at WM_NCDESTROY.
// The controls run on their window's thread, so a record is used without the table's lock held.
template <class T> class ControlTable
{
public:
  T* make(HWND window)
  {
    std::lock_guard<std::mutex> guard(lock_);
    auto& slot = records_[window];
    slot = std::make_unique<T>();
    return slot.get();
  }
  T* find(HWND window)
  {
    std::lock_guard<std::mutex> guard(lock_);
    auto it = records_.find(window);
    return it == records_.end() ? nullptr : it->second.get();
  }
  void drop(HWND window)
  {
    std::unique_ptr<T> gone;
    {
      std::lock_guard<std::mutex> guard(lock_);
      auto it = records_.find(window);
      if (it == records_.end())
        return;
      gone = std::move(it->second);
      records_.erase(it);
    }
  }

private:
  std::mutex lock_;
  std::map<HWND, std::unique_ptr<T>> records_;
};

// WM_NOTIFY to the control's parent, with the header's window, id and code filled in.
LRESULT notifyParent(HWND control, UINT code, NMHDR* header);
// WM_COMMAND with a notification code to the control's parent.
void commandParent(HWND control, UINT code);

// Selects the control's font (WM_GETFONT) into a DC while it lives.
class SelectedFont
{
public:
  SelectedFont(HWND window, HDC dc);
  ~SelectedFont();
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

private:
  HDC dc_;
  HGDIOBJ old_;
};

// The line height of the control's font: its text height.
int fontLineHeight(HWND window);

// A vertical scroll bar drawn by a control at its client area's right edge, counted in lines.
struct ScrollBar
{
  int count = 0; // lines in all
  int page = 1;  // lines that fit
  int pos = 0;   // the top line
  bool dragging = false;
  int grabOffset = 0; // where the thumb was taken, from its top

  int maxPos() const { return count > page ? count - page : 0; }
  bool needed() const { return count > page; }
  // Keeps pos inside 0..maxPos; answers whether it changed.
  bool clamp();
};

enum ScrollHit
{
  ScrollHitNone,
  ScrollHitLineUp,
  ScrollHitLineDown,
  ScrollHitPageUp,
  ScrollHitPageDown,
  ScrollHitThumb
};

int scrollBarWidth();
// The bar's rectangle in a client rectangle (inside a one-pixel border when bordered).
RECT scrollBarRect(const RECT& client, bool bordered);
RECT scrollThumbRect(const RECT& bar, const ScrollBar& scroll);
ScrollHit hitScrollBar(const RECT& bar, const ScrollBar& scroll, POINT point);
void drawScrollBar(HDC dc, const RECT& bar, const ScrollBar& scroll);
// The top line for the thumb's top at y while it is dragged.
int scrollPosForThumb(const RECT& bar, const ScrollBar& scroll, int thumbTop);
// The new top line for a scroll request (SB_LINEUP ... SB_BOTTOM; SB_THUMBTRACK and SB_THUMBPOSITION take
// `thumb`), clamped.
int scrollPosFor(const ScrollBar& scroll, int request, int thumb);

// Tells the layer's scroll bar calls where a control's bar stands (GetScrollPos, GetScrollInfo), and
// which function scrolls the content when the program moves the bar (SetScrollPos, SetScrollInfo).
void publishScroll(HWND window, const ScrollBar& scroll);
void followScroll(HWND window, std::function<void(int pos)> follow);
void forgetScroll(HWND window);

// Type-ahead: keys typed within a second of each other build a prefix; a new first key starts over.
class TypeAhead
{
public:
  // The prefix after this character at the clock's time now.
  const std::u16string& add(char16_t c);

private:
  std::u16string prefix_;
  unsigned long long last_ = 0;
  bool any_ = false;
};
// Whether text starts with prefix, ignoring case.
bool startsWithFolded(const std::u16string& text, const std::u16string& prefix);
// Whether two texts are equal, ignoring case.
bool equalFolded(const std::u16string& a, const std::u16string& b);

// Registers the window classes of the common controls.
void registerListView();
void registerHeader();
void registerTreeView();
void registerComboBox();

} // namespace qorwin_controls
