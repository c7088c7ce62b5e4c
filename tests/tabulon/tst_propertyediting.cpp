#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <TestSupport.h>
#include <common/Dialogs.h>
#include <common/HostConvert.h>
#include <common/PictureBox.h>
#include <functional>
#include <tabulon/ZelPropList.h>
#include <tabulon/calendar/Zel_DropCalendar.h>
#include <tabulon/calendar/clsCalendar.h>
#include <tabulon/colorselector/ColorPopup.h>
#include <tabulon/colorselector/ColorSelector.h>
#include <tabulon/editors/Zel_BrowseButton.h>
#include <tabulon/editors/Zel_ComboButton.h>
#include <tabulon/editors/Zel_SpinButton.h>

using namespace Tabulon;

namespace {

/// A shown window holding a list 300 x 130 (6 rows of 20 pixels, no description pane, no
/// border) and a second widget to move the focus to.
struct Form
{
    QWidget window;
    ZelPropList* list;
    QLineEdit* other;

    Form()
        : list(new ZelPropList(&window))
        , other(new QLineEdit(&window))
    {
        list->setBorderStyle(BorderS::NoBorder);
        list->setShowDescription(false);
        list->setGeometry(0, 0, 300, 130);
        other->setGeometry(0, 140, 100, 20);
        window.resize(320, 180);
    }

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }

    QWidget* surface() const { return list->findChild<QWidget*>(QStringLiteral("iUC")); }
    QLineEdit* textBox() const { return list->findChild<QLineEdit*>(QStringLiteral("txtEdit")); }
    Zel_SpinButton* spin() const
    {
        return list->findChild<Zel_SpinButton*>(QStringLiteral("Zel_SpinButton1"));
    }
    Zel_ComboButton* combo() const
    {
        return list->findChild<Zel_ComboButton*>(QStringLiteral("Zel_ComboButton1"));
    }
    Zel_BrowseButton* browse() const
    {
        return list->findChild<Zel_BrowseButton*>(QStringLiteral("Zel_BrowseButton1"));
    }

    Zel_DropCalendar* calendar() const
    {
        return list->findChild<Zel_DropCalendar*>(QStringLiteral("Zel_DropCalendar1"));
    }
    ColorSelector* color() const
    {
        return list->findChild<ColorSelector*>(QStringLiteral("ColorSelector1"));
    }

    void click(int visibleRow) const
    {
        QTest::mouseClick(surface(), Qt::LeftButton, {},
            QPoint(50, visibleRow * list->rowHeight() + list->rowHeight() / 2));
    }
};

/// Items of every edited style: 0 text, 1 number, 2 combo, 3 browse, 4 header, 5 disabled
/// text, 6 boolean, 7 text.
void addMixedRows(ZelPropList& list)
{
    list.AddItem(QStringLiteral("name"), QStringLiteral("Name"), propString,
        QStringLiteral("alpha"), QString());
    list.AddItem(QStringLiteral("width"), QStringLiteral("Width"), propNumber, QStringLiteral("12"),
        QString());
    list.AddItem(QStringLiteral("shape"), QStringLiteral("Shape"), propcombo, QStringLiteral("0"),
        QString());
    list.AddItem(QStringLiteral("file"), QStringLiteral("File"), propBrowse,
        QStringLiteral("a.png"), QString());
    list.AddItem(
        QStringLiteral("group"), QStringLiteral("Group"), propHeader, QString(), QString());
    list.AddItem(QStringLiteral("locked"), QStringLiteral("Locked"), propString,
        QStringLiteral("x"), QString());
    list.ItemStatus(QStringLiteral("locked"), ItemDisabled);
    list.AddItem(QStringLiteral("flag"), QStringLiteral("Flag"), propBoolean,
        QStringLiteral("True"), QString());
    list.AddItem(QStringLiteral("title"), QStringLiteral("Title"), propString,
        QStringLiteral("omega"), QString());
}

/// Records the list's editing events as text, in the order they come.
struct EventLog
{
    QStringList events;

