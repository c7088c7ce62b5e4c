#pragma once

#include "Figure.h"

#include <QHash>
#include <memory>
#include <set>
#include <vector>

namespace zc {

/// The figures of one control, in creation order, keyed by ControlIndex.
///
/// Lookups by number are O(1); the smallest free number comes from a set of
/// gaps, so bulk creation stays linear. A uniform grid of buckets over the
/// picture plane answers "which figure is under this point" without asking
/// every figure.
class FigureCollection
{
public:
    FigureCollection();
    ~FigureCollection();
    FigureCollection(const FigureCollection&) = delete;
    FigureCollection& operator=(const FigureCollection&) = delete;

    int count() const { return int(m_order.size()); }
    bool isEmpty() const { return m_order.empty(); }
    /// The figure numbered \a index, or nullptr.
    Figure* find(qint32 index) const { return m_byIndex.value(index, nullptr); }
    bool contains(qint32 index) const { return m_byIndex.contains(index); }
    /// The figure at \a position (1 = first created), or nullptr.
    Figure* at(int position) const;
    /// 1-based position of \a figure, 0 when absent.
    int positionOf(const Figure* figure) const;
    /// Figures in collection order.
    const std::vector<std::unique_ptr<Figure>>& figures() const { return m_order; }

    /// The smallest positive number no present figure uses.
    qint32 nextFreeNumber() const;

    /// Appends \a figure under its ControlIndex. Throws RuntimeError 457 when
    /// the number is taken (the figure is then discarded).
    Figure* add(std::unique_ptr<Figure> figure);
    /// Removes and returns the figure numbered \a index (nullptr when absent).
    std::unique_ptr<Figure> take(qint32 index);
    void clear();

    /// Re-files \a figure in the spatial index after its geometry changed.
    void geometryChanged(Figure* figure);

    /// The last created figure whose IsAt accepts (x, y), or nullptr.
    Figure* figureAt(float x, float y) const;
    /// The figures whose bounds (picture pixels, edges included) meet
    /// \a area, in collection order.
    std::vector<Figure*> figuresIn(const QRectF& area) const;

    /// The picture areas (figure bounds) that additions, removals and
    /// reshapes covered since the last call, before and after each change,
    /// so a repaint can be limited to them. allChanged is set after clear()
    /// or when so many changes piled up that one full repaint is cheaper.
    struct ChangedAreas
    {
        bool allChanged = false;
        std::vector<QRectF> areas;
    };
    ChangedAreas takeChangedAreas();
    /// Notes that \a figure paints differently while its geometry stayed
    /// (a new colour, say).
    void markChanged(const Figure* figure);

private:
    static constexpr int CellSize = 128;
    // A figure spanning more cells than this is kept in one list that every
    // query scans, so huge boxes cost no memory.
    static constexpr qint64 MaxCellsPerFigure = 4096;

    static quint64 cellKey(int cx, int cy) { return (quint64(quint32(cx)) << 32) | quint32(cy); }
    void indexFigure(Figure* figure, bool newest);
    void unindexFigure(Figure* figure);
    void noteChanged(const QRectF& bounds);

    std::vector<std::unique_ptr<Figure>> m_order;
    QHash<qint32, Figure*> m_byIndex;
    // Every number in [1, m_firstUnused) is in use except those in m_gaps;
    // m_firstUnused itself is free.
    std::set<qint32> m_gaps;
    qint32 m_firstUnused = 1;
    quint64 m_nextSequence = 1;
    QHash<quint64, std::vector<Figure*>> m_cells; // each sorted by sequence
    std::vector<Figure*> m_oversize; // sorted by sequence
    ChangedAreas m_changed;
};

} // namespace zc
