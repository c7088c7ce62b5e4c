#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

/// Runs the registered benchmarks inside a QApplication, on the offscreen
/// platform unless the caller chose one; unknown arguments fail the run.
inline int runBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
