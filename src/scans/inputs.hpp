// The files a run reads, from its PATHs: a data file, a folder (its files, in
// the byte order of their names), or @LIST, a file naming one PATH a line.
#pragma once

#include <string>
#include <vector>

#include "scans/report.hpp"

namespace vortelin::scans {

struct Inputs {
  std::vector<std::string> files;  // as they will be opened, in the order of reading
  std::vector<std::string> lists;  // the @LIST files, as opened
};

// Expands `paths` (none: the current folder). A folder's files are named
// FOLDER/NAME, its trailing slashes dropped; the current folder's ("." or
// "./") just NAME. Names in a list are relative to the current folder. The
// tables of the programs (scn_smps.dat, scn_ccnc.dat, scn_scans.csv) are never
// data. What cannot be opened or listed is reported, and the rest is read.
Inputs gather_inputs(const std::vector<std::string>& paths, Report& report);

// "scn_smps.dat", "scn_ccnc.dat" and "scn_scans.csv" in any folder.
bool is_program_table(const std::string& name);

}  // namespace vortelin::scans
