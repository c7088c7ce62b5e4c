#pragma once

#include "MapArea.h"

#include <QList>
#include <QUndoCommand>
#include <functional>

class MapDocument;

/// Adds areas at given places of the document order (drawing, paste, duplicate).
class InsertAreasCommand : public QUndoCommand
{
public:
    /// Inserts each area at its index, in the order given.
    InsertAreasCommand(
        MapDocument* document, QList<QPair<int, MapArea>> areas, const QString& text);
    void redo() override;
    void undo() override;
    /// The ids the areas took, once redone.
    QList<int> ids() const;

private:
    MapDocument* m_document;
    QList<QPair<int, MapArea>> m_areas;
};

/// Removes areas; undo puts each back at its place in the document order.
class RemoveAreasCommand : public QUndoCommand
{
public:
    RemoveAreasCommand(MapDocument* document, QList<int> ids, const QString& text);
    void redo() override;
    void undo() override;

private:
    MapDocument* m_document;
    QList<int> m_ids;
    /// (index, area) in ascending index order, filled on redo.
    QList<QPair<int, MapArea>> m_removed;
};

/// Changes one area (an attribute, its geometry, its colour) from one state to another.
class ChangeAreaCommand : public QUndoCommand
{
public:
    ChangeAreaCommand(
        MapDocument* document, const MapArea& before, const MapArea& after, const QString& text);
    void redo() override;
    void undo() override;

private:
    void apply(const MapArea& area);
    MapDocument* m_document;
    MapArea m_before;
    MapArea m_after;
};

/// Moves an area to another place in the document order (front and back).
class MoveAreaCommand : public QUndoCommand
{
public:
    MoveAreaCommand(MapDocument* document, int id, int to, const QString& text);
    void redo() override;
    void undo() override;

private:
    MapDocument* m_document;
    int m_id;
    int m_to;
    int m_from = -1;
};

/// Replaces every area at once (reading an area list).
class ReplaceAreasCommand : public QUndoCommand
{
public:
    ReplaceAreasCommand(MapDocument* document, QList<MapArea> areas, const QString& text);
    void redo() override;
    void undo() override;

private:
    MapDocument* m_document;
    QList<MapArea> m_before;
    QList<MapArea> m_after;
};

/// A change of the page around the map (title, date, map name, picture, rescaling),
/// given as the two ways of setting it.
class PageSettingCommand : public QUndoCommand
{
public:
    PageSettingCommand(
        const QString& text, std::function<void()> apply, std::function<void()> revert);
    void redo() override { m_apply(); }
    void undo() override { m_revert(); }

private:
    std::function<void()> m_apply;
    std::function<void()> m_revert;
};
