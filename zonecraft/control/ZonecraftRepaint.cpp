// Painting only what changed on the work picture of Zonecraft.

#include "Zonecraft.h"
#include "Zonecraft_p.h"

#include <QPainter>
#include <common/PictureBox.h>

zc::PictureScene ZonecraftPrivate::pictureScene() const
{
    // The layers may hold only the part of the work picture that shows.
    const QRect surface
        = workPicture->hasLayerWindow() ? QRect(QPoint(0, 0), workPicture->size()) : QRect();
    return { figures, selected, selectionBox, paintSettings(), surface };
}

void ZonecraftPrivate::repaintPictureRect(const QRectF& pictureRect)
{
    const zc::PictureRepainter repainter(pictureScene());
    PictureBox* picture = workPicture;
    const QRect layer = picture->layerRect();
    const QRect area = repainter.screenArea(pictureRect).intersected(layer);
    if (area.isEmpty())
        return;
    const bool autoRedraw = picture->AutoRedraw();
    picture->setAutoRedraw(true);
    picture->setDrawMode(PictureBox::CopyPen);
    picture->clearArea(area);
    std::unique_ptr<QPainter> p = picture->beginPaint();
    p->setRenderHint(QPainter::Antialiasing, false);
    repainter.paint(*p, area);
    picture->endPaint(std::move(p), area);
    picture->setAutoRedraw(autoRedraw);
    ++screenRestores; // the screen's marks in the area are gone
}

void ZonecraftPrivate::damageArea(const QRectF& pictureRect)
{
    extraDamage.push_back(pictureRect);
}

void ZonecraftPrivate::fullPassPainted()
{
    figures.takeChangedAreas();
    extraDamage.clear();
    paintedHandles = zc::PictureRepainter(pictureScene()).handlesArea();
}

void ZonecraftPrivate::repaintChanges()
{
    zc::FigureCollection::ChangedAreas changed = figures.takeChangedAreas();
    // A stale picture may show figures that are gone; with everything
    // changed no rectangle is smaller than the picture.
    if (paintStale || changed.allChanged) {
        q->Redraw(true);
        return;
    }
    const zc::PictureRepainter repainter(pictureScene());
    std::vector<QRectF> damage;
    damage.reserve(changed.areas.size() + extraDamage.size() + 2);
    for (const QRectF& bounds : changed.areas)
        damage.push_back(repainter.figureArea(bounds));
    damage.insert(damage.end(), extraDamage.begin(), extraDamage.end());
    extraDamage.clear();
    // The handles move with the selection: wipe the old ones, paint the new.
    const QRectF handles = repainter.handlesArea();
    if (!paintedHandles.isEmpty())
        damage.push_back(paintedHandles);
    if (!handles.isEmpty())
        damage.push_back(handles);
    for (const QRectF& rect : zc::PictureRepainter::mergeOverlapping(std::move(damage)))
        repaintPictureRect(rect);
    paintedHandles = handles;
    loading = false;
}
