#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <map>
#include <memory>

class CTooltip;
class QKeyEvent;
class ZonecraftPrivate;

namespace zc {

class FigureObject;
class PreviewFocusRing;

/// Preview mode of a Zonecraft: the figures act as invisible hotspots. It
/// follows the hotspot under the pointer (PreviewObject), changes the work
/// picture's pointer over hotspots, keeps one tooltip at a time for the
/// hotspot last entered, and lets the keyboard walk the hotspots in
/// document order.
class PreviewController : public QObject
{
public:
    explicit PreviewController(ZonecraftPrivate& d);
    ~PreviewController() override;

    // Figures as objects

    /// The object standing for figure \a number (one per number, owned here),
    /// or null when no such figure exists.
    FigureObject* figureObject(qint32 number);
    /// The hotspot under \a workPos (work-picture pixels) under the rules in
    /// force, as its object, or null over the bare picture.
    QObject* objectAt(QPointF workPos);
    /// The mouse handlers' entries in preview mode: a move reports the
    /// hotspot under the pointer, a release also clicks it.
    void mouseMoved(QPointF workPos);
    void mouseReleased(QPointF workPos, qint16 button);

    bool browserHitRules() const { return m_browserHitRules; }
    void setBrowserHitRules(bool browser) { m_browserHitRules = browser; }

    // Hover and click

    void previewObject(QObject* obj, bool clickEvent, qint16 button);
    /// The figure object under the pointer at the last previewObject, or null.
    QObject* hovered() const { return m_hovered; }
    /// The number of the hotspot under the pointer, 0 over the picture.
    qint32 hoveredIndex() const;

    // Tooltip

    void setCaption(const QString& caption) { m_caption = caption; }
    QString caption() const { return m_caption; }
    /// Removes the tooltip window and the work picture's tip text.
    void deleteTooltip();
    /// The tooltip of the hotspot last entered (window-less after deleteTooltip).
    CTooltip* tooltip() const { return m_tooltip.get(); }

    /// Drops the hover, the tooltip and the focus ring when the control
    /// leaves preview mode.
    void leavePreview();

    // Keyboard

    /// The hotspot holding the keyboard focus ring, 0 when none.
    qint32 focusedIndex() const { return m_focusedIndex; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inPreview() const;
    void showTooltip();
    void setPointer(qint16 pointer);
    /// Moves the focus ring \a steps hotspots on in document order; false
    /// when it ran off either end (the ring is then gone).
    bool moveFocus(int steps);
    void setFocused(qint32 number);
    bool keyPressed(QKeyEvent* event);

    ZonecraftPrivate& d;
    std::map<qint32, std::unique_ptr<FigureObject>> m_objects;
    QPointer<QObject> m_hovered;
    bool m_overFigure = false;
    QString m_caption;
    std::unique_ptr<CTooltip> m_tooltip;
    bool m_browserHitRules = false;
    qint32 m_focusedIndex = 0;
    std::unique_ptr<PreviewFocusRing> m_focusRing;
};

} // namespace zc
