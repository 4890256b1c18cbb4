// Stateless converters between the framework's client-facing codes and the host's (and the text
// engine's) codes. Every converter gives a fixed result for values outside its table.
#pragma once

#include <cstdint>
#include <vector>

namespace qor::core {

int32_t artTypeFromHost(int32_t hostType);
std::vector<int32_t> artTypeMaskToHostList(int32_t mask);
int32_t artAttributesToHost(int32_t coreBits);
int32_t artMatchAttributesToHost(int32_t coreBits);
int32_t hitTypeFromHost(int32_t hostRequest);
int32_t hitTypeToHost(int32_t coreRequest);
int32_t paintOrderToHost(int32_t order);
int32_t refPointToImpl(int32_t refPoint);

int32_t ate0to2ToCore100s(int32_t v);
int32_t core100sToAte0to2(int32_t v);
int32_t ate0to2ToCore10s(int32_t v);
int32_t core10sToAte0to2(int32_t v);
int32_t ate0to3ToCore10s(int32_t v);
int32_t core10sToAte0to3(int32_t v);
int32_t ate0to4ToCore10s(int32_t v);
int32_t core10sToAte0to4(int32_t v);
int32_t ate0to1ToCore10s(int32_t v);
int32_t core10sToAte0to1(int32_t v);
int32_t ate0to6ToCore100to300(int32_t v);
int32_t core100to300ToAte0to6(int32_t v);

} // namespace qor::core
