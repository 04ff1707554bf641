#include <gtest/gtest.h>

#include "core/calculator.h"
#include "tests/support/exact_costs.h"

namespace {

const ExactPoint* const kExact = kExactPoints;

TEST(AttributeCost, EveryPointCostsItsExactCeiling) {
  for (int n = 1; n <= 99; ++n) {
    int64_t cost = AttributeCost(static_cast<uint8_t>(n)) - AttributeCost(static_cast<uint8_t>(n - 1));
    EXPECT_EQ(cost, kExact[n - 1].cost) << "point cost of point " << n << " = " << cost
                                        << ", want " << kExact[n - 1].cost;
  }
}

TEST(AttributeCost, EveryByteValue) {
  for (int v = 0; v <= 255; ++v) {
    int64_t want = (v >= 1 && v <= 99) ? kExact[v - 1].total : 0;
    int64_t got = AttributeCost(static_cast<uint8_t>(v));
    EXPECT_EQ(got, want) << "AttributeCost(" << v << ") = " << got << ", want " << want;
  }
}

TEST(LevelBonus, Table) {
  struct {
    int32_t level, want;
  } rows[] = {
      // small levels: 3 per two whole levels, truncated toward zero
      {0, 0}, {1, 0}, {2, 3}, {3, 3}, {4, 6}, {5, 6}, {10, 15}, {99, 147},
      {-1, 0}, {-2, -3}, {-3, -3}, {-5, -6},
      // edge of the unwrapped range, and the 32-bit wrap beyond it
      {1431655765, 2147483646},
      {1431655766, -2147483647},
      {2147483647, -1073741827},
      {-1431655765, -2147483646},
      {-1431655766, 2147483647},
      {-2147483647 - 1, 1073741824},
  };
  for (auto& row : rows) {
    int32_t got = LevelBonus(row.level);
    EXPECT_EQ(got, row.want) << "LevelBonus(" << row.level << ") = " << got << ", want " << row.want;
  }
}

}  // namespace
