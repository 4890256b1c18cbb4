// Client handle of a tool: a value over a shared record holding the tool implementation, registered
// by the host tool handle. Almost every operation forwards to the implementation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipBaseTool.h"
#include "aip/qoraipMsgEnv.h"
#include "core/qorcoreArtboardPoint.h"
#include "utils/qorutilsVector.h"

namespace qor::aip {
class HitData;
}

namespace qor::core {

class Callback;
class HitData;
class ModalDialog;

struct ToolValuePair
{
  int16_t first = 0;
  int16_t second = 0;
};

// The core layer's tool implementation. A tool implementation derives from it, adds its tool to the
// host and registers its record; the handle forwards to these operations and keeps the callbacks here.
class __IntToolSubclass : public aip::BaseTool
{
public:
  // Host tool events the base layer forwards; a tool implementation overrides what it handles.
  void mouseDown() override {}
  void mouseDrag() override {}
  void mouseUp() override {}
  void trackCursor() override {}
  void increaseDiameter() override {}
  void decreaseDiameter() override {}
  void editOptions() override {}
  void deselect() override {}
  void snappedPosition(const aip::ArtboardPoint&) override {}

  virtual ToolHandle hostHandle() const { return toolHandle; }
  // Sets the host's tool options (the low nine bits).
  virtual void setOptions(int32_t options);
  virtual int32_t number() const { return -2; }
  virtual int32_t options() const { return 0; }
  virtual std::string textA() const { return std::string(); }
  virtual void setA(int32_t) {}
  virtual std::string textB() const { return std::string(); }
  virtual void setB(int32_t) {}
  virtual int32_t kind() const { return 0; }
  virtual ToolValuePair pair() const { return ToolValuePair(); }
  virtual void setPair(const ToolValuePair&) {}
  virtual ToolValuePair alternatePair() const { return ToolValuePair(); }
  virtual void setAlternatePair(const ToolValuePair&) {}
  virtual aip::ArtboardPoint point() const { return aip::ArtboardPoint(); }
  virtual void setPoint(const aip::ArtboardPoint&) {}
  virtual const utils::Vector<aip::ArtboardPoint>* pointsA() const { return nullptr; }
  virtual const utils::Vector<aip::ArtboardPoint>* pointsB() const { return nullptr; }
  // Hit tests at point n of a list, or at the tool's own point; the caller owns the result. By default
  // they run the framework's hit test over the current document there, the tolerance in view units.
  virtual aip::HitData* hitTestPointA(int32_t n, int32_t hostRequest, double tolerance);
  virtual aip::HitData* hitTestPointB(int32_t n, int32_t hostRequest, double tolerance);
  virtual aip::HitData* hitTest(int32_t hostRequest, double tolerance);
  virtual void actionA() {}
  virtual bool flagA() const { return false; }
  virtual bool flagB() const { return false; }
  virtual bool flagC() const { return false; }
  virtual bool flagD() const { return false; }
  virtual bool flagE() const { return false; }

  enum CallbackSlot
  {
    SelectSlot,
    ReselectSlot,
    DeselectSlot,
    OtherASlot,
    OtherBSlot,
    OtherCSlot,
    OtherDSlot,
    OtherESlot,
    OtherFSlot,
    OtherGSlot,
    SlotCount
  };

  ~__IntToolSubclass() override;

  Callback* callbacks[SlotCount] = {};
  // Owned handles, each sharing the window of the handle it was copied from.
  ModalDialog* dialogA = nullptr;
  ModalDialog* dialogB = nullptr;
  bool storedFlag = false;

protected:
  ToolHandle toolHandle = nullptr;

private:
  static aip::HitData* hitAtListPoint(const utils::Vector<aip::ArtboardPoint>* list, int32_t n, int32_t hostRequest,
                                      double tolerance);
};

class __IntToolData
{
public:
  virtual ~__IntToolData();

  int32_t refCount = 1;
  ToolHandle hostHandle = nullptr;
  __IntToolSubclass* impl = nullptr;
};

class Tool
{
public:
  Tool();
  explicit Tool(ToolHandle hostHandle);
  Tool(const Tool&) = delete;

