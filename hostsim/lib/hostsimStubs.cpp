#include "hostsimStubs.h"

#include "hostsimApp.h"

#include <array>
#include <utility>

namespace hostsim {

namespace hostsimStubs_detail {

HostErr record(size_t index)
{
  HostApp* app = HostApp::current();
  return app ? app->unimplemented(index) : kHostErrNotImplemented;
}

template <size_t Index> HostErr stub()
{
  return record(Index);
}

HostErr overflow()
{
  return record(size_t(-1));
}

template <size_t... Indices>
constexpr std::array<HostStubProc, sizeof...(Indices)> makeStubs(std::index_sequence<Indices...>)
{
  return {&stub<Indices>...};
}

constexpr std::array<HostStubProc, kStubCount> stubs = makeStubs(std::make_index_sequence<kStubCount>());

} // namespace hostsimStubs_detail

HostStubProc stubProc(size_t index)
{
  return hostsimStubs_detail::stubs[index];
}

HostStubProc overflowStubProc()
{
  return &hostsimStubs_detail::overflow;
}

} // namespace hostsim
