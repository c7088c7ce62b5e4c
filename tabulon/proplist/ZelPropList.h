#pragma once

#include "PropItem.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <common/OleColor.h>
#include <common/StdFont.h>
#include <common/StdPicture.h>
#include <common/UserControl.h>
#include <memory>
#include <tabulon/tabulon_export.h>

class ZelPropListPrivate;

/// A property grid: named items in two columns grouped under header rows,
/// with a description pane below. Items are addressed by case-insensitive
/// keys; values are held as text.
class TABULON_EXPORT ZelPropList : public UserControl
{
    Q_OBJECT
    /// Whether the control and its scroll bar accept input; disabled rows paint in button shadow.
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled NOTIFY EnabledChanged)
    /// Width of the vertical scroll bar: at least 9, at most half the control's width.
    Q_PROPERTY(qint16 ScrollBarWidth READ ScrollBarWidth WRITE setScrollBarWidth NOTIFY
            ScrollBarWidthChanged)
    /// The list font (name and size are used); the ambient font by default.
    Q_PROPERTY(StdFont Font READ Font WRITE setFont NOTIFY FontChanged)
    /// Text colour of rows.
    Q_PROPERTY(OLE_COLOR FontNormal READ FontNormal WRITE setFontNormal NOTIFY FontNormalChanged)
    /// Caption colour of the current row.
    Q_PROPERTY(
        OLE_COLOR FontSelected READ FontSelected WRITE setFontSelected NOTIFY FontSelectedChanged)
    /// Row background.
    Q_PROPERTY(OLE_COLOR BackNormal READ BackNormal WRITE setBackNormal NOTIFY BackNormalChanged)
    /// Background of disabled rows.
    Q_PROPERTY(
        OLE_COLOR BackDisabled READ BackDisabled WRITE setBackDisabled NOTIFY BackDisabledChanged)
    /// Background of the current row's name column.
    Q_PROPERTY(
        OLE_COLOR BackSelected READ BackSelected WRITE setBackSelected NOTIFY BackSelectedChanged)
    /// Stored and persisted for hosts; not painted.
    Q_PROPERTY(OLE_COLOR BackSelectedG1 READ BackSelectedG1 WRITE setBackSelectedG1 NOTIFY
            BackSelectedG1Changed)
    /// Stored and persisted for hosts; not painted.
    Q_PROPERTY(OLE_COLOR BackSelectedG2 READ BackSelectedG2 WRITE setBackSelectedG2 NOTIFY
            BackSelectedG2Changed)
    /// Stored and persisted for hosts; not painted.
    Q_PROPERTY(OLE_COLOR BoxBorder READ BoxBorder WRITE setBoxBorder NOTIFY BoxBorderChanged)
    /// Stored and persisted; a value above half the row height is ignored. Not painted.
    Q_PROPERTY(qint16 BoxOffset READ BoxOffset WRITE setBoxOffset NOTIFY BoxOffsetChanged)
    /// Stored and persisted; not painted.
    Q_PROPERTY(qint16 BoxRadius READ BoxRadius WRITE setBoxRadius NOTIFY BoxRadiusChanged)
    /// While true, value changes do not repaint; false repaints the visible rows.
    Q_PROPERTY(bool LockRedraw READ LockRedraw WRITE setLockRedraw NOTIFY LockRedrawChanged)
    /// Stored and persisted; false repaints the current row.
    Q_PROPERTY(bool Focus READ Focus WRITE setFocus NOTIFY FocusChanged)
    /// When true, moving the mouse over rows moves the current row without a button.
    Q_PROPERTY(bool HoverSelection READ HoverSelection WRITE setHoverSelection NOTIFY
            HoverSelectionChanged)
    /// True: captions and values with their line breaks; false: single-line texts.
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap NOTIFY WordWrapChanged)
    /// Fixed row height in pixels; never below the font's text height.
    Q_PROPERTY(qint16 ItemHeight READ ItemHeight WRITE setItemHeight NOTIFY ItemHeightChanged)
    /// True: 20-pixel rows whatever the font.
    Q_PROPERTY(bool ItemHeightAuto READ ItemHeightAuto WRITE setItemHeightAuto NOTIFY
            ItemHeightAutoChanged)
    /// Inset of text in a row; a value above the row height is ignored.
    Q_PROPERTY(qint16 ItemOffset READ ItemOffset WRITE setItemOffset NOTIFY ItemOffsetChanged)
    /// Left margin of captions in pixels.
    Q_PROPERTY(
        qint16 ItemTextLeft READ ItemTextLeft WRITE setItemTextLeft NOTIFY ItemTextLeftChanged)
    /// Stored and persisted for hosts; not painted.
    Q_PROPERTY(StdPicture SelectionPicture READ SelectionPicture WRITE setSelectionPicture NOTIFY
            SelectionPictureChanged)
    /// Stored and persisted for hosts; no other use.
    Q_PROPERTY(bool ShowMenu READ ShowMenu WRITE setShowMenu NOTIFY ShowMenuChanged)
    /// Mouse pointer number of the list surface (99: MouseIcon).
    Q_PROPERTY(
        qint16 MousePointer READ MousePointer WRITE setMousePointer NOTIFY MousePointerChanged)
    /// Custom pointer of the list surface.
    Q_PROPERTY(StdPicture MouseIcon READ MouseIcon WRITE setMouseIcon NOTIFY MouseIconChanged)
    /// Grid lines between rows and columns.
    Q_PROPERTY(Tabulon::GridLines ShowGridLines READ ShowGridLines WRITE setShowGridLines NOTIFY
            ShowGridLinesChanged)
    /// Colour of the grid lines.
    Q_PROPERTY(OLE_COLOR GridColor READ GridColor WRITE setGridColor NOTIFY GridColorChanged)
    /// Width of the name column in pixels.
    Q_PROPERTY(qint32 ListColumWidth READ ListColumWidth WRITE setListColumWidth NOTIFY
            ListColumWidthChanged)
    /// Whether the description pane shows below the list.
    Q_PROPERTY(bool ShowDescription READ ShowDescription WRITE setShowDescription NOTIFY
            ShowDescriptionChanged)
    /// CoolXP paints header rows as a gradient of VisualColor.
    Q_PROPERTY(
        Tabulon::Style VisualStyle READ VisualStyle WRITE setVisualStyle NOTIFY VisualStyleChanged)
    /// Base colour of the header gradient.
    Q_PROPERTY(
        OLE_COLOR VisualColor READ VisualColor WRITE setVisualColor NOTIFY VisualColorChanged)
    /// Picture behind header rows in the Standard look.
    Q_PROPERTY(StdPicture HeaderBackPicture READ HeaderBackPicture WRITE setHeaderBackPicture NOTIFY
            HeaderBackPictureChanged)
    /// The control's one-pixel border.
    Q_PROPERTY(Tabulon::BorderS BorderStyle READ BorderStyle WRITE setBorderStyle NOTIFY
            BorderStyleChanged)
    /// Upper limit of the number editor.
    Q_PROPERTY(
        qint32 SpinMaxValue READ SpinMaxValue WRITE setSpinMaxValue NOTIFY SpinMaxValueChanged)

    /// Number of items (run time).
    Q_PROPERTY(qint32 ListCount READ ListCount)
    /// Number of selected items (run time).
    Q_PROPERTY(qint32 SelectedCount READ SelectedCount)
    /// The current item, -1 for none; error 380 outside -1 .. ListCount - 1.
    Q_PROPERTY(qint32 ListIndex READ ListIndex WRITE setListIndex NOTIFY ListIndexChanged USER true)
    /// The first visible item; error 380 outside 0 .. ListCount - visible rows.
    Q_PROPERTY(qint32 TopIndex READ TopIndex WRITE setTopIndex NOTIFY TopIndexChanged)
    /// The pending value of the number and browse editors; emptied when editors close.
    Q_PROPERTY(QString Tmp_Text READ Tmp_Text WRITE setTmp_Text NOTIFY Tmp_TextChanged)

