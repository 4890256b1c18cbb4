#include "core/qorcoreImageIDs.h"

#include <algorithm>

namespace qor {
namespace core {

ImageIDs::ImageIDs() : ids{} {}

ImageIDs::ImageIDs(uint16_t light1, uint16_t light15, uint16_t light2, uint16_t dark1, uint16_t dark15,
                   uint16_t dark2)
    : ids{light1, light15, light2, 0, 0, dark1, dark15, dark2, 0, 0}
{
}

ImageIDs::ImageIDs(uint16_t light1, uint16_t light15, uint16_t light2, uint16_t light3, uint16_t light4,
                   uint16_t dark1, uint16_t dark15, uint16_t dark2, uint16_t dark3, uint16_t dark4)
    : ids{light1, light15, light2, light3, light4, dark1, dark15, dark2, dark3, dark4}
{
}

ImageIDs::~ImageIDs() = default;

bool ImageIDs::operator==(const ImageIDs& other) const
{
  return std::equal(ids, ids + count, other.ids);
}

ImageWithRolloverIDs::ImageWithRolloverIDs() : rolloverIds{} {}

ImageWithRolloverIDs::ImageWithRolloverIDs(uint16_t normalLight, uint16_t rolloverLight, uint16_t normalDark,
                                           uint16_t rolloverDark)
    : ImageIDs(normalLight, 0, 0, 0, 0, normalDark, 0, 0, 0, 0),
      rolloverIds{rolloverLight, 0, 0, 0, 0, rolloverDark, 0, 0, 0, 0}
{
}

ImageWithRolloverIDs::~ImageWithRolloverIDs() = default;

bool ImageWithRolloverIDs::operator==(const ImageWithRolloverIDs& other) const
{
  return ImageIDs::operator==(other) && std::equal(rolloverIds, rolloverIds + count, other.rolloverIds);
}

}  // namespace core
}  // namespace qor
