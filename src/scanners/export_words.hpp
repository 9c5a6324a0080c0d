// The words of a particle-sizer export, in one place: the marks that make a
// file an export, the keys of labelled lines, the words that start a table
// header and the column titles, each with what it fills. A new spelling is an
// entry here; a new layout is entries here, plus code only where a cell holds
// something new. Lengths come from the words themselves.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "scanners/date_time_shapes.hpp"

namespace vortelin::words {

// Classification, over the file's first ten complete lines, each cut to 64
// characters: "DMA" anywhere in one of them, or a line that starts with one of
// the line marks.
inline constexpr std::string_view kMarkAnywhere = "DMA";
inline constexpr std::string_view kLineMarks[] = {"Classifier Model"};

// The scan settings an export gives, by their place in the settings arrays.
enum class Setting { scan_up, retrace, scans };
inline constexpr Setting kSettings[] = {Setting::scan_up, Setting::retrace, Setting::scans};
inline constexpr std::size_t kSettingCount = std::size(kSettings);

constexpr std::size_t index_of(Setting setting) {
  return static_cast<std::size_t>(setting);
}

// ---- Labelled lines: a key, then one value per sample.

// A line of dates or times. Its first and last values are read as whole
// values; a line without one is read by the older rule, from the first
// character in `older_starts` after the key.
struct ValuesKey {
  std::string_view key;
  ShapeKind kind;
  std::string_view older_starts;
};

inline constexpr ValuesKey kDatesKey{"Date", ShapeKind::date, "01"};         // a month: 0 or 1
inline constexpr ValuesKey kTimesKey{"Start Time", ShapeKind::time, "012"};  // an hour: 0 to 2

// A scan settings block of four records: the scan up time after the key, the
// retrace time on the next record after its label, and the scans per sample
// on the fourth after theirs (the third record is not read). The retrace label
// is the first of `retrace_labels` that the record starts with; a record that
// starts with none has its first `unlabelled_retrace_length` characters
// skipped all the same, as many as "Retrace Time(s)" takes. A record that
// holds several keys starts the block of the first in this list.
struct SettingsBlock {
  std::string_view key;
  std::array<std::string_view, 2> retrace_labels;  // an empty label is no label
  std::size_t unlabelled_retrace_length;
  std::string_view scans_label;
};

inline constexpr std::size_t kUnlabelledRetraceLength = std::string_view("Retrace Time(s)").size();

inline constexpr SettingsBlock kSettingsBlocks[] = {
    {"Scan Up Time(s)", {"Retrace Time(s)"}, kUnlabelledRetraceLength, "Scans Per Sample"},
    {"Scan Time (s)",
     {"Retrace Time (s)", "Retrace Time(s)"},
     kUnlabelledRetraceLength,
     "Scans Per Sample"},
};

// ---- Tables: a header row names the columns, then one row per sample.

// A header row starts with one of these words directly followed by a tab or a
// comma, the table's separator. A header always needs a date column and a
// start-time column; some kinds also need a column that holds both.
struct HeaderStart {
  std::string_view word;
  bool needs_date_and_time;
};

inline constexpr std::string_view kSampleNumbersLabel = "Sample #";

inline constexpr HeaderStart kHeaderStarts[] = {
    {kSampleNumbersLabel, false},
    {"Scan Number", true},
};

// Samples as columns: a line that starts with kSampleNumbersLabel and its
// separator but is no table header names one sample per field; the labelled
// lines of the dates, the start times and the settings give each sample's
// value in its field.

// What a column's cells hold. A date-and-time cell gives the date column and
// the start-time column both: its first date, and the first time after it.
enum class Content { date, start_time, date_and_time, setting };

// Titles are compared with blanks trimmed at both ends; where several columns
// hold titles of one role, the first of them counts.
struct Title {
  std::string_view text;
  Content content;
  Setting setting = Setting::scan_up;  // for Content::setting
};

inline constexpr Title kTitles[] = {
    {"Date", Content::date},
    {"Start Time", Content::start_time},
    {"DateTime Sample Start", Content::date_and_time},
    {"Scan Up Time(s)", Content::setting, Setting::scan_up},
    {"Scan Time (s)", Content::setting, Setting::scan_up},
    {"DMA V Ramping Up (TUP) (s)", Content::setting, Setting::scan_up},
    {"Retrace Time(s)", Content::setting, Setting::retrace},
    {"Retrace Time (s)", Content::setting, Setting::retrace},
    {"DMA V Ramping Down (TDOWN) (s)", Content::setting, Setting::retrace},
    {"Scans Per Sample", Content::setting, Setting::scans},
};

// ---- Figures derived from the words.

// The distinct first characters of the titles: a cell can only hold a title
// when its first character after blanks is one of them.
struct Initials {
  std::array<char, std::size(kTitles)> bytes{};
  std::size_t count = 0;
};

constexpr Initials title_initials() {
  Initials initials;
  for (const Title& title : kTitles) {
    const char first = title.text.front();
    const auto used = initials.bytes.begin() + static_cast<std::ptrdiff_t>(initials.count);
    if (std::find(initials.bytes.begin(), used, first) == used) {
      initials.bytes[initials.count++] = first;
    }
  }
  return initials;
}

inline constexpr Initials kTitleInitials = title_initials();

}  // namespace vortelin::words
