// A scan setting of one sample, as its export gives it.
#pragma once

#include <cstdint>
#include <string_view>

namespace vortelin::scans {

enum class CellState : std::uint8_t {
  no_cell,  // the layout gives the sample no cell for it
  absent,   // a cell that is empty, does not read, or is not finite
  value,
};

struct SettingCell {
  CellState state = CellState::no_cell;
  float real = 0;            // a time setting
  std::int32_t integer = 0;  // the scans per sample
};

// A cell's text read as one value by the free-form rules, a 32-bit float or
// (for the scans per sample) a 32-bit integer, where "2.0" does not read.
SettingCell read_setting(std::string_view text, bool integer);

}  // namespace vortelin::scans
