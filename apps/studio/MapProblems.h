#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class MapDocument;

/// The rules a map is checked against, and what breaks them.
class MapProblems
{
    Q_DECLARE_TR_FUNCTIONS(MapProblems)

public:
    struct Problem
    {
        /// The area at fault, 0 for the map as a whole.
        int areaId = 0;
        /// The attribute the problem is about ("alt", "href", "coords"), "" for none.
        QString attribute;
        QString message;
    };

    /// Every problem of \a document, in document order of the areas.
    static QList<Problem> check(const MapDocument& document);
    /// The problems of one area.
    static QList<Problem> ofArea(const QList<Problem>& problems, int areaId);
};
