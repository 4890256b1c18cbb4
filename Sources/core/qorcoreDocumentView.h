// The client handle of a view of the current document: a shared record per host view (registered in
// the document-view map of CoreGlobals) that owns the aip::DocumentView.
#pragma once

#include "aip/qoraipDocumentView.h"
#include "core/qorcoreArtboardPoint.h"
#include "core/qorcoreArtboardRect.h"
#include "core/qorcorePoint.h"
#include "core/qorcoreRect.h"

#include <cstdint>

namespace qor {
namespace core {

class __IntDocViewData
{
public:
  virtual ~__IntDocViewData() { delete impl; }
  int32_t count = 0;
  // The registry key; null while unregistered.
  DocViewHandle key = nullptr;
  aip::DocumentView* impl = nullptr;
};

class DocumentView
{
public:
  // An empty handle over a fresh unregistered record.
  DocumentView();
  // Joins or creates the record of the implementation's host view; an implementation the record does
  // not take is deleted and the pointer nulled. Without globals or a host handle the handle stays
  // empty and the implementation with the caller.
  explicit DocumentView(aip::DocumentView*& impl);
  DocumentView(const DocumentView& other);
  DocumentView& operator=(const DocumentView& other) { return assign(other); }

  virtual ~DocumentView();
  virtual DocumentView& assign(const DocumentView& other);
  virtual DocViewHandle hostHandle() const;
  virtual bool isEmpty() const;
  virtual ArtboardRect bounds() const;
  virtual ArtboardPoint center() const;
  virtual void setCenter(const ArtboardPoint& center);
  virtual double zoom() const;
  virtual void setZoom(double zoom);
  // 10, 20, 30 or 40 for the host's modes 0 to 3; 0 for anything else.
  virtual int32_t viewMode() const;
  // 10, 30 and 40 give the host's modes 0, 2 and 3; every other value gives 1.
  virtual void setViewMode(int32_t mode);
  virtual Point artworkPointToViewPoint(const ArtboardPoint& point) const;
  virtual ArtboardPoint viewPointToArtworkPoint(const Point& point) const;
  virtual Rect artworkRectToViewRect(const ArtboardRect& rect) const;
  virtual ArtboardRect viewRectToArtworkRect(const Rect& rect) const;

  __IntDocViewData* data() const { return data_; }

private:
  aip::DocumentView* impl() const { return data_ ? data_->impl : nullptr; }

  __IntDocViewData* data_ = nullptr;
};

} // namespace core
} // namespace qor
