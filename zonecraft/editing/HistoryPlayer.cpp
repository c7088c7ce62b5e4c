#include "HistoryPlayer.h"

#include "../figures/FigureFactory.h"

#include <common/RuntimeError.h>

namespace zc {

namespace {

QString decimalColor(qint32 color)
{
    return QString::number(color);
}

} // namespace

HistoryPlayer::HistoryPlayer(FigureHistory& history, HistoryTarget& target)
    : m_history(history)
    , m_target(target)
{ }

void HistoryPlayer::recreateFromText(HistoryRecord& record, const QString& text)
{
    // The number of values tells the kind: 4 a rectangle, 3 a circle.
    const qsizetype values = text.count(QLatin1Char(',')) + 1;
    const qint32 kind = values == 4 ? RectangleKind : values == 3 ? CircleKind : PolygonKind;
    record.Shape.Figure = ZonecraftFigureKinds::FigureMode(kind);
    record.FigureKind = kind;
    FigureFactory::validateCoordinates(text, kind);
    m_target.removeFigure(record.Index);
    m_target.recreateFigure(text, kind, record.Shape.Key, decimalColor(record.Shape.Color),
        record.Shape.Locked, record.Shape.Index);
}

void HistoryPlayer::reimport(const HistoryRecord& record, const QString& text)
{
    m_target.recreateFigure(text, record.FigureKind, record.Shape.Key,
        decimalColor(record.Shape.Color), record.Shape.Locked, record.Index);
}

void HistoryPlayer::restoreConversion(const HistoryRecord& record)
{
    // Back to the kind and the very coordinates the figure had before.
    const QString color = decimalColor(record.Shape.Color);
    FigureTraits traits;
    traits.key = record.Shape.Key;
    traits.hexColor = color;
    traits.locked = record.Shape.Locked;
    std::unique_ptr<Figure> figure = FigureFactory::fromCoordinates(
        record.Index, record.FigureKind, record.Shape.Coordinates, traits);
    if (figure)
        m_target.restoreFigure(std::move(figure));
}

bool HistoryPlayer::apply(HistoryRecord& record, bool undo)
{
    // Texts swap places each time a record changes lists: undo reads the
    // text before the action from PreviousCoordinates, redo the text after.
    const QString& restoreText = undo ? record.Coordinates : record.PreviousCoordinates;
    const auto bringBack = [&] {
        FigureFactory::validateCoordinates(restoreText, record.FigureKind);
        if (m_target.hasFigure(record.Index))
            throw RuntimeError(RuntimeError::KeyAlreadyAssociated);
        m_target.historyAction(AddAction, record.Index, record.Shape);
        reimport(record, restoreText);
    };
    const auto takeAway = [&] {
        m_target.removeFigure(record.Index);
        m_target.historyAction(DeleteAction, record.Index, record.Shape);
    };
    switch (record.Action) {
    case AddAction:
        if (undo)
            takeAway();
        else
            bringBack();
        return true;
    case MoveAction:
        recreateFromText(record, record.PreviousCoordinates);
        return true;
    case DeleteAction:
        if (undo)
            bringBack();
        else
            takeAway();
        return true;
    case ConvertAction:
        restoreConversion(record);
        m_target.historyAction(ConvertAction, record.Index, record.Shape);
        return false;
    default:
        return false;
    }
}

bool HistoryPlayer::step(int list)
{
    const bool undo = list == FigureHistory::UndoList;
    const int other = undo ? FigureHistory::RedoList : FigureHistory::UndoList;
    const int position = m_history.size(list);
    if (position == 0)
        return false;
    HistoryRecord record = m_history.at(list, position);
    bool moveRecord = false;
    try {
        moveRecord = apply(record, undo);
    } catch (const RuntimeError&) {
        // A record that cannot be played now never can be: what it names
        // was taken or changed by steps that made no record. It is dropped,
        // so the steps below it stay reachable, and the caller reports the
        // error once.
        m_history.removeAt(list, position);
        m_target.historyStatus();
        throw;
    }
    if (moveRecord) {
        HistoryRecord moved = record;
        std::swap(moved.Coordinates, moved.PreviousCoordinates);
        m_history.append(other, moved);
        m_target.historyStatus();
    }
    m_history.removeAt(list, position);
    m_target.stepFinished();
    m_target.historyStatus();
    if (m_history.size(list) == 0)
        m_target.historyStatus(); // the list has run out of records
    return true;
}

} // namespace zc
