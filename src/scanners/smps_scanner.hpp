// The particle-sizer export summariser: one row per export, from its labelled
// lines of dates, start times and scan settings.
#pragma once

#include <string_view>

#include "scanners/scan_state.hpp"
#include "text/in_channel.hpp"
#include "text/out_channel.hpp"

namespace vortelin {

// Reads `data` (rewound) to its end, appends the export's row to `table` and
// closes `data`. `file` is the list entry, trimmed.
void scan_smps(InChannel& data, std::string_view file, ScanState& state, OutChannel& table);

// The value text of a scan setting: the label's own separator, one comma that is
// the first character other than blanks and tabs, is not a null value.
std::string_view after_label_comma(std::string_view text);

}  // namespace vortelin
