#include "core/qorcoreTool.h"

#include "aip/qoraipHitData.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreEnumConverters.h"
#include "core/qorcoreHitData.h"
#include "core/qorcoreModalDialog.h"
#include "core/qorcoreMsgEnv.h"

namespace qor::core {

__IntToolSubclass::~__IntToolSubclass()
{
  for (Callback*& callback : callbacks) {
    delete callback;
    callback = nullptr;
  }
  delete dialogA;
  delete dialogB;
}

void __IntToolSubclass::setOptions(int32_t options)
{
  if (const ToolSuite* suite = aip::msgToolSuite())
    suite->setToolOptions(toolHandle, options & 0x1FF);
}

aip::HitData* __IntToolSubclass::hitAtListPoint(const utils::Vector<aip::ArtboardPoint>* list, int32_t n,
                                                int32_t hostRequest, double tolerance)
{
  if (!list || n < 0 || static_cast<size_t>(n) >= list->size())
    return nullptr;
  return new aip::HitData(nullptr, list->at(static_cast<size_t>(n)), hostRequest, tolerance, true);
}

aip::HitData* __IntToolSubclass::hitTestPointA(int32_t n, int32_t hostRequest, double tolerance)
{
  return hitAtListPoint(pointsA(), n, hostRequest, tolerance);
}

aip::HitData* __IntToolSubclass::hitTestPointB(int32_t n, int32_t hostRequest, double tolerance)
{
  return hitAtListPoint(pointsB(), n, hostRequest, tolerance);
}

aip::HitData* __IntToolSubclass::hitTest(int32_t hostRequest, double tolerance)
{
  return new aip::HitData(nullptr, point(), hostRequest, tolerance, true);
}

__IntToolData::~__IntToolData() { delete impl; }

Tool::Tool() : data_(new __IntToolData()) {}

Tool::Tool(ToolHandle hostHandle) : data_(new __IntToolData())
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals || !hostHandle)
    return;
  __IntToolData* registered = nullptr;
  if (globals->toolRegistry.get(hostHandle, registered) && registered) {
    delete data_;
    data_ = registered;
    ++data_->refCount;
  }
}

Tool::~Tool() { release(); }

void Tool::release()
{
  if (!data_)
    return;
  if (--data_->refCount <= 0) {
    if (CoreGlobals* globals = msgCoreGlobals()) {
      __IntToolData* registered = nullptr;
      if (data_->hostHandle && globals->toolRegistry.get(data_->hostHandle, registered) &&
          registered == data_)
        globals->toolRegistry.remove(data_->hostHandle);
    }
    delete data_;
  }
  data_ = nullptr;
}

void Tool::destroy()
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals || !data_)
    return;
  if (data_->hostHandle)
    globals->toolRegistry.remove(data_->hostHandle);
  delete data_->impl;
  data_->impl = nullptr;
  data_->hostHandle = nullptr;
}

Tool& Tool::operator=(const Tool& other)
{
  if (data_ == other.data_ || !msgCoreGlobals() || !data_ || !other.data_)
    return *this;
  __IntToolData* shared = other.data_;
  ++shared->refCount;
  release();
  data_ = shared;
  return *this;
}

bool Tool::operator==(const Tool& other) const
{
  if (!data_ || !other.data_)
    return !data_ && !other.data_;
  if (data_->impl && other.data_->impl)
    return data_->hostHandle == other.data_->hostHandle;
  return !data_->impl && !other.data_->impl;
}

bool Tool::operator!=(const Tool& other) const { return !(*this == other); }

ToolHandle Tool::hostHandle() const { return implementation() ? implementation()->hostHandle() : nullptr; }
int32_t Tool::number() const { return implementation() ? implementation()->number() : -2; }
bool Tool::isEmpty() const { return implementation() == nullptr; }

