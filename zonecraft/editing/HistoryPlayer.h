#pragma once

#include "../figures/Figure.h"
#include "FigureHistory.h"

#include <memory>

namespace zc {

/// What playing a history record asks of the control that owns the figures.
class HistoryTarget
{
public:
    virtual ~HistoryTarget() = default;

    virtual bool hasFigure(qint32 index) const = 0;
    /// Removes figure \a index as the host's RemoveFigure does.
    virtual void removeFigure(qint32 index) = 0;
    /// Creates figure \a index as ImportFigure does, making no record.
    virtual void recreateFigure(const QString& coordinates, qint32 kind, const QString& key,
        const QString& decimalColor, bool locked, qint32 index)
        = 0;
    /// Puts \a figure where the figure of its number is and makes it the current shape.
    virtual void restoreFigure(std::unique_ptr<Figure> figure) = 0;
    virtual void historyAction(qint32 action, qint32 index, const ShapeFigure& shape) = 0;
    virtual void historyStatus() = 0;
    /// The end of every step: the current shape reported as moved, a full repaint.
    virtual void stepFinished() = 0;
};

/// Applies the records of a FigureHistory: the top of one list is undone
/// (or redone) on the target and moves to the other list.
class HistoryPlayer
{
public:
    HistoryPlayer(FigureHistory& history, HistoryTarget& target);

    /// Applies the top record of \a list; false when the list is empty.
    /// Throws the RuntimeError of a failed re-creation after dropping the
    /// record, so one bad record never blocks the records below it.
    bool step(int list);

private:
    /// Plays \a record on the target; true when it is to change lists.
    bool apply(HistoryRecord& record, bool undo);
    /// Re-creates figure \a record.Index from \a text (move undo and redo);
    /// the number of values tells the kind.
    void recreateFromText(HistoryRecord& record, const QString& text);
    /// Brings back a removed figure from a record (delete undo, add redo).
    void reimport(const HistoryRecord& record, const QString& text);
    /// Gives figure \a record.Index back the kind and coordinates of the record's shape.
    void restoreConversion(const HistoryRecord& record);

    FigureHistory& m_history;
    HistoryTarget& m_target;
};

} // namespace zc
