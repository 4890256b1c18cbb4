// The client's handles of a tab stop and of a set of tab stops of the text engine.
#pragma once

#include <string>

#include "aip/qoraipTextTabStop.h"
#include "core/qorcoreTextHandle.h"

namespace qor {
namespace core {

class TextTabStop : public TextHandle<aip::TextTabStop>
{
public:
  using TextHandle::TextHandle;
  using TextHandle::operator=;
  virtual std::unique_ptr<ATE::ITabStop> ateTabStop() const { return handOut(); }

  // 10, 20, 30 or 40 (engine 0 to 3; others read as 10 and write as 0); 0 for an empty handle.
  virtual int32_t getTabStopAttribute4() const;
  virtual void setTabStopAttribute4(int32_t value);
  virtual double getTabStopAttribute6() const;
  virtual void setTabStopAttribute6(double value);
  virtual bool getTabStopAttribute8() const;
  virtual std::string getTabStopAttribute9() const;
  virtual void setTabStopAttribute9(const std::string& utf8);
  virtual std::string getTabStopAttribute11() const;
  virtual void setTabStopAttribute11(const std::string& utf8);
};

class TextTabStopSet : public TextHandle<aip::TextTabStopSet>
{
public:
  // Owns the engine iterator over a set; nothing else.
  class Iterator
  {
  public:
    explicit Iterator(const TextTabStopSet& set);
    Iterator(Iterator&&) = default;
    ~Iterator() = default;
    bool holdsIterator() const { return iterator_ != nullptr; }

  private:
    std::unique_ptr<ATE::ITabStopsIterator> iterator_;
  };

  using TextHandle::TextHandle;
  using TextHandle::operator=;
  virtual std::unique_ptr<ATE::ITabStops> ateTabStops() const { return handOut(); }

  // -1 for an empty handle.
  virtual int32_t size() const;
  virtual Iterator begin() const;
  virtual void add(const TextTabStop& stop);
  virtual std::unique_ptr<TextTabStop> item(int32_t index) const;
  virtual void remove(int32_t index);
  virtual void removeAll();
};

TextTabStop wrapTextTabStop(aip::TextTabStop* impl);
TextTabStopSet wrapTextTabStopSet(aip::TextTabStopSet* impl);

}  // namespace core
}  // namespace qor
