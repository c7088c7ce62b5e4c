#include "FigureHistory.h"

namespace zc {

std::vector<HistoryRecord>* FigureHistory::listFor(int list)
{
    return list == UndoList ? &m_undo : list == RedoList ? &m_redo : nullptr;
}

const std::vector<HistoryRecord>* FigureHistory::listFor(int list) const
{
    return list == UndoList ? &m_undo : list == RedoList ? &m_redo : nullptr;
}

void FigureHistory::append(int list, qint32 action, const QString& coordinates,
    const QString& previous, const ShapeFigure& shape)
{
    HistoryRecord record;
    record.Coordinates = coordinates;
    record.PreviousCoordinates = previous;
    record.Action = action;
    record.Index = shape.Index;
    record.FigureKind = shape.Figure;
    record.Shape = shape;
    append(list, record);
}

void FigureHistory::append(int list, const HistoryRecord& record)
{
    if (auto* records = listFor(list))
        records->push_back(record);
}

int FigureHistory::size(int list) const
{
    const auto* records = listFor(list);
    return records ? int(records->size()) : 0;
}

const HistoryRecord& FigureHistory::at(int list, int position) const
{
    return listFor(list)->at(size_t(position - 1));
}

void FigureHistory::removeAt(int list, int position)
{
    auto* records = listFor(list);
    if (records && position >= 1 && position <= int(records->size()))
        records->erase(records->begin() + (position - 1));
}

void FigureHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
}

} // namespace zc
