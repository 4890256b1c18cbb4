#include "core/qorcoreAnnotator.h"

#include <cmath>

#include "aip/qoraipAnnotator.h"
#include "aip/qoraipEventDispatcher.h"
#include "aip/qoraipFont.h"
#include "aip/qoraipIllustrator.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreMsgEnv.h"

namespace qor::core {

namespace qorcoreAnnotator_detail {

uint16_t channel(double component)
{
  double c = std::isnan(component) ? 0.0 : std::fmin(std::fmax(component, 0.0), 1.0);
  return static_cast<uint16_t>(std::floor(c * 65535.0 + 0.5));
}

struct FontStyle
{
  const char* face;
  double size;
};

FontStyle fontStyle(int32_t style)
{
  switch (style) {
  case 2:
    return {"Tahoma Bold", 12.0};
  case 3:
    return {"Verdana Italic", 11.5};
  case 4:
    return {"Verdana Bold Italic", 11.5};
  case 5:
    return {"Tahoma", 10.5};
  case 6:
    return {"Tahoma Bold", 10.5};
  case 7:
    return {"Verdana Italic", 9.5};
  case 8:
    return {"Verdana Bold Italic", 9.5};
  default:
    return {"Tahoma", 12.0};
  }
}

::AnnotatorDrawer currentDrawer()
{
  aip::EventDispatcher* router = msgRouter();
  return router ? router->currentAnnotationDrawer() : nullptr;
}

} // namespace qorcoreAnnotator_detail

__IntAnnotatorData::~__IntAnnotatorData() { delete impl; }

Annotator::Annotator() : data_(new __IntAnnotatorData()) {}

Annotator::~Annotator() { release(); }

void Annotator::release()
{
  if (!data_)
    return;
  if (--data_->refCount <= 0) {
    if (data_->impl) {
      if (aip::EventDispatcher* router = msgRouter())
        if (router->findAnnotatorByName(data_->impl->name()) == data_->impl)
          router->removeAnnotatorByName(data_->impl->name());
    }
    if (CoreGlobals* globals = msgCoreGlobals())
      if (data_->hostHandle)
        globals->annotatorRegistry.remove(data_->hostHandle);
    delete data_;
  }
  data_ = nullptr;
}

Annotator& Annotator::operator=(const Annotator& other)
{
  if (data_ == other.data_ || !msgCoreGlobals() || !data_ || !other.data_)
    return *this;
  __IntAnnotatorData* shared = other.data_;
  ++shared->refCount;
  release();
  data_ = shared;
  return *this;
}

bool Annotator::operator==(const Annotator& other) const
{
  if (!data_ || !other.data_)
    return !data_ && !other.data_;
  if (data_->impl && other.data_->impl)
    return data_->hostHandle == other.data_->hostHandle;
  return !data_->impl && !other.data_->impl;
}

bool Annotator::operator!=(const Annotator& other) const { return !(*this == other); }
bool Annotator::isEmpty() const
{
  return !data_ || !data_->impl;
}

void Annotator::destroy()
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals || !data_ || !data_->impl)
    return;
  data_->impl->disable();
  // Withdraw it from the router before it goes, or the router would draw a freed object.
  if (aip::EventDispatcher* router = msgRouter())
    if (router->findAnnotatorByName(data_->impl->name()) == data_->impl)
      router->removeAnnotatorByName(data_->impl->name());
  delete data_->impl;
  if (data_->hostHandle)
    globals->annotatorRegistry.remove(data_->hostHandle);
  data_->impl = nullptr;
  data_->hostHandle = nullptr;
}

::AnnotatorHandle Annotator::hostHandle() const
{
  return isEmpty() ? nullptr : data_->impl->hostHandle();
}
std::string Annotator::name() const
{
  return isEmpty() ? std::string() : data_->impl->name();
}
bool Annotator::isEnabled() const
{
  return !isEmpty() && data_->impl->isEnabled();
}
void Annotator::setEnabled(bool enabled) { enabled ? enable() : disable(); }

void Annotator::enable()
{
  if (!isEmpty())
    data_->impl->enable();
}

void Annotator::disable()
{
  if (!isEmpty())
    data_->impl->disable();
}

int32_t Annotator::annotatorFlags() const
{
  return isEmpty() ? 0 : (data_->impl->flags() & 7);
}

void Annotator::setAnnotatorFlags(int32_t flags)
{
  if (!isEmpty())
    data_->impl->setFlags(flags & 7);
}

Callback* Annotator::callback() const
{
  return isEmpty() ? nullptr : data_->impl->callback();
}

void Annotator::setCallback(const Callback& callback)
{
  if (!isEmpty())
    data_->impl->setCallback(cloneCallback(callback));
}

void invalidateAllAnnotations()
{
  const ::DocumentViewSuite* views = aip::msgDocumentViewSuite();
  const ::AnnotatorSuite* annotatorSuite = aip::msgAnnotatorSuite();
  if (!views || !annotatorSuite)
    return;
  int32_t count = 0;
  if (views->countViews(&count) != 0)
    return;
  for (int32_t i = 0; i < count; ++i) {
    ::DocViewHandle view = nullptr;
    if (views->getNthView(i, &view) != 0)
      return;
    ::RealRect bounds{};
    views->getViewBounds(view, &bounds);
    ::RealPoint topLeft{bounds.left, bounds.top};
    ::RealPoint bottomRight{bounds.right, bounds.bottom};
    ::IntPoint a{}, b{};
    views->artworkPointToViewPoint(view, &topLeft, &a);
    views->artworkPointToViewPoint(view, &bottomRight, &b);
    ::IntRect rect{a.h, a.v, b.h, b.v};
    annotatorSuite->invalidateAnnotationRect(view, &rect);
  }
}

void setAnnotationDrawColor(double red, double green, double blue, double alpha)
{
  using namespace qorcoreAnnotator_detail;
  ::AnnotatorDrawer drawer = currentDrawer();
  const ::AnnotatorDrawerSuite* suite = aip::msgAnnotatorDrawerSuite();
  if (!drawer || !suite)
    return;
  ::Rgb16Color color{channel(red), channel(green), channel(blue)};
  suite->setDrawColor(drawer, &color);
  suite->setDrawOpacity(drawer, alpha);
}

void setAnnotationDrawFont(int32_t style)
{
  using namespace qorcoreAnnotator_detail;
  ::AnnotatorDrawer drawer = currentDrawer();
  const ::AnnotatorDrawerSuite* suite = aip::msgAnnotatorDrawerSuite();
  if (!drawer || !suite)
    return;
  FontStyle chosen = fontStyle(style);
  aip::Illustrator* host = aip::Illustrator::instance();
  aip::Font* font = host ? host->fontByName(chosen.face) : nullptr;
  if (!font && host)
    font = host->fontByName("Tahoma");
  if (font)
    suite->setDrawFont(drawer, font->key());
  suite->setDrawFontSize(drawer, chosen.size);
  aip::Font::resetRef(font);
}

} // namespace qor::core
