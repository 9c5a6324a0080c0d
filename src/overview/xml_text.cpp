#include "overview/xml_text.hpp"

#include <cstdint>

namespace vortelin::overview {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the valid UTF-8 sequence of a character XML allows at the
// start of `text`, or 0.
std::size_t utf8_length(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  std::uint32_t code = 0;
  if (lead < 0x80) return lead >= 0x20 || lead == '\t' ? 1 : 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0u) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3Fu);
  }
  const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  const bool not_a_character = code == 0xFFFE || code == 0xFFFF || code > 0x10FFFF;
  return overlong || surrogate || not_a_character ? 0 : length;
}

}  // namespace

void append_xml_text(std::string& out, std::string_view text) {
  while (!text.empty()) {
    const char c = text.front();
    std::size_t used = 1;
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '\n') {
      out += "&#10;";
    } else if (const std::size_t length = utf8_length(text); length > 0) {
      out.append(text.substr(0, length));
      used = length;
    } else {
      out += kReplacement;
    }
    text.remove_prefix(used);
  }
}

std::string printable(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  return out;
}

}  // namespace vortelin::overview
