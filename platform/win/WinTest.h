// Helpers for tests and for the simulated host: the layer's clock, pumping the calling thread's queue,
// the debugger sink, the held-key table, the reported system version and a reset of the whole layer.
//
// The clock starts at 0 and only moves when advanced, so timers fire deterministically; the simulated
// host's program switches it to real time. Timers fire no sooner than USER_TIMER_MINIMUM (10 ms) after
// they are set, as on the real system; timerInfo reports the interval that was asked for.
#pragma once

#include "win/WinTypes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qorwin {

ULONGLONG now();
// Moves the clock forward without running anything.
void advanceClock(DWORD ms);
void useRealTimeClock(bool on);

// Runs every message of the calling thread's queue that is ready now (due timers included), keys
// going through the dialogs' keyboard handling first;
// returns how many ran.
int pump();
// Moves the clock forward by ms in steps, stopping at each timer that falls due and pumping there,
// so timers fire in order and as often as they would in real time; returns how many messages ran.
int advance(DWORD ms);
// Pumps until done() holds. When the queue is idle, moves the clock to the next timer of this thread;
// with no timer, waits (in real time, at most realTimeoutMs) for another thread to post or send.
bool pumpUntil(const std::function<bool()>& done, DWORD realTimeoutMs = 10000);

// Timer with this window and id: the interval asked for and the clock time it is next due.
bool timerInfo(HWND window, UINT_PTR id, UINT* elapse, ULONGLONG* due);
size_t timerCount();

// Everything written with OutputDebugString since the last clear.
std::string debugOutput();
void clearDebugOutput();

// Keys held for GetKeyState and GetAsyncKeyState.
void setKeyDown(int virtualKey, bool down);
// The version VerifyVersionInfoW compares against (10.0 service pack 0 unless set).
void setSystemVersion(DWORD major, DWORD minor, WORD servicePackMajor);

// Display and screen: LOGPIXELSX/Y of every DC (96 at start) and the screen size GetSystemMetrics answers.
void setDisplayDpi(int dpi);
void setScreenSize(int width, int height);

// What the GDI drew: one record per drawing call on a DC of the window (DCs of no window log under
// null), oldest first. Rectangles and points are in the window's client coordinates.
struct DrawRecord
{
  enum Op
  {
    FillRect,  // rect filled with color
    FrameRect, // one-pixel frame of rect in color
    PatBlt,    // rect filled with the selected brush's color
    Line,      // from (rect.left, rect.top) to (rect.right, rect.bottom) in color (the pen's)
    Pixel,     // (rect.left, rect.top) set to color
    Rectangle, // outline in color (the pen's), filled with fill (the brush's) unless noFill
    Ellipse,   // as Rectangle
    FocusRect,
    Text,      // text drawn in color into rect (the lines' bounding box) with format
    Polygon    // rect: the points' bounds; outline in color unless noPen, filled with fill unless noFill
  } op;
  RECT rect{};
  COLORREF color = 0;
  COLORREF fill = 0;
  bool noFill = false;
  bool noPen = false;
  std::u16string text; // the text as shown: mnemonic ampersands removed, lines joined with '\n'
  UINT format = 0;
  int backgroundMode = 0; // TRANSPARENT or OPAQUE, for Text
  COLORREF background = 0;
  std::u16string face;    // the selected font's face name and height, for Text
  LONG fontHeight = 0;
};
std::vector<DrawRecord> drawRecords(HWND window);
void clearDrawRecords();

// Invalidates a window and its descendants and paints them now, parents first (WM_ERASEBKGND, then
// WM_PAINT); nothing when the window is hidden. Tests call it to see everything a window draws.
void paint(HWND window);
// Paints what is invalid in the calling thread's visible windows, as an idle queue does; answers how
// many WM_PAINT messages ran.
int paintPending();
// Whether the window's update region is not empty, and how often InvalidateRect or InvalidateRgn
// were called on it.
bool isInvalid(HWND window);
int invalidationCount(HWND window);

