// Resource ids of a widget's PNG images: five scales (1, 1.5, 2, 3, 4) for the light interface,
// then five for the dark one; the rollover form adds ten more, in the same order, for the hovered
// state. 0 means no image.
#pragma once

#include <cstdint>

namespace qor {
namespace core {

class ImageIDs
{
public:
  static constexpr int count = 10;

  ImageIDs();
  // Scales 1, 1.5 and 2 of each interface; the scale-3 and scale-4 ids stay 0.
  ImageIDs(uint16_t light1, uint16_t light15, uint16_t light2, uint16_t dark1, uint16_t dark15, uint16_t dark2);
  ImageIDs(uint16_t light1, uint16_t light15, uint16_t light2, uint16_t light3, uint16_t light4, uint16_t dark1,
           uint16_t dark15, uint16_t dark2, uint16_t dark3, uint16_t dark4);
  ImageIDs(const ImageIDs& other) = default;
  ImageIDs& operator=(const ImageIDs& other) = default;
  virtual ~ImageIDs();

  bool operator==(const ImageIDs& other) const;
  bool operator!=(const ImageIDs& other) const { return !(*this == other); }

  // Light 1, 1.5, 2, 3, 4, then dark 1, 1.5, 2, 3, 4.
  uint16_t ids[count];
};

class ImageWithRolloverIDs : public ImageIDs
{
public:
  ImageWithRolloverIDs();
  // Only the scale-1 images of both states and both interfaces.
  ImageWithRolloverIDs(uint16_t normalLight, uint16_t rolloverLight, uint16_t normalDark, uint16_t rolloverDark);
  ImageWithRolloverIDs(const ImageWithRolloverIDs& other) = default;
  ImageWithRolloverIDs& operator=(const ImageWithRolloverIDs& other) = default;
  ~ImageWithRolloverIDs() override;

  bool operator==(const ImageWithRolloverIDs& other) const;
  bool operator!=(const ImageWithRolloverIDs& other) const { return !(*this == other); }

  // The hovered state, in the order of ids.
  uint16_t rolloverIds[count];
};

}  // namespace core
}  // namespace qor
