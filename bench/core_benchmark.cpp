// The core's speed, each figure beside a baseline from the C library doing
// comparable work on the same input in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "core/calculator.h"

static CalculationInputs Inputs(const char* value, const char* level) {
  CalculationInputs in;
  in.LevelText = level;
  for (auto& text : in.AttributeTexts) text = value;
  return in;
}

static void BM_RunCalculation_StartingTexts(benchmark::State& state) {
  CalculationInputs in = Inputs("0", "1");
  for (auto _ : state) benchmark::DoNotOptimize(RunCalculation(in));
}
BENCHMARK(BM_RunCalculation_StartingTexts);

static void BM_RunCalculation_Nine99s(benchmark::State& state) {
  CalculationInputs in = Inputs("99", "99");
  for (auto _ : state) benchmark::DoNotOptimize(RunCalculation(in));
}
BENCHMARK(BM_RunCalculation_Nine99s);

// Baseline: the C library reading the same ten texts and writing two numbers.
static void BM_Baseline_StrtollAndToString(benchmark::State& state) {
  CalculationInputs in = Inputs("99", "99");
  for (auto _ : state) {
    long long sum = strtoll(in.LevelText.c_str(), nullptr, 10);
    for (auto& text : in.AttributeTexts) sum += strtoll(text.c_str(), nullptr, 10);
    std::string a = std::to_string(sum), b = std::to_string(sum) + " / " + std::to_string(sum);
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
  }
}
BENCHMARK(BM_Baseline_StrtollAndToString);

static void BM_AttributeCost_AllBytes(benchmark::State& state) {
  for (auto _ : state) {
    int64_t total = 0;
    for (int v = 0; v < 256; ++v) total += AttributeCost(static_cast<uint8_t>(v));
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_AttributeCost_AllBytes);

static void BM_ParseIntegerText(benchmark::State& state) {
  std::string text(static_cast<size_t>(state.range(0)), '7');
  for (auto _ : state) benchmark::DoNotOptimize(ParseIntegerText(text));
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ParseIntegerText)->RangeMultiplier(4)->Range(1 << 10, 1 << 20)->Complexity(benchmark::oN);

// Baseline: strtoull scans the same digit run (it saturates, but reads every digit).
static void BM_Baseline_Strtoull(benchmark::State& state) {
  std::string text(static_cast<size_t>(state.range(0)), '7');
  for (auto _ : state) benchmark::DoNotOptimize(strtoull(text.c_str(), nullptr, 10));
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Baseline_Strtoull)->RangeMultiplier(4)->Range(1 << 10, 1 << 20)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
