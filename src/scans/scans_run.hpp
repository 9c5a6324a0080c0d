// One run of vortelin-scans: the files gathered and told apart, the exports'
// samples read and dated, the CCN files merged into one time line and joined
// with the samples, and the scans table written whole.
#pragma once

#include "scans/options.hpp"

namespace vortelin::scans {

// Returns the exit status: 0 when the table was written, 1 when it was
// written but a file could not be opened or read, or when nothing was written.
int run_scans(const Options& options);

}  // namespace vortelin::scans
