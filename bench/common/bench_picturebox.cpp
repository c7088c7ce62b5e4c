// Drawing costs of the picture box and the drawing helpers.
#include "../BenchSupport.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <common/Drawing.h>
#include <common/PictureBox.h>

namespace {

std::unique_ptr<PictureBox> makeBox(int width, int height)
{
    auto box = std::make_unique<PictureBox>();
    box->resize(width, height);
    box->setBackColor(0xE0E0E0);
    return box;
}

// One step of a rubber band: erase the old frame, draw the new one (not-xor).
void BM_RubberBandBox(benchmark::State& state)
{
    auto box = makeBox(800, 600);
    box->setDrawMode(PictureBox::NotXorPen);
    int i = 0;
    for (auto _ : state) {
        const float w = float(100 + i % 400);
        box->Line(50, 50, 50 + w, 40 + w / 2, 0, PictureBox::LineKind::Box);
        box->Line(50, 50, 50 + w, 40 + w / 2, 0, PictureBox::LineKind::Box);
        ++i;
    }
}
BENCHMARK(BM_RubberBandBox);

// A circle band (transparent fill) and a slanted rubber line.
void BM_RubberBandCircleAndLine(benchmark::State& state)
{
    auto box = makeBox(800, 600);
    box->setDrawMode(PictureBox::NotXorPen);
    for (auto _ : state) {
        box->Circle(400, 300, 120);
        box->Line(10, 20, 700, 500);
        box->Circle(400, 300, 120);
        box->Line(10, 20, 700, 500);
    }
}
BENCHMARK(BM_RubberBandCircleAndLine);

// The same with a filled circle, where the outline is kept out of the fill.
void BM_RubberBandFilledCircle(benchmark::State& state)
{
    auto box = makeBox(800, 600);
    box->setDrawMode(PictureBox::NotXorPen);
    box->setFillStyle(PictureBox::FillSolid);
    const float r = float(state.range(0));
    for (auto _ : state) {
        box->Circle(400, 300, r);
        box->Circle(400, 300, r);
    }
}
BENCHMARK(BM_RubberBandFilledCircle)->Arg(50)->Arg(250);

// Restoring the screen from the persistent layer.
void BM_Refresh(benchmark::State& state)
{
    auto box = makeBox(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        box->Refresh();
}
BENCHMARK(BM_Refresh)->Args({ 800, 600 })->Args({ 4000, 3000 })->Unit(benchmark::kMillisecond);

// The paint pass of a figure editor: clear the persistent layer and draw
// 200 filled boxes on it.
void BM_ClsAndRedraw200Boxes(benchmark::State& state)
{
    auto box = makeBox(800, 600);
    box->setFillStyle(PictureBox::FillSolid);
    box->setFillColor(0x80C0FF);
    for (auto _ : state) {
        box->setAutoRedraw(true);
        box->Cls();
        for (int i = 0; i < 200; ++i) {
            const float x = float((i * 37) % 700);
            const float y = float((i * 53) % 500);
            box->Line(x, y, x + 60, y + 40, 0, PictureBox::LineKind::Box);
        }
        box->setAutoRedraw(false);
    }
}
BENCHMARK(BM_ClsAndRedraw200Boxes)->Unit(benchmark::kMillisecond);

void BM_PolygonWinding(benchmark::State& state)
{
    auto box = makeBox(800, 600);
    box->setFillStyle(PictureBox::FillSolid);
    QPolygon star;
    for (int i = 0; i < 100; ++i) {
        const double a = i * 2 * M_PI * 37 / 100;
        star << QPoint(400 + int(250 * std::cos(a)), 300 + int(250 * std::sin(a)));
    }
    for (auto _ : state)
        box->Polygon(star);
}
BENCHMARK(BM_PolygonWinding);

void BM_DrawEdgeRaised(benchmark::State& state)
{
    QImage image(200, 40, QImage::Format_RGB32);
    QPainter p(&image);
    for (auto _ : state) {
        QRect r(0, 0, 200, 40);
        Zel::DrawEdge(p, r, Zel::EDGE_RAISED, Zel::BF_RECT | Zel::BF_MIDDLE | Zel::BF_ADJUST);
    }
}
BENCHMARK(BM_DrawEdgeRaised);

void BM_DrawTextWordBreakCalcRect(benchmark::State& state)
{
    QImage image(300, 200, QImage::Format_RGB32);
    QPainter p(&image);
    const QString text = QStringLiteral("The description pane shows a few lines about the selected "
                                        "item, wrapped at word boundaries.");
    for (auto _ : state) {
        QRect r(0, 0, 180, 10);
        benchmark::DoNotOptimize(Zel::DrawText(p, text, r, Zel::DT_CALCRECT | Zel::DT_WORDBREAK));
    }
}
BENCHMARK(BM_DrawTextWordBreakCalcRect);

void BM_FocusRect(benchmark::State& state)
{
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state)
        Zel::DrawFocusRect(image, QRect(10, 10, 700, 20));
}
BENCHMARK(BM_FocusRect);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
