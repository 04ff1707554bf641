#include "calculator.h"

#include <cmath>

// Every point's price is computed afresh in IEEE double with rounding to
// nearest: pow, one multiplication, ceil. The build compiles this file with
// SSE2 math on 32-bit x86 and without contraction, so no wider intermediate
// takes part; the rounding of one point never carries into the next.
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
