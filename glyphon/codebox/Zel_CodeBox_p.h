#pragma once

#include "CodeLayout_p.h"
#include "CodeStore_p.h"
#include "CodeViewport_p.h"
#include "Zel_CodeBox.h"

#include <QHash>
#include <QImage>
#include <QPolygon>
#include <QWidget>
#include <zeltile/cTile.h>

class QScrollBar;

/// The drawing surface: shows the frame the control renders from its state
/// and turns mouse, key and focus input into the control's behaviour.
class CodeSurface : public QWidget
{
public:
    CodeSurface(Zel_CodeBoxPrivate* d, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Zel_CodeBoxPrivate* const d;
};

class Zel_CodeBoxPrivate
{
public:
    explicit Zel_CodeBoxPrivate(Zel_CodeBox* q);
    static Zel_CodeBoxPrivate* get(Zel_CodeBox* box) { return box->d.get(); }

    Zel_CodeBox* const q;
    CodeStore store;
    CodeFonts fonts;
    CodeSurface* surface = nullptr;
    QScrollBar* scrollBar = nullptr;

    // Persisted properties.
    bool keepFocus = true;
    TokenStyler::Colors colors;
    StdPicture lockPicture;
    OLE_COLOR gutterColor = 0;
    bool visualStyle = false;
    OLE_COLOR gutterFontColor = 0;
    bool normalizeEntities = true;
    // Run-time properties and public variables.
    OLE_COLOR selectBGColor = 0;
    Zel_CodeBox::SelectMode codeStyle = Zel_CodeBox::QuorvelStyle;
    Zel_CodeBox::EnumBorderStyle borderStyle = Zel_CodeBox::Border;
    bool showNumber = true;
    qint32 lineY = 0;
    qint32 listAreaHeight = 0;
    qint32 countTotalLines = 0;

    // Selection and input.
    qint32 listIndex = -1;
    bool selectionHidden = false; // focus left with KeepFocus off
    bool mouseButtonDown = false;
    qint32 lastClickY = -1;
    qint32 lastReportedRow = -1;

    // Which rows are shown where; the scroll bar and the surface follow it
    // in relayout(), which runs on resize and show, on a posted layout
    // request after rows change, and when a public accessor needs it; never
    // inside a paint.
    CodeViewport view;
    bool layoutPending = false; // rows changed since the last relayout
    qint32 reportedTop = 0; // the first visible row hosts last heard of

    // The gutter pattern and the lines the host drew.
    QImage gutterStrip;
    cTile gutterTile;
    struct HostLine
    {
        QPolygon points;
        QColor color;
    };
    QList<HostLine> hostLines; // from DrawLine

    QRect surfaceGeometry() const;
    /// Lays out when rows changed or the box was resized while hidden.
    void ensureLayout();
    void relayout();
    /// Brings the scroll bar in line with the viewport; reports a new top.
    void syncScrollBar();
    /// Scrolls so \a row is the first visible row (as far as the rows allow).
    void scrollTo(qint32 row);
    /// Scrolls so \a row is fully visible.
    void ensureVisible(qint32 row);
    /// Rows changed: measurements go stale, a layout is requested.
    void rowsChanged();
    /// Everything is repainted; the host's lines go.
    void invalidate();
    /// Rows \a a and \b b (either may be -1) are repainted; the host's lines go.
    void invalidateRows(qint32 a, qint32 b = -1);
    /// The surface area row \a row covers, the line under the last row included.
    QRect rowRect(qint32 row) const;
    void rebuildGutter();

    // Painting: reads state only, and only what \a clip covers.
    /// Paints the rows, the selection and the host's lines that meet \a clip;
    /// returns the rows it painted, [first, end).
    std::pair<qint32, qint32> renderFrame(QPainter& p, const QRect& clip) const;
    void paintRow(QPainter& p, CodeFonts::Batch& batch, qint32 row, int top) const;
    void paintBar(QPainter& p, const QString& text, int left, int top, int right, int bottom) const;
    void paintBarText(
        QPainter& p, const QString& text, int left, int top, int right, int bottom) const;
    void paintTokens(QPainter& p, CodeFonts::Batch& batch, qint32 row, int top) const;
    void paintSelection(QPainter& p, CodeFonts::Batch& batch) const;
    void paintPlaceholder(QPainter& p) const;
    /// After a paint: the unlocked rows it showed are no longer Dirty.
    void rowsPainted(std::pair<qint32, qint32> rows);

    // Input.
    void chooseRowAt(qint32 y);
    void mousePress(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);
    void mouseDoubleClick(QMouseEvent* event);
    void keyPress(QKeyEvent* event);
    void keyRelease(QKeyEvent* event);
    void focusChanged(bool in);
    void emitReturnKey(qint32 row);
};

/// The RGB colour \a c with \a amount added to red and green, and to blue
/// either added or scaled (blue += blue * amount / 192), each clamped.
OLE_COLOR adjustColor(OLE_COLOR c, int amount, bool blueScaling);
