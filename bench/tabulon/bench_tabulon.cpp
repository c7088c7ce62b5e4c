// Speed of the property list: filling, editing by key, painting and scrolling.
#include "../BenchSupport.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>
#include <tabulon/ZelPropList.h>
#include <vector>

using namespace Tabulon;

namespace {

constexpr int Headers = 100;

/// Host data prepared once: keys, captions and values of items under headers.
struct Rows
{
    struct Row
    {
        QString key, caption, value, description;
        PropertyStyle style;
    };
    std::vector<Row> rows;

    explicit Rows(int items)
    {
        const int perHeader = std::max(1, items / Headers);
        const PropertyStyle styles[]
            = { propString, propNumber, propColor, propBoolean, propcalendar, propcombo };
        int made = 0;
        for (int h = 0; made < items; ++h) {
            if (h < Headers)
                rows.push_back({ QStringLiteral("Header%1").arg(h),
                    QStringLiteral("Group %1").arg(h), QString(), QString(), propHeader });
            for (int i = 0; i < perHeader && made < items; ++i, ++made) {
                const PropertyStyle style = styles[made % 6];
                QString value = style == propColor
                    ? QStringLiteral("#%1").arg(made % 0xFFFFFF, 6, 16, QLatin1Char('0'))
                    : QString::number(made);
                rows.push_back({ QStringLiteral("Item%1").arg(made),
                    QStringLiteral("Property %1").arg(made), std::move(value),
                    QStringLiteral("Describes property %1").arg(made), style });
            }
        }
    }

    void fill(ZelPropList& list) const
    {
        for (const Row& r : rows)
            list.AddItem(r.key, r.caption, r.style, r.value, r.description);
    }
};

const Rows& rowsFor(int items)
{
    static Rows small(100);
    static Rows large(100000);
    return items <= 100 ? small : large;
}

std::unique_ptr<ZelPropList> makeList()
{
    auto list = std::make_unique<ZelPropList>();
    list->resize(400, 600);
    list->setVisualStyle(Style::CoolXP);
    return list;
}

QWidget* surfaceOf(ZelPropList& list)
{
    return list.findChild<QWidget*>(QStringLiteral("iUC"));
}

void paintSurface(QWidget* surface, QImage& image)
{
    surface->render(&image);
}

/// 100,000 items under 100 headers added with their keys, then the first
/// screen of a 400 x 600 list painted.
void BM_AddWithKeysAndPaintFirstScreen(benchmark::State& state)
{
    const Rows& rows = rowsFor(100000);
    QImage image(400, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        auto list = makeList();
        rows.fill(*list);
        QCoreApplication::processEvents();
        list->render(&image);
        benchmark::DoNotOptimize(image.constBits());
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = double(rows.rows.size());
}
BENCHMARK(BM_AddWithKeysAndPaintFirstScreen)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ModifyItemByKey(benchmark::State& state)
{
    const Rows& rows = rowsFor(100000);
    auto list = makeList();
    rows.fill(*list);
    list->show();
    QCoreApplication::processEvents();
    std::vector<QString> keys;
    for (int i = 0; i < 997; ++i)
        keys.push_back(QStringLiteral("item%1").arg((i * 7919) % 100000));
    size_t k = 0;
    int value = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(list->ModifyItem(keys[k], ++value));
        if (++k == keys.size())
            k = 0;
    }
}
BENCHMARK(BM_ModifyItemByKey)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

/// Removing items at scattered positions of a 100,000-item list; every
/// removal shifts the rows behind it and the positions of their keys.
void BM_RemoveItemByKey(benchmark::State& state)
{
    const Rows& rows = rowsFor(100000);
    auto list = makeList();
    rows.fill(*list);
    list->show();
    QCoreApplication::processEvents();
    int next = 0;
    for (auto _ : state) {
        if (next == 50000) {
            state.PauseTiming();
            list = makeList();
            rows.fill(*list);
            list->show();
            QCoreApplication::processEvents();
            next = 0;
            state.ResumeTiming();
        }
        // Keys spread over the list, never one removed before.
        list->RemoveItem(QStringLiteral("Item%1").arg((next++ * 2 * 7919) % 100000));
    }
}
BENCHMARK(BM_RemoveItemByKey)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

/// A removal followed by a look-up far behind it: the key positions are rebuilt lazily.
void BM_RemoveThenModifyByKey(benchmark::State& state)
{
    const Rows& rows = rowsFor(100000);
    auto list = makeList();
    rows.fill(*list);
    int next = 0;
    for (auto _ : state) {
        if (next == 40000) {
            state.PauseTiming();
            list = makeList();
            rows.fill(*list);
            next = 0;
            state.ResumeTiming();
        }
        list->RemoveItem(QStringLiteral("Item%1").arg(next++));
        benchmark::DoNotOptimize(list->ModifyItem(QStringLiteral("Item99999"), next));
    }
}
BENCHMARK(BM_RemoveThenModifyByKey)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_PaintVisibleRows(benchmark::State& state)
{
    const int items = int(state.range(0));
    auto list = makeList();
    rowsFor(items).fill(*list);
    list->show();
    QCoreApplication::processEvents();
    list->setListIndex(3);
    QWidget* surface = surfaceOf(*list);
    QImage image(surface->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        paintSurface(surface, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rows"] = list->visibleRowCount();
}
BENCHMARK(BM_PaintVisibleRows)
    ->Arg(100)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ScrollPage(benchmark::State& state)
{
    const int items = int(state.range(0));
    auto list = makeList();
    rowsFor(items).fill(*list);
    list->show();
    QCoreApplication::processEvents();
    QWidget* surface = surfaceOf(*list);
    QImage image(surface->size(), QImage::Format_ARGB32_Premultiplied);
    const int page = list->visibleRowCount();
    const int maxTop = list->ListCount() - page;
    for (auto _ : state) {
        int top = list->TopIndex() + page;
        if (top > maxTop)
            top = 0;
        list->setTopIndex(top);
        paintSurface(surface, image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ScrollPage)
    ->Arg(100)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