bool Tool::isSelected() const
{
  ToolHandle mine = hostHandle();
  const ToolSuite* suite = aip::msgToolSuite();
  if (!mine || !suite)
    return false;
  ToolHandle selected = nullptr;
  if (suite->getSelectedTool(&selected) != 0)
    return false;
  return selected && selected == mine;
}

void Tool::select()
{
  ToolHandle mine = hostHandle();
  if (const ToolSuite* suite = aip::msgToolSuite())
    if (mine)
      suite->selectTool(mine);
}

int32_t Tool::options() const { return implementation() ? (implementation()->options() & 0x1FF) : 0; }

void Tool::setOptions(int32_t options)
{
  if (implementation())
    implementation()->setOptions(options & 0x1FF);
}

std::string Tool::textA() const { return implementation() ? implementation()->textA() : std::string(); }

void Tool::setA(int32_t value)
{
  if (implementation())
    implementation()->setA(value);
}

std::string Tool::textB() const { return implementation() ? implementation()->textB() : std::string(); }

void Tool::setB(int32_t value)
{
  if (implementation())
    implementation()->setB(value);
}

int32_t Tool::kind() const { return implementation() ? implementation()->kind() : 0; }

ToolValuePair Tool::readPair() const
{
  if (!implementation())
    return ToolValuePair();
  return kind() == 20 ? implementation()->alternatePair() : implementation()->pair();
}

void Tool::writePair(const ToolValuePair& pair)
{
  if (!implementation())
    return;
  if (kind() == 20)
    implementation()->setAlternatePair(pair);
  else
    implementation()->setPair(pair);
}

int16_t Tool::pairFirst() const { return readPair().first; }
int16_t Tool::pairSecond() const { return readPair().second; }
void Tool::setPairFirst(int16_t n) { writePair({n, pairSecond()}); }
void Tool::setPairSecond(int16_t n) { writePair({pairFirst(), n}); }

ArtboardPoint Tool::point() const
{
  return implementation() ? ArtboardPoint(implementation()->point()) : ArtboardPoint(0, 0);
}

void Tool::setPoint(const ArtboardPoint& point)
{
  if (implementation())
    implementation()->setPoint(aip::ArtboardPoint(point.x, point.y));
}

std::vector<ArtboardPoint> Tool::clientPoints(const utils::Vector<aip::ArtboardPoint>* list)
{
  std::vector<ArtboardPoint> points;
  if (list)
    for (const aip::ArtboardPoint& p : *list)
      points.emplace_back(p);
  return points;
}

std::vector<ArtboardPoint> Tool::pointsA() const
{
  return clientPoints(implementation() ? implementation()->pointsA() : nullptr);
}

std::vector<ArtboardPoint> Tool::pointsB() const
{
  return clientPoints(implementation() ? implementation()->pointsB() : nullptr);
}

HitData* Tool::clientHit(aip::HitData* found)
{
  if (!found)
    return nullptr;
  auto* hit = new HitData(wrapHitData(*found));
  delete found;
  return hit;
}

HitData* Tool::hitTestListPoint(const utils::Vector<aip::ArtboardPoint>* (__IntToolSubclass::*list)() const,
                                aip::HitData* (__IntToolSubclass::*test)(int32_t, int32_t, double), int32_t n,
                                int32_t request, double tolerance)
{
  __IntToolSubclass* impl = implementation();
  const utils::Vector<aip::ArtboardPoint>* points = impl ? (impl->*list)() : nullptr;
  // A negative index is outside the list as much as one past its end.
  if (!points || n < 0 || static_cast<size_t>(n) >= points->size())
    return nullptr;
  return clientHit((impl->*test)(n, hitTypeToHost(request), tolerance));
}

HitData* Tool::hitTestPointA(int32_t n, int32_t request, double tolerance)
{
  return hitTestListPoint(&__IntToolSubclass::pointsA, &__IntToolSubclass::hitTestPointA, n, request, tolerance);
}

