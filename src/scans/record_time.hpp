// The time of a CCN record: its first 8 characters, hh:mm:ss with two digits
// each, a time of day. Read for every record of every file, so inline.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vortelin::scans {

inline constexpr std::int32_t kNoTime = -1;

// Seconds since midnight, or kNoTime.
inline std::int32_t record_seconds(std::string_view record) {
  if (record.size() < 8 || record[2] != ':' || record[5] != ':') return kNoTime;
  std::int32_t digits[6];
  constexpr std::size_t kAt[6] = {0, 1, 3, 4, 6, 7};
  for (std::size_t i = 0; i < 6; ++i) {
    digits[i] = static_cast<unsigned char>(record[kAt[i]]) - '0';
    if (digits[i] < 0 || digits[i] > 9) return kNoTime;
  }
  const std::int32_t hours = digits[0] * 10 + digits[1];
  const std::int32_t minutes = digits[2] * 10 + digits[3];
  const std::int32_t seconds = digits[4] * 10 + digits[5];
  if (hours > 23 || minutes > 59 || seconds > 59) return kNoTime;
  return hours * 3600 + minutes * 60 + seconds;
}

inline std::optional<std::int32_t> record_time(std::string_view record) {
  const std::int32_t seconds = record_seconds(record);
  return seconds == kNoTime ? std::nullopt : std::optional(seconds);
}

}  // namespace vortelin::scans
