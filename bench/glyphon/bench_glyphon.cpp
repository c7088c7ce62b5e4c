#include "../BenchSupport.h"
#include "HtmlDocument.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

QWidget* surfaceOf(Zel_CodeBox& box)
{
    return box.findChild<QWidget*>(QStringLiteral("Picture1"));
}

// Paints the box's surface as the screen would get it.
void paint(Zel_CodeBox& box, QImage& target)
{
    surfaceOf(box)->render(&target);
}

const HtmlDocument& document(int rows)
{
    static std::map<int, std::unique_ptr<HtmlDocument>> documents;
    auto& doc = documents[rows];
    if (!doc)
        doc = std::make_unique<HtmlDocument>(rows);
    return *doc;
}

// All rows added with AutoRender off, then AutoRender on and the first
// screen of an 800 x 600 box painted.
void BM_FillAndFirstPaint(benchmark::State& state)
{
    const HtmlDocument& doc = document(int(state.range(0)));
    QImage target(800, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        auto box = std::make_unique<Zel_CodeBox>();
        box->resize(800, 600);
        if (state.range(1))
            box->show(); // a window on screen: every added row asks for a repaint
        doc.load(*box);
        box->setAutoRender(true);
        paint(*box, target);
        benchmark::DoNotOptimize(target.constBits());
        state.PauseTiming(); // tearing the filled box down is not part of the load
        box.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = double(state.range(0));
    state.counters["shown"] = double(state.range(1));
}

// The same load, then a jump to the middle of the document and its paint:
// what a host pays to show a row far down a freshly loaded document.
void BM_FillFirstPaintAndJump(benchmark::State& state)
{
    const HtmlDocument& doc = document(int(state.range(0)));
    QImage target(800, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        auto box = std::make_unique<Zel_CodeBox>();
        box->resize(800, 600);
        doc.load(*box);
        box->setAutoRender(true);
        paint(*box, target);
        box->setTopIndex(int(state.range(0)) / 2);
        paint(*box, target);
        benchmark::DoNotOptimize(target.constBits());
        state.PauseTiming();
        box.reset();
        state.ResumeTiming();
    }
}

// Rows of ten categories added in turn: every row after the first ten is
// inserted behind its category's run, in the middle of the document.
void BM_FillInterleavedCategories(benchmark::State& state)
{
    const HtmlDocument& doc = document(int(state.range(0)));
    QStringList categories;
    for (int i = 0; i < 10; ++i)
        categories << QStringLiteral("part%1").arg(i);
    for (auto _ : state) {
        auto box = std::make_unique<Zel_CodeBox>();
        box->resize(800, 600);
        for (qsizetype i = 0; i < doc.lines.size(); ++i)
            box->AddText(doc.lines.at(i), doc.keys.at(i), categories.at(i % 10));
        benchmark::DoNotOptimize(box->ReturnKey(doc.keys.at(0)));
        state.PauseTiming();
        box.reset();
        state.ResumeTiming();
    }
}

struct LoadedBox
{
    Zel_CodeBox box;
    QImage target { 800, 600, QImage::Format_RGB32 };
    explicit LoadedBox(int rows)
    {
        box.resize(800, 600);
        document(rows).load(box);
        box.setAutoRender(true);
        paint(box, target);
    }
};

// Jumps to rows around the middle that were never shown, and paints.
void BM_JumpToMiddle(benchmark::State& state)
{
    const int rows = int(state.range(0));
    LoadedBox loaded(rows);
    int step = 0;
    for (auto _ : state) {
        const int top = rows / 2 + (step++ * 997) % std::max(rows / 4, 1);
        loaded.box.setTopIndex(top);
        paint(loaded.box, loaded.target);
        benchmark::DoNotOptimize(loaded.target.constBits());
    }
}

// Scrolls down by one page of rows not shown before, and paints.
void BM_PageScroll(benchmark::State& state)
{
    const int rows = int(state.range(0));
    LoadedBox loaded(rows);
    for (auto _ : state) {
        qint32 top = loaded.box.TopIndex() + loaded.box.VisibleRowSpan();
        if (top >= rows - loaded.box.VisibleRowSpan())
            top = 0;
        loaded.box.setTopIndex(top);
        paint(loaded.box, loaded.target);
        benchmark::DoNotOptimize(loaded.target.constBits());
    }
}

// From the first screen of a freshly loaded box, makes the last row current
// (as the End key does), which scrolls it into view, and paints.
void BM_SelectLastRow(benchmark::State& state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto loaded = std::make_unique<LoadedBox>(rows);
        state.ResumeTiming();
        loaded->box.setListIndex(rows - 1);
        paint(loaded->box, loaded->target);
        benchmark::DoNotOptimize(loaded->target.constBits());
        state.PauseTiming();
        loaded.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_SelectLastRow)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FillAndFirstPaint)
    ->Args({ 100000, 0 })
    ->Args({ 100000, 1 })
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_FillFirstPaintAndJump)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FillInterleavedCategories)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_JumpToMiddle)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageScroll)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
