// Speed of one-figure changes with 10,000 figures over a 4000 x 3000
// picture: each repaints only the rectangles the change damaged. The full
// paint pass over every figure runs beside them for scale.

#include "../BenchSupport.h"
#include "control/Zonecraft_p.h"

#include <QApplication>
#include <QImage>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <common/StdPicture.h>
#include <memory>
#include <zonecraft/Zonecraft.h>

namespace {

constexpr int PictureWidth = 4000;
constexpr int PictureHeight = 3000;
constexpr int FigureCount = 10000;

/// Places and sizes like a busy image map: figures 16 to 160 pixels across
/// anywhere on the picture.
struct Placement
{
    explicit Placement(quint32 seed)
        : rng(seed)
    { }
    int size() { return 16 + int(rng.bounded(145)); }
    int x(int size) { return int(rng.bounded(PictureWidth - size)); }
    int y(int size) { return int(rng.bounded(PictureHeight - size)); }

    QString rectangle()
    {
        const int s = size(), left = x(s), top = y(s);
        return QStringLiteral("%1,%2,%3,%4").arg(left).arg(top).arg(left + s).arg(top + s * 2 / 3);
    }
    QString circle()
    {
        const int s = size();
        return QStringLiteral("%1,%2,%3").arg(x(s) + s / 2).arg(y(s) + s / 2).arg(s / 2);
    }
    QString polygon()
    {
        const int s = size(), left = x(s), top = y(s);
        const int n = 5 + int(rng.bounded(8));
        const double r = s / 2.0;
        QStringList values;
        for (int k = 0; k < n; ++k) {
            const double a = 2 * M_PI * k / n;
            const double rr = r * (0.6 + 0.4 * rng.generateDouble());
            values << QString::number(int(left + r + rr * std::cos(a)))
                   << QString::number(int(top + r + rr * std::sin(a)));
        }
        return values.join(QLatin1Char(','));
    }
    QString forKind(qint32 kind)
    {
        return kind == zc::RectangleKind ? rectangle()
            : kind == zc::CircleKind     ? circle()
                                         : polygon();
    }

    QRandomGenerator rng;
};

/// A control with FigureCount figures, a third of each kind, painted once.
std::unique_ptr<Zonecraft> crowdedControl()
{
    auto z = std::make_unique<Zonecraft>();
    z->resize(800, 600);
    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    z->setPicture(StdPicture(image));
    Placement place(2024);
    QString list;
    for (int i = 0; i < FigureCount; ++i) {
        static const char* const kinds[] = { "Rectangle", "Circle", "Polygon" };
        const QString coordinates = i % 3 == 0 ? place.rectangle()
            : i % 3 == 1                       ? place.circle()
                                               : place.polygon();
        list += coordinates + QLatin1Char('|') + QLatin1String(kinds[i % 3]) + QLatin1Char('|')
            + QString::number(i)
            + QStringLiteral("|&H%1|False\r\n")
                  .arg(place.rng.bounded(0x1000000), 6, 16, QLatin1Char('0'));
    }
    z->ImportCode(Zonecraft::customcode, list);
    QCoreApplication::processEvents(); // the import's one paint pass
    z->ActivateHotspot(1);
    return z;
}

/// Times \a change alone, so the set-up of each iteration stays out.
template<typename Change> void timeEach(benchmark::State& state, Change change)
{
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        change();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

void failWhenFullPassesRan(benchmark::State& state, const Zonecraft& z, int passesBefore)
{
    if (ZonecraftPrivate::get(const_cast<Zonecraft*>(&z))->paintPasses != passesBefore)
        state.SkipWithError("a full paint pass ran");
}

// One DrawNewRectangle, DrawNewCircle or DrawNewPolygon call: the figure is
// created, selected, painted with its handles, and the old handles wiped.
void BM_DrawNew(benchmark::State& state)
{
    const auto kind = qint32(state.range(0));
    auto z = crowdedControl();
    Placement place(7);
    const int passes = ZonecraftPrivate::get(z.get())->paintPasses;
    timeEach(state, [&] {
        const int s = place.size(), x = place.x(s), y = place.y(s);
        if (kind == zc::RectangleKind)
            z->DrawNewRectangle(x, y, x + s, y + s);
        else if (kind == zc::CircleKind)
            z->DrawNewCircle(x, y, s / 2);
        else
            z->DrawNewPolygon(place.polygon());
    });
    failWhenFullPassesRan(state, *z, passes);
    state.SetLabel(kind == zc::RectangleKind ? "rectangle"
            : kind == zc::CircleKind         ? "circle"
                                             : "polygon");
    state.counters["figures_at_end"] = z->CountFigures();
}
BENCHMARK(BM_DrawNew)
    ->Arg(zc::RectangleKind)
    ->Arg(zc::CircleKind)
    ->Arg(zc::PolygonKind)
    ->UseManualTime()
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);

// A figure moved to a new place with FigureMove: re-created, recorded and
// repainted where it was and where it is.
void BM_FigureMove(benchmark::State& state)
{
    auto z = crowdedControl();
    ZonecraftPrivate* d = ZonecraftPrivate::get(z.get());
    Placement place(11);
    const int passes = d->paintPasses;
    timeEach(state, [&] {
        const qint32 n = 1 + qint32(place.rng.bounded(FigureCount));
        z->FigureMove(n, place.forKind(d->figures.find(n)->ClassFigure));
    });
    failWhenFullPassesRan(state, *z, passes);
}
BENCHMARK(BM_FigureMove)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The selected figure resized and moved with FigureAdjustSize.
void BM_FigureAdjustSize(benchmark::State& state)
{
    auto z = crowdedControl();
    ZonecraftPrivate* d = ZonecraftPrivate::get(z.get());
    QRandomGenerator rng(13);
    const int passes = d->paintPasses;
    timeEach(state, [&] {
        const qint32 n = 1 + 3 * qint32(rng.bounded(FigureCount / 3)); // rectangles
        const zc::Figure* f = d->figures.find(n);
        const bool grow = rng.bounded(2) == 0;
        if (grow)
            z->FigureAdjustSize(Zonecraft::fig_X2, qint32(f->X2()) + 1 - qint32(rng.bounded(3)), n);
        else
            z->FigureAdjustSize(Zonecraft::fig_Y1, qint32(f->Y1()) + 2 - qint32(rng.bounded(5)), n);
    });
    failWhenFullPassesRan(state, *z, passes);
}
BENCHMARK(BM_FigureAdjustSize)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// A polygon turned with FigureRotate and repainted (UseRedraw).
void BM_FigureRotate(benchmark::State& state)
{
    auto z = crowdedControl();
    QRandomGenerator rng(17);
    const int passes = ZonecraftPrivate::get(z.get())->paintPasses;
    timeEach(state, [&] {
        const qint32 n = 3 + 3 * qint32(rng.bounded(FigureCount / 3)); // polygons
        z->FigureRotate(float(rng.bounded(90)) - 45, n, true);
    });
    failWhenFullPassesRan(state, *z, passes);
}
BENCHMARK(BM_FigureRotate)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The full paint pass over all figures, which each change above ran before.
void BM_FullRedraw(benchmark::State& state)
{
    auto z = crowdedControl();
    for (auto _ : state)
        z->Redraw(true);
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
