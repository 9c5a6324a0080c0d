// The scan state: the dates, times and values the scanners fill and the rows print.
#pragma once

#include <cstdint>

#include "text/fixed_field.hpp"

namespace vortelin {

struct ScanState {
  FixedField<9> strdat;      // first scan date (SMPS) or the file's date (CCN)
  FixedField<8> enddat;      // last scan date (SMPS)
  FixedField<8> strtim;      // first scan time, or a segment's start time
  FixedField<8> endtim;      // last scan time, or a segment's end time
  std::int32_t scnpsmp = 0;  // scans per sample
  float scnuptim = 0;        // scan up time, seconds
  float rtractim = 0;        // retrace time, seconds
  float ssat = 0;            // a segment's supersaturation set point
  float delt = 0;            // a segment's temperature-difference set point
  float css = 0;             // the newest record's values
  float cdel = 0;
  float dummy = 0;
};

}  // namespace vortelin
