// Speed of the image-map editor's view: zoom, scrolling and import over a
// 4000 x 3000 picture with 10,000 figures in a 1200 x 800 viewport, and
// ruler repaints.

#include "../BenchSupport.h"
#include "AreaList.h"
#include "control/Zonecraft_p.h"
#include "ruler/Zel_AreaScroller.h"

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <common/PictureBox.h>
#include <memory>
#include <zonecraft/Zonecraft.h>

namespace {

// The scroll bars take 21 pixels of each side: the viewport is 1200 x 800.
constexpr QSize ControlSize(1221, 821);

std::unique_ptr<Zonecraft> makeView()
{
    auto z = std::make_unique<Zonecraft>();
    z->resize(ControlSize);
    z->show();
    QImage picture(zcbench::PictureWidth, zcbench::PictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    z->setPicture(StdPicture(picture));
    return z;
}

const QString& list(int count)
{
    static const QString ten = zcbench::areaList(10000);
    static const QString hundred = zcbench::areaList(100000);
    return count == 10000 ? ten : hundred;
}

PictureBox* viewportOf(Zonecraft& z)
{
    return z.findChild<PictureBox*>(QStringLiteral("Picture3"));
}

/// Paints the viewport with the work picture in it, as the screen would.
void paintViewport(Zonecraft& z, QImage& target)
{
    viewportOf(z)->render(&target);
    benchmark::DoNotOptimize(target.constBits());
}

Zonecraft& view10k()
{
    // Kept for the whole run; never destroyed after the application object.
    static Zonecraft* z = nullptr;
    if (!z) {
        z = makeView().release();
        z->ImportCode(Zonecraft::customcode, list(10000));
        z->Redraw(true);
    }
    return *z;
}

void checkViewport(benchmark::State& state, Zonecraft& z)
{
    if (viewportOf(z)->size() != QSize(1200, 800))
        state.SkipWithError("the viewport is not 1200 x 800");
}

// ZoomLevel 100 -> 500: the zoom, its paint pass and the first paint of
// the viewport.
void BM_ZoomTo500(benchmark::State& state)
{
    Zonecraft& z = view10k();
    checkViewport(state, z);
    QImage target(1200, 800, QImage::Format_RGB32);
    const int passes = ZonecraftPrivate::get(&z)->paintPasses;
    for (auto _ : state) {
        state.PauseTiming();
        z.setZoomLevel(100);
        paintViewport(z, target);
        state.ResumeTiming();
        z.setZoomLevel(500);
        paintViewport(z, target);
    }
    if (ZonecraftPrivate::get(&z)->paintPasses != passes + 2 * int(state.iterations()))
        state.SkipWithError("not one paint pass per zoom");
    if (z.WorkPicture()->size() != QSize(20000, 15000))
        state.SkipWithError("the work picture is not 20000 x 15000");
    state.SetLabel("4000x3000, 10k figures, 1200x800 viewport");
}
BENCHMARK(BM_ZoomTo500)->Unit(benchmark::kMillisecond);

// One page down at 500 % and the paint of the viewport.
void BM_PageScrollAt500(benchmark::State& state)
{
    Zonecraft& z = view10k();
    checkViewport(state, z);
    z.setZoomLevel(500);
    QScrollBar* bar = z.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    QImage target(1200, 800, QImage::Format_RGB32);
    paintViewport(z, target);
    const int page = bar->pageStep();
    for (auto _ : state) {
        if (bar->value() + page > bar->maximum()) {
            state.PauseTiming();
            bar->setValue(0);
            paintViewport(z, target);
            state.ResumeTiming();
        }
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        paintViewport(z, target);
    }
    if (z.WorkPicture()->y() != -bar->value())
        state.SkipWithError("the work picture did not follow the bar");
    state.counters["page_px"] = page;
}
BENCHMARK(BM_PageScrollAt500)->Unit(benchmark::kMillisecond);

// ImportCode of range(0) figures at 100 % and the first paint of the
// viewport, which runs the import's paint pass.
void BM_ImportAndFirstPaint(benchmark::State& state)
{
    const int count = int(state.range(0));
    const QString& text = list(count);
    QImage target(1200, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        state.PauseTiming();
        auto z = makeView();
        paintViewport(*z, target);
        const int passes = ZonecraftPrivate::get(z.get())->paintPasses;
        state.ResumeTiming();
        z->ImportCode(Zonecraft::customcode, text);
        paintViewport(*z, target);
        state.PauseTiming();
        if (ZonecraftPrivate::get(z.get())->paintPasses != passes + 1 || z->CountFigures() != count)
            state.SkipWithError("the import was not painted exactly once");
        z.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportAndFirstPaint)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

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
