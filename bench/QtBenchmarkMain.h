#pragma once

#include <benchmark/benchmark.h>
#include <QCoreApplication>

namespace clavora {

// Runs the benchmarks named on the command line inside a Qt application object (event loops,
// sockets, posted events, painting). Widget benchmarks paint offscreen unless a platform is set.
template <typename Application> int RunQtBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace clavora

#define CLAVORA_QT_BENCHMARK_MAIN()                                                                          \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        return clavora::RunQtBenchmarks<QCoreApplication>(argc, argv);                                       \
    }

// For benchmarks that paint widgets; the file includes <QApplication>.
#define CLAVORA_WIDGETS_BENCHMARK_MAIN()                                                                     \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        return clavora::RunQtBenchmarks<QApplication>(argc, argv);                                           \
    }
