// Value reading: the three values of a CCN record, the general scan (repeat
// counts, exponents) and the decimal conversion alone.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "text/decimal_conversion.hpp"
#include "text/value_reader.hpp"

namespace {

// The value part of CCN records as the scanner sees it (after the time).
std::vector<std::string> ccn_value_texts() {
  std::vector<std::string> texts;
  const char* set_points[] = {"0.10", "0.20", "0.40", "0.60", "0.80", "1.00"};
  for (int i = 0; i < 1024; ++i) {
    std::string t = set_points[i / 128 % 6];
    t += i % 10 == 0 ? ",0," : ",1,";
    t += std::to_string(3 + i / 128 % 6) + (i % 7 == 0 ? ".02" : ".00");
    t += ",0.494,58809,20.64,34.94,37.89,1022.4,1.041,4.247,0,13.62,9";
    texts.push_back(t);
  }
  return texts;
}

void run_three_reals(benchmark::State& state, const std::vector<std::string>& texts) {
  float a = 0;
  float b = 0;
  float c = 0;
  const std::array<vortelin::ValueTarget, 3> items{&a, &b, &c};
  std::size_t i = 0;
  for ([[maybe_unused]] auto _ : state) {
    vortelin::read_values(texts[i++ % texts.size()], items);
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
    benchmark::DoNotOptimize(c);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 3);
}

void BM_ReadValues_CcnRecord(benchmark::State& state) {
  static const std::vector<std::string> texts = ccn_value_texts();
  run_three_reals(state, texts);
}
BENCHMARK(BM_ReadValues_CcnRecord);

// Forms the fast path leaves to the general scan.
void BM_ReadValues_GeneralForms(benchmark::State& state) {
  static const std::vector<std::string> texts = {
      "1.5e-3, 2*0.25", "12345678901234567890123 1.5D2 7", "3*0.3", "1.5-3 , 4E+2 ,, 5"};
  run_three_reals(state, texts);
}
BENCHMARK(BM_ReadValues_GeneralForms);

struct Decimal {
  std::string digits;
  std::int64_t exponent;
};

std::vector<Decimal> decimals(std::size_t length, std::int64_t low, std::int64_t high) {
  std::vector<Decimal> out;
  std::uint64_t x = 20050514;
  for (int i = 0; i < 1024; ++i) {
    Decimal d{{}, 0};
    for (std::size_t k = 0; k < length; ++k) {
      x = x * 6364136223846793005ULL + 1442695040888963407ULL;
      d.digits += static_cast<char>('0' + (x >> 33) % 10);
    }
    d.exponent =
        low + static_cast<std::int64_t>((x >> 20) % static_cast<std::uint64_t>(high - low + 1));
    out.push_back(d);
  }
  return out;
}

void run_conversion(benchmark::State& state, const std::vector<Decimal>& input) {
  std::size_t i = 0;
  for ([[maybe_unused]] auto _ : state) {
    const Decimal& d = input[i++ % input.size()];
    benchmark::DoNotOptimize(vortelin::decimal_to_double(d.digits, d.exponent));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

void BM_DecimalToDouble_Short(benchmark::State& state) {
  static const std::vector<Decimal> input = decimals(4, -4, 2);
  run_conversion(state, input);
}
BENCHMARK(BM_DecimalToDouble_Short);

void BM_DecimalToDouble_Long(benchmark::State& state) {
  static const std::vector<Decimal> input = decimals(30, -60, 30);
  run_conversion(state, input);
}
BENCHMARK(BM_DecimalToDouble_Long);

// The C library's conversion of the same short decimals, for comparison.
void BM_Strtod_Short(benchmark::State& state) {
  std::vector<std::string> texts;
  for (const Decimal& d : decimals(4, -4, 2))
    texts.push_back(d.digits + "e" + std::to_string(d.exponent));
  std::size_t i = 0;
  for ([[maybe_unused]] auto _ : state) {
    benchmark::DoNotOptimize(std::strtod(texts[i++ % texts.size()].c_str(), nullptr));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_Strtod_Short);

}  // namespace
