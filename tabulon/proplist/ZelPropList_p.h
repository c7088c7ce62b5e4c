#pragma once

#include "../editors/Lib_SplitterBar.h"
#include "ItemStore.h"
#include "PropListPainter.h"
#include "ZelPropList.h"

#include <QColor>
#include <QFont>
#include <QLine>
#include <QTimer>
#include <memory>
#include <vector>

class QLabel;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class QPainter;
class QScrollBar;

namespace Tabulon {
class PropListSurface;
class DescriptionPane;
class PropListEditors;
} // namespace Tabulon

/// The persisted properties with their defaults (one place for both).
struct PropListProperties
{
    qint16 scrollBarWidth = 13;
    StdFont font;
    OLE_COLOR fontNormal = Zel::WindowTextColor;
    OLE_COLOR fontSelected = Zel::HighlightTextColor;
    OLE_COLOR backNormal = Zel::WindowBackgroundColor;
    OLE_COLOR backDisabled = Zel::ButtonFaceColor;
    OLE_COLOR backSelected = Zel::HighlightColor;
    OLE_COLOR backSelectedG1 = Zel::HighlightColor;
    OLE_COLOR backSelectedG2 = Zel::WindowBackgroundColor;
    OLE_COLOR boxBorder = Zel::HighlightTextColor;
    qint16 boxOffset = 1;
    qint16 boxRadius = 0;
    bool lockRedraw = false;
    bool focus = true;
    bool hoverSelection = false;
    bool wordWrap = true;
    qint16 itemHeight = 0; // as assigned; the effective height never goes below the text height
    bool itemHeightAuto = true;
    qint16 itemOffset = 0;
    qint16 itemTextLeft = 2;
    StdPicture selectionPicture;
    bool showMenu = false;
    qint16 mousePointer = 0;
    StdPicture mouseIcon;
    Tabulon::GridLines gridLines = Tabulon::GridLines::Solid;
    OLE_COLOR gridColor = 1;
    qint32 listColumWidth = 100;
    bool showDescription = true;
    Tabulon::Style visualStyle = Tabulon::Style::Standard;
    OLE_COLOR visualColor = 554;
    StdPicture headerBackPicture;
    Tabulon::BorderS borderStyle = Tabulon::BorderS::Border;
    qint32 spinMaxValue = 0;
};

/// State of ZelPropList: the items, the properties, the layout and the
/// interaction state.
class ZelPropListPrivate
{
public:
    explicit ZelPropListPrivate(ZelPropList* q);
    ~ZelPropListPrivate();
    static ZelPropListPrivate* get(ZelPropList* list) { return list->d.get(); }

    ZelPropList* const q;
    Tabulon::ItemStore store;

    // children
    Tabulon::PropListSurface* surface = nullptr; // iUC
    QScrollBar* scrollBar = nullptr; // sbUC
    Tabulon::DescriptionPane* pane = nullptr; // Picture3
    QLabel* label1 = nullptr;
    QLabel* label2 = nullptr;
    std::unique_ptr<Tabulon::PropListEditors> editors; // txtEdit and the editor controls
    Tabulon::Lib_SplitterBar splitter;
    QTimer autoScrollTimer;

    PropListProperties props;

    // resolved for painting
    QFont listFont;
    QFont boldFont;
    int textHeight = 13;
    qint32 buttonFaceRgb = 0; // the header base, resolved once at start

    // layout
    int rowHeight = 20; // H
    int textOffset = 0; // V
    int visibleRows = 0; // N
    int descriptionHeight = 60; // D
    bool barShown = false;
    QSize laidOutSize; // the inner size the layout was computed for
    bool rangeSyncQueued = false;

    // interaction
    int listIndex = -1;
    int previousIndex = -1;
    int topIndex = 0; // the scroll bar's value
    int storedTop = -1; // the top index the scroll handler compares with
    int editingRow = -1;
    int commitRow = -1;
    bool editorOpen = false;
    bool closing = false;
    bool scrollIntoView = false;
    bool mouseHeld = false;
    bool hasFocus = false;
    bool suppressClick = false;
    int lastY = -1;
    int dragY = 0;
    int autoScrollDirection = 0;
    int nextInsertNumber = 1;
    QString pendingValue;
    // The current and first rows bindings last heard of (ListIndexChanged, TopIndexChanged).
    int reportedListIndex = -1;
    int reportedTopIndex = 0;

    /// Marks drawn by DrawLine; wiped by the next full repaint.
    struct Mark
    {
        QLine line;
        QColor color;
        bool filled;
    };
    std::vector<Mark> marks;

    // layout and painting
    void applyFont();
    void layout();
    void ensureLayout();
    void layoutDescription();
    int innerWidth() const;
    int innerHeight() const;
    int listWidth() const;
    void queueRangeSync();
    /// Raises ListIndexChanged and TopIndexChanged for whichever moved since they were last
    /// raised: clicks, keys, scrolling, inserts and removals all end here.
    void reportIndexes();
    void syncScrollBar();
    void updateRow(int row);
    void updateVisibleRows();
    void fullRepaint();
    Tabulon::RowPaintContext paintContext() const;
    void paintSurface(QPainter& painter, const QRect& exposed) const;
    void applyEnabled();
    void applyCursor();
    void applyBorder();

    // selection and scrolling
    void checkIndex(int index) const;
    void assignListIndex(int index);
    void assignTopIndex(int top);
    void scrollBarMoved(int value);
    bool isSelectable(int row) const;
    void shiftRowsFrom(int position, int delta);
    void removedRow(int position);

    // mouse on the list surface (never throw out of these)
    void surfacePress(QMouseEvent* event);
    void surfaceMove(QMouseEvent* event);
    void surfaceRelease(QMouseEvent* event);
    void surfaceDoubleClick(QMouseEvent* event);
    void surfaceWheel(QWheelEvent* event);
    void startAutoScroll(int direction);
    void autoScrollStep();
    void showDescriptionOf(int row);

    // the description splitter
    void panePress(QMouseEvent* event);
    void paneMove(QMouseEvent* event);
    void paneRelease(QMouseEvent* event);

    // editing
    QRect editorRect(int row) const;
    /// Opens the editor of item \a row (the host's ActivateStyle): the row becomes the current
    /// and the commit row, KeySelected is raised, a failure is raised as ErrorTracker.
    void activate(int row, bool dropDown);
    void closeEditors();
    void closeTextEditor();
    /// Stores \a value as the commit row's value and raises ChangeItem (UpdateChangeEvent).
    void commitValue(const QString& value);
    void storeValue(int row, const QString& value);

    // keyboard
    bool navigationKey(QKeyEvent* event);
    /// The first selectable row from \a from on in \a direction (+1 or -1); -1 for none.
    int selectableRow(int from, int direction) const;
    /// The first row from \a from on in \a direction whose editor opens here; -1 for none.
    int editableRow(int from, int direction) const;
    void moveCurrentTo(int row);
    void ensureRowVisible(int row);
    /// Makes \a row current and opens its editor, as a click on it would.
    void openFromKeyboard(int row, bool dropDown);
};
