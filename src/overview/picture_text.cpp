#include "overview/picture_text.hpp"

namespace vortelin::overview {

namespace {

constexpr std::size_t kPiece = std::size_t{1} << 20;

}  // namespace

void spill(PictureText& out, bool all) {
  if (out.file == nullptr || (!all && out.text.size() < kPiece)) return;
  if (std::fwrite(out.text.data(), 1, out.text.size(), out.file) != out.text.size()) {
    out.failed = true;
  }
  out.text.clear();
}

}  // namespace vortelin::overview
