// Number formatting of the table rows: one fixed-point field, one integer
// field and a whole CCN row.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tables/number_format.hpp"
#include "tables/summary_tables.hpp"

namespace {

std::vector<float> values() {
  std::vector<float> out;
  out.reserve(1024);
  for (int i = 0; i < 1024; ++i) out.push_back(static_cast<float>(i % 97) * 0.137f - 3.0f);
  return out;
}

void BM_AppendFixed(benchmark::State& state) {
  const std::vector<float> input = values();
  std::string out;
  std::size_t i = 0;
  for ([[maybe_unused]] auto _ : state) {
    out.clear();
    vortelin::append_fixed(out, input[i++ % input.size()], 8, 3);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_AppendFixed);

void BM_AppendInteger(benchmark::State& state) {
  std::string out;
  std::int32_t v = 0;
  for ([[maybe_unused]] auto _ : state) {
    out.clear();
    vortelin::append_integer(out, v++ % 1000, 3);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_AppendInteger);

void BM_FormatCcnRow(benchmark::State& state) {
  const std::vector<float> input = values();
  std::string row;
  std::size_t i = 0;
  for ([[maybe_unused]] auto _ : state) {
    const float v = input[i++ % input.size()];
    vortelin::format_row(
        vortelin::CcnRow{"ccn_big.csv", "05/14/05 ", "10:00:00", "10:10:00", v, v * 2.0f}, row);
    benchmark::DoNotOptimize(row.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_FormatCcnRow);

}  // namespace
