#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariant>
#include <common/OleColor.h>
#include <common/StdPicture.h>
#include <common/UserControl.h>
#include <glyphon/glyphon_export.h>
#include <memory>

/// One coloured piece of a code row.
struct CodeToken
{
    /// The exact characters drawn, spaces included.
    QString Text;
    /// What the piece is (Zel_CodeBox::TokenKind); chooses colour and font style.
    qint32 Kind = 0;
    /// Where the piece is drawn: its line, relative to the row's top.
    qint16 y = 0;
    /// Where the piece is drawn: from the surface's left edge.
    qint16 x = 0;
    /// Wrap offset (kept for the record layout; always 0).
    qint16 Offset = 0;
};

/// A row of the code box, as the host sees it.
struct CodeRow
{
    /// The row's position, from 0.
    qint32 Index = 0;
    /// The text as stored (entities normalised for code rows).
    QString Value;
    /// The row's key, unique without regard to letter case.
    QString Key;
    /// Zel_CodeBox::AddMode.
    qint32 AddType = 0;
    /// The number shown in the gutter (code rows only; 0 for bars).
    qint32 LineNumber = 0;
    /// Height in pixels at the current text width.
    qint32 Height = 0;
    /// True for rows added as Shadowed.
    bool Shadowed = false;
    /// The category given to AddText; empty when none.
    QString Category;
    /// The coloured pieces of a code row, laid out at the current text width.
    QList<CodeToken> Tokens;
    /// Set by LineLock: the gutter shows the lock picture.
    bool Locked = false;
    /// Set when a row was unlocked.
    bool Dirty = false;
};

Q_DECLARE_METATYPE(CodeToken)
Q_DECLARE_METATYPE(CodeRow)

class Zel_CodeBoxPrivate;

