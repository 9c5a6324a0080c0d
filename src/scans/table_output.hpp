// The scans table written whole or not at all: into a new file beside the
// output, renamed to the output's name once complete, so an earlier table
// stays as it was until then; or to standard output.
#pragma once

#include <string>
#include <string_view>

namespace vortelin::scans {

class TableOutput {
 public:
  TableOutput() = default;
  TableOutput(const TableOutput&) = delete;
  TableOutput& operator=(const TableOutput&) = delete;
  // A table not finished is removed.
  ~TableOutput();

  // Starts the table `name` ("-": standard output); false, with `why`, when
  // the file beside it cannot be created.
  bool open(const std::string& name, std::string& why);
  // Buffered; a failure shows at finish().
  void write(std::string_view text);
  // Writes out the rest and gives the table its name; false, with `why` and
  // nothing left behind, when that fails.
  bool finish(std::string& why);

 private:
  void flush();
  void abandon();

  int fd_ = -1;
  bool standard_output_ = false;
  std::string name_;
  std::string temporary_;
  std::string buffer_;
  int error_ = 0;  // the first failed write's errno
};

}  // namespace vortelin::scans
