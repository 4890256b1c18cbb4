// The Windows layer paints: GDI shapes on exact pixels, text within its measured box, bitmaps and clip
// regions, update regions that accumulate and paint when the queue is idle, parents before children,
// children composed into their top-level window, and pictures of windows.
#include "win/WinGdi.h"
#include "win/WinTest.h"
#include "win/WinUser.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace paintwintest {

// Windows of a test class that erase with their class brush and fill their update region with a
// colour of their own, logging each WM_PAINT.
std::map<HWND, COLORREF> fills;
std::vector<HWND> painted;

LRESULT CALLBACK fillProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    painted.push_back(window);
    auto found = fills.find(window);
    if (found != fills.end()) {
      HBRUSH brush = CreateSolidBrush(found->second);
      FillRect(dc, &ps.rcPaint, brush);
      DeleteObject(brush);
    }
    EndPaint(window, &ps);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

class Painting : public ::testing::Test {
protected:
  void SetUp() override
  {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = fillProc;
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    cls.lpszClassName = u"PaintTest";
    RegisterClassExW(&cls);
  }
  void TearDown() override
  {
    qorwin::resetState();
    fills.clear();
    painted.clear();
  }
  HWND top(int width, int height, DWORD style = WS_POPUP | WS_VISIBLE, const char16_t* title = u"Top")
  {
    return CreateWindowExW(0, u"PaintTest", title, style, 100, 100, width, height, nullptr, nullptr, nullptr, nullptr);
  }
  HWND child(HWND parent, RECT r, COLORREF fill, DWORD style = WS_CHILD | WS_VISIBLE)
  {
    HWND window = CreateWindowExW(0, u"PaintTest", u"", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                  parent, nullptr, nullptr, nullptr);
    fills[window] = fill;
    return window;
  }
};

const COLORREF red = RGB(255, 0, 0), green = RGB(0, 160, 0), blue = RGB(0, 0, 255), white = RGB(255, 255, 255);

TEST_F(Painting, ShapesHitExactPixels)
{
  HWND window = top(60, 40);
  qorwin::pump();
  HDC dc = GetDC(window);
  HBRUSH redBrush = CreateSolidBrush(red);
  HBRUSH blueBrush = CreateSolidBrush(blue);
  RECT fill{2, 2, 6, 5}, frame{10, 2, 16, 8};
  FillRect(dc, &fill, redBrush);
  FrameRect(dc, &frame, blueBrush);
  HPEN greenPen = CreatePen(PS_SOLID, 1, green);
  HGDIOBJ oldPen = SelectObject(dc, greenPen);
  MoveToEx(dc, 20, 10, nullptr);
  LineTo(dc, 30, 10); // the end point stays out
  MoveToEx(dc, 20, 12, nullptr);
  LineTo(dc, 24, 16); // a diagonal, one pixel per step
  SetPixel(dc, 40, 30, blue);
  HGDIOBJ oldBrush = SelectObject(dc, redBrush);
  Rectangle(dc, 40, 2, 46, 8);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, 48, 2, 54, 8);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);

  const struct
  {
    int x, y;
    COLORREF color;
    const char* what;
  } expected[] = {
      {2, 2, red, "fill's first pixel"},
      {5, 4, red, "fill's last pixel"},
      {6, 4, white, "right of the fill"},
      {5, 5, white, "below the fill"},
      {10, 2, blue, "frame's corner"},
      {15, 7, blue, "frame's far corner"},
      {11, 3, white, "inside the frame"},
      {16, 2, white, "right of the frame"},
      {20, 10, green, "line start"},
      {29, 10, green, "line's last pixel"},
      {30, 10, white, "line end point"},
      {21, 11, white, "above the line"},
      {22, 14, green, "diagonal"},
      {24, 16, white, "diagonal end point"},
      {40, 30, blue, "set pixel"},
      {40, 2, green, "rectangle outline in the pen"},
      {42, 4, red, "rectangle inside in the brush"},
      {45, 7, green, "rectangle's far corner"},
      {50, 4, white, "a null brush leaves the inside"},
      {48, 2, green, "its outline still drawn"},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(GetPixel(dc, e.x, e.y), e.color) << e.what;
    EXPECT_EQ(qorwin::pixel(window, e.x, e.y), e.color) << e.what;
  }
  EXPECT_EQ(GetPixel(dc, 60, 0), CLR_INVALID) << "outside the window";
  ReleaseDC(window, dc);
  DeleteObject(redBrush);
  DeleteObject(blueBrush);
  DeleteObject(greenPen);
}

