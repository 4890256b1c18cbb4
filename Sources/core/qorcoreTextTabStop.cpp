#include "core/qorcoreTextTabStop.h"

#include "core/qorcoreEnumConverters.h"

namespace qor {
namespace core {

int32_t TextTabStop::getTabStopAttribute4() const
{
  if (!impl_)
    return 0;
  int32_t engine = impl_->getTabStopAttribute4();
  return engine >= 0 && engine <= 3 ? ate0to3ToCore10s(engine) : 10;
}

void TextTabStop::setTabStopAttribute4(int32_t value)
{
  if (impl_)
    impl_->setTabStopAttribute4(core10sToAte0to3(value));
}

double TextTabStop::getTabStopAttribute6() const { return impl_ ? impl_->getTabStopAttribute6() : 0.0; }

void TextTabStop::setTabStopAttribute6(double value)
{
  if (impl_)
    impl_->setTabStopAttribute6(value);
}

bool TextTabStop::getTabStopAttribute8() const { return impl_ && impl_->getTabStopAttribute8(); }
std::string TextTabStop::getTabStopAttribute9() const { return impl_ ? impl_->getTabStopAttribute9() : std::string(); }

void TextTabStop::setTabStopAttribute9(const std::string& utf8)
{
  if (impl_)
    impl_->setTabStopAttribute9(utf8);
}

std::string TextTabStop::getTabStopAttribute11() const { return impl_ ? impl_->getTabStopAttribute11() : std::string(); }

void TextTabStop::setTabStopAttribute11(const std::string& utf8)
{
  if (impl_)
    impl_->setTabStopAttribute11(utf8);
}

// Over an empty handle the iterator goes over a new, empty engine set; when no object can be made for
// that set (the plug-in's globals are gone) it is made from the engine set directly.
TextTabStopSet::Iterator::Iterator(const TextTabStopSet& set)
{
  if (aip::TextTabStopSet* impl = set.impl()) {
    iterator_ = std::make_unique<ATE::ITabStopsIterator>(impl->ateTabStops(), 1);
    return;
  }
  ATE::ITabStops fresh;
  aip::ObjectRef<aip::TextTabStopSet> object(aip::TextTabStopSet::getTextTabStopSet(fresh.ref()));
  if (!object) {
    iterator_ = std::make_unique<ATE::ITabStopsIterator>(fresh, 1);
    return;
  }
  TextTabStopSet temporary(object.get());
  iterator_ = std::make_unique<ATE::ITabStopsIterator>(object->ateTabStops(), 1);
}

int32_t TextTabStopSet::size() const { return impl_ ? impl_->size() : -1; }

TextTabStopSet::Iterator TextTabStopSet::begin() const { return Iterator(*this); }

void TextTabStopSet::add(const TextTabStop& stop)
{
  if (impl_ && !stop.isEmpty())
    impl_->add(implPointer(stop));
}

std::unique_ptr<TextTabStop> TextTabStopSet::item(int32_t index) const
{
  return impl_ ? handleOf<TextTabStop>(impl_->item(index)) : nullptr;
}

void TextTabStopSet::remove(int32_t index)
{
  if (impl_)
    impl_->remove(index);
}

void TextTabStopSet::removeAll()
{
  if (impl_)
    impl_->removeAll();
}

TextTabStop wrapTextTabStop(aip::TextTabStop* impl) { return TextTabStop(impl); }
TextTabStopSet wrapTextTabStopSet(aip::TextTabStopSet* impl) { return TextTabStopSet(impl); }

}  // namespace core
}  // namespace qor
