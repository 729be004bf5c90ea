#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The benchmark programs run on the offscreen platform unless another one is asked for, so they
// run alike with and without a display.
namespace Bench {

inline void OffscreenUnlessSet() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Runs the benchmarks the command line selects; the application must exist.
inline int RunBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The whole main of a benchmark program.
inline int Main(int argc, char** argv) {
    OffscreenUnlessSet();
    QApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}

} // namespace Bench
