#include "sdk/qoraiHostArtboardList.h"

#include "aip/qoraipArtSuites.h"

namespace ai {

HostArtboardList::HostArtboardList()
{
  obtained = qor::aip::artboardSuite && qor::aip::artboardSuite->getArtboardList(&list) == 0;
}

HostArtboardList::~HostArtboardList()
{
  if (obtained && qor::aip::artboardSuite)
    qor::aip::artboardSuite->releaseArtboardList(&list);
}

HostArtboardProperties::HostArtboardProperties()
{
  if (qor::aip::artboardSuite)
    qor::aip::artboardSuite->initArtboardProperties(&props);
}

HostArtboardProperties::HostArtboardProperties(HostArtboardProperties&& other) noexcept : props(other.props)
{
  other.props.ref = nullptr;
}

HostArtboardProperties& HostArtboardProperties::operator=(HostArtboardProperties&& other) noexcept
{
  if (this != &other) {
    dispose();
    props = other.props;
    other.props.ref = nullptr;
  }
  return *this;
}

HostArtboardProperties::~HostArtboardProperties() { dispose(); }

void HostArtboardProperties::dispose()
{
  if (props.ref && qor::aip::artboardSuite)
    qor::aip::artboardSuite->disposeArtboardProperties(&props);
  props.ref = nullptr;
}

}  // namespace ai
