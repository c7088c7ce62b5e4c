#include "DocumentCommands.h"

#include "MapDocument.h"

InsertAreasCommand::InsertAreasCommand(
    MapDocument* document, QList<QPair<int, MapArea>> areas, const QString& text)
    : QUndoCommand(text)
    , m_document(document)
    , m_areas(std::move(areas))
{ }

void InsertAreasCommand::redo()
{
    for (auto& [index, area] : m_areas)
        area.id = m_document->insert(index, area);
}

void InsertAreasCommand::undo()
{
    for (auto it = m_areas.crbegin(); it != m_areas.crend(); ++it) {
        const int index = m_document->indexOf(it->second.id);
        if (index >= 0)
            m_document->takeAt(index);
    }
}

QList<int> InsertAreasCommand::ids() const
{
    QList<int> ids;
    for (const auto& entry : m_areas)
        ids << entry.second.id;
    return ids;
}

RemoveAreasCommand::RemoveAreasCommand(MapDocument* document, QList<int> ids, const QString& text)
    : QUndoCommand(text)
    , m_document(document)
    , m_ids(std::move(ids))
{ }

void RemoveAreasCommand::redo()
{
    m_removed.clear();
    for (int i = 0; i < m_document->count(); ++i) {
        if (m_ids.contains(m_document->at(i).id))
            m_removed.append({ i, m_document->at(i) });
    }
    for (auto it = m_removed.crbegin(); it != m_removed.crend(); ++it)
        m_document->takeAt(it->first);
}

void RemoveAreasCommand::undo()
{
    // Ascending indexes: each area goes back where it stood, the ones before it already in place.
    for (const auto& [index, area] : std::as_const(m_removed))
        m_document->insert(index, area);
}

ChangeAreaCommand::ChangeAreaCommand(
    MapDocument* document, const MapArea& before, const MapArea& after, const QString& text)
    : QUndoCommand(text)
    , m_document(document)
    , m_before(before)
    , m_after(after)
{ }

void ChangeAreaCommand::apply(const MapArea& area)
{
    const int index = m_document->indexOf(area.id);
    if (index >= 0)
        m_document->replace(index, area);
}

void ChangeAreaCommand::redo()
{
    apply(m_after);
}

void ChangeAreaCommand::undo()
{
    apply(m_before);
}

MoveAreaCommand::MoveAreaCommand(MapDocument* document, int id, int to, const QString& text)
    : QUndoCommand(text)
    , m_document(document)
    , m_id(id)
    , m_to(to)
{ }

void MoveAreaCommand::redo()
{
    m_from = m_document->indexOf(m_id);
    if (m_from >= 0)
        m_document->move(m_from, m_to);
}

void MoveAreaCommand::undo()
{
    const int now = m_document->indexOf(m_id);
    if (now >= 0 && m_from >= 0)
        m_document->move(now, m_from);
}

ReplaceAreasCommand::ReplaceAreasCommand(
    MapDocument* document, QList<MapArea> areas, const QString& text)
    : QUndoCommand(text)
    , m_document(document)
    , m_before(document->areas())
    , m_after(std::move(areas))
{ }

void ReplaceAreasCommand::redo()
{
    m_document->setAreas(m_after);
    m_after = m_document->areas(); // keep the ids given, so undo and redo agree
}

void ReplaceAreasCommand::undo()
{
    m_document->setAreas(m_before);
}

PageSettingCommand::PageSettingCommand(
    const QString& text, std::function<void()> apply, std::function<void()> revert)
    : QUndoCommand(text)
    , m_apply(std::move(apply))
    , m_revert(std::move(revert))
{ }
