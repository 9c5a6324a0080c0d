// The few SVG elements the picture is made of, written as text: numbers with
// at most two decimals, attributes, text, lines and frames.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace vortelin::overview {

// Appends `value` with at most two decimals and no trailing zeros ("12.5", "3").
void append_number(std::string& out, double value);

using Attributes = std::initializer_list<std::pair<std::string_view, double>>;

// Appends ` a="v" ...`, numeric attributes.
void append_attributes(std::string& out, Attributes attributes);

// Appends `<name a="v" ...`, an element left open for more attributes.
void open_element(std::string& out, std::string_view name, Attributes attributes);

// A line of text at (x, y); `style` holds further attributes, `text` is escaped.
void append_text(std::string& out, double x, double y, std::string_view anchor,
                 std::string_view style, std::string_view text);

void append_line(std::string& out, double x1, double y1, double x2, double y2,
                 std::string_view stroke);

// A thin grey frame from (left, top) to (right, bottom), not filled.
void append_frame(std::string& out, double left, double top, double right, double bottom);

}  // namespace vortelin::overview
