// Key operations through the engine: a mixed calculation of entry, operators, "=", functions,
// trigonometry and memory keys, counted in keys per second.
#include <benchmark/benchmark.h>

#include "engine.h"
#include "fake_window.h"

namespace {

using tallomat::Engine;
using tallomat::testing::FakeWindow;

// One round of keys: 12.5 + 7 = = sqrt, 30 sin, MS, 3 x !, M+, MR, 2 x^n 10 =, 1/x, C.
void PlayRound(Engine& engine) {
    engine.Command1_Click(0);
    engine.Command2_Click(1);
    engine.Cmdpoint_Click();
    engine.Command5_Click(4);
    engine.cmdadd_Click();
    engine.Command7_Click(6);
    engine.cmdequal_Click();
    engine.cmdequal_Click();
    engine.cmdsqrt_Click();
    engine.Command3_Click(2);
    engine.Command10_Click(9);
    engine.cmdsin_Click();
    engine.mstore_Click();
    engine.Command3_Click(2);
    engine.cmdfactorial_Click();
    engine.mplus_Click();
    engine.mrecall_Click();
    engine.Command2_Click(1);
    engine.cmdpower_Click();
    engine.Command1_Click(0);
    engine.Command10_Click(9);
    engine.cmdequal_Click();
    engine.cmddivide_Click();
    engine.cmdc_Click();
}
constexpr int kKeysPerRound = 24;

void MixedKeys(benchmark::State& state) {
    FakeWindow window;
    Engine engine(window);
    engine.Form_Load();
    for (auto _ : state) {
        PlayRound(engine);
        window.displayWrites.clear();  // the fake window records every write
        benchmark::DoNotOptimize(window.display);
    }
    state.SetItemsProcessed(state.iterations() * kKeysPerRound);
}
BENCHMARK(MixedKeys);

}  // namespace

BENCHMARK_MAIN();
