#include "aip/qoraipDocumentView.h"

#include "aip/qoraipDocument.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "geo/qorgeoNumeric.h"

namespace qor {
namespace aip {

DocumentView::DocumentView(DocViewHandle view) : view_(view)
{
    acquireSuite(documentViewSuite, kDocumentViewSuiteName, kDocumentViewSuiteVersion);
}

DocViewHandle DocumentView::hostHandle() const { return view_; }

ArtboardRect DocumentView::bounds() const
{
    RealRect r{0, 0, 0, 0};
    if (documentViewSuite)
        documentViewSuite->getViewBounds(view_, &r);
    double f = Document::currentScaleFactor();
    r = {r.left * f, r.top * f, r.right * f, r.bottom * f};
    return ArtboardRect(r);
}

ArtboardPoint DocumentView::center() const
{
    RealPoint p{0, 0};
    if (documentViewSuite)
        documentViewSuite->getViewCenter(view_, &p);
    double f = Document::currentScaleFactor();
    return ArtboardPoint(RealPoint{p.h * f, p.v * f});
}

HostErr DocumentView::setCenter(const ArtboardPoint& center)
{
    if (!documentViewSuite)
        return kHostErrNotFound;
    double f = Document::currentScaleFactor();
    RealPoint p = ArtboardPoint(center.x / f, center.y / f).toHostPoint();
    return documentViewSuite->setViewCenter(view_, &p);
}

double DocumentView::zoom() const
{
    double z = 0;
    if (documentViewSuite)
        documentViewSuite->getViewZoom(view_, &z);
    return z / Document::currentScaleFactor();
}

HostErr DocumentView::setZoom(double zoom)
{
    if (!documentViewSuite)
        return kHostErrNotFound;
    return documentViewSuite->setViewZoom(view_, zoom / Document::currentScaleFactor());
}

int32_t DocumentView::viewMode() const
{
    int32_t mode = 0;
    if (documentViewSuite)
        documentViewSuite->getViewMode(view_, &mode);
    return mode;
}

HostErr DocumentView::setViewMode(int32_t mode)
{
    return documentViewSuite ? documentViewSuite->setViewMode(view_, mode) : kHostErrNotFound;
}

Point DocumentView::artworkPointToViewPoint(const ArtboardPoint& point) const
{
    double f = Document::currentScaleFactor();
    RealPoint p = ArtboardPoint(point.x / f, point.y / f).toHostPoint();
    IntPoint out{0, 0};
    if (documentViewSuite)
        documentViewSuite->artworkPointToViewPoint(view_, &p, &out);
    return Point(out.h, out.v);
}

ArtboardPoint DocumentView::viewPointToArtworkPoint(const Point& point) const
{
    IntPoint in{static_cast<int32_t>(geo::roundAwayFromZero(point.x)),
                static_cast<int32_t>(geo::roundAwayFromZero(point.y))};
    RealPoint out{0, 0};
    if (documentViewSuite)
        documentViewSuite->viewPointToArtworkPoint(view_, &in, &out);
    double f = Document::currentScaleFactor();
    return ArtboardPoint(RealPoint{out.h * f, out.v * f});
}

Rect DocumentView::artworkRectToViewRect(const ArtboardRect& rect) const
{
    Point topLeft = artworkPointToViewPoint(rect.topLeft());
    Point bottomRight = artworkPointToViewPoint(rect.bottomRight());
    return Rect(topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y);
}

ArtboardRect DocumentView::viewRectToArtworkRect(const Rect& rect) const
{
    geo::Point topLeft = rect.topLeft();
    geo::Point bottomRight = rect.bottomRight();
    ArtboardPoint first = viewPointToArtworkPoint(Point(topLeft.x, topLeft.y));
    ArtboardPoint second = viewPointToArtworkPoint(Point(bottomRight.x, bottomRight.y));
    return ArtboardRect::fromEdges(first.x, first.y, second.x, second.y);
}

}  // namespace aip
}  // namespace qor