    explicit EventLog(ZelPropList* list)
    {
        QObject::connect(list, &ZelPropList::KeySelected, list,
            [this](const QString& key) { events << QStringLiteral("KeySelected ") + key; });
        QObject::connect(
            list, &ZelPropList::ChangeItem, list, [this](const QString& value, const QString& key) {
                events << QStringLiteral("ChangeItem %1 %2").arg(value, key);
            });
        QObject::connect(
            list, &ZelPropList::ComboChange, list, [this](const QString& item, const QString& key) {
                events << QStringLiteral("ComboChange %1 %2").arg(item, key);
            });
        QObject::connect(list, &ZelPropList::BrowseSelected, list,
            [this](const QString& value, const QString& key) {
                events << QStringLiteral("BrowseSelected %1 %2").arg(value, key);
            });
        QObject::connect(list, &ZelPropList::ErrorTracker, list,
            [this](qint32 number) { events << QStringLiteral("ErrorTracker %1").arg(number); });
        QObject::connect(list, &ZelPropList::MouseUp, list,
            [this](qint16, qint16, float, float) { events << QStringLiteral("MouseUp"); });
    }
};

/// Items of the drop-down styles: 0 date, 1 colour, 2 text.
void addDropDownRows(ZelPropList& list, const QString& date, const QString& color)
{
    list.AddItem(QStringLiteral("born"), QStringLiteral("Born"), propcalendar, date, QString());
    list.AddItem(QStringLiteral("ink"), QStringLiteral("Ink"), propColor, color, QString());
    list.AddItem(QStringLiteral("note"), QStringLiteral("Note"), propString, QString(), QString());
}

/// Presses and releases on calendar cell \a position of an open date editor's popup.
void clickDay(Zel_DropCalendar* editor, int position)
{
    auto* popup = editor->findChild<PictureBox*>(QStringLiteral("picPopup"));
    QTest::mouseClick(popup, Qt::LeftButton, {}, clsCalendar::cellRect(position).center());
}

/// Clicks \a cell of an open colour editor's popup.
void clickColorCell(ColorSelector* editor, int cell)
{
    auto* popup = editor->findChild<ColorPopup*>(QStringLiteral("picPopup"));
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->cellLayout().cellRect(cell).center());
}

} // namespace

class TestPropertyEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Zel::setMessageBoxHook([](const QString&, int, const QString&) { return int(Zel::vbOK); });
    }

    // --- opening ---

    void clickOpensTheStyleEditorInPlace()
    {
        Form form;
        addMixedRows(*form.list);
        QVERIFY(form.show());
        EventLog log(form.list);

        form.click(0);
        QCOMPARE(log.events,
            QStringList({ QStringLiteral("KeySelected name"), QStringLiteral("MouseUp") }));
        QLineEdit* box = form.textBox();
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), QStringLiteral("alpha"));
        QCOMPARE(box->cursorPosition(), 5);
        QVERIFY(box->hasFocus());
        // Two pixels into the value column (ListColumWidth + 1), up to the list's right edge.
        QCOMPARE(box->x(), 103);
        QCOMPARE(box->geometry().right(), 286); // the scroll bar shows

        form.click(1);
        QVERIFY(!box->isVisible());
        QVERIFY(form.spin()->isVisible());
        QCOMPARE(form.spin()->geometry(), QRect(101, 21, 186, 19));
        QCOMPARE(form.spin()->Value(), 12);

        form.click(3);
        QVERIFY(!form.spin()->isVisible());
        QVERIFY(form.browse()->isVisible());
        QCOMPARE(form.browse()->text(), QStringLiteral("a.png"));

        // A row of a style without an editor raises KeySelected and opens nothing.
        form.list->ActivateStyle(6);
        QVERIFY(!form.browse()->isVisible());
        QCOMPARE(log.events.last(), QStringLiteral("KeySelected flag"));
        QCOMPARE(form.list->ListIndex(), 6);
    }

    void editorOfAnIconItemStartsAfterTheIcon()
    {
        Form form;
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::red);
        form.list->AddItem(QStringLiteral("n"), QStringLiteral("N"), propNumber,
            QStringLiteral("1"), QString(), StdPicture(image));
        QVERIFY(form.show());
        form.click(0);
        QCOMPARE(form.spin()->x(), 120);
    }

    void activateStyleOutsideTheItemsRaisesErrorTracker()
    {
        Form form;
        addMixedRows(*form.list);
        EventLog log(form.list);
        form.list->ActivateStyle(8);
        form.list->ActivateStyle(-1);
        QCOMPARE(log.events,
            QStringList({ QStringLiteral("ErrorTracker 9"), QStringLiteral("ErrorTracker 9") }));
    }

    void aNumberThatIsNoNumberIsReportedAndOpensNothing()
    {
        Form form;
        form.list->AddItem(
            QStringLiteral("n"), QStringLiteral("N"), propNumber, QStringLiteral("abc"), QString());
        form.list->AddItem(
            QStringLiteral("e"), QStringLiteral("E"), propNumber, QString(), QString());
        QVERIFY(form.show());
        EventLog log(form.list);
        form.click(0);
        QCOMPARE(log.events.mid(0, 2),
            QStringList({ QStringLiteral("KeySelected n"), QStringLiteral("ErrorTracker 13") }));
        QVERIFY(!form.spin()->isVisible());
        // The list stays usable; an empty number opens at 0.
        form.click(1);
        QVERIFY(form.spin()->isVisible());
        QCOMPARE(form.spin()->Value(), 0);
    }

    void activateStyleMakesTheItemCurrentAndCommitsToIt()
    {
        Form form;
        addMixedRows(*form.list);
        QVERIFY(form.show());
        EventLog log(form.list);
        form.list->setListIndex(0);
        form.list->ActivateStyle(7);
        QCOMPARE(form.list->ListIndex(), 7);
        QLineEdit* box = form.textBox();
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), QStringLiteral("omega"));
        // Row 7 is below the six visible rows: the list scrolled so the editor sits on it.
        QCOMPARE(form.list->TopIndex(), 2);
        QCOMPARE(box->y() / form.list->rowHeight(), 5);
        box->setText(QStringLiteral("changed"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(form.list->ItemText(7), QStringLiteral("changed"));
        QCOMPARE(form.list->ItemText(0), QStringLiteral("alpha"));
        QCOMPARE(log.events.last(), QStringLiteral("ChangeItem changed title"));
    }

    // --- the text box ---

    void textBoxEnterCommitsEscapeAndFocusLossDoNot()
    {
        Form form;
        addMixedRows(*form.list);
        QVERIFY(form.show());
        EventLog log(form.list);
        QLineEdit* box = form.textBox();

        form.click(0);
        QTest::keyClicks(box, QStringLiteral("-beta"));
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(!box->isVisible());
        QCOMPARE(form.list->ItemText(0), QStringLiteral("alpha"));
        QVERIFY(form.list->hasFocus());

        form.click(0);
        QTest::keyClicks(box, QStringLiteral("-gamma"));
        form.other->setFocus(Qt::MouseFocusReason);
        QVERIFY(!box->isVisible());
        QCOMPARE(form.list->ItemText(0), QStringLiteral("alpha"));
        QVERIFY(!log.events.join(u'|').contains(QStringLiteral("ChangeItem")));

        form.click(0);
        QTest::keyClicks(box, QStringLiteral("-delta"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!box->isVisible());
        QCOMPARE(form.list->ItemText(0), QStringLiteral("alpha-delta"));
        QCOMPARE(log.events.last(), QStringLiteral("ChangeItem alpha-delta name"));
    }

    void startEdit2AndEndEdit()
    {
        Form form;
        addMixedRows(*form.list);
        QVERIFY(form.show());
        EventLog log(form.list);
        form.list->StartEdit2(); // no current row: nothing
        QVERIFY(!form.textBox()->isVisible());

        form.list->setListIndex(1);
        form.list->StartEdit2();
        QLineEdit* box = form.textBox();
        QVERIFY(box->isVisible());
        QCOMPARE(box->selectedText(), QStringLiteral("12"));
        QCOMPARE(box->geometry().topLeft(), QPoint(100, 20));
        form.list->EndEdit(false);
        QVERIFY(!box->isVisible());
        QVERIFY(log.events.isEmpty());

        form.list->StartEdit2();
        box->setText(QStringLiteral("99"));
        form.list->EndEdit(true);
        QCOMPARE(form.list->ItemText(1), QStringLiteral("99"));
        QCOMPARE(log.events, QStringList({ QStringLiteral("ChangeItem 99 width") }));
    }

    void updateChangeEventStoresIntoTheCommitRow()
    {
        Form form;
        addMixedRows(*form.list);
        QVERIFY(form.show());
        QCOMPARE(errorOf([&] { form.list->UpdateChangeEvent(QStringLiteral("x")); }), 9);
        EventLog log(form.list);
        form.click(3);
        form.list->UpdateChangeEvent(QStringLiteral("b.png"));
        QCOMPARE(form.list->ItemText(3), QStringLiteral("b.png"));
        QCOMPARE(log.events.last(), QStringLiteral("ChangeItem b.png file"));
    }

    // --- the number editor ---

    void spinStepsCommitAtOnceAndEnterCommitsTheTypedNumber()
    {
        Form form;
        addMixedRows(*form.list);
        QVERIFY(form.show());
        EventLog log(form.list);
        form.click(1);
        Zel_SpinButton* spin = form.spin();
        QTest::mouseClick(spin, Qt::LeftButton, {}, spin->upButtonRect().center());
        QCOMPARE(form.list->ItemText(1), QStringLiteral("13"));
        QCOMPARE(log.events.last(), QStringLiteral("ChangeItem 13 width"));
        QVERIFY(spin->isVisible());
        // After a step the editor stays open when the focus leaves it.
        form.other->setFocus(Qt::MouseFocusReason);
        QVERIFY(spin->isVisible());

        spin->setFocus(Qt::MouseFocusReason);
        auto* text = spin->findChild<QLineEdit*>(QStringLiteral("Text1"));
        text->clear();
        QTest::keyClicks(text, QStringLiteral("250"));
        QCOMPARE(form.list->Tmp_Text(), QStringLiteral("250"));
        QCOMPARE(form.list->ItemText(1), QStringLiteral("13")); // typing is pending only
        const int before = int(log.events.size());
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(log.events.mid(before), QStringList({ QStringLiteral("ChangeItem 250 width") }));
        QCOMPARE(form.list->ItemText(1), QStringLiteral("250"));
        QVERIFY(!spin->isVisible());
        QVERIFY(form.list->Tmp_Text().isEmpty());
    }

    void spinMaxIsTheListsSpinMaxValue()
    {
        Form form;
        addMixedRows(*form.list);
        form.list->setSpinMaxValue(20);
        QVERIFY(form.show());
        form.click(1);
        QCOMPARE(form.spin()->Max(), 20);
        auto* text = form.spin()->findChild<QLineEdit*>(QStringLiteral("Text1"));
        text->clear();
        QTest::keyClicks(text, QStringLiteral("75"));
        QCOMPARE(text->text(), QStringLiteral("20"));
    }

    // --- the combo editor ---

    void comboEntriesCarryTheirIndexAndStoreIt()
    {
        Form form;
        addMixedRows(*form.list);
        QVERIFY(form.show());
        QString askedKey;
        connect(form.list, &ZelPropList::ComboAddItem, this, [&](QStringList& items, QString& key) {
            askedKey = key;
            items << QStringLiteral("Rectangle") << QStringLiteral("Circle")
                  << QStringLiteral("Semi- circle");
        });
        EventLog log(form.list);
        form.click(2);
        QCOMPARE(askedKey, QStringLiteral("shape"));
        Zel_ComboButton* combo = form.combo();
        QVERIFY(combo->isVisible());
        QCOMPARE(combo->entries(),
            QStringList({ QStringLiteral("Rectangle - 0"), QStringLiteral("Circle - 1"),
                QStringLiteral("Semi- circle - 2") }));
        QCOMPARE(combo->SetText(), QStringLiteral("0"));

        auto* list = combo->findChild<QComboBox*>(QStringLiteral("Combo1"));
        Q_EMIT list->activated(1);
        QCOMPARE(log.events.mid(2),
            QStringList(
                { QStringLiteral("ComboChange 1 shape"), QStringLiteral("ChangeItem 1 shape") }));
        QCOMPARE(form.list->ItemText(2), QStringLiteral("1"));

        // A host text holding "- " keeps what follows its own dash.
        Q_EMIT list->activated(2);
        QCOMPARE(form.list->ItemText(2), QStringLiteral("circle - 2"));

        // The next opening asks the host again and starts from an empty list.
        form.click(0);
        form.click(2);
        QCOMPARE(combo->entries().size(), 3);
    }

    // --- the browse editor ---

    void browseButtonHandsTheChoiceToTheHost()
    {
        Form form;
        addMixedRows(*form.list);
        QVERIFY(form.show());
        EventLog log(form.list);
        connect(
            form.list, &ZelPropList::BrowseSelected, this, [&](const QString&, const QString& key) {
                form.list->setItemText(form.list->ItemIndex(key), QStringLiteral("chosen.png"));
            });
        form.click(3);
        Zel_BrowseButton* browse = form.browse();
        QTest::mouseClick(browse, Qt::LeftButton, {}, browse->buttonRect().center());
        QCOMPARE(log.events.last(), QStringLiteral("BrowseSelected a.png file"));
        QVERIFY(!browse->isVisible());
        QCOMPARE(form.list->ItemText(3), QStringLiteral("chosen.png"));

        form.click(3);
        auto* text = browse->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QTest::keyClicks(text, QStringLiteral("2"));
        QCOMPARE(form.list->Tmp_Text(), QStringLiteral("chosen.png2"));
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(log.events.last(), QStringLiteral("ChangeItem chosen.png2 file"));
        QVERIFY(!browse->isVisible());
    }

    void lockedItemsAreBrowsedNotTyped()
    {
        Form form;
        form.list->AddItem(QStringLiteral("f"), QStringLiteral("F"), propBrowse,
            QStringLiteral("fixed"), QString(), StdPicture(), true);
        form.list->AddItem(QStringLiteral("g"), QStringLiteral("G"), propBrowse,
            QStringLiteral("free"), QString());
        QVERIFY(form.show());
        form.click(0);
        auto* text = form.browse()->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QVERIFY(!text->isVisible());
        form.click(1);
        QVERIFY(text->isVisible());
    }

    // --- closing ---

    void editorsCloseOnScrollModifyLosePropertyAndAnotherClick()
    {
        Form form;
        addMixedRows(*form.list);
        form.list->AddItem(
            QStringLiteral("extra"), QStringLiteral("Extra"), propString, QString(), QString());
        QVERIFY(form.show());
        const auto reopen = [&] {
            form.click(1);
            QVERIFY(form.spin()->isVisible());
        };
        reopen();
        form.list->setTopIndex(1);
        QVERIFY(!form.spin()->isVisible());
        form.list->setTopIndex(0);

        reopen();
        QVERIFY(form.list->ModifyItem(QStringLiteral("width"), 40));
        QVERIFY(!form.spin()->isVisible());

        reopen();
        form.list->LoseProperty();
        QVERIFY(!form.spin()->isVisible());

        reopen();
        form.click(0);
        QVERIFY(!form.spin()->isVisible());
        QVERIFY(form.textBox()->isVisible());

        // Hiding or scrolling the list takes an open drop-down with it.
        connect(form.list, &ZelPropList::ComboAddItem, this,
            [](QStringList& items, QString&) { items << QStringLiteral("a"); });
        form.click(2);
        form.combo()->ShowDropDown();
        QVERIFY(form.combo()->isDroppedDown());
        form.list->setTopIndex(1);
        QVERIFY(!form.combo()->isDroppedDown());
        QVERIFY(!form.combo()->isVisible());
    }

    void comboAndBrowseCloseOnFocusLoss()
    {
        Form form;
        addMixedRows(*form.list);
        QVERIFY(form.show());
        form.click(3);
        QVERIFY(form.browse()->isVisible());
        form.other->setFocus(Qt::MouseFocusReason);
        QVERIFY(!form.browse()->isVisible());

        form.click(2);
        QVERIFY(form.combo()->isVisible());
        form.combo()->AddItem(QStringLiteral("x - 0"));
        form.combo()->ShowDropDown();
        // Its own drop-down taking the focus leaves the editor open.
        QVERIFY(form.combo()->isDroppedDown());
        QVERIFY(form.combo()->isVisible());
        form.combo()->findChild<QComboBox*>(QStringLiteral("Combo1"))->hidePopup();
        QVERIFY(form.combo()->isVisible());
        form.other->setFocus(Qt::MouseFocusReason);
        QVERIFY(!form.combo()->isVisible());
    }

    // --- date and colour rows ---

    void dateRowOpensTheCalendarAndStoresTheChosenDay()
    {
        Form form;
        addDropDownRows(*form.list, Zel::shortDate(QDate(2004, 2, 10)), QStringLiteral("#000000"));
        QVERIFY(form.show());
        EventLog log(form.list);

        form.click(0);
        Zel_DropCalendar* editor = form.calendar();
        QVERIFY(editor->isVisible());
        QVERIFY(editor->hasFocus());
        QCOMPARE(editor->geometry(), QRect(101, 1, 199, 19)); // no scroll bar for three rows
        QCOMPARE(editor->CaptionDate(), QDate(2004, 2, 10));
        QVERIFY(!editor->isPopupVisible());

        // Alt+Down drops the month; a day click commits it in the short date format.
        QTest::keyClick(editor, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(editor->isPopupVisible());
        clickDay(editor, 6 + 20); // February 2004 starts on a Sunday: the 21st
        QVERIFY(!editor->isPopupVisible());
        QCOMPARE(form.list->ItemText(0), Zel::shortDate(QDate(2004, 2, 21)));
        QCOMPARE(log.events,
            QStringList({ QStringLiteral("KeySelected born"), QStringLiteral("MouseUp"),
                QStringLiteral("ChangeItem %1 born").arg(Zel::shortDate(QDate(2004, 2, 21))) }));
        // The editor stays open until the focus leaves it.
        QVERIFY(editor->isVisible());
        form.other->setFocus(Qt::MouseFocusReason);
        QVERIFY(!editor->isVisible());
    }

    void aValueThatIsNoDateOpensOnTodayAndStaysAsItWas()
    {
        Form form;
        addDropDownRows(*form.list, QStringLiteral("someday"), QString());
        QVERIFY(form.show());
        QSignalSpy changes(form.list, &ZelPropList::ChangeItem);
        form.click(0);
        QCOMPARE(form.calendar()->CaptionDate(), QDate::currentDate());
        QCOMPARE(form.list->ItemText(0), QStringLiteral("someday"));
        QTest::keyClick(form.calendar(), Qt::Key_Escape);
        QVERIFY(!form.calendar()->isVisible());
        QCOMPARE(changes.count(), 0);
    }

    void colourRowShowsTheValueAndStoresTheChosenHex()
    {
        Form form;
        addDropDownRows(*form.list, QString(), QStringLiteral("#00ff80"));
        QVERIFY(form.show());
        EventLog log(form.list);

        form.click(1);
        ColorSelector* editor = form.color();
        QVERIFY(editor->isVisible());
        QVERIFY(editor->hasFocus());
        QCOMPARE(editor->geometry(), QRect(101, 21, 199, 19));
        // The value arrives as RRGGBB and is held as the colour number, raising nothing.
        QCOMPARE(editor->SelectedColor(), qint32(0x80FF00));
        QCOMPARE(log.events,
            QStringList({ QStringLiteral("KeySelected ink"), QStringLiteral("MouseUp") }));

        QTest::keyClick(editor, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(editor->isPopupVisible());
        clickColorCell(editor, FirstPaletteCell + 8 * 2 + 1); // row 3, column 2: red
        QVERIFY(!editor->isPopupVisible());
        QCOMPARE(editor->SelectedColor(), qint32(0x0000FF));
        QCOMPARE(form.list->ItemText(1), QStringLiteral("#FF0000"));
        QCOMPARE(log.events.last(), QStringLiteral("ChangeItem #FF0000 ink"));
        QCOMPARE(log.events.filter(QStringLiteral("ChangeItem")).size(), 1);
        // Transparent has no "#RRGGBB" form, so the list does not offer it.
        QVERIFY(!editor->ShowTransparent());

        form.other->setFocus(Qt::MouseFocusReason);
        QVERIFY(!editor->isVisible());
    }

    void dropDownEditorsCloseWithTheirPopups()
    {
        Form form;
        addDropDownRows(*form.list, Zel::shortDate(QDate(2004, 2, 10)), QStringLiteral("#FFFFFF"));
        for (int i = 0; i < 6; ++i)
            form.list->AddItem(
                QStringLiteral("more%1").arg(i), QString(), propString, QString(), QString());
        QVERIFY(form.show());
        form.list->setFocus();
        const auto openWithPopup = [&](int row, DropDownControl* editor) {
            form.list->setListIndex(row);
            QTest::keyClick(form.list, Qt::Key_Down, Qt::AltModifier);
            return editor->isVisible() && editor->isPopupVisible();
        };
        QList<std::function<void()>> closers {
            [&] { form.list->setTopIndex(1); },
            [&] { form.list->ModifyItem(QStringLiteral("note"), QStringLiteral("x")); },
            [&] { form.list->LoseProperty(); },
            [&] { form.list->ActivateStyle(2); },
        };
        for (DropDownControl* editor : { static_cast<DropDownControl*>(form.calendar()),
                 static_cast<DropDownControl*>(form.color()) }) {
            const int row = editor == form.calendar() ? 0 : 1;
            for (const auto& close : closers) {
                form.list->setTopIndex(0);
                QVERIFY(openWithPopup(row, editor));
                close();
                QVERIFY(!editor->isVisible());
                QVERIFY(!editor->isPopupVisible());
            }
        }
    }

    void tabRunsThroughTheDateAndColourRows()
    {
        Form form;
        addDropDownRows(*form.list, Zel::shortDate(QDate(2004, 2, 10)), QStringLiteral("#FFFFFF"));
        QVERIFY(form.show());
        QSignalSpy changes(form.list, &ZelPropList::ChangeItem);
        form.list->setFocus();
        form.list->setListIndex(0);
        QTest::keyClick(form.list, Qt::Key_F2);
        QVERIFY(form.calendar()->hasFocus());
        QTest::keyClick(form.calendar(), Qt::Key_Tab);
        QCOMPARE(form.list->ListIndex(), 1);
        QVERIFY(!form.calendar()->isVisible());
        QVERIFY(form.color()->hasFocus());
        QTest::keyClick(form.color(), Qt::Key_Tab);
        QVERIFY(form.textBox()->hasFocus());
        QTest::keyClick(form.textBox(), Qt::Key_Backtab);
        QVERIFY(form.color()->hasFocus());
        QTest::keyClick(form.color(), Qt::Key_Escape);
        QVERIFY(!form.color()->isVisible());
        QVERIFY(form.list->hasFocus());
        QCOMPARE(changes.count(), 0);
    }

    // --- keyboard ---

    void arrowsPagesHomeAndEndMoveOverSelectableRows()
    {
        Form form;
        addMixedRows(*form.list);
        for (int i = 0; i < 6; ++i)
            form.list->AddItem(
                QStringLiteral("more%1").arg(i), QString(), propString, QString(), QString());
        QVERIFY(form.show());
        form.list->setFocus();
        QSignalSpy changes(form.list, &ZelPropList::ListIndexChange);
        QSignalSpy downs(form.list, &ZelPropList::KeyDown);

        QTest::keyClick(form.list, Qt::Key_Down);
        QCOMPARE(form.list->ListIndex(), 0);
        QCOMPARE(downs.count(), 1);
        QCOMPARE(downs.at(0).at(0).value<qint16>(), qint16(40));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(form.list, Qt::Key_Down);
        QCOMPARE(form.list->ListIndex(), 3);
        QTest::keyClick(form.list, Qt::Key_Down); // past the header and the disabled row
        QCOMPARE(form.list->ListIndex(), 6);
        QTest::keyClick(form.list, Qt::Key_Up);
        QCOMPARE(form.list->ListIndex(), 3);

        QTest::keyClick(form.list, Qt::Key_End);
        QCOMPARE(form.list->ListIndex(), 13);
        QCOMPARE(form.list->TopIndex(), 8); // kept visible
        QTest::keyClick(form.list, Qt::Key_Down); // the last row stays
        QCOMPARE(form.list->ListIndex(), 13);
        QTest::keyClick(form.list, Qt::Key_PageUp);
        QCOMPARE(form.list->ListIndex(), 7);
        QTest::keyClick(form.list, Qt::Key_PageUp); // row 1, six up, is the nearest one
        QCOMPARE(form.list->ListIndex(), 1);
        QCOMPARE(form.list->TopIndex(), 1);
        QTest::keyClick(form.list, Qt::Key_PageDown); // row 7; from 3 a page lands past 5 and 4
        QCOMPARE(form.list->ListIndex(), 7);
        QTest::keyClick(form.list, Qt::Key_Home);
        QCOMPARE(form.list->ListIndex(), 0);
        QCOMPARE(form.list->TopIndex(), 0);
        QVERIFY(changes.count() >= 9);
    }

    void enterAndF2OpenTabMovesEscapeCancels()
    {
        Form form;
        addMixedRows(*form.list);
        QVERIFY(form.show());
        EventLog log(form.list);
        form.list->setFocus();
        form.list->setListIndex(0);

        QTest::keyClick(form.list, Qt::Key_F2);
        QLineEdit* box = form.textBox();
        QVERIFY(box->hasFocus());
        QTest::keyClicks(box, QStringLiteral("!"));
        QTest::keyClick(box, Qt::Key_Tab); // commits, then the number row
        QCOMPARE(form.list->ItemText(0), QStringLiteral("alpha!"));
        QCOMPARE(form.list->ListIndex(), 1);
        QVERIFY(form.spin()->isVisible());
        QVERIFY(!box->isVisible());
        QCOMPARE(log.events,
            QStringList({ QStringLiteral("KeySelected name"),
                QStringLiteral("ChangeItem alpha! name"), QStringLiteral("KeySelected width") }));

        // Unchanged values are not raised again on the way through.
        auto* spinText = form.spin()->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QTest::keyClick(spinText, Qt::Key_Tab);
        QCOMPARE(form.list->ListIndex(), 2);
        QTest::keyClick(form.combo(), Qt::Key_Tab);
        QCOMPARE(form.list->ListIndex(), 3);
        auto* browseText = form.browse()->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QTest::keyClick(browseText, Qt::Key_Tab); // past header, disabled and boolean rows
        QCOMPARE(form.list->ListIndex(), 7);
        QCOMPARE(log.events.filter(QStringLiteral("ChangeItem")).size(), 1);

        QTest::keyClick(form.textBox(), Qt::Key_Backtab);
        QCOMPARE(form.list->ListIndex(), 3);
        QTest::keyClick(browseText, Qt::Key_Escape);
        QVERIFY(!form.browse()->isVisible());
        QVERIFY(form.list->hasFocus());

        QTest::keyClick(form.list, Qt::Key_Return);
        QVERIFY(form.browse()->isVisible());
        QTest::keyClick(browseText, Qt::Key_Escape);

        // Tab at the last editable row commits and leaves the editor closed.
        form.list->setListIndex(7);
        QTest::keyClick(form.list, Qt::Key_Return);
        QTest::keyClicks(form.textBox(), QStringLiteral("?"));
        QTest::keyClick(form.textBox(), Qt::Key_Tab);
        QCOMPARE(form.list->ItemText(7), QStringLiteral("omega?"));
        QVERIFY(!form.textBox()->isVisible());
        QCOMPARE(form.list->ListIndex(), 7);
    }

    void altDownOpensTheDropDown()
    {
        Form form;
        addMixedRows(*form.list);
        connect(form.list, &ZelPropList::ComboAddItem, this, [](QStringList& items, QString&) {
            items << QStringLiteral("a") << QStringLiteral("b");
        });
        QVERIFY(form.show());
        form.list->setFocus();
        form.list->setListIndex(2);
        QTest::keyClick(form.list, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(form.combo()->isVisible());
        QVERIFY(form.combo()->isDroppedDown());
        QCOMPARE(form.list->ListIndex(), 2);
        form.combo()->findChild<QComboBox*>(QStringLiteral("Combo1"))->hidePopup();
        QVERIFY(!form.combo()->isDroppedDown());
        QTest::keyClick(form.combo(), Qt::Key_Down, Qt::AltModifier);
        QVERIFY(form.combo()->isDroppedDown());
    }
};

QTEST_MAIN(TestPropertyEditing)
#include "tst_propertyediting.moc"
