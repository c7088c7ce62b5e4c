// Peak memory of a process that holds a code box with a whole document:
// generated line by line, as a host reading a file would, so the figure is
// the box's own cost plus Qt's.
#include "../BenchSupport.h"
#include "HtmlDocument.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

void BM_PeakMemory(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const double before = statusMiB("VmHWM");
    for (auto _ : state) {
        Zel_CodeBox box;
        box.resize(800, 600);
        box.setAutoRender(false);
        for (int i = 0; i < rows; ++i)
            box.AddText(htmlLine(i), QStringLiteral("L%1").arg(i),
                QStringLiteral("section%1").arg(i / 1000));
        box.setAutoRender(true);
        QImage target(800, 600, QImage::Format_RGB32);
        box.findChild<QWidget*>(QStringLiteral("Picture1"))->render(&target);
        box.setTopIndex(rows / 2);
        box.findChild<QWidget*>(QStringLiteral("Picture1"))->render(&target);
        state.counters["VmHWM_MiB"] = statusMiB("VmHWM");
        state.counters["VmRSS_MiB"] = statusMiB("VmRSS");
    }
    state.counters["HWM_before_MiB"] = before;
}

} // namespace

BENCHMARK(BM_PeakMemory)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