/// A list of keyed text rows, grouped by category, that shows markup source
/// with coloured element names, attribute names and values, comments and
/// entities, a line-number gutter, header bars and row selection.
///
/// Fill it with AddText (AutoRender off while loading, then on), find rows
/// again by key (compared without regard to letter case), and listen to
/// ReturnKey for the row the user chose.
class GLYPHON_EXPORT Zel_CodeBox : public UserControl
{
    Q_OBJECT
    /// The current row; -1 for none. Out-of-range values raise error 380.
    Q_PROPERTY(qint32 ListIndex READ ListIndex WRITE setListIndex NOTIFY ListIndexChanged USER true)
    /// Whether the current row keeps its selection look when the box loses focus.
    Q_PROPERTY(bool KeepFocus READ KeepFocus WRITE setKeepFocus NOTIFY KeepFocusChanged)
    /// Colour of comment words, and of every token of a Shadowed row.
    Q_PROPERTY(
        OLE_COLOR ColorComment READ ColorComment WRITE setColorComment NOTIFY ColorCommentChanged)
    /// Colour of element names and tag tails (drawn bold).
    Q_PROPERTY(OLE_COLOR ColorElementName READ ColorElementName WRITE setColorElementName NOTIFY
            ColorElementNameChanged)
    /// Colour of attribute names with their "=".
    Q_PROPERTY(OLE_COLOR ColorAttributeName READ ColorAttributeName WRITE setColorAttributeName
            NOTIFY ColorAttributeNameChanged)
    /// Colour of attribute values (drawn bold).
    Q_PROPERTY(OLE_COLOR ColorAttributeValue READ ColorAttributeValue WRITE setColorAttributeValue
            NOTIFY ColorAttributeValueChanged)
    /// Drawn in the gutter of locked rows.
    Q_PROPERTY(
        StdPicture LockPicture READ LockPicture WRITE setLockPicture NOTIFY LockPictureChanged)
    /// Base colour of the gutter.
    Q_PROPERTY(
        OLE_COLOR GutterColor READ GutterColor WRITE setGutterColor NOTIFY GutterColorChanged)
    /// True: the gutter is a gradient of GutterColor; false: flat with a black edge.
    Q_PROPERTY(bool VisualStyle READ VisualStyle WRITE setVisualStyle NOTIFY VisualStyleChanged)
    /// Colour of the line numbers.
    Q_PROPERTY(OLE_COLOR GutterFontColor READ GutterFontColor WRITE setGutterFontColor NOTIFY
            GutterFontColorChanged)
    /// Fill of the selection box.
    Q_PROPERTY(OLE_COLOR SelectBGColor READ SelectBGColor WRITE setSelectBGColor NOTIFY
            SelectBGColorChanged)
    /// Look of the selection (SelectMode).
    Q_PROPERTY(SelectMode CodeStyle READ CodeStyle WRITE setCodeStyle NOTIFY CodeStyleChanged)
    /// False while loading: code rows are not coloured or measured. Setting it true refreshes.
    Q_PROPERTY(bool AutoRender READ AutoRender WRITE setAutoRender NOTIFY AutoRenderChanged)
    /// NoBorder or Border; other values are ignored.
    Q_PROPERTY(
        EnumBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle NOTIFY BorderStyleChanged)
    /// Whether the gutter shows line numbers.
    Q_PROPERTY(bool Show_Number READ Show_Number WRITE setShow_Number NOTIFY Show_NumberChanged)
    /// Host variable kept for hosts that use it; the box does not read it.
    Q_PROPERTY(qint32 Line_Y READ Line_Y WRITE setLine_Y NOTIFY Line_YChanged)
    /// Host variable kept for hosts that use it; the box does not read it.
    Q_PROPERTY(qint32 List_AreaHeight READ List_AreaHeight WRITE setList_AreaHeight NOTIFY
            List_AreaHeightChanged)
    /// The value behind AutoRender.
    Q_PROPERTY(
        bool RenderControl READ RenderControl WRITE setRenderControl NOTIFY RenderControlChanged)
    /// True when the rows from the first visible one on reach the bottom edge.
    Q_PROPERTY(bool Scroll_Visible READ Scroll_Visible)
    /// Rows added minus rows erased; Clear leaves it as it was.
    Q_PROPERTY(qint32 Count_TotalLines READ Count_TotalLines WRITE setCount_TotalLines NOTIFY
            Count_TotalLinesChanged)
    /// True (the default): AddText stores code rows with common named entities made numeric,
    /// tabs and CR LF pairs made spaces and space runs shrunk. False: rows are stored and
    /// shown character for character as added. Rows already added keep their text.
    Q_PROPERTY(bool NormalizeEntities READ NormalizeEntities WRITE setNormalizeEntities NOTIFY
            NormalizeEntitiesChanged)
    /// The first visible row (the scroll bar's value); rows scroll whole.
    Q_PROPERTY(qint32 TopIndex READ TopIndex WRITE setTopIndex NOTIFY TopIndexChanged)
    /// The drawing surface's inner height in pixels.
    Q_PROPERTY(qint32 AreaTextHeight READ AreaTextHeight)
    /// The drawing surface's inner width in pixels.
    Q_PROPERTY(qint32 AreaTextWidth READ AreaTextWidth)

public:
    /// What kind of row AddText adds.
    enum AddMode : qint32 { App_Code = 0, Header = 1, Shadowed = 2, app_HiddenText = 3 };
    Q_ENUM(AddMode)
    /// What a token is; chooses its colour and font style.
    enum TokenKind : qint32 {
        AttributeName = 1,
        AttributeValue = 2,
        Text = 3,
        ElementStart = 4,
        ElementTag = 5,
        SourceValue = 6,
        ShadowedText = 7,
        CommentWord = 8,
    };
    Q_ENUM(TokenKind)
    /// Look of the selected row.
    enum SelectMode : qint32 { FullSelection = 0, TopStyleSelection = 1, QuorvelStyle = 2 };
    Q_ENUM(SelectMode)
    /// A sunken two-pixel frame, or none.
    enum EnumBorderStyle : qint32 { NoBorder = 0, Border = 1 };
    Q_ENUM(EnumBorderStyle)

    /// An empty box: no rows, AutoRender off, the gutter black and flat.
    explicit Zel_CodeBox(QWidget* parent = nullptr);
    /// Releases the rows and the gutter pattern.
    ~Zel_CodeBox() override;