public:
    /// An empty list; the host calls InitProperties or ReadProperties next.
    explicit ZelPropList(QWidget* parent = nullptr);
    ~ZelPropList() override;

    // --- items ---

    /// Appends an item; error 457 when \a Key is taken (case-insensitive).
    Q_INVOKABLE void AddItem(const QString& Key, const QString& Caption,
        Tabulon::PropertyStyle Style, const QString& Value, const QString& Description,
        const StdPicture& Icon = {}, bool Locked = false);
    /// Inserts a text item captioned \a Text before \a Index (0 .. ListCount, list not empty, else
    /// error 381). Its key is "InsertedItem#n", n counting up from 1 and skipping keys in use.
    Q_INVOKABLE void InsertItem(
        qint32 Index, const QVariant& Text, qint16 Icon = 0, qint16 IconSelected = 0);
    /// Sets the value of the item with \a Key. Numbers are stored as text, an empty value is not
    /// stored; false for an unknown key or a value that is not a number.
    Q_INVOKABLE bool ModifyItem(const QString& Key, const QVariant& Value);
    /// Removes the item with \a Key; error 5 when there is none.
    Q_INVOKABLE void RemoveItem(const QString& Key);
    /// Empties the list; no event.
    Q_INVOKABLE void Clear();
    /// The number of items.
    qint32 ListCount() const;
    /// The number of items whose selection flag is set (at most one after a ListIndex assignment).
    qint32 SelectedCount() const;
    /// The value text of item \a Index; error 381 outside 0 .. ListCount - 1.
    Q_INVOKABLE QString ItemText(qint32 Index) const;
    /// Sets the value text of item \a Index and repaints it; no event.
    Q_INVOKABLE void setItemText(qint32 Index, const QString& New_ItemText);
    /// The 16-bit handle number kept with item \a Index's icon (0 without an icon).
    Q_INVOKABLE qint16 ItemIcon(qint32 Index) const;
    /// Sets that number; error 5 when the item has no icon.
    Q_INVOKABLE void setItemIcon(qint32 Index, qint16 New_ItemIcon);
    /// The selection flag of item \a Index.
    Q_INVOKABLE bool ItemSelected(qint32 Index) const;
    /// True makes item \a Index current; false does nothing.
    Q_INVOKABLE void setItemSelected(qint32 Index, bool New_ItemSelected);
    /// Enables or disables the item with \a Key; an unknown key is ignored.
    Q_INVOKABLE void ItemStatus(const QString& Key, Tabulon::Itembehavior Status);
    /// The position of the item with \a Key (case-insensitive), -1 when there is none. With
    /// setItemText it sets values that ModifyItem does not take (text, colours, dates).
    Q_INVOKABLE qint32 ItemIndex(const QString& Key) const;
    /// A copy of item \a Index; error 381 outside 0 .. ListCount - 1.
    Q_INVOKABLE Tabulon::Item GetItem(qint32 Index) const;
    /// "FF8000" -> "255,128,0": six hex digits as decimal red, green, blue.
    Q_INVOKABLE QString HexToRGB(
        const QString& HexValue, const QString& delimiter = QStringLiteral(",")) const;
    /// An OLE_COLOR as plain 0x00BBGGRR; -1 when it names no colour.
    Q_INVOKABLE qint32 TranslateColor(OLE_COLOR Clr, qint32 hpal = 0) const;

    // --- whole control ---

    /// Repaints the visible rows (and re-reads a font object the host edited in place).
    Q_INVOKABLE void Refresh();
    /// Repaints the visible rows.
    Q_INVOKABLE void LockUpdate(bool Locked);
    /// Closes any open editor.
    Q_INVOKABLE void LoseProperty();
    /// Lays out the list and the description pane.
    Q_INVOKABLE void DescriptionResize();
    /// Does nothing; kept for hosts that call it.
    Q_INVOKABLE void RaiseFocus();
    /// Opens the editor of item \a Index over its value column, as a click on it does: closes
    /// any open editor, makes the item current, raises KeySelected, then fills and focuses the
    /// editor of its style (text box, number, browse or combo editor; the other styles open
    /// nothing). An index outside the items raises ErrorTracker(9); a value its editor cannot
    /// take (a number style holding text) raises ErrorTracker with the conversion's error.
    Q_INVOKABLE void ActivateStyle(qint32 Index);
    /// Opens the text box over the current row with its value selected (nothing without a
    /// current row).
    Q_INVOKABLE void StartEdit2();
    /// Closes the text box; \a Modify true stores its text as Enter does, false drops it.
    Q_INVOKABLE void EndEdit(bool Modify);
    /// Stores \a Value as the value of the row the editors commit to and raises ChangeItem;
    /// error 9 when no row is being edited.
    Q_INVOKABLE void UpdateChangeEvent(const QString& Value);
    /// Draws over the list until its next full repaint: a filled box when \a Filled is True, a line
    /// (end point excluded) when False, nothing for any other value.
    Q_INVOKABLE void DrawLine(
        qint32 X1, qint32 Y1, qint32 X2, qint32 Y2, OLE_COLOR Color, const QVariant& Filled);

    // --- properties ---

    /// \name Property accessors
    ///@{

    /// The getter or setter of the property of that name, documented with the property.
    bool Enabled() const;
    void setEnabled(bool New_Enabled);
    using QWidget::setFont;
    qint16 ScrollBarWidth() const;
    void setScrollBarWidth(qint16 New_ScrollBarWidth);
    StdFont Font() const;
    void setFont(const StdFont& New_Font);
    OLE_COLOR FontNormal() const;
    void setFontNormal(OLE_COLOR New_FontNormal);
    OLE_COLOR FontSelected() const;
    void setFontSelected(OLE_COLOR New_FontSelected);
    OLE_COLOR BackNormal() const;
    void setBackNormal(OLE_COLOR New_BackNormal);
    OLE_COLOR BackDisabled() const;
    void setBackDisabled(OLE_COLOR New_BackDisabled);
    OLE_COLOR BackSelected() const;
    void setBackSelected(OLE_COLOR New_BackSelected);
    OLE_COLOR BackSelectedG1() const;
    void setBackSelectedG1(OLE_COLOR New_BackSelectedG1);
    OLE_COLOR BackSelectedG2() const;
    void setBackSelectedG2(OLE_COLOR New_BackSelectedG2);
    OLE_COLOR BoxBorder() const;
    void setBoxBorder(OLE_COLOR New_BoxBorder);
    qint16 BoxOffset() const;
    void setBoxOffset(qint16 New_BoxOffset);
    qint16 BoxRadius() const;
    void setBoxRadius(qint16 New_BoxRadius);
    bool LockRedraw() const;
    void setLockRedraw(bool New_LockRedraw);
    bool Focus() const;
    void setFocus(bool New_Focus);
    using QWidget::setFocus;
    bool HoverSelection() const;
    void setHoverSelection(bool New_HoverSelection);
    bool WordWrap() const;
    void setWordWrap(bool New_WordWrap);
    qint16 ItemHeight() const;
    void setItemHeight(qint16 New_ItemHeight);
    bool ItemHeightAuto() const;
    void setItemHeightAuto(bool New_ItemHeightAuto);
    qint16 ItemOffset() const;
    void setItemOffset(qint16 New_ItemOffset);
    qint16 ItemTextLeft() const;
    void setItemTextLeft(qint16 New_ItemTextLeft);
    StdPicture SelectionPicture() const;
    void setSelectionPicture(const StdPicture& New_SelectionPicture);
    bool ShowMenu() const;
    void setShowMenu(bool New_ShowMenu);
    qint16 MousePointer() const;
    void setMousePointer(qint16 New_MousePointer);
    StdPicture MouseIcon() const;
    void setMouseIcon(const StdPicture& New_MouseIcon);
    Tabulon::GridLines ShowGridLines() const;
    void setShowGridLines(Tabulon::GridLines New_ShowGridLines);
    OLE_COLOR GridColor() const;
    void setGridColor(OLE_COLOR New_GridColor);
    qint32 ListColumWidth() const;
    void setListColumWidth(qint32 New_ListColumWidth);
    bool ShowDescription() const;
    void setShowDescription(bool New_ShowDescription);
    Tabulon::Style VisualStyle() const;
    void setVisualStyle(Tabulon::Style New_VisualStyle);
    OLE_COLOR VisualColor() const;
    void setVisualColor(OLE_COLOR New_VisualColor);
    StdPicture HeaderBackPicture() const;
    void setHeaderBackPicture(const StdPicture& New_HeaderBackPicture);
    Tabulon::BorderS BorderStyle() const;
    void setBorderStyle(Tabulon::BorderS New_BorderStyle);
    qint32 SpinMaxValue() const;
    void setSpinMaxValue(qint32 New_SpinMaxValue);

    qint32 ListIndex() const;
    void setListIndex(qint32 New_ListIndex);
    qint32 TopIndex() const;
    void setTopIndex(qint32 New_TopIndex);
    QString Tmp_Text() const;
    void setTmp_Text(const QString& New_Tmp_Text);
    ///@}

    /// Row height in pixels and whole visible rows of the current layout.
    int rowHeight() const;
    /// Whole rows that fit in the list area.
    int visibleRowCount() const;
    /// Height of the description pane in pixels (60 at start; the splitter changes it).
    int descriptionHeight() const;

    /// A new control on a form: the defaults and the ambient font.
    void InitProperties() override;
    /// Reads every persisted key (absent keys give their defaults); error 13 for a bad stored
    /// value leaves the control as it was. Leaves no current row.
    void ReadProperties(const PropertyBag& bag) override;
    /// Writes every persisted key whose value differs from its default.
    void WriteProperties(PropertyBag& bag) const override;

