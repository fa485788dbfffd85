// Lookups by name in large lists and reading encoded scenarios: the two hot paths of loading.
#include <benchmark/benchmark.h>

#include "common/scenario_format.h"
#include "common/string_list.h"

namespace {

void BM_StringListLookup(benchmark::State& state) {
    vek::StringList list;
    const auto count = static_cast<std::size_t>(state.range(0));
    for (std::size_t i = 0; i < count; ++i)
        list.add("Zvuk\xE8\xEDslo" + std::to_string(i));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.indexOf("ZVUK\xC8\xCDSLO" + std::to_string(i % count)));
        ++i;
    }
}
BENCHMARK(BM_StringListLookup)->Arg(16)->Arg(1000)->Arg(20000);

void BM_ReadEncodedScenario(benchmark::State& state) {
    vek::ScenarioWriter writer("heslo");
    for (int i = 0; i < 20000; ++i)
        writer.line("KAM=Jsi v m\xEDstnosti \xE8\xEDslo " + std::to_string(i) + ".");
    const std::string bytes = writer.bytes();
    for (auto _ : state) {
        vek::ScenarioLineSource source(bytes);
        std::size_t total = 0;
        while (!source.atEnd())
            total += source.NextScenarioLine().size();
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadEncodedScenario);

}  // namespace
