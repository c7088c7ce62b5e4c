#pragma once

#include "PropItem.h"

#include <QDate>
#include <QObject>
#include <QRect>
#include <QString>
#include <array>
#include <common/OleColor.h>

class QFocusEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;
class StdFont;
class ZelPropListPrivate;

namespace Tabulon {

class ColorSelector;
class Zel_BrowseButton;
class Zel_ComboButton;
class Zel_DropCalendar;
class Zel_SpinButton;

/// The in-place editors of the property list and the flow around them: an
/// editor is filled from its item and shown over the value column; what it
/// hands back is stored as the item's value and raised as ChangeItem; it
/// closes on Enter, Escape, focus loss or whenever the list closes editors.
/// Dates are stored in the locale's short date format, colours as "#RRGGBB".
/// Tab and Shift+Tab in an open editor commit and move to the next or the
/// previous editable row.
class PropListEditors : public QObject
{
public:
    PropListEditors(ZelPropListPrivate* owner, QWidget* surface);
    ~PropListEditors() override;

    /// Whether an item of \a style opens an editor here.
    static bool opensEditor(PropertyStyle style);

    /// Fills the editor of item \a row's style, places it at \a where and focuses it; with
    /// \a dropDown a drop-down editor also opens its list. Throws RuntimeError when the item's
    /// value does not fit its editor.
    void open(int row, const QRect& where, bool dropDown);
    /// Hides every open editor (without committing) and empties the pending value. Focus held
    /// by an editor goes back to the list.
    void closeAll();
    /// Hides the text box as losing focus does, when it shows.
    void closeTextBox();
    /// Opens the text box on the current row (the host's StartEdit2).
    void startTextEdit();
    /// Closes the text box; \a commit stores its text first, as Enter does.
    void endTextEdit(bool commit);
    /// The editor that shows now, or null.
    QWidget* openEditor() const;
    /// Gives the editors the list font.
    void applyFont(const StdFont& font);
    /// Resolves the text box's colours again, after the palette the system colours come from
    /// changed; the other editors follow the palette themselves.
    void applyPalette();

    QLineEdit* textBox() const { return m_textBox; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Every editor, in the order closing hides them.
    std::array<QWidget*, 6> editors() const;
    void watch(QWidget* widget);
    QWidget* editorOf(QObject* watched) const;
    void placeEditor(QWidget* editor, const QRect& where);
    void placeTextBox(const QRect& where);
    void setTextBoxColors(OLE_COLOR text, OLE_COLOR back);
    void openCombo(const Item& item, const QRect& where, bool dropDown);
    void openCalendar(const Item& item, const QRect& where, bool dropDown);
    void openColor(const Item& item, const QRect& where, bool dropDown);

    bool editorKey(QWidget* editor, QKeyEvent* event);
    void editorFocusLost(QWidget* editor, const QFocusEvent* event);
    void commitForMove();
    void moveEditor(int direction);

    void spinValueUpdate(qint32 value);
    void spinKeyDown(qint16 keyCode);
    void comboChosen(const QString& text);
    void browseRequested();
    void dateChosen(const QDate& date);

    ZelPropListPrivate* const d;
    QLineEdit* m_textBox; // txtEdit
    Zel_SpinButton* m_spin; // Zel_SpinButton1
    Zel_ComboButton* m_combo; // Zel_ComboButton1
    Zel_BrowseButton* m_browse; // Zel_BrowseButton1
    Zel_DropCalendar* m_calendar; // Zel_DropCalendar1
    ColorSelector* m_color; // ColorSelector1
    bool m_spinCommitted = false;
    // The text box's colours as the list holds them (system colours unresolved).
    OLE_COLOR m_textBoxText = 0;
    OLE_COLOR m_textBoxBack = 0xFFFFFF;
};

} // namespace Tabulon