// Every pixel of a window that is not white, as a bounding box.
RECT ink(HWND window)
{
  qorwin::Picture picture = qorwin::snapshot(window);
  RECT box{picture.width, picture.height, 0, 0};
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      if ((picture.at(x, y) & 0xFFFFFF) != 0xFFFFFF) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  return box;
}

TEST_F(Painting, TextDrawsInsideTheBoxItWasMeasuredIn)
{
  HWND window = top(300, 60);
  qorwin::pump();
  HFONT font = CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, u"Tahoma Bold");
  const struct
  {
    const char16_t* text;
    UINT format;
  } cases[] = {
      {u"Wide Ms and Ws: MMMMWWWW", DT_LEFT | DT_SINGLELINE},
      {u"iiii llll", DT_CENTER | DT_SINGLELINE},
      {u"Right, with a descender: gjpq", DT_RIGHT | DT_SINGLELINE},
  };
  for (const auto& c : cases) {
    HDC dc = GetDC(window);
    HBRUSH whiteBrush = CreateSolidBrush(white);
    RECT all{0, 0, 300, 60};
    FillRect(dc, &all, whiteBrush);
    DeleteObject(whiteBrush);
    HGDIOBJ old = SelectObject(dc, font);
    RECT measured{20, 10, 280, 40};
    DrawTextW(dc, c.text, -1, &measured, c.format | DT_CALCRECT);
    RECT box{20, 10, 280, 40};
    if (c.format & DT_CENTER)
      OffsetRect(&measured, (260 - (measured.right - measured.left)) / 2, 0);
    else if (c.format & DT_RIGHT)
      OffsetRect(&measured, 260 - (measured.right - measured.left), 0);
    DrawTextW(dc, c.text, -1, &box, c.format);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    RECT drawn = ink(window);
    EXPECT_GE(drawn.left, measured.left);
    EXPECT_LE(drawn.right, measured.right);
    EXPECT_GE(drawn.top, measured.top);
    EXPECT_LE(drawn.bottom, measured.bottom);
    EXPECT_GT(drawn.right - drawn.left, (measured.right - measured.left) / 2) << "the text is drawn";
  }
  DeleteObject(font);
}

