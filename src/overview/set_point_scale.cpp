#include "overview/set_point_scale.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace vortelin::overview {

namespace {

constexpr std::array<std::string_view, 7> kDistinct{"#0072B2", "#E69F00", "#009E73", "#CC79A7",
                                                    "#D55E00", "#56B4E9", "#000000"};
// From dark blue through teal and green to yellow, in equal steps.
constexpr std::array<std::string_view, 12> kRamp{"#440154", "#482475", "#414487", "#355F8D",
                                                 "#2A788E", "#21918C", "#22A884", "#44BF70",
                                                 "#7AD151", "#BDDF26", "#DCE319", "#FDE725"};

double in_thousandths(double set_point) {
  return static_cast<double>(std::llround(set_point * 1000)) / 1000;
}

// A round step (1, 2 or 5 times a power of ten) giving about `count` ticks over `span`.
double round_step(double span, double count) {
  const double rough = span / count;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10 * power;
}

}  // namespace

SetPointScale make_set_point_scale(std::span<const double> set_points) {
  SetPointScale scale;
  scale.values.reserve(set_points.size());
  for (const double set_point : set_points) scale.values.push_back(in_thousandths(set_point));
  std::sort(scale.values.begin(), scale.values.end());
  scale.values.erase(std::unique(scale.values.begin(), scale.values.end()), scale.values.end());
  if (!scale.values.empty()) {
    scale.low = std::min(0.0, scale.values.front());
    scale.high = std::max(0.0, scale.values.back());
  }
  if (scale.high - scale.low <= 0) scale.high = scale.low + 1;
  const double step = round_step(scale.high - scale.low, 5);
  scale.high = std::ceil(scale.high / step) * step;
  scale.low = std::floor(scale.low / step) * step;
  const auto count = static_cast<int>(std::lround((scale.high - scale.low) / step));
  for (int k = 0; k <= count; ++k) {
    const double tick = scale.low + k * step;
    scale.ticks.push_back(std::abs(tick) < step / 2 ? 0.0 : tick);
  }
  return scale;
}

std::size_t set_point_index(const SetPointScale& scale, double set_point) {
  return static_cast<std::size_t>(
      std::lower_bound(scale.values.begin(), scale.values.end(), in_thousandths(set_point)) -
      scale.values.begin());
}

std::string_view set_point_colour(const SetPointScale& scale, std::size_t index) {
  const std::size_t count = scale.values.size();
  if (count <= kDistinct.size()) return kDistinct[index % kDistinct.size()];
  return kRamp[index * (kRamp.size() - 1) / (count - 1)];
}

std::string number_text(double value) {
  std::array<char, 64> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
  return {text.data(), result.ptr};
}

std::string tick_text(double value, const SetPointScale& scale) {
  const double step = scale.ticks.size() > 1 ? scale.ticks[1] - scale.ticks[0] : 1;
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
  std::array<char, 64> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                    std::chars_format::fixed, decimals);
  return {text.data(), result.ptr};
}

}  // namespace vortelin::overview
