// The CCN data segmenter: one row per run of records with the same
// supersaturation set point.
#pragma once

#include <string_view>

#include "scanners/scan_state.hpp"
#include "text/in_channel.hpp"
#include "text/out_channel.hpp"

namespace vortelin {

// Reads `data` (rewound) to its end, appends a row per segment to `table` and
// closes `data`. `file` is the list entry, trimmed.
void scan_ccn(InChannel& data, std::string_view file, ScanState& state, OutChannel& table);

}  // namespace vortelin
