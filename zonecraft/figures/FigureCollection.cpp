#include "FigureCollection.h"

#include <algorithm>
#include <cmath>
#include <common/RuntimeError.h>
#include <utility>

namespace zc {

namespace {

bool bySequence(const Figure* a, const Figure* b)
{
    return a->sequence < b->sequence;
}

void insertSorted(std::vector<Figure*>& list, Figure* figure, bool newest)
{
    if (newest)
        list.push_back(figure);
    else
        list.insert(std::lower_bound(list.begin(), list.end(), figure, bySequence), figure);
}

void eraseFrom(std::vector<Figure*>& list, Figure* figure)
{
    const auto it = std::lower_bound(list.begin(), list.end(), figure, bySequence);
    if (it != list.end() && *it == figure)
        list.erase(it);
}

int cellOf(double v, int cellSize)
{
    return int(std::floor(v / cellSize));
}

// Edges count on both sides: a figure of zero width still paints its line.
bool meets(const QRectF& a, const QRectF& b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom()
        && b.top() <= a.bottom();
}

bool isFinite(const QRectF& r)
{
    return std::isfinite(r.left()) && std::isfinite(r.top()) && std::isfinite(r.right())
        && std::isfinite(r.bottom());
}

// Beyond this many separate areas one full repaint costs less than the
// bookkeeping, and a bulk load does not grow the list without end.
constexpr size_t MaxChangedAreas = 256;

} // namespace

FigureCollection::FigureCollection() = default;
FigureCollection::~FigureCollection() = default;

Figure* FigureCollection::at(int position) const
{
    if (position < 1 || position > count())
        return nullptr;
    return m_order[size_t(position - 1)].get();
}

int FigureCollection::positionOf(const Figure* figure) const
{
    for (size_t i = 0; i < m_order.size(); ++i) {
        if (m_order[i].get() == figure)
            return int(i + 1);
    }
    return 0;
}

qint32 FigureCollection::nextFreeNumber() const
{
    return m_gaps.empty() ? m_firstUnused : *m_gaps.begin();
}

Figure* FigureCollection::add(std::unique_ptr<Figure> figure)
{
    const qint32 number = figure->ControlIndex;
    if (m_byIndex.contains(number))
        throw RuntimeError(RuntimeError::KeyAlreadyAssociated);
    Figure* raw = figure.get();
    raw->sequence = m_nextSequence++;
    m_order.push_back(std::move(figure));
    m_byIndex.insert(number, raw);
    if (number >= 1) {
        if (number < m_firstUnused) {
            m_gaps.erase(number);
        } else if (number == m_firstUnused) {
            while (m_byIndex.contains(m_firstUnused))
                ++m_firstUnused;
        }
    }
    indexFigure(raw, true);
    noteChanged(raw->gridBounds);
    return raw;
}

std::unique_ptr<Figure> FigureCollection::take(qint32 index)
{
    Figure* raw = m_byIndex.value(index, nullptr);
    if (!raw)
        return nullptr;
    noteChanged(raw->gridBounds);
    unindexFigure(raw);
    m_byIndex.remove(index);
    if (index >= 1 && index < m_firstUnused)
        m_gaps.insert(index);
    const auto it = std::find_if(m_order.begin(), m_order.end(),
        [raw](const std::unique_ptr<Figure>& f) { return f.get() == raw; });
    std::unique_ptr<Figure> owned = std::move(*it);
    m_order.erase(it);
    return owned;
}

void FigureCollection::clear()
{
    m_order.clear();
    m_byIndex.clear();
    m_gaps.clear();
    m_firstUnused = 1;
    m_cells.clear();
    m_oversize.clear();
    m_changed.areas.clear();
    m_changed.allChanged = true;
}

void FigureCollection::geometryChanged(Figure* figure)
{
    noteChanged(figure->gridBounds);
    unindexFigure(figure);
    indexFigure(figure, false);
    noteChanged(figure->gridBounds);
}

void FigureCollection::markChanged(const Figure* figure)
{
    noteChanged(figure->gridBounds);
}

void FigureCollection::noteChanged(const QRectF& bounds)
{
    // A figure without finite bounds paints nothing a repaint could limit.
    if (m_changed.allChanged || !isFinite(bounds))
        return;
    if (m_changed.areas.size() >= MaxChangedAreas) {
        m_changed.areas.clear();
        m_changed.allChanged = true;
        return;
    }
    m_changed.areas.push_back(bounds);
}

FigureCollection::ChangedAreas FigureCollection::takeChangedAreas()
{
    return std::exchange(m_changed, ChangedAreas {});
}

void FigureCollection::indexFigure(Figure* figure, bool newest)
{
    QRectF bounds = figure->hitBounds();
    if (figure->ClassFigure == CircleKind) {
        // A circle paints in the square of its width from its top-left corner,
        // which leaves its hit bounds when the box is not square.
        const QRectF painted = figure->paintBounds();
        bounds = QRectF(
            QPointF(std::min(bounds.left(), painted.left()), std::min(bounds.top(), painted.top())),
            QPointF(std::max(bounds.right(), painted.right()),
                std::max(bounds.bottom(), painted.bottom())));
    }
    figure->gridBounds = bounds;
    figure->gridCells = QRect();
    figure->gridOversize = false;
    const double l = bounds.left(), t = bounds.top(), r = bounds.right(), b = bounds.bottom();
    if (!std::isfinite(l) || !std::isfinite(t) || !std::isfinite(r) || !std::isfinite(b))
        return;
    const double spanX = std::floor(r / CellSize) - std::floor(l / CellSize) + 1;
    const double spanY = std::floor(b / CellSize) - std::floor(t / CellSize) + 1;
    if (spanX * spanY > MaxCellsPerFigure || std::fabs(l) > 1e8 || std::fabs(r) > 1e8
        || std::fabs(t) > 1e8 || std::fabs(b) > 1e8) {
        figure->gridOversize = true;
        insertSorted(m_oversize, figure, newest);
        return;
    }
    const QRect cells(QPoint(cellOf(l, CellSize), cellOf(t, CellSize)),
        QPoint(cellOf(r, CellSize), cellOf(b, CellSize)));
    figure->gridCells = cells;
    for (int cy = cells.top(); cy <= cells.bottom(); ++cy) {
        for (int cx = cells.left(); cx <= cells.right(); ++cx)
            insertSorted(m_cells[cellKey(cx, cy)], figure, newest);
    }
}

void FigureCollection::unindexFigure(Figure* figure)
{
    if (figure->gridOversize) {
        eraseFrom(m_oversize, figure);
    } else if (!figure->gridCells.isNull()) {
        const QRect cells = figure->gridCells;
        for (int cy = cells.top(); cy <= cells.bottom(); ++cy) {
            for (int cx = cells.left(); cx <= cells.right(); ++cx) {
                const auto it = m_cells.find(cellKey(cx, cy));
                if (it == m_cells.end())
                    continue;
                eraseFrom(*it, figure);
                if (it->empty())
                    m_cells.erase(it);
            }
        }
    }
    figure->gridCells = QRect();
    figure->gridOversize = false;
}

Figure* FigureCollection::figureAt(float x, float y) const
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return nullptr;
    Figure* best = nullptr;
    // Edges count: a box of zero width still holds the points on its line.
    const auto inBounds = [x, y](const Figure* f) {
        const QRectF& b = f->gridBounds;
        return b.left() <= x && x <= b.right() && b.top() <= y && y <= b.bottom();
    };
    const auto cell = m_cells.constFind(cellKey(cellOf(x, CellSize), cellOf(y, CellSize)));
    if (cell != m_cells.constEnd()) {
        const std::vector<Figure*>& list = *cell;
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            if (inBounds(*it) && (*it)->IsAt(x, y)) {
                best = *it;
                break;
            }
        }
    }
    for (auto it = m_oversize.rbegin(); it != m_oversize.rend(); ++it) {
        if (best && (*it)->sequence < best->sequence)
            break;
        if ((*it)->IsAt(x, y)) {
            best = *it;
            break;
        }
    }
    return best;
}

