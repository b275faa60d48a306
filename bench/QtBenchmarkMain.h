#pragma once

#include <benchmark/benchmark.h>
#include <QCoreApplication>

// The main function of a benchmark whose code needs a Qt application object (event loops, sockets,
// posted events).
#define CLAVORA_QT_BENCHMARK_MAIN()                                                                          \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        QCoreApplication app(argc, argv);                                                                    \
        benchmark::Initialize(&argc, argv);                                                                  \
        benchmark::RunSpecifiedBenchmarks();                                                                 \
        benchmark::Shutdown();                                                                               \
        return 0;                                                                                            \
    }
