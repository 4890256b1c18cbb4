#include "core/qorcoreEnumConverters.h"

#include <cstddef>
#include <utility>

namespace qor::core {

namespace qorcoreEnumConverters_detail {

struct Row
{
  int32_t from;
  int32_t to;
};

template <size_t N> int32_t lookup(const Row (&rows)[N], int32_t v, int32_t otherwise)
{
  for (const Row& r : rows)
    if (r.from == v)
      return r.to;
  return otherwise;
}

template <size_t N> int32_t reverseLookup(const Row (&rows)[N], int32_t v, int32_t otherwise)
{
  for (const Row& r : rows)
    if (r.to == v)
      return r.from;
  return otherwise;
}

// Core art-type mask bit i stands for the host art type kHostArtTypes[i].
constexpr int32_t kHostArtTypes[] = {1, 2, 3, 7, 9, 10, 11, 12, 13, 14, 15};
constexpr int32_t kCoreArtTypes[] = {100, 110, 120, 200, 300, 310, 320, 330, 340, 350, 360};

// Core attribute bit -> host attribute bit; the first twelve serve artAttributesToHost.
constexpr Row kAttributeBits[] = {
    {0x1, 0x1},         {0x2, 0x8},        {0x4, 0x2},       {0x8, 0x4},       {0x10, 0x10},
    {0x20, 0x20},       {0x40, 0x1000},    {0x80, 0x10000},  {0x100, 0x200},   {0x200, 0x400},
    {0x400, 0x40000},   {0x800, 0x800},    {0x1000, 0x40},   {0x2000, 0x80},   {0x4000, 0x100},
    {0x8000, 0x2000},   {0x10000, 0x4000}, {0x20000, 0x8000}, {0x40000, 0x20000}, {0x80000, 0x80000},
};

int32_t mapBits(int32_t bits, size_t rows)
{
  uint32_t out = 0;
  for (size_t i = 0; i < rows; ++i)
    if (static_cast<uint32_t>(bits) & static_cast<uint32_t>(kAttributeBits[i].from))
      out |= static_cast<uint32_t>(kAttributeBits[i].to);
  return static_cast<int32_t>(out);
}

int32_t hitType(int32_t v)
{
  if (v == -1 || v == 7 || v == 9 || v == -65537)
    return v;
  int32_t out = 0;
  for (int32_t bit : {0x1, 0x2, 0x4, 0x8, 0x10, 0x10000})
    if (v & bit)
      out |= bit;
  return out;
}

constexpr Row kAte0to2Core100s[] = {{1, 110}, {2, 120}};
constexpr Row kAte0to2Core10s[] = {{0, 10}, {1, 20}, {2, 30}};
constexpr Row kAte0to3Core10s[] = {{0, 10}, {1, 20}, {2, 30}, {3, 40}};
constexpr Row kAte0to4Core10s[] = {{0, 10}, {1, 20}, {2, 30}, {3, 40}, {4, 50}};
constexpr Row kAte0to1Core10s[] = {{0, 10}, {1, 20}};
constexpr Row kAte0to6Core100to300[] = {{1, 110}, {2, 120}, {3, 200}, {4, 210}, {5, 220}, {6, 300}};
// The "to engine" directions never map the family's first core value: it falls to the default 0.
constexpr Row kCore10sAte0to2[] = {{20, 1}, {30, 2}};
constexpr Row kCore10sAte0to3[] = {{20, 1}, {30, 2}, {40, 3}};
constexpr Row kCore10sAte0to4[] = {{20, 1}, {30, 2}, {40, 3}, {50, 4}};
constexpr Row kCore10sAte0to1[] = {{20, 1}};

} // namespace qorcoreEnumConverters_detail


int32_t artTypeFromHost(int32_t hostType)
{
  for (size_t i = 0; i < sizeof(qorcoreEnumConverters_detail::kHostArtTypes) / sizeof(qorcoreEnumConverters_detail::kHostArtTypes[0]); ++i)
    if (qorcoreEnumConverters_detail::kHostArtTypes[i] == hostType)
      return qorcoreEnumConverters_detail::kCoreArtTypes[i];
  return 0;
}

std::vector<int32_t> artTypeMaskToHostList(int32_t mask)
{
  if (mask == -1)
    return {-1};
  std::vector<int32_t> list;
  for (size_t i = 0; i < sizeof(qorcoreEnumConverters_detail::kHostArtTypes) / sizeof(qorcoreEnumConverters_detail::kHostArtTypes[0]); ++i)
    if (static_cast<uint32_t>(mask) & (1u << i))
      list.push_back(qorcoreEnumConverters_detail::kHostArtTypes[i]);
  return list;
}

int32_t artAttributesToHost(int32_t coreBits) { return qorcoreEnumConverters_detail::mapBits(coreBits, 12); }
int32_t artMatchAttributesToHost(int32_t coreBits) { return qorcoreEnumConverters_detail::mapBits(coreBits, 20); }
int32_t hitTypeFromHost(int32_t hostRequest) { return qorcoreEnumConverters_detail::hitType(hostRequest); }
int32_t hitTypeToHost(int32_t coreRequest) { return qorcoreEnumConverters_detail::hitType(coreRequest); }

int32_t paintOrderToHost(int32_t order)
{
  constexpr qorcoreEnumConverters_detail::Row rows[] = {{100, 1}, {110, 2}, {120, 3}, {130, 4}, {150, 6}};
  return qorcoreEnumConverters_detail::lookup(rows, order, 5);
}

int32_t refPointToImpl(int32_t refPoint) { return refPoint >= 2 && refPoint <= 9 ? refPoint : 1; }

int32_t ate0to2ToCore100s(int32_t v) { return qorcoreEnumConverters_detail::lookup(qorcoreEnumConverters_detail::kAte0to2Core100s, v, 100); }
int32_t core100sToAte0to2(int32_t v) { return qorcoreEnumConverters_detail::reverseLookup(qorcoreEnumConverters_detail::kAte0to2Core100s, v, 0); }
int32_t ate0to2ToCore10s(int32_t v) { return qorcoreEnumConverters_detail::lookup(qorcoreEnumConverters_detail::kAte0to2Core10s, v, 0); }
int32_t core10sToAte0to2(int32_t v) { return qorcoreEnumConverters_detail::lookup(qorcoreEnumConverters_detail::kCore10sAte0to2, v, 0); }
int32_t ate0to3ToCore10s(int32_t v) { return qorcoreEnumConverters_detail::lookup(qorcoreEnumConverters_detail::kAte0to3Core10s, v, 0); }
int32_t core10sToAte0to3(int32_t v) { return qorcoreEnumConverters_detail::lookup(qorcoreEnumConverters_detail::kCore10sAte0to3, v, 0); }
int32_t ate0to4ToCore10s(int32_t v) { return qorcoreEnumConverters_detail::lookup(qorcoreEnumConverters_detail::kAte0to4Core10s, v, 0); }
int32_t core10sToAte0to4(int32_t v) { return qorcoreEnumConverters_detail::lookup(qorcoreEnumConverters_detail::kCore10sAte0to4, v, 0); }
int32_t ate0to1ToCore10s(int32_t v) { return qorcoreEnumConverters_detail::lookup(qorcoreEnumConverters_detail::kAte0to1Core10s, v, 0); }
int32_t core10sToAte0to1(int32_t v) { return qorcoreEnumConverters_detail::lookup(qorcoreEnumConverters_detail::kCore10sAte0to1, v, 0); }
int32_t ate0to6ToCore100to300(int32_t v) { return qorcoreEnumConverters_detail::lookup(qorcoreEnumConverters_detail::kAte0to6Core100to300, v, 100); }
int32_t core100to300ToAte0to6(int32_t v) { return qorcoreEnumConverters_detail::reverseLookup(qorcoreEnumConverters_detail::kAte0to6Core100to300, v, 0); }

} // namespace qor::core
