// Client handle of an annotator (a value over a shared record holding the annotator implementation),
// and the drawing operations the router uses around every annotation draw.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipMsgEnv.h"

namespace qor::aip {
class Annotator;
}

namespace qor::core {

class Callback;

class __IntAnnotatorData
{
public:
  virtual ~__IntAnnotatorData();

  int32_t refCount = 1;
  ::AnnotatorHandle hostHandle = nullptr;
  aip::Annotator* impl = nullptr;
};

class Annotator
{
public:
  Annotator();
  Annotator(const Annotator&) = delete;

  virtual ~Annotator();
  virtual Annotator& operator=(const Annotator& other);
  virtual bool operator==(const Annotator& other) const;
  virtual bool operator!=(const Annotator& other) const;
  virtual bool isEmpty() const;
  virtual void destroy();
  virtual ::AnnotatorHandle hostHandle() const;
  virtual std::string name() const;
  virtual bool isEnabled() const;
  virtual void setEnabled(bool enabled);
  virtual void enable();
  virtual void disable();
  virtual int32_t annotatorFlags() const;
  virtual void setAnnotatorFlags(int32_t flags);
  virtual Callback* callback() const;
  virtual void setCallback(const Callback& callback);

  __IntAnnotatorData* data() const { return data_; }

private:
  void release();

  __IntAnnotatorData* data_ = nullptr;
};

// Asks every document view of the host to redraw its annotations.
void invalidateAllAnnotations();
// Colour components and alpha from 0 to 1; does nothing while no annotation draw is in progress.
void setAnnotationDrawColor(double red, double green, double blue, double alpha);
// Font face and size by style code; does nothing while no annotation draw is in progress.
void setAnnotationDrawFont(int32_t style);

} // namespace qor::core
