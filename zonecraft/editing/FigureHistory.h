#pragma once

#include "../figures/ShapeFigure.h"

#include <QString>
#include <vector>

namespace zc {

/// Kinds of history records (the control's HistoryActions).
enum HistoryAction : qint32 { AddAction = 1, MoveAction = 2, DeleteAction = 3, ConvertAction = 4 };

/// One finished action on one figure.
struct HistoryRecord
{
    QString Coordinates; ///< text after the action (for a delete: at deletion)
    QString PreviousCoordinates; ///< text before a move; "0" for an add
    qint32 Action = 0; ///< a HistoryAction value
    qint32 Index = 0; ///< the figure's number
    qint32 FigureKind = 0; ///< 1 rectangle, 2 circle, 3 polygon
    ShapeFigure Shape;
};

/// The undo and redo lists: last in, first out, no limit.
class FigureHistory
{
public:
    enum List { UndoList = 1, RedoList = 2 };

    /// Appends a record to \a list (Index and FigureKind from the shape);
    /// another list number appends nothing.
    void append(int list, qint32 action, const QString& coordinates, const QString& previous,
        const ShapeFigure& shape);
    /// Appends \a record as it stands.
    void append(int list, const HistoryRecord& record);

    bool undoReady() const { return !m_undo.empty(); }
    bool redoReady() const { return !m_redo.empty(); }
    int size(int list) const;
    /// The record at 1-based position \a position of \a list (top = size).
    const HistoryRecord& at(int list, int position) const;
    /// Removes the record at \a position when it exists.
    void removeAt(int list, int position);

    void eraseRedo() { m_redo.clear(); }
    void clear();

private:
    std::vector<HistoryRecord>* listFor(int list);
    const std::vector<HistoryRecord>* listFor(int list) const;

    std::vector<HistoryRecord> m_undo;
    std::vector<HistoryRecord> m_redo;
};

} // namespace zc