  virtual ~Tool();
  virtual void destroy();
  virtual Tool& operator=(const Tool& other);
  virtual bool operator==(const Tool& other) const;
  virtual bool operator!=(const Tool& other) const;
  virtual ToolHandle hostHandle() const;
  virtual int32_t number() const;
  virtual bool isEmpty() const;
  virtual bool isSelected() const;
  virtual void select();
  virtual int32_t options() const;
  virtual void setOptions(int32_t options);
  virtual std::string textA() const;
  virtual void setA(int32_t value);
  virtual std::string textB() const;
  virtual void setB(int32_t value);
  virtual int32_t kind() const;
  virtual int16_t pairFirst() const;
  virtual void setPairFirst(int16_t n);
  virtual int16_t pairSecond() const;
  virtual void setPairSecond(int16_t n);
  virtual ArtboardPoint point() const;
  virtual void setPoint(const ArtboardPoint& point);
  virtual std::vector<ArtboardPoint> pointsA() const;
  virtual std::vector<ArtboardPoint> pointsB() const;
  // New hit records owned by the caller, or null: at point n of a list (null when n is outside it), or
  // at the tool's own point. The request is in the client's hit request bits.
  virtual HitData* hitTestPointA(int32_t n, int32_t request, double tolerance);
  virtual HitData* hitTestPointB(int32_t n, int32_t request, double tolerance);
  virtual HitData* hitTest(int32_t request, double tolerance);
  virtual Callback* selectCallback() const;
  virtual void setSelectCallback(const Callback& callback);
  virtual Callback* reselectCallback() const;
  virtual void setReselectCallback(const Callback& callback);
  virtual Callback* deselectCallback() const;
  virtual void setDeselectCallback(const Callback& callback);
  virtual Callback* otherCallbackA() const;
  virtual void setOtherCallbackA(const Callback& callback);
  virtual Callback* otherCallbackB() const;
  virtual void setOtherCallbackB(const Callback& callback);
  virtual Callback* otherCallbackC() const;
  virtual void setOtherCallbackC(const Callback& callback);
  virtual Callback* otherCallbackD() const;
  virtual void setOtherCallbackD(const Callback& callback);
  virtual Callback* otherCallbackE() const;
  virtual void setOtherCallbackE(const Callback& callback);
  virtual Callback* otherCallbackF() const;
  virtual void setOtherCallbackF(const Callback& callback);
  virtual Callback* otherCallbackG() const;
  virtual void setOtherCallbackG(const Callback& callback);
  virtual void actionA();
  virtual bool flagA() const;
  virtual bool flagB() const;
  virtual bool flagC() const;
  virtual bool flagD() const;
  virtual bool flagE() const;
  // The stored dialog handles, kept by the implementation; the setters store a copy of the argument.
  virtual ModalDialog* dialogA() const;
  virtual void setDialogA(const ModalDialog& dialog);
  virtual ModalDialog* dialogB() const;
  virtual void setDialogB(const ModalDialog& dialog);
  virtual bool storedFlag() const;
  virtual void setStoredFlag(bool flag);

  __IntToolSubclass* implementation() const { return data_ ? data_->impl : nullptr; }
  __IntToolData* data() const { return data_; }

private:
  void release();
  Callback* callbackAt(int slot) const;
  void setCallbackAt(int slot, const Callback& callback);
  void storeDialog(ModalDialog* __IntToolSubclass::*slot, const ModalDialog& dialog);
  ToolValuePair readPair() const;
  static std::vector<ArtboardPoint> clientPoints(const utils::Vector<aip::ArtboardPoint>* list);
  HitData* hitTestListPoint(const utils::Vector<aip::ArtboardPoint>* (__IntToolSubclass::*list)() const,
                            aip::HitData* (__IntToolSubclass::*test)(int32_t, int32_t, double), int32_t n,
                            int32_t request, double tolerance);
  static HitData* clientHit(aip::HitData* found);
  void writePair(const ToolValuePair& pair);

  __IntToolData* data_ = nullptr;
};

} // namespace qor::core