    // --- rows ------------------------------------------------------------

    /// Adds a row. A key that is empty or already used (any letter case)
    /// raises Error(1) and adds nothing. A row whose category exists goes
    /// behind the first run of rows of that category; others are appended.
    /// Code rows (App_Code, Shadowed) get their entities normalised and a line number.
    Q_INVOKABLE void AddText(const QString& Value, const QString& Key, const QString& category,
        const StdPicture& Picture = StdPicture(), AddMode AddType = App_Code);
    /// Replaces the text of the row with \a Key as passed (not normalised). Unknown keys change
    /// nothing.
    Q_INVOKABLE void ChangeRow(
        const QString& Key, const QString& Value, const StdPicture& Picture = StdPicture());
    /// Replaces the text of the row at \a index by the text form of \a Text
    /// (unless absent or 0). Error 381 for an index that is no row.
    Q_INVOKABLE void ModifyItem(
        qint32 index, const QVariant& Text = QVariant(), qint16 Icon = 0, qint16 IconSelected = 0);
    /// The stored text of the row at \a RowIndex; error 9 outside the rows.
    Q_INVOKABLE QString ExtractRow(qint32 RowIndex) const;
    /// The stored text (a string) of the row at \a index; error 9 outside the rows.
    Q_INVOKABLE QVariant ItemValue(qint32 index) const;
    /// The key of the row at \a index; error 9 outside the rows.
    Q_INVOKABLE QVariant ItemKey(qint32 index) const;
    /// The highest row index: the number of rows minus 1 (-1 when empty).
    Q_INVOKABLE QVariant Count() const;
    /// True when no row has \a KeyName (any letter case) and it is not empty.
    Q_INVOKABLE bool CheckKeyOK(const QString& KeyName) const;
    /// The index of the row with \a KeyName (any letter case); -1 when none.
    /// (Overloads the ReturnKey event.)
    Q_INVOKABLE qint32 ReturnKey(const QString& KeyName) const;
    /// Renames a row; raises Error(1) when \a NewKeyName is empty or in use.
    Q_INVOKABLE void ChangeKey(const QString& OldKeyName, const QString& NewKeyName);
    /// Removes the row with \a Key, as EraseRow does.
    Q_INVOKABLE void DeleteRow(const QString& Key);
    /// Removes every row with \a Key; line numbers run on without gaps.
    Q_INVOKABLE void EraseRow(const QString& Key);
    /// True when some row (or the empty spare slot, for "") has \a category.
    Q_INVOKABLE bool CategoryExist(const QString& category) const;
    /// Removes every row; line numbers restart at 1, Count_TotalLines is kept.
    Q_INVOKABLE void Clear();
    /// The upper-cased element name of a tag text ("<a href=x>" gives "A").
    Q_INVOKABLE static QString mstrTagID(const QString& strTag);
    /// The whole record of the row at \a index, tokens laid out at the current
    /// width; error 9 outside the rows.
    Q_INVOKABLE CodeRow Row(qint32 index) const;

    // --- selection and locking ------------------------------------------

    /// Puts the current row's text, as stored, on the clipboard (Ctrl+C on the box does the
    /// same); with no current row the clipboard is left alone.
    Q_INVOKABLE void Copy() const;
    /// Makes the row with \a Key current; with \a StartEvents raises ReturnKey.
    /// Error 9 for an unknown key.
    Q_INVOKABLE void SelectItem(const QString& Key, bool StartEvents = false);
    /// Locks or unlocks the row with \a Key (its gutter shows LockPicture);
    /// error 9 for an unknown key. \a RefreshScreen repaints at once.
    Q_INVOKABLE void LineLock(const QString& Key, bool Locked, bool RefreshScreen = false);
    /// One pixel below the top of row \a NewListItem, counted from the first
    /// visible row; 0 when it lies below the surface.
    Q_INVOKABLE qint32 Calculate_MouseY(qint32 NewListItem) const;

    // --- drawing and scrolling -------------------------------------------

