// The particle-sizer export summariser: one row per export. An export gives
// its dates, start times and scan settings in labelled lines (a key, then one
// value per sample), or in tables (a header row naming the columns, then one
// row per sample), or both; the line or row that sets a value last wins. The
// words of both layouts are in export_words.hpp.
#pragma once

#include <string_view>

#include "scanners/scan_state.hpp"
#include "text/in_channel.hpp"
#include "text/out_channel.hpp"

namespace vortelin {

// Reads `data` (rewound) to its end, appends the export's row to `table` and
// closes `data`. `file` is the list entry, trimmed.
void scan_smps(InChannel& data, std::string_view file, ScanState& state, OutChannel& table);

}  // namespace vortelin