// Pictures of windows. Every top-level window has its own pixels, and its children draw on them.
struct Picture
{
  int width = 0, height = 0;
  std::vector<uint32_t> pixels; // 0xAARRGGBB, not premultiplied, rows from the top

  bool empty() const { return pixels.empty(); }
  // The pixel at (x, y); 0 outside.
  uint32_t at(int x, int y) const;
  bool savePng(const std::string& file) const;
  // An empty picture when the file cannot be read as PNG.
  static Picture loadPng(const std::string& file);
};
// Paints what is pending, then copies the window: a top-level window with its children composed,
// framed with a caption bar showing its title when it has WS_CAPTION (the client area unchanged
// inside); a child window, its part of its top-level window. Empty for a window that is gone.
Picture snapshot(HWND window);
// The colour at a client point of a window after painting what is pending; CLR_INVALID outside.
COLORREF pixel(HWND window, int x, int y);
bool saveSnapshot(HWND window, const std::string& file);
// A top-level window with this title (visible ones first), or null; and the titles of all of them.
HWND findTopLevel(const std::u16string& title);
std::vector<std::u16string> topLevelTitles();

// Input, sent at once to the window (or the capture): the pointer moves to client point (x, y) of the
// window (a window that asked for TME_LEAVE and is left gets WM_MOUSELEAVE first); a click is a move,
// a button down and a button up there. The key flags carry MK_SHIFT and MK_CONTROL from the held keys.
void mouseMove(HWND window, int x, int y);
void mouseDown(HWND window, int x, int y, bool right = false);
void mouseUp(HWND window, int x, int y, bool right = false);
void click(HWND window, int x, int y, bool right = false);
void doubleClick(HWND window, int x, int y);
// Posts WM_KEYDOWN and WM_KEYUP of a key to the focused window, so a modal loop's dialog keyboard
// handling sees them; pump (or a running modal loop) delivers them.
void postKey(int virtualKey);
// Posts WM_CHAR of each character to the focused window.
void postText(const std::u16string& text);

// Modal loops. The hook runs each time a modal loop starts, right after its dialog is shown, with the
// dialog's window; it may post input or send messages to end it. A modal loop with nothing left to do
// (no message queued and no timer of the thread: the clock is moved to the next timer first, and a
// minute of the clock without any other message counts as nothing to do) ends as if Esc were
// pressed: the dialog gets IDCANCEL, the loop ends with IDCANCEL if it is still running, and a
// debugger line says so. So no modal loop waits for input that never comes.
void setModalHook(std::function<void(HWND dialog)> hook);
// How many modal loops run now (nested loops count each).
int modalDepth();

// Drag and drop (win/Ole.h). The next drag loop plays this path: the pointer goes to each step's client
// point of its window with the step's key state (MK_LBUTTON while the button is held, MK_SHIFT,
// MK_CONTROL), the drop target there (of the window or its nearest ancestor with one) gets DragEnter,
// DragOver or, once left, DragLeave, and the source is asked after each step whether to go on. After the
// last step the button is let go there (the drop), or Esc is pressed when cancel is set.
struct DragStep
{
  HWND window;
  int x;
  int y;
  DWORD keyState;
};
void scriptDrag(const std::vector<DragStep>& path, bool cancel = false);
// Whether a queued path still waits for a drag loop.
bool dragPending();
// The user's drag: presses the left button at (x, y) of `from`, moves a few pixels with it held unless
// the press started the drag, and lets go; the path plays in the drag loop this starts. True when a
// drag loop ran; the path is forgotten either way.
bool dragAndDrop(HWND from, int x, int y, const std::vector<DragStep>& path, bool cancel = false);

// Destroys every window, forgets classes, timers, queued messages, held keys, the debugger sink and the
// version, and sets the clock back to 0. Registered message ids stay, as modules keep them in statics.
void resetState();

} // namespace qorwin
