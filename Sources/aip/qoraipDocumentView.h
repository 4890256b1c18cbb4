// A view of the current document: visible bounds, centre, zoom, view mode and the conversions between
// artwork points and view (pixel) points.
#pragma once

#include <cstdint>

#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipArtboardRect.h"
#include "aip/qoraipPoint.h"
#include "aip/qoraipRect.h"
#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class DocumentView {
public:
    explicit DocumentView(DocViewHandle view);
    DocumentView(const DocumentView&) = delete;
    DocumentView& operator=(const DocumentView&) = delete;

    virtual ~DocumentView() = default;
    virtual DocViewHandle hostHandle() const;
    virtual ArtboardRect bounds() const;
    virtual ArtboardPoint center() const;
    virtual HostErr setCenter(const ArtboardPoint& center);
    virtual double zoom() const;
    virtual HostErr setZoom(double zoom);
    virtual int32_t viewMode() const;
    virtual HostErr setViewMode(int32_t mode);
    virtual Point artworkPointToViewPoint(const ArtboardPoint& point) const;
    virtual ArtboardPoint viewPointToArtworkPoint(const Point& point) const;
    // Both corners converted as points.
    virtual Rect artworkRectToViewRect(const ArtboardRect& rect) const;
    virtual ArtboardRect viewRectToArtworkRect(const Rect& rect) const;

private:
    DocViewHandle view_;
};

}  // namespace aip
}  // namespace qor
