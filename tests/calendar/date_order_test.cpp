// The per-file decision of day and month order: own dates, then the name's date
// stamps, then the option, then month first.
#include "calendar/date_order.hpp"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace vortelin::calendar {
namespace {

using std::chrono::sys_days;
using std::chrono::year;

struct Case {
  std::vector<WrittenDate> dates;
  std::string_view name;
  OrderOption option;
  OrderBasis basis;
  DateOrder order;  // when not contradictory
};

constexpr WrittenDate date(int first, int second, int year_value, int digits = 2) {
  return {first, second, year_value, digits};
}

TEST(DecideOrder, ByEvidenceThenNameThenOptionThenDefault) {
  constexpr auto kNone = OrderOption::none;
  constexpr auto kDay = DateOrder::day_first;
  constexpr auto kMonth = DateOrder::month_first;
  const Case cases[] = {
      // Own dates: a part over 12 decides, whatever the name or the option.
      {{date(27, 2, 18), date(1, 3, 18)},
       "smps_180301.txt",
       OrderOption::month_first,
       OrderBasis::own_dates,
       kDay},
      {{date(1, 3, 18), date(2, 27, 18)},
       "x.txt",
       OrderOption::day_first,
       OrderBasis::own_dates,
       kMonth},
      {{date(13, 1, 5), date(1, 13, 5)}, "x.txt", kNone, OrderBasis::contradictory, kMonth},
      {{date(13, 31, 5)}, "x.txt", kNone, OrderBasis::contradictory, kMonth},
      // Every date the same either way, or none: nothing to decide.
      {{date(5, 5, 13), date(5, 5, 13)},
       "x.txt",
       OrderOption::day_first,
       OrderBasis::not_needed,
       kMonth},
      {{}, "x.txt", kNone, OrderBasis::not_needed, kMonth},
      // The name: one reading of the first date is stamped in it.
      {{date(5, 2, 2026, 4)}, "SMPS_3082_20260205_174800.csv", kNone, OrderBasis::file_name, kDay},
      {{date(1, 7, 2025, 4)},
       "250107-2.txt",
       OrderOption::day_first,
       OrderBasis::file_name,
       kMonth},
      {{date(1, 7, 25)}, "data/run_250701.txt", kNone, OrderBasis::file_name, kDay},
      {{date(1, 7, 25)}, "run_250701120000.txt", kNone, OrderBasis::file_name, kDay},
      {{date(1, 7, 2025, 4)}, "run_20250107235959.txt", kNone, OrderBasis::file_name, kMonth},
      // Only the base name counts; a folder's stamp is not the file's.
      {{date(1, 7, 25)}, "250701/run.txt", kNone, OrderBasis::by_default, kMonth},
      // Both readings stamped, or neither: the name does not tell.
      {{date(1, 7, 25)}, "250107_250701.txt", kNone, OrderBasis::by_default, kMonth},
      // Runs of other lengths, or not real dates, are no stamps.
      {{date(1, 7, 25)}, "run_2507011.txt", OrderOption::day_first, OrderBasis::option, kDay},
      {{date(1, 7, 25)}, "run_25070.txt", kNone, OrderBasis::by_default, kMonth},
      {{date(1, 7, 25)}, "run_251307.txt", OrderOption::month_first, OrderBasis::option, kMonth},
      // Only the first date is compared with the name.
      {{date(1, 8, 25), date(1, 7, 25)}, "run_250701.txt", kNone, OrderBasis::by_default, kMonth},
      {{date(3, 4, 5)}, "x.txt", kNone, OrderBasis::by_default, kMonth},
  };
  for (const Case& c : cases) {
    OrderEvidence evidence;
    for (const WrittenDate& d : c.dates) note_date(evidence, d);
    const OrderDecision decision = decide_order(evidence, c.name, c.option);
    EXPECT_EQ(decision.basis, c.basis) << "name: " << c.name;
    if (c.basis != OrderBasis::contradictory) {
      EXPECT_EQ(decision.order, c.order) << c.name;
    }
  }
}

TEST(NameDateStamps, ReadsEveryStampOfTheBaseName) {
  using std::chrono::day;
  using std::chrono::month;
  const auto on = [](int y, unsigned m, unsigned d) {
    return sys_days{year{y} / month{m} / day{d}};
  };
  EXPECT_EQ(name_date_stamps("C:\\data\\ccn_20240229_000000_690101.csv"),
            (std::vector<sys_days>{on(2024, 2, 29), on(2069, 1, 1)}));
  EXPECT_EQ(name_date_stamps("700101.txt"), (std::vector<sys_days>{on(1970, 1, 1)}));
  // 29 February of a year that has none; year 0000; a run of 7 digits.
  EXPECT_TRUE(name_date_stamps("20230229 00000101 2025010").empty());
}

}  // namespace
}  // namespace vortelin::calendar
