// Painting only what changed on the work picture of Zonecraft.

#include "Zonecraft.h"
#include "Zonecraft_p.h"

#include <QPainter>
#include <common/PictureBox.h>

zc::PictureScene ZonecraftPrivate::pictureScene() const
{
    return { figures, selected, selectionBox, paintSettings() };
}

void ZonecraftPrivate::repaintPictureRect(const QRectF& pictureRect)
{
    const zc::PictureRepainter repainter(pictureScene());
    PictureBox* picture = workPicture;
    const QRect layer = picture->drawingLayer().rect();
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
    paintedHandles = zc::PictureRepainter(pictureScene()).handleAreas();
    paintedSequence = figures.nextSequence();
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
    PictureBox* picture = workPicture;
    const bool autoRedraw = picture->AutoRedraw();
    picture->setAutoRedraw(true);
    picture->setDrawMode(PictureBox::CopyPen);
    const QRect layer = picture->drawingLayer().rect();

    // Where figures went away or changed, and where the old handles were:
    // cleared and painted again from the figures.
    std::vector<QRectF> damage;
    damage.reserve(changed.areas.size() + extraDamage.size() + paintedHandles.size());
    for (const QRectF& bounds : changed.areas)
        damage.push_back(repainter.figureArea(bounds));
    damage.insert(damage.end(), extraDamage.begin(), extraDamage.end());
    damage.insert(damage.end(), paintedHandles.begin(), paintedHandles.end());
    extraDamage.clear();
    for (const QRectF& rect : zc::PictureRepainter::mergeOverlapping(std::move(damage))) {
        const QRect area = repainter.screenArea(rect).intersected(layer);
        if (area.isEmpty())
            continue;
        picture->clearArea(area);
        std::unique_ptr<QPainter> p = picture->beginPaint();
        p->setRenderHint(QPainter::Antialiasing, false);
        repainter.paintFigures(*p, area);
        picture->endPaint(std::move(p), area);
    }

    // Figures added since lie on top of all others: painting them over the
    // picture gives what a full pass gives. The handles go on top of all.
    const std::vector<const zc::Figure*> added = figures.figuresAddedSince(paintedSequence);
    if (!added.empty() || selected) {
        std::unique_ptr<QPainter> p = picture->beginPaint();
        p->setRenderHint(QPainter::Antialiasing, false);
        const QRect top = repainter.paintOnTop(*p, added).intersected(layer);
        p->end();
        // An empty rectangle would show the whole layer.
        if (!top.isEmpty())
            picture->endPaint(std::move(p), top);
    }
    picture->setAutoRedraw(autoRedraw);

    paintedHandles = repainter.handleAreas();
    paintedSequence = figures.nextSequence();
    loading = false;
}
