// The command line: the help and version texts, asked for by a lone option.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vortelin {

enum class Request { run, help, version };

// What the arguments after the program's name ask for. Exactly one argument,
// --help or -h, --version or -V, asks for that text; any other argument list
// runs the dialogue and is otherwise ignored.
Request request_of(std::span<const char* const> arguments);

// "vortelin <version>" and the usage text, each line ended by `line_end`.
std::string version_text(std::string_view line_end);
std::string help_text(std::string_view line_end);

// Writes the text `request` asks for to standard output, without reading
// standard input or touching a file, and returns the exit status: 1 when the
// text could not be written.
int answer_request(Request request);

}  // namespace vortelin
