#include "overview/svg_elements.hpp"

#include <array>
#include <charconv>

#include "overview/xml_text.hpp"

namespace vortelin::overview {

void append_number(std::string& out, double value) {
  std::array<char, 64> text{};
  const auto result =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 2);
  std::string_view digits(text.data(), static_cast<std::size_t>(result.ptr - text.data()));
  while (digits.back() == '0') digits.remove_suffix(1);
  if (digits.back() == '.') digits.remove_suffix(1);
  out += digits == "-0" ? "0" : digits;
}

void append_attributes(std::string& out, Attributes attributes) {
  for (const auto& [attribute, value] : attributes) {
    out += ' ';
    out += attribute;
    out += "=\"";
    append_number(out, value);
    out += '"';
  }
}

void open_element(std::string& out, std::string_view name, Attributes attributes) {
  out += '<';
  out += name;
  append_attributes(out, attributes);
}

void append_text(std::string& out, double x, double y, std::string_view anchor,
                 std::string_view style, std::string_view text) {
  open_element(out, "text", {{"x", x}, {"y", y}});
  out += " text-anchor=\"";
  out += anchor;
  out += "\" ";
  out += style;
  out += '>';
  append_xml_text(out, text);
  out += "</text>\n";
}

void append_line(std::string& out, double x1, double y1, double x2, double y2,
                 std::string_view stroke) {
  open_element(out, "line", {{"x1", x1}, {"y1", y1}, {"x2", x2}, {"y2", y2}});
  out += " stroke=\"";
  out += stroke;
  out += "\"/>\n";
}

void append_frame(std::string& out, double left, double top, double right, double bottom) {
  open_element(out, "rect",
               {{"x", left}, {"y", top}, {"width", right - left}, {"height", bottom - top}});
  out += " fill=\"none\" stroke=\"#CCCCCC\"/>\n";
}

}  // namespace vortelin::overview
