// The tab strip members of Zonecraft; zc::TabStrip does the work.

#include "../view/ZonecraftView.h"
#include "Zonecraft.h"
#include "Zonecraft_p.h"

void Zonecraft::AddControlTab(
    const QString& Name, const QString& Caption, QWidget* FormName, const StdPicture& Picture)
{
    d->tabs->addTab(Name, Caption, FormName, Picture);
    // The horizontal bar starts where the tabs end.
    d->tabStripWidth = d->tabs->totalWidth();
    d->view->layout();
}

void Zonecraft::RedrawTabs()
{
    d->tabs->redrawTabs();
}

void Zonecraft::SelectTabButton(qint32 IndexItem)
{
    d->tabs->selectTabButton(IndexItem);
}

void Zonecraft::SelectingTab(QObject* Obj, qint16 X, qint16 Y)
{
    Q_UNUSED(X)
    Q_UNUSED(Y)
    d->tabs->selectingTab(Obj);
}

void Zonecraft::ResizeContainedControls()
{
    d->tabs->resizeContainedControls();
}

QList<QObject*> Zonecraft::m_DrawingTabs() const
{
    return d->tabs->drawingTabs();
}

void Zonecraft::setm_DrawingTabs(const QList<QObject*>& New_m_DrawingTabs)
{
    if (d->tabs->drawingTabs() == New_m_DrawingTabs)
        return;
    d->tabs->setDrawingTabs(New_m_DrawingTabs);
    Q_EMIT m_DrawingTabsChanged(New_m_DrawingTabs);
}

QObject* Zonecraft::m_SelectedTab() const
{
    return d->tabs->selectedTab();
}