Q_SIGNALS:
    /// The list was clicked while a row is current.
    void Click();
    /// The list was double-clicked while a row is current.
    void DblClick();
    /// A key went down while the list itself has the focus (an open editor keeps its keys).
    void KeyDown(qint16 KeyCode, qint16 Shift);
    /// A character was typed while the list itself has the focus.
    void KeyPress(qint16 KeyAscii);
    /// A key went up while the list itself has the focus.
    void KeyUp(qint16 KeyCode, qint16 Shift);
    /// Raised after every ListIndex assignment.
    void ListIndexChange();
    /// A press on a row that is neither a header nor disabled (Button 1 left, 2 right, 4 middle;
    /// Shift 1 Shift, 2 Ctrl, 4 Alt; X, Y surface pixels).
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    /// The mouse moved over the list (not raised when it reached a header or disabled row).
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    /// A release on the list while a row is current.
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);
    /// The scroll bar moved.
    void Scroll();
    /// Raised after a TopIndex assignment.
    void TopIndexChange();
    /// The editor of the item with key \a Value is about to open.
    void KeySelected(const QString& Value);
    /// The browse editor's button was pressed: the host chooses a value for the item (\a Value
    /// is its current value) and writes it back with setItemText.
    void BrowseSelected(const QString& Value, const QString& Key);
    /// A combo item's editor opens: the host fills \a ComboItem in a direct connection. Entry i
    /// shows as "text - i"; choosing it stores "i", the text after the first "- ".
    void ComboAddItem(QStringList& ComboItem, QString& Key);
    /// A combo entry was chosen; \a Item is the value stored, before ChangeItem.
    void ComboChange(const QString& Item, const QString& Key);
    /// An editor stored \a Value as the value of the item with key \a Key.
    void ChangeItem(const QString& Value, const QString& Key);
    /// An error was absorbed while opening an editor (9: no such item; 13, 6: the value does not
    /// fit the number editor).
    void ErrorTracker(qint32 ErrNumber);

    /// \name Change notices
    ///@{

    /// Each property's signal is raised once when its value changes, by the
    /// host or by the user (ListIndex through a click, TopIndex through scrolling), and not when
    /// the value it holds is written again. They come beside the events above.
    void EnabledChanged(bool enabled);
    void ScrollBarWidthChanged(qint16 scrollBarWidth);
    void FontChanged(const StdFont& font);
    void FontNormalChanged(OLE_COLOR fontNormal);
    void FontSelectedChanged(OLE_COLOR fontSelected);
    void BackNormalChanged(OLE_COLOR backNormal);
    void BackDisabledChanged(OLE_COLOR backDisabled);
    void BackSelectedChanged(OLE_COLOR backSelected);
    void BackSelectedG1Changed(OLE_COLOR backSelectedG1);
    void BackSelectedG2Changed(OLE_COLOR backSelectedG2);
    void BoxBorderChanged(OLE_COLOR boxBorder);
    void BoxOffsetChanged(qint16 boxOffset);
    void BoxRadiusChanged(qint16 boxRadius);
    void LockRedrawChanged(bool lockRedraw);
    void FocusChanged(bool focus);
    void HoverSelectionChanged(bool hoverSelection);
    void WordWrapChanged(bool wordWrap);
    void ItemHeightChanged(qint16 itemHeight);
    void ItemHeightAutoChanged(bool itemHeightAuto);
    void ItemOffsetChanged(qint16 itemOffset);
    void ItemTextLeftChanged(qint16 itemTextLeft);
    void SelectionPictureChanged(const StdPicture& selectionPicture);
    void ShowMenuChanged(bool showMenu);
    void MousePointerChanged(qint16 mousePointer);
    void MouseIconChanged(const StdPicture& mouseIcon);
    void ShowGridLinesChanged(Tabulon::GridLines showGridLines);
    void GridColorChanged(OLE_COLOR gridColor);
    void ListColumWidthChanged(qint32 listColumWidth);
    void ShowDescriptionChanged(bool showDescription);
    void VisualStyleChanged(Tabulon::Style visualStyle);
    void VisualColorChanged(OLE_COLOR visualColor);
    void HeaderBackPictureChanged(const StdPicture& headerBackPicture);
    void BorderStyleChanged(Tabulon::BorderS borderStyle);
    void SpinMaxValueChanged(qint32 spinMaxValue);
    void ListIndexChanged(qint32 listIndex);
    void TopIndexChanged(qint32 topIndex);
    void Tmp_TextChanged(const QString& tmp_Text);
    ///@}

protected:
    /// \name Event handlers
    ///@{

    /// Reimplemented from QWidget: lay out on resize and font or palette change, paint
    /// the rows, move through them with the keys, and follow the focus.
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    ///@}

private:
    friend class ZelPropListPrivate;
    std::unique_ptr<ZelPropListPrivate> const d;
    Q_DISABLE_COPY(ZelPropList)
};