HitData* Tool::hitTestPointB(int32_t n, int32_t request, double tolerance)
{
  return hitTestListPoint(&__IntToolSubclass::pointsB, &__IntToolSubclass::hitTestPointB, n, request, tolerance);
}

HitData* Tool::hitTest(int32_t request, double tolerance)
{
  __IntToolSubclass* impl = implementation();
  return impl ? clientHit(impl->hitTest(hitTypeToHost(request), tolerance)) : nullptr;
}

Callback* Tool::callbackAt(int slot) const { return implementation() ? implementation()->callbacks[slot] : nullptr; }

void Tool::setCallbackAt(int slot, const Callback& callback)
{
  __IntToolSubclass* impl = implementation();
  if (!impl)
    return;
  // Clone first: the argument may be the stored callback itself.
  Callback* clone = cloneCallback(callback);
  delete impl->callbacks[slot];
  impl->callbacks[slot] = clone;
}

#define QOR_TOOL_CALLBACK(Getter, Setter, Slot)                                                             \
  Callback* Tool::Getter() const { return callbackAt(__IntToolSubclass::Slot); }                              \
  void Tool::Setter(const Callback& callback) { setCallbackAt(__IntToolSubclass::Slot, callback); }

QOR_TOOL_CALLBACK(selectCallback, setSelectCallback, SelectSlot)
QOR_TOOL_CALLBACK(reselectCallback, setReselectCallback, ReselectSlot)
QOR_TOOL_CALLBACK(deselectCallback, setDeselectCallback, DeselectSlot)
QOR_TOOL_CALLBACK(otherCallbackA, setOtherCallbackA, OtherASlot)
QOR_TOOL_CALLBACK(otherCallbackB, setOtherCallbackB, OtherBSlot)
QOR_TOOL_CALLBACK(otherCallbackC, setOtherCallbackC, OtherCSlot)
QOR_TOOL_CALLBACK(otherCallbackD, setOtherCallbackD, OtherDSlot)
QOR_TOOL_CALLBACK(otherCallbackE, setOtherCallbackE, OtherESlot)
QOR_TOOL_CALLBACK(otherCallbackF, setOtherCallbackF, OtherFSlot)
QOR_TOOL_CALLBACK(otherCallbackG, setOtherCallbackG, OtherGSlot)
#undef QOR_TOOL_CALLBACK

void Tool::actionA()
{
  if (implementation())
    implementation()->actionA();
}

bool Tool::flagA() const { return implementation() && implementation()->flagA(); }
bool Tool::flagB() const { return implementation() && implementation()->flagB(); }
bool Tool::flagC() const { return implementation() && implementation()->flagC(); }
bool Tool::flagD() const { return implementation() && implementation()->flagD(); }
bool Tool::flagE() const { return implementation() && implementation()->flagE(); }
void Tool::storeDialog(ModalDialog* __IntToolSubclass::*slot, const ModalDialog& dialog)
{
  __IntToolSubclass* impl = implementation();
  if (!impl)
    return;
  // Copy first: the argument may be the stored handle itself.
  auto* copy = new ModalDialog(dialog);
  delete (impl->*slot);
  (impl->*slot) = copy;
}

ModalDialog* Tool::dialogA() const
{
  return implementation() ? implementation()->dialogA : nullptr;
}
ModalDialog* Tool::dialogB() const
{
  return implementation() ? implementation()->dialogB : nullptr;
}
void Tool::setDialogA(const ModalDialog& dialog)
{
  storeDialog(&__IntToolSubclass::dialogA, dialog);
}
void Tool::setDialogB(const ModalDialog& dialog)
{
  storeDialog(&__IntToolSubclass::dialogB, dialog);
}

bool Tool::storedFlag() const { return implementation() && implementation()->storedFlag; }

void Tool::setStoredFlag(bool flag)
{
  if (implementation())
    implementation()->storedFlag = flag;
}

} // namespace qor::core
