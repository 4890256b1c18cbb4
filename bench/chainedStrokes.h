// The drawing of the GEOS comparison and of the open and save benchmark: short straight strokes chained
// end to end on integer coordinates, every junction exact. A chain has 1 to 12 strokes of 2 to 4
// anchors and runs left to right in its own square, so a junction is only ever shared by the two
// strokes that meet there; half of the strokes are written backwards and the paths are shuffled.
#pragma once

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace chainedStrokes {

inline std::string make(int strokes)
{
  std::mt19937 rng(20261211u + static_cast<unsigned>(strokes));
  const int perRow = static_cast<int>(std::ceil(std::sqrt(strokes / 6.0)));
  std::vector<std::string> paths;
  paths.reserve(strokes);
  for (int chain = 0; static_cast<int>(paths.size()) < strokes; ++chain) {
    long x = (chain % perRow) * 200L, y = (chain / perRow) * 200L + 100;
    int length = std::min(1 + static_cast<int>(rng() % 12), strokes - static_cast<int>(paths.size()));
    for (int s = 0; s < length; ++s) {
      int anchors = 2 + static_cast<int>(rng() % 3);
      std::vector<std::pair<long, long>> pts{{x, y}};
      for (int a = 1; a < anchors; ++a) {
        x += 1 + static_cast<long>(rng() % 3);
        y += static_cast<long>(rng() % 5) - 2;
        pts.emplace_back(x, y);
      }
      if (rng() % 2)
        std::reverse(pts.begin(), pts.end());
      std::string d;
      for (size_t a = 0; a < pts.size(); ++a)
        d += (a ? " L" : "M") + std::to_string(pts[a].first) + " " + std::to_string(pts[a].second);
      paths.push_back(d);
    }
  }
  std::shuffle(paths.begin(), paths.end(), rng);
  std::string svg = "<svg xmlns='http://www.w3.org/2000/svg'><g id='layer'>";
  for (size_t i = 0; i < paths.size(); ++i)
    svg += "<path id='p" + std::to_string(i) + "' d='" + paths[i] + "'/>";
  return svg + "</g></svg>";
}

// Made once per size.
inline const std::string& drawing(int strokes)
{
  static std::map<int, std::string> drawings;
  std::string& text = drawings[strokes];
  if (text.empty())
    text = make(strokes);
  return text;
}

}  // namespace chainedStrokes
