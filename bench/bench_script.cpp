// Script engine benchmarks: a tight numeric loop, string building, procedure and class-method calls.
#include <benchmark/benchmark.h>

#include "script/engine.h"

namespace {

using orr::script::Engine;

void runProgram(benchmark::State& state, const char* program)
{
    for (auto _ : state) {
        Engine engine;
        engine.addCode(program);
        benchmark::DoNotOptimize(engine.eval("s"));
    }
}

void TightLoop(benchmark::State& state)
{
    runProgram(state, "For i = 1 To 1000000: s = s + i * 2 Mod 7: Next");
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(TightLoop)->Unit(benchmark::kMillisecond);

void StringBuilding(benchmark::State& state)
{
    runProgram(state, "s = \"\"\nFor i = 1 To 200000: s = s & CStr(i Mod 10): Next");
    state.SetItemsProcessed(state.iterations() * 200000);
}
BENCHMARK(StringBuilding)->Unit(benchmark::kMillisecond);

void ProcedureCalls(benchmark::State& state)
{
    runProgram(state,
               "Function Add(a, b)\nAdd = a + b\nEnd Function\n"
               "s = 0\nFor i = 1 To 300000: s = Add(s, i): Next");
    state.SetItemsProcessed(state.iterations() * 300000);
}
BENCHMARK(ProcedureCalls)->Unit(benchmark::kMillisecond);

void MethodCalls(benchmark::State& state)
{
    runProgram(state,
               "Class Acc\nPublic Total\nPublic Sub Add(n)\nTotal = Total + n\nEnd Sub\nEnd Class\n"
               "Set a = New Acc\na.Total = 0\nFor i = 1 To 300000: a.Add i: Next\ns = a.Total");
    state.SetItemsProcessed(state.iterations() * 300000);
}
BENCHMARK(MethodCalls)->Unit(benchmark::kMillisecond);

void RecursiveCalls(benchmark::State& state)
{
    runProgram(state, "Function Fib(n)\nIf n < 2 Then\nFib = n\nElse\nFib = Fib(n - 1) + Fib(n - 2)\nEnd If\nEnd Function\ns = Fib(22)");
}
BENCHMARK(RecursiveCalls)->Unit(benchmark::kMillisecond);

void EvalExpression(benchmark::State& state)
{
    Engine engine;
    engine.addCode("Public a, b, c\na = -1: b = 0: c = -1");
    for (auto _ : state) benchmark::DoNotOptimize(engine.eval("NOT((A OR B) AND C)"));
}
BENCHMARK(EvalExpression);

} // namespace

BENCHMARK_MAIN();
