// Speed of bulk import, export, hit testing and painting of the image-map
// editor, with a third each of rectangles, circles and polygons of 5 to 12
// vertices, 16 to 160 pixels across, over a 4000 x 3000 picture.

#include "../BenchSupport.h"
#include "AreaList.h"
#include "control/Zonecraft_p.h"

#include <QApplication>
#include <QImage>
#include <QRandomGenerator>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <common/StdPicture.h>
#include <memory>
#include <vector>
#include <zonecraft/Zonecraft.h>

namespace {

using zcbench::areaList;
using zcbench::PictureHeight;
using zcbench::PictureWidth;

std::unique_ptr<Zonecraft> makeControl(bool withPicture)
{
    auto z = std::make_unique<Zonecraft>();
    z->resize(800, 600);
    if (withPicture) {
        QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        z->setPicture(StdPicture(image));
    }
    return z;
}

const QString& list100k()
{
    static const QString text = areaList(100000);
    return text;
}

// Reading the list and creating the figures. The paint pass the import
// leaves for the event loop is not run: the control is destroyed with it
// still due, outside the timing.
void BM_ImportCode100k(benchmark::State& state)
{
    const bool withPicture = state.range(0) != 0;
    const QString& text = list100k();
    for (auto _ : state) {
        state.PauseTiming();
        auto z = makeControl(withPicture);
        state.ResumeTiming();
        z->ImportCode(Zonecraft::customcode, text);
        benchmark::DoNotOptimize(z->CountFigures());
        state.PauseTiming();
        z.reset();
        state.ResumeTiming();
    }
    state.SetLabel(withPicture ? "on 4000x3000, paint left due" : "no picture");
}
BENCHMARK(BM_ImportCode100k)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// The import followed by its paint pass on the 4000 x 3000 work picture, as
// the next turn of the event loop runs it.
void BM_ImportCode100kPainted(benchmark::State& state)
{
    const QString& text = list100k();
    for (auto _ : state) {
        state.PauseTiming();
        auto z = makeControl(true);
        const int passes = ZonecraftPrivate::get(z.get())->paintPasses;
        state.ResumeTiming();
        z->ImportCode(Zonecraft::customcode, text);
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (ZonecraftPrivate::get(z.get())->paintPasses != passes + 1)
            state.SkipWithError("the import was not painted exactly once");
        z.reset();
        state.ResumeTiming();
    }
    state.SetLabel("on 4000x3000, with the paint pass");
}
BENCHMARK(BM_ImportCode100kPainted)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportCode100k(benchmark::State& state)
{
    // Kept for the whole run; never destroyed after the application object.
    static Zonecraft* z = nullptr;
    if (!z) {
        z = makeControl(false).release();
        z->ImportCode(Zonecraft::customcode, list100k());
    }
    const auto code = Zonecraft::UsingCode(state.range(0));
    for (auto _ : state) {
        const QString out = z->ExportCode(code);
        benchmark::DoNotOptimize(out.size());
    }
    state.SetLabel(code == Zonecraft::ClientSide ? "ClientSide" : "customcode");
}
BENCHMARK(BM_ExportCode100k)
    ->Arg(Zonecraft::ClientSide)
    ->Arg(Zonecraft::customcode)
    ->Unit(benchmark::kMillisecond);

Zonecraft& control10k()
{
    static Zonecraft* z = nullptr;
    if (!z) {
        z = makeControl(true).release();
        z->ImportCode(Zonecraft::customcode, areaList(10000));
    }
    return *z;
}

std::vector<QPointF> randomPoints(int count)
{
    QRandomGenerator rng(99);
    std::vector<QPointF> points;
    for (int i = 0; i < count; ++i)
        points.emplace_back(
            rng.generateDouble() * PictureWidth, rng.generateDouble() * PictureHeight);
    return points;
}

void BM_FigureAt10k(benchmark::State& state)
{
    Zonecraft& z = control10k();
    const std::vector<QPointF> points = randomPoints(4096);
    size_t i = 0;
    qint64 hits = 0;
    for (auto _ : state) {
        const QPointF& p = points[i++ & 4095];
        const qint32 found = z.FigureAt(float(p.x()), float(p.y()));
        hits += found != 0;
        benchmark::DoNotOptimize(found);
    }
    state.counters["hit_ratio"] = double(hits) / double(state.iterations());
}
BENCHMARK(BM_FigureAt10k)->Unit(benchmark::kMicrosecond);

// The median of single look-ups, each timed on its own.
void BM_FigureAt10kMedian(benchmark::State& state)
{
    Zonecraft& z = control10k();
    const std::vector<QPointF> points = randomPoints(20000);
    for (auto _ : state) {
        std::vector<double> times;
        times.reserve(points.size());
        for (const QPointF& p : points) {
            const auto start = std::chrono::steady_clock::now();
            const qint32 found = z.FigureAt(float(p.x()), float(p.y()));
            const auto end = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(found);
            times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
        std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
        state.counters["median_us"] = times[times.size() / 2];
        std::nth_element(times.begin(), times.begin() + times.size() * 99 / 100, times.end());
        state.counters["p99_us"] = times[times.size() * 99 / 100];
    }
}
BENCHMARK(BM_FigureAt10kMedian)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Redraw10k(benchmark::State& state)
{
    Zonecraft& z = control10k();
    for (auto _ : state)
        z.Redraw(true);
}
BENCHMARK(BM_Redraw10k)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
