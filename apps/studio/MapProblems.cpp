#include "MapProblems.h"

#include "MapDocument.h"

#include <QPainterPath>
#include <QPolygonF>

namespace {

const QString Href = QStringLiteral("href");
const QString Alt = QStringLiteral("alt");

QPainterPath pathOf(const AreaGeometry& g)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    switch (g.kind) {
    case AreaKind::Rectangle:
        path.addRect(g.bounds());
        break;
    case AreaKind::Circle:
        path.addEllipse(g.bounds());
        break;
    case AreaKind::Polygon: {
        QPolygonF polygon;
        for (int i = 0; i + 1 < g.numbers.size(); i += 2)
            polygon << QPointF(g.numbers.at(i), g.numbers.at(i + 1));
        path.addPolygon(polygon);
        path.closeSubpath();
        break;
    }
    case AreaKind::Default:
    case AreaKind::Unknown:
        break;
    }
    return path;
}

// Shared area of two shapes, in square pixels; a touching edge is no overlap.
bool overlap(const QPainterPath& a, const QPainterPath& b)
{
    if (!a.boundingRect().intersects(b.boundingRect()))
        return false;
    const QRectF shared = a.intersected(b).boundingRect();
    return shared.width() >= 1 && shared.height() >= 1;
}

} // namespace

QList<MapProblems::Problem> MapProblems::check(const MapDocument& document)
{
    QList<Problem> problems;
    const QList<MapArea>& areas = document.areas();
    if (areas.isEmpty())
        problems.append({ 0, QStringLiteral("count"), tr("The map is empty: it has no hotspot.") });

    QList<QPainterPath> paths;
    for (const MapArea& area : areas) {
        const AreaGeometry g = area.geometry();
        paths << (g.isShown() ? pathOf(g) : QPainterPath());
    }
    for (int i = 0; i < areas.size(); ++i) {
        const MapArea& area = areas.at(i);
        const bool linked = area.has(Href);
        if (linked && area.value(Alt).trimmed().isEmpty() && !area.has(QStringLiteral("nohref")))
            problems.append({ area.id, Alt,
                tr("A link needs an alt text for people who cannot see the picture.") });
        if (!linked && area.has(Alt))
            problems.append(
                { area.id, Alt, tr("The alt text is for links; this area has no href.") });
        const AreaGeometry g = area.geometry();
        if (g.kind == AreaKind::Default)
            problems.append({ area.id, QStringLiteral("shape"),
                tr("A default area covers what no other area holds; it is kept but not shown.") });
        else if (!g.isShown())
            problems.append({ area.id, QStringLiteral("coords"),
                tr("Kept, but not shown: %1.").arg(g.problem) });
        for (int j = 0; j < i; ++j) {
            if (paths.at(i).isEmpty() || paths.at(j).isEmpty()
                || !overlap(paths.at(j), paths.at(i)))
                continue;
            // A small area put before the one around it is how nesting is written:
            // the outer area keeps the rest of itself.
            if (paths.at(i).contains(paths.at(j)))
                continue;
            problems.append({ area.id, QStringLiteral("coords"),
                tr("Overlaps \"%1\", which comes first in the page, so a browser picks that one "
                   "where the two meet.")
                    .arg(areas.at(j).label()) });
        }
    }
    return problems;
}

QList<MapProblems::Problem> MapProblems::ofArea(const QList<Problem>& problems, int areaId)
{
    QList<Problem> result;
    for (const Problem& p : problems) {
        if (p.areaId == areaId)
            result << p;
    }
    return result;
}
