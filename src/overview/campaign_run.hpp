// One run of vortelin-overview: both tables read, their rows placed, the picture
// written, and one line saying what was drawn.
#pragma once

#include <cstdio>

#include "overview/options.hpp"

namespace vortelin::overview {

// Draws the campaign in `options.folder`. The summary line goes to `out`, notes
// and diagnostics to `err`. Returns the exit status: 0 when the picture was
// written, 1 when it was not (and then nothing was written).
int draw_campaign(const Options& options, std::FILE* out, std::FILE* err);

}  // namespace vortelin::overview
