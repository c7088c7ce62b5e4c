#pragma once

#include "MapProblems.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class MapDocument;
class ZelPropList;
struct MapArea;

/// Fills the studio's property list: a group for the picture and page, one
/// for the map, and one for the selected hotspot with every attribute of its
/// tag. Item keys say what an edit changes (see the Key names).
class HotspotProperties
{
    Q_DECLARE_TR_FUNCTIONS(HotspotProperties)

public:
    /// Item keys; an attribute of the hotspot is AttributePrefix + its name.
    static const QString PageTitle;
    static const QString PageDate;
    static const QString PictureFile;
    static const QString MapName;
    static const QString MapCount;
    static const QString Responsive;
    static const QString Order;
    static const QString Shape;
    static const QString Coords;
    static const QString Colour;
    static const QString Locked;
    static const QString NewAttribute;
    static const QString AttributePrefix;

    /// Rebuilds every group for \a document, the hotspot group for \a selected
    /// (nullptr: none). Items with a problem show it beside the value.
    static void fill(ZelPropList& list, const MapDocument& document, const MapArea* selected,
        const QList<MapProblems::Problem>& problems);

    /// The choices of a list or combo item.
    static QStringList choicesOf(const QString& key);
    /// The value a person chose in the editor of \a key: a combo reports the
    /// index of its entry, which becomes the entry's text here.
    static QString valueFromEditor(const QString& key, const QString& value);
    /// The target combo's last entry, which asks for a frame name.
    static QString otherChoice();
    static bool isTargetKey(const QString& key);
    /// The marker put before the caption of an item that breaks a rule.
    static QString warningMark();
};
