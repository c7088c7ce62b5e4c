#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>

/// What a tip shows and how, fixed when the tip window is built.
struct TipSettings
{
    QRect toolRect; ///< the covered area, in the owner's coordinates
    QString text;
    QString title;
    bool balloon = false;
    bool centered = false;
    /// Colours the tip was given; without one it uses the palette's tip colours.
    std::optional<QColor> textColor;
    std::optional<QColor> backColor;
};

/// The geometry of a tip of a given content, in the tip window's own coordinates.
struct TipLayout
{
    QSize size; ///< the whole window
    QRect body; ///< the rectangle or the balloon's body
    QRect titleRect; ///< empty without a title
    QRect textRect;
    /// The balloon's outline with its stem (empty for a rectangular tip).
    QPainterPath outline;
    QPoint stemTip; ///< the point the tip hangs from (on the pointer)
};

/// Lays out a tip: \a stemUp puts a balloon's stem on top (the tip below the
/// point it hangs from), otherwise at the bottom; \a stemX is the stem tip's
/// distance from the left edge (negative: in the middle).
TipLayout layoutTip(const TipSettings& settings, const QFont& font, bool stemUp, int stemX = -1);

/// The window of a CTooltip: a frameless tip window owned by the widget it
/// covers. It watches the owner's mouse input: a pointer resting over the
/// covered area shows it after the double-click interval, leaving the area,
/// pressing a button or ten such intervals hide it.
class CTooltipWindow : public QWidget
{
    Q_OBJECT
public:
    /// Margin around the text, the stem's size and the balloon's corner radius.
    enum Metrics {
        TextMargin = 3,
        BalloonMargin = 8,
        StemHeight = 14,
        StemWidth = 14,
        StemInset = 16,
        CornerRadius = 8,
        CursorDrop = 20
    };

    CTooltipWindow(QWidget* owner, TipSettings settings);
    ~CTooltipWindow() override;

    const TipSettings& settings() const { return m_settings; }
    QWidget* owner() const { return m_owner; }

    /// Shows the tip for the pointer at \a ownerPos (owner coordinates); does
    /// nothing when the point is outside the covered area.
    void showAt(QPoint ownerPos);
    /// Hides the tip (it shows again when the pointer rests anew).
    void hideTip();
    /// The layout of the tip as last shown.
    const TipLayout& currentLayout() const { return m_layout; }

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void restartDwell(QPoint ownerPos);
    QColor textColor() const;
    QColor backColor() const;

    QWidget* const m_owner;
    const TipSettings m_settings;
    TipLayout m_layout;
    QPoint m_restingAt;
    QTimer m_wakeTimer; // the pointer rested long enough
    QTimer m_sleepTimer; // shown long enough
};
