#include "calculator.h"

#include <cfloat>
#include <cmath>

// Double expressions must be evaluated in double itself, never in the x87's 80-bit format.
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "build the core with SSE2 double arithmetic (-msse2 -mfpmath=sse on 32-bit x86)"
#endif

// Every point's price is computed afresh in IEEE double with rounding to
// nearest: pow, one multiplication, ceil. The build compiles this file with
// SSE2 math on 32-bit x86 and without contraction, so no wider intermediate
// takes part; the rounding of one point never carries into the next.
// Why this is exact on any runtime: points 1 and 2 need pow(1.2, 0) == 1 and
// pow(1.2, 1) == 1.2, and from point 3 on no exact price lies closer than a
// relative 6.9e-12 to a whole number (point 95), some 30,000 units in the
// last place, far beyond the error of any runtime's pow.
static int64_t PointCost(int point) {
  double k = static_cast<double>(point - 1);
  double price = std::pow(1.2, k) * 10.0;
  return static_cast<int64_t>(std::ceil(price));
}

int64_t AttributeCost(uint8_t value) {
  if (value < 1 || value > 99) return 0;
  int64_t total = 0;
  for (int point = 1; point <= value; ++point) total += PointCost(point);
  return total;
}

int32_t LevelBonus(int32_t level) {
  // level / 2.0 is exact in double; truncation equals C++'s integer division.
  int32_t half = static_cast<int32_t>(static_cast<double>(level) / 2.0);
  return static_cast<int32_t>(3u * static_cast<uint32_t>(half));
}