    /// Draws a line over the rows, without its end point, as LineTo does; it goes when the
    /// rows are next repainted for a change.
    Q_INVOKABLE void DrawLine(qint32 X1, qint32 Y1, qint32 X2, qint32 Y2, OLE_COLOR Color);
    /// Draws a line on the gutter strip and tiles the gutter with it again.
    Q_INVOKABLE void DrawXPGutter(qint32 X1, qint32 Y1, qint32 X2, qint32 Y2, OLE_COLOR Color);
    /// RGB of \a clr (system colours resolved); -1 when it names no colour.
    Q_INVOKABLE static qint32 TranslateColor(OLE_COLOR clr, qint32 hPal = 0);
    /// Tiles the whole gutter again.
    Q_INVOKABLE void Update_Component();
    /// Draws the line numbers of the visible rows again.
    Q_INVOKABLE void Update_LineNumber();
    /// Recomputes the scroll range from the row heights.
    Q_INVOKABLE void Update_ScrollMax();
    /// Recomputes how many rows fit from the first visible one on (and Scroll_Visible).
    Q_INVOKABLE void CheckVisibleRows();
    /// The pixel distance of the first visible row from the top of the list
    /// (measures every row above it).
    Q_INVOKABLE qint32 Calculate_ScrollerValue() const;
    /// Shows or hides the scroll bar as the rows need.
    Q_INVOKABLE void NEW_ProsessScrollbar();
    /// Lays out, updates the scroll bar and repaints at once.
    Q_INVOKABLE void Refresh();

    /// The first visible row (the scroll bar's value).
    qint32 TopIndex() const;
    /// Scrolls so that row \a New_TopIndex is the first visible one.
    void setTopIndex(qint32 New_TopIndex);
    /// How many rows from the first visible one on end above the bottom edge (Page Up and
    /// Page Down move by it).
    qint32 VisibleRowSpan() const;

    // --- properties ---------------------------------------------------------

    /// \name Property accessors
    ///@{

    /// The getter or setter of the property of that name, documented with the property.
    qint32 ListIndex() const;
    void setListIndex(qint32 New_ListIndex);
    bool KeepFocus() const;
    void setKeepFocus(bool New_KeepFocus);
    OLE_COLOR ColorComment() const;
    void setColorComment(OLE_COLOR New_ColorComment);
    OLE_COLOR ColorElementName() const;
    void setColorElementName(OLE_COLOR New_ColorElementName);
    OLE_COLOR ColorAttributeName() const;
    void setColorAttributeName(OLE_COLOR New_ColorAttributeName);
    OLE_COLOR ColorAttributeValue() const;
    void setColorAttributeValue(OLE_COLOR New_ColorAttributeValue);
    StdPicture LockPicture() const;
    void setLockPicture(const StdPicture& New_LockPicture);
    OLE_COLOR GutterColor() const;
    void setGutterColor(OLE_COLOR New_GutterColor);
    bool VisualStyle() const;
    void setVisualStyle(bool New_VisualStyle);
    OLE_COLOR GutterFontColor() const;
    void setGutterFontColor(OLE_COLOR New_GutterFontColor);
    OLE_COLOR SelectBGColor() const;
    void setSelectBGColor(OLE_COLOR New_SelectBGColor);
    SelectMode CodeStyle() const;
    void setCodeStyle(SelectMode New_CodeStyle);
    bool AutoRender() const;
    void setAutoRender(bool New_AutoRender);
    EnumBorderStyle BorderStyle() const;
    void setBorderStyle(qint32 New_BorderStyle);
    bool Show_Number() const;
    void setShow_Number(bool New_Show_Number);
    qint32 Line_Y() const;
    void setLine_Y(qint32 New_Line_Y);
    qint32 List_AreaHeight() const;
    void setList_AreaHeight(qint32 New_List_AreaHeight);
    bool RenderControl() const;
    void setRenderControl(bool New_RenderControl);
    bool Scroll_Visible() const;
    qint32 Count_TotalLines() const;
    void setCount_TotalLines(qint32 New_Count_TotalLines);
    qint32 AreaTextHeight() const;
    qint32 AreaTextWidth() const;
    bool NormalizeEntities() const;
    void setNormalizeEntities(bool New_NormalizeEntities);
    ///@}

