#include "tables/number_format.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace vortelin {
namespace {

TEST(NumberFormat, IntegerOfWidthThree) {
  struct Case {
    std::int32_t value;
    const char* field;
  };
  const Case cases[] = {
      {1, "  1"},   {0, "  0"},    {999, "999"}, {1000, "***"},
      {-99, "-99"}, {-100, "***"}, {-5, " -5"},  {std::numeric_limits<std::int32_t>::min(), "***"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    std::string out = "|";
    append_integer(out, c.value, 3);
    EXPECT_EQ(out, std::string("|") + c.field);
  }
}

TEST(NumberFormat, FixedPoint) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  struct Case {
    float value;
    int width, decimals;
    const char* field;
  };
  const Case cases[] = {
      {120.0f, 6, 1, " 120.0"},      {15.0f, 6, 1, "  15.0"},
      {123456.0f, 6, 1, "******"},   {9999.9f, 6, 1, "9999.9"},
      {9999.95f, 6, 1, "******"},  // rounds up to 10000.0
      {-999.9f, 6, 1, "-999.9"},     {-999.96f, 6, 1, "******"},
      {0.25f, 6, 1, "   0.2"},                                 // exact binary tie: to even
      {0.75f, 6, 1, "   0.8"},       {0.35f, 6, 1, "   0.3"},  // the float is just below the tie
      {-0.04f, 6, 1, "   0.0"},                                // rounds to zero: no sign
      {-0.05f, 6, 1, "  -0.1"},      {-0.0f, 6, 1, "   0.0"},
      {0.2f, 8, 3, "   0.200"},      {-0.0004f, 8, 3, "   0.000"},
      {1.5f, 8, 3, "   1.500"},      {4.5f, 8, 3, "   4.500"},
      {-999.999f, 8, 3, "-999.999"}, {9999.999f, 8, 3, "9999.999"},
      {1e30f, 8, 3, "********"},     {kInf, 6, 1, "******"},
      {-kInf, 8, 3, "********"},     {std::nanf(""), 8, 3, "********"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " width " << c.width);
    std::string out = "|";
    append_fixed(out, c.value, c.width, c.decimals);
    EXPECT_EQ(out, std::string("|") + c.field);
  }
}

}  // namespace
}  // namespace vortelin