std::vector<Figure*> FigureCollection::figuresIn(const QRectF& area) const
{
    std::vector<Figure*> found;
    if (!isFinite(area))
        return found;
    const double cellsX
        = std::floor(area.right() / CellSize) - std::floor(area.left() / CellSize) + 1;
    const double cellsY
        = std::floor(area.bottom() / CellSize) - std::floor(area.top() / CellSize) + 1;
    const bool farOut = std::fabs(area.left()) > 1e8 || std::fabs(area.right()) > 1e8
        || std::fabs(area.top()) > 1e8 || std::fabs(area.bottom()) > 1e8;
    if (farOut || cellsX * cellsY > double(m_cells.size())) {
        // An area wider than the filled part of the grid: one pass in order.
        for (const auto& figure : m_order) {
            if ((!figure->gridCells.isNull() || figure->gridOversize)
                && meets(figure->gridBounds, area))
                found.push_back(figure.get());
        }
        return found;
    }
    const QRect cells(QPoint(cellOf(area.left(), CellSize), cellOf(area.top(), CellSize)),
        QPoint(cellOf(area.right(), CellSize), cellOf(area.bottom(), CellSize)));
    for (int cy = cells.top(); cy <= cells.bottom(); ++cy) {
        for (int cx = cells.left(); cx <= cells.right(); ++cx) {
            const auto cell = m_cells.constFind(cellKey(cx, cy));
            if (cell == m_cells.constEnd())
                continue;
            for (Figure* figure : *cell) {
                if (meets(figure->gridBounds, area))
                    found.push_back(figure);
            }
        }
    }
    for (Figure* figure : m_oversize) {
        if (meets(figure->gridBounds, area))
            found.push_back(figure);
    }
    // A figure spanning several cells was found once in each.
    std::sort(found.begin(), found.end(), bySequence);
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

} // namespace zc
