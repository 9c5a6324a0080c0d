// The picture's text on its way to a file: appended to a string and handed on
// in large pieces, so memory does not grow with the picture.
#pragma once

#include <cstdio>
#include <string>

namespace vortelin::overview {

struct PictureText {
  std::string text;
  std::FILE* file = nullptr;  // none: the whole text stays in `text`
  bool failed = false;        // a write to the file fell short
};

// Hands the text on to the file once it has grown large (or whatever its size
// when `all`).
void spill(PictureText& out, bool all = false);

}  // namespace vortelin::overview
