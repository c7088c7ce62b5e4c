// The image map seen by assistive tools: each hotspot is a child, in collection order, named
// by its key (or its number when it has none) and described by its kind. While editing the
// selected hotspot is the focused one; in preview the one the keyboard reached.

#include "../figures/Figure.h"
#include "PreviewController.h"
#include "Zonecraft.h"
#include "ZonecraftAccessible_p.h"
#include "Zonecraft_p.h"

#include <QApplication>
#include <cmath>
#include <common/AccessibleControl.h>
#include <common/PictureBox.h>

namespace zc {

namespace {

class ZonecraftAccessible : public Zel::AccessibleControl
{
public:
    explicit ZonecraftAccessible(Zonecraft* map)
        : AccessibleControl(map, QAccessible::Pane)
    { }

    Zonecraft* map() const { return static_cast<Zonecraft*>(widget()); }
    ZonecraftPrivate* mapData() const { return ZonecraftPrivate::get(map()); }
    // Children count from 0, the collection's positions from 1.
    const Figure* figure(int index) const { return mapData()->figures.at(index + 1); }

    int partCount() const override { return mapData()->figures.count(); }

    QAccessible::Role partRole(int) const override
    {
        // Preview shows the map as a page does: its hotspots are links. While editing they are
        // shapes being drawn and moved.
        return map()->ImagemapMode() == Zonecraft::PreviewMode ? QAccessible::Link
                                                               : QAccessible::Graphic;
    }

    QString partText(int index, QAccessible::Text t) const override
    {
        const Figure* f = figure(index);
        switch (t) {
        case QAccessible::Name:
            return f->Key.isEmpty() ? Zonecraft::tr("Hotspot %1").arg(f->ControlIndex) : f->Key;
        case QAccessible::Description:
            return map()->ExtractFigure(f->ControlIndex);
        default:
            return {};
        }
    }

    QRect partRect(int index) const override
    {
        const Figure* f = figure(index);
        ZonecraftPrivate* p = mapData();
        // Figures are kept in picture pixels; the work picture shows them zoomed.
        const double zoom = p->zoomFactor();
        const QPoint topLeft(int(std::floor(std::min(f->X1(), f->X2()) * zoom)),
            int(std::floor(std::min(f->Y1(), f->y2()) * zoom)));
        const QPoint bottomRight(int(std::ceil(std::max(f->X1(), f->X2()) * zoom)),
            int(std::ceil(std::max(f->Y1(), f->y2()) * zoom)));
        const QRect box(topLeft, bottomRight);
        // Only what the viewport shows of it is on the screen.
        const QWidget* viewport = p->workPicture->parentWidget();
        const QRect shown = QRect(p->workPicture->mapTo(viewport, box.topLeft()), box.size())
                                .intersected(viewport->rect());
        if (shown.isEmpty() || !p->workPicture->isVisible())
            return {};
        return QRect(viewport->mapToGlobal(shown.topLeft()), shown.size());
    }

    QAccessible::State partState(int index) const override
    {
        QAccessible::State state = AccessibleControl::partState(index);
        state.readOnly = figure(index)->Locked;
        state.linked = map()->ImagemapMode() == Zonecraft::PreviewMode;
        return state;
    }

    int focusedPart() const override
    {
        ZonecraftPrivate* p = mapData();
        const qint32 number = map()->ImagemapMode() == Zonecraft::PreviewMode
            ? p->preview->focusedIndex()
            : map()->m_SelectedObject();
        const Figure* f = number > 0 ? p->figures.find(number) : nullptr;
        return f ? p->figures.positionOf(f) - 1 : -1;
    }
};

QAccessibleInterface* zonecraftFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("Zonecraft") && object && object->isWidgetType())
        return new ZonecraftAccessible(static_cast<Zonecraft*>(object));
    return nullptr;
}

} // namespace

void watchAccessibility(Zonecraft* map)
{
    static const bool installed = [] {
        QAccessible::installFactory(zonecraftFactory);
        return true;
    }();
    Q_UNUSED(installed)
    QObject::connect(map, &Zonecraft::m_SelectedObjectChanged, map, [map](qint32 number) {
        ZonecraftPrivate* p = ZonecraftPrivate::get(map);
        const Figure* f = number > 0 ? p->figures.find(number) : nullptr;
        if (!f)
            return;
        const int position = p->figures.positionOf(f) - 1;
        Zel::announcePart(map, position, QAccessible::Selection);
        if (map->isAncestorOf(QApplication::focusWidget()))
            Zel::announcePart(map, position, QAccessible::Focus);
    });
}

} // namespace zc