    /// 320 x 240 pixels.
    QSize sizeHint() const override;
    /// The gutter, a little text and the scroll bar, three lines high.
    QSize minimumSizeHint() const override;

    /// The values of a freshly placed box (KeepFocus on, every colour 0, no lock picture).
    void InitProperties() override;
    /// Reads the stored properties (the nine of the box and NormalizeEntities); a damaged one
    /// keeps its value and is reported after the others are read.
    void ReadProperties(const PropertyBag& bag) override;
    /// Writes the stored properties under their names.
    void WriteProperties(PropertyBag& bag) const override;

Q_SIGNALS:
    /// The surface was clicked while there is a current row.
    void Click();
    /// Declared for hosts; the row double click is RowDblClick.
    void DblClick();
    /// A mouse press (the row under the pointer is already current, except for the right button).
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    /// The pointer moved over the surface.
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    /// A mouse release while there is a current row; ItemMouseUp follows.
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);
    /// Right after MouseUp: the current row's index, key and category.
    void ItemMouseUp(qint16 Button, qint32 index, const QString& Key, const QString& category);
    /// A row was chosen by mouse or keys, or by SelectItem with StartEvents.
    void ReturnKey(const QString& Key, const QString& category);
    /// A double click while there is a current row; ExtractKey follows.
    void RowDblClick(qint32 RowIndex);
    /// Right after RowDblClick: the current row's key and category.
    void ExtractKey(const QString& Key, const QString& category);
    /// An added or renamed key is empty or in use (Code 1).
    void Error(qint32 Code);
    /// Key presses on the surface, before the box handles them.
    void KeyDown(qint16 KeyCode, qint16 Shift);
    /// The character of a key press on the surface.
    void KeyPress(qint16 KeyAscii);
    /// A key released on the surface.
    void KeyUp(qint16 KeyCode, qint16 Shift);
    /// ListIndex changed.
    void ListIndexChange();
    /// The list was scrolled (by the scroll bar, the wheel or a key).
    void Scroll();
    /// The first visible row changed.
    void TopIndexChange();
    /// NormalizeEntities was set to another value.
    void NormalizeEntitiesChanged(bool normalize);

    /// \name Change notices
    ///@{

    /// Each property's signal is raised once when its value changes, by the
    /// host or by the user (ListIndex through a click or a key, TopIndex through scrolling),
    /// and not when the value it holds is written again. They come beside the events above.
    void ListIndexChanged(qint32 listIndex);
    void KeepFocusChanged(bool keepFocus);
    void ColorCommentChanged(OLE_COLOR colorComment);
    void ColorElementNameChanged(OLE_COLOR colorElementName);
    void ColorAttributeNameChanged(OLE_COLOR colorAttributeName);
    void ColorAttributeValueChanged(OLE_COLOR colorAttributeValue);
    void LockPictureChanged(const StdPicture& lockPicture);
    void GutterColorChanged(OLE_COLOR gutterColor);
    void VisualStyleChanged(bool visualStyle);
    void GutterFontColorChanged(OLE_COLOR gutterFontColor);
    void SelectBGColorChanged(OLE_COLOR selectBGColor);
    void CodeStyleChanged(SelectMode codeStyle);
    void AutoRenderChanged(bool autoRender);
    void BorderStyleChanged(EnumBorderStyle borderStyle);
    void Show_NumberChanged(bool show_Number);
    void Line_YChanged(qint32 line_Y);
    void List_AreaHeightChanged(qint32 list_AreaHeight);
    void RenderControlChanged(bool renderControl);
    void Count_TotalLinesChanged(qint32 count_TotalLines);
    void TopIndexChanged(qint32 topIndex);
    ///@}

protected:
    /// \name Event handlers
    ///@{

    /// Reimplemented from QWidget: posted layout requests, layout on resize, and painting
    /// of the visible rows.
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    ///@}

private:
    friend class Zel_CodeBoxPrivate;
    std::unique_ptr<Zel_CodeBoxPrivate> const d;
    Q_DISABLE_COPY(Zel_CodeBox)
};
