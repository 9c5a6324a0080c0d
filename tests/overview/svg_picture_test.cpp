// The picture: where a bar lands (its x against its time, its strip against its
// day), a bar across midnight in both strips, the days without data between
// strips, set point colours and the legend, and what titles hold.
#include "overview/svg_picture.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "overview/placement.hpp"
#include "overview/scans_reader.hpp"

namespace vortelin::overview {
namespace {

constexpr std::string_view kHeader = "export,sample,start,end,set_point,whole\r\n";

// The parts one after the other (g++ 12 warns falsely on chains of string +).
template <typename... Parts>
std::string joined(const Parts&... parts) {
  std::string text;
  ((text += parts), ...);
  return text;
}

std::string two_digits(std::size_t value) {
  return joined(value < 10 ? "0" : "", std::to_string(value));
}

struct Drawn {
  ScansTable scans;
  std::vector<Bar> bars;
  std::string svg;
};

Drawn draw_samples(const std::string& rows, bool by_day) {
  Drawn drawn{parse_scans(std::string(kHeader) + rows), {}, {}};
  for (std::size_t i = 0; i < drawn.scans.samples.size(); ++i) {
    const Sample& s = drawn.scans.samples[i];
    drawn.bars.push_back({s.start, s.end, s.set_point, i, !s.has_end});
  }
  PictureInput input;
  input.samples = {drawn.bars, nullptr, &drawn.scans};
  input.caption = "test";
  input.by_day = by_day;
  drawn.svg = draw_overview(input);
  return drawn;
}

// The lines of `svg` that are bars whose title holds `text`.
std::vector<std::string> bars_with(std::string_view svg, std::string_view text) {
  std::vector<std::string> found;
  for (std::size_t at = 0; (at = svg.find("<rect class=\"bar", at)) != std::string_view::npos;) {
    const std::size_t end = svg.find('\n', at);
    const std::string_view line = svg.substr(at, end - at);
    if (line.find(text) != std::string_view::npos) found.emplace_back(line);
    at = end;
  }
  return found;
}

std::string attribute(std::string_view element, std::string_view name) {
  const std::string key = joined(" ", name, "=\"");
  const std::size_t at = element.find(key);
  if (at == std::string_view::npos) return "(none)";
  const std::size_t from = at + key.size();
  return std::string(element.substr(from, element.find('"', from) - from));
}

// The attributes of the group that gives `bar_line` its colour.
std::string paint_of(std::string_view svg, std::string_view bar_line) {
  const std::size_t group = svg.rfind("<g fill=", svg.find(bar_line));
  return std::string(svg.substr(group + 3, svg.find('>', group) - group - 3));
}

// The data-day of the strip that holds `bar_line`.
std::string strip_of(std::string_view svg, std::string_view bar_line) {
  const std::size_t at = svg.find(bar_line);
  const std::size_t group = svg.rfind("<g data-day=\"", at);
  return group == std::string_view::npos ? "(none)" : std::string(svg.substr(group + 13, 10));
}

TEST(OverviewPicture, ASampleLandsAtItsTimeInTheStripOfItsDay) {
  const Drawn drawn = draw_samples(
      "a.txt,1,2025-02-19T06:00:00,2025-02-19T12:00:00,0.2,yes\r\n"
      "a.txt,2,2025-02-19T23:00:00,2025-02-20T01:00:00,0.4,no\r\n"
      "b.txt,1,2025-03-05T18:00:00,,,\r\n",
      true);
  // A day is 890 pixels from x = 120: six hours are 222.5.
  const auto morning = bars_with(drawn.svg, "a.txt sample 1:");
  ASSERT_EQ(morning.size(), 1u);
  EXPECT_EQ(attribute(morning[0], "x"), "342.5");
  EXPECT_EQ(attribute(morning[0], "width"), "222.5");
  EXPECT_EQ(attribute(morning[0], "data-set-point"), "0.2");
  EXPECT_EQ(paint_of(drawn.svg, morning[0]), "fill=\"#0072B2\"");
  EXPECT_EQ(strip_of(drawn.svg, morning[0]), "2025-02-19");
  // Across midnight: in both strips, cut at midnight, lighter as not whole.
  const auto night = bars_with(drawn.svg, "a.txt sample 2:");
  ASSERT_EQ(night.size(), 2u);
  EXPECT_EQ(strip_of(drawn.svg, night[0]), "2025-02-19");
  EXPECT_EQ(attribute(night[0], "x"), "972.92");
  EXPECT_EQ(attribute(night[0], "width"), "37.08");
  EXPECT_EQ(strip_of(drawn.svg, night[1]), "2025-02-20");
  EXPECT_EQ(attribute(night[1], "x"), "120");
  EXPECT_EQ(paint_of(drawn.svg, night[0]), "fill=\"#E69F00\" fill-opacity=\"0.35\"");
  // No end and no set point: a pixel from its start, neutral, an empty set point.
  const auto open = bars_with(drawn.svg, "b.txt sample 1:");
  ASSERT_EQ(open.size(), 1u);
  EXPECT_EQ(strip_of(drawn.svg, open[0]), "2025-03-05");
  EXPECT_EQ(attribute(open[0], "x"), "787");  // 18:00 is 787.5; 2 pixels wide around x + 0.5
  EXPECT_EQ(attribute(open[0], "data-set-point"), "");
  EXPECT_EQ(paint_of(drawn.svg, open[0]), "fill=\"#A0A0A0\"");
  EXPECT_NE(drawn.svg.find(">12 days without data</text>"), std::string::npos);
  EXPECT_EQ(drawn.svg.find("<g data-day=\"2025-02-21\""), std::string::npos);
}

TEST(OverviewPicture, AShortCampaignKeepsOneAxisUnlessAskedByDay) {
  const std::string rows = "a.txt,1,2025-02-19T06:00:00,2025-02-19T12:00:00,0.2,yes\r\n";
  EXPECT_EQ(draw_samples(rows, false).svg.find("data-day"), std::string::npos);
  const Drawn by_day = draw_samples(rows, true);
  EXPECT_NE(by_day.svg.find("<g data-day=\"2025-02-19\""), std::string::npos);
  EXPECT_EQ(bars_with(by_day.svg, "a.txt sample 1:").size(), 1u);
}

TEST(OverviewPicture, ColoursAndLegendForManySetPoints) {
  struct Case {
    std::size_t count;
    std::vector<std::string_view> colours;  // of the first, second and last set point
    std::size_t legend_entries;
    bool counted;
  };
  const Case cases[] = {
      {3, {"#0072B2", "#E69F00", "#009E73"}, 3, false},
      {7, {"#0072B2", "#E69F00", "#000000"}, 7, false},
      {9, {"#440154", "#482475", "#FDE725"}, 9, false},
      {20, {"#440154", "#440154", "#FDE725"}, 12, true},
  };
  for (const Case& c : cases) {
    std::string rows;
    for (std::size_t k = 0; k < c.count; ++k) {
      // Set points 0.1, 0.15, 0.2, ... in the order of the samples.
      rows += joined("a.txt,", std::to_string(k), ",2025-02-19T10:", two_digits(k), ":00,,",
                     std::to_string(static_cast<double>(100 + 50 * k) / 1000), ",yes\r\n");
    }
    const Drawn drawn = draw_samples(rows, false);
    const auto bars = [&](std::size_t k) {
      return bars_with(drawn.svg, joined("a.txt sample ", std::to_string(k), ":"));
    };
    ASSERT_EQ(bars(c.count - 1).size(), 1u) << c.count;
    EXPECT_EQ(paint_of(drawn.svg, bars(0)[0]), joined("fill=\"", c.colours[0], "\""));
    EXPECT_EQ(paint_of(drawn.svg, bars(1)[0]), joined("fill=\"", c.colours[1], "\""));
    EXPECT_EQ(paint_of(drawn.svg, bars(c.count - 1)[0]), joined("fill=\"", c.colours[2], "\""));
    std::size_t entries = 0;
    for (std::size_t at = 0; (at = drawn.svg.find("<rect x=\"1030\"", at)) != std::string::npos;
         ++at) {
      ++entries;
    }
    EXPECT_EQ(entries, c.legend_entries) << c.count;
    const bool counted =
        drawn.svg.find(joined(">", std::to_string(c.count), " set points<")) != std::string::npos;
    EXPECT_EQ(counted, c.counted) << c.count;
  }
}

TEST(OverviewPicture, TitlesEscapeWhatTheTablesHold) {
  const Drawn drawn = draw_samples(
      "\"R&D <north> \xFF.txt\",\"7\"\"\",2025-02-19T06:00:00,2025-02-19T06:02:15,0.2,yes\r\n",
      false);
  const auto bars = bars_with(drawn.svg, "sample 7\":");
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_NE(bars[0].find("<title>R&amp;D &lt;north&gt; \xEF\xBF\xBD.txt sample 7\": "
                         "2025-02-19 06:00:00 to 2025-02-19 06:02:15, set point 0.2 %, whole: "
                         "yes</title>"),
            std::string::npos)
      << bars[0];
}

TEST(OverviewPicture, SamplesTooCloseToDrawApartShareAMarkThatNamesEach) {
  std::string rows;
  for (int k = 0; k < 6; ++k) {  // two-minute samples at one set point, then another
    rows += joined("a.txt,", std::to_string(k + 1), ",2025-02-19T10:", std::to_string(10 + 2 * k),
                   ":00,2025-02-19T10:", std::to_string(12 + 2 * k), ":00,", k < 4 ? "0.2" : "0.4",
                   ",yes\r\n");
  }
  const Drawn drawn = draw_samples(rows, true);
  const auto first = bars_with(drawn.svg, "a.txt sample 1:");
  ASSERT_EQ(first.size(), 1u);
  EXPECT_NE(first[0].find("<title>4 samples, too close to draw apart, 2025-02-19 10:10:00 to "
                          "2025-02-19 10:18:00&#10;a.txt sample 1: "),
            std::string::npos);
  for (const char* sample : {"a.txt sample 2:", "a.txt sample 3:", "a.txt sample 4:"}) {
    EXPECT_EQ(bars_with(drawn.svg, sample), first);
  }
  EXPECT_EQ(bars_with(drawn.svg, "a.txt sample 5:").size(), 1u);
  EXPECT_NE(bars_with(drawn.svg, "a.txt sample 5:"), first);
}

}  // namespace
}  // namespace vortelin::overview
