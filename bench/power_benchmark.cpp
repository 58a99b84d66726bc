// "=" with "x^n" through the engine, on the exponents that make the power loop work hardest:
// a plain power, fixed points and alternations that end early, and the multiplication bound.
#include <benchmark/benchmark.h>

#include <string>

#include "engine.h"
#include "fake_window.h"

namespace {

using tallomat::Engine;
using tallomat::testing::FakeWindow;

void PowerEquals(benchmark::State& state, const std::string& base, const std::string& exponent) {
    FakeWindow window;
    Engine engine(window);
    engine.Form_Load();
    for (auto _ : state) {
        window.display = base;
        engine.cmdpower_Click();
        window.display = exponent;
        engine.cmdequal_Click();
        double result = engine.state().resultnum;  // a non-const lvalue, as DoNotOptimize wants
        benchmark::DoNotOptimize(result);
        window.displayWrites.clear();  // the fake window records every write
    }
}

BENCHMARK_CAPTURE(PowerEquals, TwoToThe1000, std::string("2"), std::string("1000"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PowerEquals, HalfToThe1E15, std::string("0.5"), std::string("1E+15"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PowerEquals, MinusOneToThe1E15, std::string("-1"), std::string("1E+15"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PowerEquals, JustBelowOneToThe1E12, std::string("0.9999999"),
                  std::string("1E+12"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(PowerEquals, JustAboveOneToThe1E12, std::string("1.0000001"),
                  std::string("1E+12"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
// The slowest evaluations: a hundred million passes carried out, and a base whose products would
// overflow just beyond the bound, found only by running into it.
BENCHMARK_CAPTURE(PowerEquals, HundredMillionPasses, std::string("1.0000001"),
                  std::string("100000000"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(PowerEquals, RunIntoTheBound, std::string("1.0000070625"), std::string("1E+12"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
