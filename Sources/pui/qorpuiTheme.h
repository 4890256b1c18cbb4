// Colours and shapes of the owner-drawn controls in the host's interface theme: colour sets filled
// from the host theme for dark or light UI and a control state, a grey ramp, and rounded rectangles.
#pragma once

#include <cstdint>

#include "aip/qoraipColor.h"
#include "aip/qoraipRect.h"

namespace qor {
namespace pui {

// Four colours (five for sliders) whose use is the painter's: buttons and fields take colour 1 as the
// outer frame, 2 the middle frame, 3 the inner frame and 4 the fill.
struct ThemeColorSet
{
  aip::Color color1;
  aip::Color color2;
  aip::Color color3;
  aip::Color color4;
};

struct ThemeSliderColorSet : ThemeColorSet
{
  aip::Color color5;
};

// `component` goes to the host's theme as it is: 0 inside dialog-kind windows, 1 elsewhere. Each
// returns whether the interface is dark.
bool themeBoxColors(int32_t component, ThemeColorSet& set);
// States: 0 normal; 1 and 4 emphasised (by 0.15 and 0.35); others change nothing.
bool themeControlColors(int32_t component, int32_t state, ThemeColorSet& set);
// A fixed table by brightness and state; a state above 4 leaves the set as it is.
bool themeSliderColors(int32_t component, int32_t state, ThemeSliderColorSet& set);
// Red, green and blue become ((to − from) · t + from) / 255 + offset; alpha stays.
aip::Color& themeGray(double t, double offset, double from, double to, aip::Color& color);

// A path the rounded rectangle is appended to: eight cubic segments of integer points, each given as
// start, two control points and end. Filled by addRoundedRectPath.
class RoundedRectPath
{
public:
  virtual ~RoundedRectPath() = default;
  // Appends one cubic segment; returns a status, 0 for success.
  virtual int addBezier(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  int lastStatus = 0;
};

void addRoundedRectPath(RoundedRectPath& path, const aip::Rect& rect, double radius);

}  // namespace pui
}  // namespace qor
