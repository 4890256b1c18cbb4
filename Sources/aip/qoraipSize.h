// The host-facing size: a geo::Size with conversions to and from the host's size record.
#pragma once

#include "geo/qorgeoSize.h"
#include "hostapi/HostRecords.h"

namespace qor {
namespace aip {

class Size : public geo::Size {
public:
    Size() = default;
    Size(double width_, double height_) : geo::Size(width_, height_) {}
    Size(const Size& other) = default;
    Size(const geo::Size& other) : geo::Size(other) {}
    explicit Size(const SizeRecord& host) : geo::Size(host.width, host.height) {}
    Size& operator=(const Size& other) = default;

    void toHostSize(SizeRecord& out) const;
};

}  // namespace aip
}  // namespace qor