TEST_F(Painting, BitmapsCopyAndClipRegionsLimitDrawing)
{
  HWND window = top(40, 40);
  qorwin::pump();
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
  HGDIOBJ old = SelectObject(memory, bitmap);
  HBRUSH redBrush = CreateSolidBrush(red);
  RECT half{0, 0, 2, 4};
  FillRect(memory, &half, redBrush);
  EXPECT_EQ(GetPixel(memory, 3, 3), RGB(0, 0, 0)) << "a new bitmap is black";
  EXPECT_FALSE(DeleteObject(bitmap)) << "selected";

  BitBlt(screen, 10, 10, 4, 4, memory, 0, 0, SRCCOPY);
  StretchBlt(screen, 20, 20, 8, 8, memory, 0, 0, 4, 4, SRCCOPY);
  EXPECT_EQ(GetPixel(screen, 11, 13), red);
  EXPECT_EQ(GetPixel(screen, 12, 10), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(screen, 23, 27), red) << "stretched twice as wide";
  EXPECT_EQ(GetPixel(screen, 24, 20), RGB(0, 0, 0));

  HRGN region = CreateRectRgn(0, 0, 5, 5);
  SelectClipRgn(screen, region);
  ExcludeClipRect(screen, 0, 0, 2, 2);
  RECT all{0, 0, 40, 40};
  FillRect(screen, &all, redBrush);
  RECT box;
  EXPECT_EQ(GetClipBox(screen, &box), COMPLEXREGION);
  EXPECT_EQ(box.right, 5);
  EXPECT_EQ(GetPixel(screen, 3, 3), red);
  EXPECT_EQ(GetPixel(screen, 6, 6), CLR_INVALID) << "outside the clip region";
  EXPECT_EQ(qorwin::pixel(window, 6, 6), white);
  EXPECT_EQ(qorwin::pixel(window, 1, 1), white) << "excluded";
  SelectClipRgn(screen, nullptr);
  FillRect(screen, &all, redBrush);
  EXPECT_EQ(GetPixel(screen, 30, 2), red) << "no clip region any more";

  SelectObject(memory, old);
  EXPECT_TRUE(DeleteObject(bitmap));
  DeleteDC(memory);
  ReleaseDC(window, screen);
  DeleteObject(region);
  DeleteObject(redBrush);
}

TEST_F(Painting, UpdateRegionsAccumulateAndPaintWhenTheQueueIsIdle)
{
  HWND window = top(100, 100);
  fills[window] = blue;
  qorwin::pump();
  ASSERT_EQ(painted.size(), 1u) << "shown windows paint when idle";
  EXPECT_EQ(qorwin::pixel(window, 50, 50), blue);

  fills[window] = red;
  RECT a{0, 0, 10, 10}, b{20, 30, 40, 50};
  InvalidateRect(window, &a, FALSE);
  InvalidateRect(window, &b, FALSE);
  RECT update;
  EXPECT_TRUE(GetUpdateRect(window, &update, FALSE));
  EXPECT_EQ(update.right, 40);
  EXPECT_EQ(update.bottom, 50);
  // A DC taken outside painting, only to read the resolution, leaves the painting due.
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  EndPaint(window, &ps);
  EXPECT_TRUE(qorwin::isInvalid(window));
  RECT c{0, 0, 5, 5};
  ValidateRect(window, &c);
  EXPECT_EQ(painted.size(), 1u) << "nothing paints before the queue is idle";
  PostMessageW(window, WM_USER, 0, 0);
  EXPECT_EQ(qorwin::pump(), 1) << "painting is no message of its own";
  EXPECT_EQ(painted.size(), 2u);
  EXPECT_FALSE(qorwin::isInvalid(window));
  EXPECT_EQ(qorwin::pixel(window, 7, 7), red);
  EXPECT_EQ(qorwin::pixel(window, 2, 2), blue) << "validated";
  EXPECT_EQ(qorwin::pixel(window, 15, 15), blue) << "between the two rectangles";
  EXPECT_EQ(qorwin::pixel(window, 39, 49), red);

  // Hidden windows wait until they show.
  ShowWindow(window, SW_HIDE);
  InvalidateRect(window, nullptr, TRUE);
  qorwin::pump();
  EXPECT_EQ(painted.size(), 2u);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  EXPECT_EQ(painted.size(), 3u);
}

