#include "scans/inputs.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <span>

#include "platform/platform.hpp"
#include "tables/scans_table.hpp"
#include "tables/summary_tables.hpp"
#include "text/byte_order_mark.hpp"
#include "text/file_open.hpp"
#include "text/in_channel.hpp"

namespace vortelin::scans {

namespace {

constexpr char kListMark = '@';

std::string_view base_name(std::string_view name) {
  const std::size_t slash = name.find_last_of("/\\");
  return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

// How a folder's files are named: FOLDER/NAME, or NAME in the current folder.
std::string folder_prefix(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  if (folder == ".") return {};
  if (folder == "/" || folder == "\\") return folder;
  return folder + '/';
}

void add_folder(const std::string& folder, Inputs& inputs, Report& report) {
  std::vector<std::string> names;
  if (!list_folder_files(folder, names)) {
    report.failure("cannot read " + folder + ": " + std::strerror(errno));
    return;
  }
  std::sort(names.begin(), names.end());
  const std::string prefix = folder_prefix(folder);
  for (const std::string& name : names) inputs.files.push_back(prefix + name);
}

void add_path(const std::string& path, Inputs& inputs, Report& report) {
  switch (path_kind(path)) {
    case PathKind::folder:
      add_folder(path, inputs, report);
      return;
    case PathKind::missing:
      report.failure("cannot open " + path + ": " + std::strerror(errno));
      return;
    case PathKind::file:
    case PathKind::other:
      inputs.files.push_back(path);
      return;
  }
}

// Each line of the list names a path; blank lines are skipped, trailing blanks
// cut, and a byte-order mark before the first line is not part of it.
void add_list(const std::string& list, Inputs& inputs, Report& report) {
  const int fd = open_existing_file(list);
  if (fd < 0) {
    report.failure("cannot read list " + list + ": " + std::strerror(errno));
    return;
  }
  inputs.lists.push_back(list);
  std::vector<char> buffer(std::size_t{64} * 1024);
  IoTrace trace;
  InChannel channel;
  attach(channel, 0, list, fd, buffer, true, trace);
  RawRecord record;
  try {
    for (bool first = true;
         read_record(channel, kMaxFieldLength, Handling::end_of_file, record) == Outcome::record;
         first = false) {
      const std::string name =
          name_in_field(first ? without_byte_order_mark(record.text) : record.text);
      if (!name.empty()) add_path(name, inputs, report);
    }
  } catch (const FatalCondition& condition) {
    report.failure("cannot read list " + list + ": " + condition.message());
  }
  close(channel);
}

}  // namespace

bool is_program_table(const std::string& name) {
  const std::string_view base = base_name(name);
  return base == kSmpsTableName || base == kCcnTableName || base == kScansTableName;
}

Inputs gather_inputs(const std::vector<std::string>& paths, Report& report) {
  Inputs inputs;
  if (paths.empty()) add_folder(".", inputs, report);
  for (const std::string& path : paths) {
    if (!path.empty() && path.front() == kListMark) {
      add_list(path.substr(1), inputs, report);
    } else {
      add_path(path, inputs, report);
    }
  }
  std::erase_if(inputs.files, is_program_table);
  return inputs;
}

}  // namespace vortelin::scans
