#include "core/qorcoreDocumentView.h"

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreHandleGlobals.h"
#include "core/qorcoreSharedRecord.h"

namespace qor {
namespace core {

namespace qorcoreDocumentView_detail {

using Records = SharedRecord<__IntDocViewData, DocViewHandle>;

inline Records::Registry* registry()
{
  CoreGlobals* globals = handleGlobals();
  return globals ? &globals->docViewRegistry : nullptr;
}

} // namespace qorcoreDocumentView_detail

DocumentView::DocumentView() : data_(new __IntDocViewData())
{
  data_->count = 1;
}

DocumentView::DocumentView(aip::DocumentView*& impl) : data_(new __IntDocViewData())
{
  using namespace qorcoreDocumentView_detail;
  data_->count = 1;
  Records::Registry* records = registry();
  if (!records || !impl || !impl->hostHandle())
    return;
  data_ = Records::join(*records, data_, impl->hostHandle(), impl);
}

DocumentView::DocumentView(const DocumentView& other)
    : data_(qorcoreDocumentView_detail::Records::share(other.data_))
{
}

DocumentView::~DocumentView()
{
  using namespace qorcoreDocumentView_detail;
  if (Records::Registry* records = registry()) {
    Records::release(*records, data_);
    data_ = nullptr;
  }
}

DocumentView& DocumentView::assign(const DocumentView& other)
{
  if (&other != this)
    qorcoreDocumentView_detail::Records::assign(qorcoreDocumentView_detail::registry(), data_, other.data_);
  return *this;
}

DocViewHandle DocumentView::hostHandle() const
{
  return impl() ? impl()->hostHandle() : nullptr;
}
bool DocumentView::isEmpty() const
{
  return !impl();
}

ArtboardRect DocumentView::bounds() const
{
  return impl() ? wrapArtboardRect(impl()->bounds()) : ArtboardRect();
}

ArtboardPoint DocumentView::center() const
{
  return impl() ? wrapArtboardPoint(impl()->center()) : ArtboardPoint();
}

void DocumentView::setCenter(const ArtboardPoint& center)
{
  if (impl())
    impl()->setCenter(*pointImpl(center));
}

double DocumentView::zoom() const
{
  return impl() ? impl()->zoom() : 0.0;
}

void DocumentView::setZoom(double zoom)
{
  if (impl())
    impl()->setZoom(zoom);
}

int32_t DocumentView::viewMode() const
{
  if (!impl())
    return 0;
  int32_t mode = impl()->viewMode();
  return mode >= 0 && mode <= 3 ? (mode + 1) * 10 : 0;
}

void DocumentView::setViewMode(int32_t mode)
{
  if (impl())
    impl()->setViewMode(mode == 10 ? 0 : mode == 30 ? 2 : mode == 40 ? 3 : 1);
}

Point DocumentView::artworkPointToViewPoint(const ArtboardPoint& point) const
{
  return impl() ? wrapPoint(impl()->artworkPointToViewPoint(*pointImpl(point))) : Point();
}

ArtboardPoint DocumentView::viewPointToArtworkPoint(const Point& point) const
{
  return impl() ? wrapArtboardPoint(impl()->viewPointToArtworkPoint(*pointImpl(point))) : ArtboardPoint();
}

Rect DocumentView::artworkRectToViewRect(const ArtboardRect& rect) const
{
  return impl() ? wrapRect(impl()->artworkRectToViewRect(*rectImpl(rect))) : Rect();
}

ArtboardRect DocumentView::viewRectToArtworkRect(const Rect& rect) const
{
  return impl() ? wrapArtboardRect(impl()->viewRectToArtworkRect(*rectImpl(rect))) : ArtboardRect();
}

} // namespace core
} // namespace qor