TEST_F(Painting, ParentsPaintFirstAndChildrenComposeIntoTheTopLevelWindow)
{
  HWND parent = top(100, 100);
  fills[parent] = blue;
  HWND left = child(parent, RECT{10, 10, 40, 40}, red);
  HWND inner = child(left, RECT{5, 5, 15, 15}, green);
  HWND hidden = child(parent, RECT{60, 60, 90, 90}, red, WS_CHILD);
  qorwin::pump();
  EXPECT_EQ(painted, (std::vector<HWND>{parent, left, inner}));
  EXPECT_EQ(qorwin::pixel(parent, 12, 12), red);
  EXPECT_EQ(qorwin::pixel(parent, 16, 16), green);
  EXPECT_EQ(qorwin::pixel(left, 6, 6), green) << "in the child's own coordinates";
  EXPECT_EQ(qorwin::pixel(parent, 70, 70), blue) << "a hidden child draws nothing";

  // Without WS_CLIPCHILDREN a parent's repaint passes to the children it covers; with it, the
  // parent's drawing leaves them alone.
  painted.clear();
  InvalidateRect(parent, nullptr, FALSE);
  qorwin::pump();
  EXPECT_EQ(painted, (std::vector<HWND>{parent, left, inner}));
  SetWindowLongW(parent, GWL_STYLE, GetWindowLongW(parent, GWL_STYLE) | WS_CLIPCHILDREN);
  painted.clear();
  InvalidateRect(parent, nullptr, FALSE);
  qorwin::pump();
  EXPECT_EQ(painted, (std::vector<HWND>{parent}));
  EXPECT_EQ(qorwin::pixel(parent, 12, 12), red);

  // Hiding or moving a child repaints what it uncovered.
  ShowWindow(left, SW_HIDE);
  EXPECT_EQ(qorwin::pixel(parent, 12, 12), blue);
  ShowWindow(hidden, SW_SHOW);
  MoveWindow(hidden, 0, 60, 30, 30, TRUE);
  EXPECT_EQ(qorwin::pixel(parent, 5, 70), red);
  EXPECT_EQ(qorwin::pixel(parent, 70, 70), blue);

  qorwin::Picture picture = qorwin::snapshot(parent);
  EXPECT_EQ(picture.width, 100);
  EXPECT_EQ(picture.at(5, 70) & 0xFFFFFF, 0xFF0000u);
  qorwin::Picture part = qorwin::snapshot(hidden);
  EXPECT_EQ(part.width, 30);
  EXPECT_EQ(part.at(0, 0) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(Painting, PicturesOfTopLevelWindowsByTitleWithACaptionFrame)
{
  HWND plain = top(50, 30, WS_POPUP | WS_VISIBLE, u"Plain");
  HWND framed = top(50, 30, WS_POPUP | WS_CAPTION | WS_VISIBLE, u"Framed");
  top(10, 10, WS_POPUP, u"Framed"); // hidden, found only after the visible one
  EXPECT_EQ(qorwin::findTopLevel(u"Framed"), framed);
  EXPECT_EQ(qorwin::findTopLevel(u"Plain"), plain);
  EXPECT_EQ(qorwin::findTopLevel(u"Nothing"), nullptr);
  std::vector<std::u16string> titles = qorwin::topLevelTitles();
  EXPECT_NE(std::find(titles.begin(), titles.end(), u"Plain"), titles.end());

  EXPECT_EQ(qorwin::snapshot(plain).width, 50);
  qorwin::Picture picture = qorwin::snapshot(framed);
  const int border = GetSystemMetrics(SM_CXDLGFRAME), caption = GetSystemMetrics(SM_CYCAPTION);
  EXPECT_EQ(picture.width, 50 + 2 * border);
  EXPECT_EQ(picture.height, 30 + 2 * border + caption);
  EXPECT_EQ(picture.at(border + 25, border + caption + 15) & 0xFFFFFF, 0xFFFFFFu) << "the client area inside";
  RECT client;
  GetClientRect(framed, &client);
  EXPECT_EQ(client.right, 50) << "the frame is only in the picture";

  const std::string file = ::testing::TempDir() + "framed.png";
  ASSERT_TRUE(qorwin::saveSnapshot(framed, file));
  qorwin::Picture loaded = qorwin::Picture::loadPng(file);
  EXPECT_EQ(loaded.pixels, picture.pixels);
  EXPECT_TRUE(qorwin::Picture::loadPng(file + ".missing").empty());
}

} // namespace paintwintest
