// Speed of the image-map editor's view: ruler repaints.

#include "../BenchSupport.h"
#include "ruler/Zel_AreaScroller.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// One repaint of a ruler along a 1200 x 800 viewport, shaded look, at the
// zoom given in percent: range(0) 0 horizontal, 1 vertical.
void BM_RulerRepaint(benchmark::State& state)
{
    const bool vertical = state.range(0) == 1;
    const double zoom = double(state.range(1)) / 100;
    Zel_AreaScroller ruler;
    ruler.setOrientation(vertical ? 1 : 0);
    ruler.setBackColor(0xFFFFFF);
    ruler.setVisualStyle(Zel_AreaScroller::st_CoolXP);
    ruler.setVisualColor(0xFFFFFF);
    ruler.resize(vertical ? QSize(20, 800) : QSize(1200, 20));
    ruler.setZoomValue(zoom);
    ruler.Refresh();
    QImage target(ruler.size(), QImage::Format_RGB32);
    qint32 start = 0;
    for (auto _ : state) {
        // A scroll step changes the start value, then the ruler paints.
        ruler.setStartValue(++start);
        ruler.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetLabel(vertical ? "vertical 20x800" : "horizontal 1200x20");
}
BENCHMARK(BM_RulerRepaint)
    ->ArgsProduct({ { 0, 1 }, { 20, 100, 500 } })
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
