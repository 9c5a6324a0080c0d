#include "scans/setting_cell.hpp"

#include <array>
#include <cmath>
#include <limits>

#include "text/fatal.hpp"
#include "text/value_reader.hpp"

namespace vortelin::scans {

SettingCell read_setting(std::string_view text, bool integer) {
  if (text.find_first_not_of(" \t") == std::string_view::npos) return {CellState::absent};
  // A null or a slash leaves the item as it was: the marks say nothing was read.
  float real = std::numeric_limits<float>::quiet_NaN();
  std::int32_t whole = std::numeric_limits<std::int32_t>::min();
  const std::array<ValueTarget, 1> item{integer ? ValueTarget{&whole} : ValueTarget{&real}};
  try {
    read_values(text, item);
  } catch (const FatalCondition&) {
    return {CellState::absent};
  }
  if (integer) {
    if (whole == std::numeric_limits<std::int32_t>::min()) return {CellState::absent};
    return {CellState::value, 0, whole};
  }
  if (!std::isfinite(real)) return {CellState::absent};
  return {CellState::value, real, 0};
}

}  // namespace vortelin::scans
