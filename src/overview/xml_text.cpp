#include "overview/xml_text.hpp"

#include "unicode/utf8.hpp"

namespace vortelin::overview {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the character at the start of `text` when it is well-formed
// UTF-8 and a character XML allows (not a control other than the tab, not
// U+FFFE or U+FFFF), else 0.
std::size_t xml_character_length(std::string_view text) {
  const std::size_t length = utf8_sequence_length(text);
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (length == 1) return byte(0) >= 0x20 || text[0] == '\t' ? 1 : 0;
  if (length == 3 && byte(0) == 0xEF && byte(1) == 0xBF && byte(2) >= 0xBE) return 0;
  return length;
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
    } else if (const std::size_t length = xml_character_length(text); length > 0) {
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
