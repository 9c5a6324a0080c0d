// A sample's duration and end from its settings, and the CSV text of its row.
#include "scans/dated_samples.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "scans/scans_rows.hpp"

namespace vortelin::scans {
namespace {

constexpr SettingCell real(float value) {
  return {CellState::value, value, 0};
}
constexpr SettingCell whole(std::int32_t value) {
  return {CellState::value, 0, value};
}
constexpr SettingCell kNoCell{};
constexpr SettingCell kAbsent{CellState::absent};

TEST(DurationOf, OwnCellsThenTheFileValueIn32BitArithmetic) {
  struct Case {
    Settings own;
    Settings labelled;
    std::optional<float> duration;
  };
  const Case cases[] = {
      {{real(120), real(15), whole(1)}, {}, 135.0F},
      {{real(0.1F), real(0.2F), whole(3)}, {}, 3.0F * (0.1F + 0.2F)},  // 0.90000004
      {{real(60), kNoCell, kNoCell}, {kNoCell, real(4.5F), whole(2)}, 129.0F},
      // A cell that is there but empty does not fall back to the file's value.
      {{real(60), kAbsent, kAbsent}, {kNoCell, real(4.5F), whole(2)}, 60.0F},
      {{kAbsent, real(15), whole(1)}, {real(120), kNoCell, kNoCell}, std::nullopt},
      {{kNoCell, kNoCell, kNoCell}, {real(120), kNoCell, kNoCell}, 120.0F},
      {{real(60), real(0), whole(0)}, {}, 60.0F},
      {{real(60), real(0), whole(-4)}, {}, 60.0F},
      {{real(-70), real(10), whole(1)}, {}, std::nullopt},
      {{real(3e38F), real(3e38F), whole(1)}, {}, std::nullopt},
      {{real(-0.0F), kNoCell, kNoCell}, {}, 0.0F},
  };
  for (const Case& c : cases) {
    const std::optional<float> got = duration_of(c.own, c.labelled);
    ASSERT_EQ(got.has_value(), c.duration.has_value());
    if (got) {
      EXPECT_EQ(*got, *c.duration);
    }
  }
}

TEST(EndOf, RoundsHalvesUpAndStopsAtTheYear9999) {
  EXPECT_EQ(end_of(1000, 64.5F), 1065);
  EXPECT_EQ(end_of(1000, 64.49F), 1064);
  EXPECT_EQ(end_of(1000, 0.5F), 1001);
  EXPECT_EQ(end_of(1000, 0.0F), 1000);
  const std::int64_t last = calendar::last_moment().time_since_epoch().count();
  EXPECT_EQ(end_of(last - 10, 10.0F), last);
  EXPECT_FALSE(end_of(last - 10, 10.5F));
  EXPECT_FALSE(end_of(0, std::numeric_limits<float>::max()));
}

TEST(ScansRows, WriteCsvWithShortestFloatsAndQuotedNames) {
  Sample sample{0, 0, "7", 1107789000, 135.0F, 1107789135};
  Window window{InForce{0.2F, 4.5F, 0}, 95, true, 2.0 / 3.0};
  std::string row;
  DayText day;
  append_row(row, sample, "a,\"b\".txt", window, "ccn\r\n.csv", day);
  EXPECT_EQ(row,
            "\"a,\"\"b\"\".txt\",7,2005-02-07T15:10:00,2005-02-07T15:12:15,135,0.2,4.5,yes,95,"
            "0.667,\"ccn\r\n.csv\"\r\n");
  row.clear();
  append_row(row, {0, 0, "8", -1, std::nullopt, std::nullopt}, "x", Window{}, "unused", day);
  EXPECT_EQ(row, "x,8,1969-12-31T23:59:59,,,,,,,,\r\n");
  row.clear();
  append_row(row, {0, 0, "9", 0, 86399.0F, 86399}, "x", Window{}, "", day);
  EXPECT_EQ(row, "x,9,1970-01-01T00:00:00,1970-01-01T23:59:59,86399,,,,,,\r\n");
  const struct {
    float value;
    const char* text;
  } floats[] = {{0.2F, "0.2"},    {18.874F, "18.874"}, {5e-05F, "5e-05"},
                {1e10F, "1e+10"}, {-0.0F, "-0"},       {0.90000004F, "0.90000004"}};
  for (const auto& f : floats) {
    std::string text;
    append_float(text, f.value);
    EXPECT_EQ(text, f.text);
  }
}

}  // namespace
}  // namespace vortelin::scans
