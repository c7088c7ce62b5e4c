// Peak memory of a process that holds an image-map editor with a 4000 x
// 3000 picture and 10,000 figures in a 1200 x 800 viewport, at 100 % or,
// after zooming, at 500 % scrolled through. One zoom per run: the peak is
// the process's, so run one benchmark per process (--benchmark_filter).

#include "../BenchSupport.h"
#include "AreaList.h"

#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <common/PictureBox.h>
#include <zonecraft/Zonecraft.h>

namespace {

void BM_PeakMemory(benchmark::State& state)
{
    const int level = int(state.range(0));
    const QString text = zcbench::areaList(10000);
    const double before = statusMiB("VmHWM");
    for (auto _ : state) {
        Zonecraft z;
        z.resize(1221, 821);
        z.show();
        {
            // The host hands the picture over and keeps no copy of its own.
            QImage picture(zcbench::PictureWidth, zcbench::PictureHeight, QImage::Format_RGB32);
            picture.fill(Qt::white);
            z.setPicture(StdPicture(picture));
        }
        z.ImportCode(Zonecraft::customcode, text);
        QImage target(1200, 800, QImage::Format_RGB32);
        QWidget* viewport = z.findChild<QWidget*>(QStringLiteral("Picture3"));
        viewport->render(&target);
        if (level != 100) {
            z.setZoomLevel(level);
            viewport->render(&target);
            // Scrolled to the far corner a page at a time.
            for (QScrollBar* bar : z.findChildren<QScrollBar*>()) {
                while (bar->value() < bar->maximum()) {
                    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
                    viewport->render(&target);
                }
            }
        }
        state.counters["VmHWM_MiB"] = statusMiB("VmHWM");
        state.counters["VmRSS_MiB"] = statusMiB("VmRSS");
    }
    state.counters["HWM_before_MiB"] = before;
}
BENCHMARK(BM_PeakMemory)->Arg(100)->Arg(500)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
