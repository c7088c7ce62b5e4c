// The property list, its editors and their popups under a dark palette: every
// text stands out from what it is written on, and a palette change alone
// shows at once.

#include <PaletteProbe.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTest>
#include <common/Dialogs.h>
#include <common/HostConvert.h>
#include <common/OleColor.h>
#include <common/PictureBox.h>
#include <common/PropertyBag.h>
#include <tabulon/ZelPropList.h>
#include <tabulon/calendar/Zel_DropCalendar.h>
#include <tabulon/colorselector/ColorPopup.h>
#include <tabulon/colorselector/ColorSelector.h>
#include <tabulon/editors/Zel_BrowseButton.h>
#include <tabulon/editors/Zel_ComboButton.h>
#include <tabulon/editors/Zel_SpinButton.h>

using namespace Tabulon;

namespace {

/// A shown list 300 x 200 with its description pane, rows of 20 pixels:
/// 0 header, 1 text, 2 number, 3 combo, 4 browse, 5 date, 6 colour, 7 disabled.
struct Form
{
    QWidget window;
    ZelPropList* list;

    Form()
        : list(new ZelPropList(&window))
    {
        list->setBorderStyle(BorderS::NoBorder);
        list->setGeometry(0, 0, 300, 260);
        window.resize(320, 280);
        list->AddItem(
            QStringLiteral("group"), QStringLiteral("Group"), propHeader, QString(), QString());
        list->AddItem(QStringLiteral("name"), QStringLiteral("Name"), propString,
            QStringLiteral("alpha"), QStringLiteral("The name"));
        list->AddItem(QStringLiteral("width"), QStringLiteral("Width"), propNumber,
            QStringLiteral("12"), QString());
        list->AddItem(QStringLiteral("shape"), QStringLiteral("Shape"), propcombo,
            QStringLiteral("round"), QString());
        list->AddItem(QStringLiteral("file"), QStringLiteral("File"), propBrowse,
            QStringLiteral("a.png"), QString());
        list->AddItem(QStringLiteral("born"), QStringLiteral("Born"), propcalendar,
            Zel::shortDate(QDate(2004, 2, 10)), QString());
        list->AddItem(QStringLiteral("ink"), QStringLiteral("Ink"), propColor,
            QStringLiteral("#00ff80"), QString());
        list->AddItem(QStringLiteral("locked"), QStringLiteral("Locked"), propString,
            QStringLiteral("x"), QString());
        list->ItemStatus(QStringLiteral("locked"), ItemDisabled);
    }

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }

    QWidget* surface() const { return list->findChild<QWidget*>(QStringLiteral("iUC")); }
    QRect rowBox(int row, bool value) const
    {
        // Inside the grid lines of the caption or the value column.
        const int h = list->rowHeight();
        const int column = list->ListColumWidth();
        return value ? QRect(column + 2, row * h + 2, 300 - column - 20, h - 4)
                     : QRect(2, row * h + 2, column - 4, h - 4);
    }
    void click(int row) const
    {
        QTest::mouseClick(surface(), Qt::LeftButton, {},
            QPoint(50, row * list->rowHeight() + list->rowHeight() / 2));
    }
    template<typename T> T* child(const char* name) const
    {
        return list->findChild<T*>(QString::fromLatin1(name));
    }
};

int contrastOf(QWidget* widget, QRect rect = QRect())
{
    const QImage image = widget->grab().toImage();
    return contrastIn(image, rect.isNull() ? image.rect() : rect);
}

} // namespace

class TestPropListPalette : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Zel::setMessageBoxHook([](const QString&, int, const QString&) { return int(Zel::vbOK); });
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        light = QApplication::palette();
    }
    void cleanup() { QApplication::setPalette(light); }

    void rowsAndDescriptionReadUnderADarkPalette()
    {
        QApplication::setPalette(darkPalette());
        Form form;
        QVERIFY(form.show());
        form.click(1);
        QCoreApplication::processEvents();
        const QImage rows = form.surface()->grab().toImage();
        for (int row = 0; row < 8; ++row) {
            const int caption = contrastIn(rows, form.rowBox(row, false));
            QVERIFY2(caption >= LegibleContrast,
                qPrintable(QStringLiteral("row %1 caption: %2").arg(row).arg(caption)));
            if (row == 0)
                continue; // a header has no value
            const int value = contrastIn(rows, form.rowBox(row, true));
            QVERIFY2(value >= LegibleContrast,
                qPrintable(QStringLiteral("row %1 value: %2").arg(row).arg(value)));
        }
        // The value column is the window background, as the text editor's.
        QCOMPARE(rows.pixel(form.list->ListColumWidth() + 60, 2 * 20 + 10) & 0xFFFFFF,
            Zel::toQColor(Zel::WindowBackgroundColor).rgb() & 0xFFFFFF);

        // The caption and the description of the current row, on the pane.
        auto* pane = form.list->findChild<QWidget*>(QStringLiteral("Picture3"));
        QVERIFY(pane && pane->isVisible());
        QVERIFY(contrastOf(pane, form.child<QLabel>("Label1")->geometry()) >= LegibleContrast);
        QVERIFY(contrastOf(pane, form.child<QLabel>("Label2")->geometry()) >= LegibleContrast);
    }

    void aPaletteChangeAloneShowsAtOnce()
    {
        Form form;
        QVERIFY(form.show());
        form.click(1);
        QCoreApplication::processEvents();
        auto* pane = form.list->findChild<QWidget*>(QStringLiteral("Picture3"));
        auto* caption = form.child<QLabel>("Label1");
        const int lightContrast = contrastOf(pane, caption->geometry());
        QVERIFY(lightContrast >= LegibleContrast);

        QApplication::setPalette(darkPalette());
        QCoreApplication::processEvents();
        QVERIFY(contrastOf(pane, caption->geometry()) >= LegibleContrast);
        QCOMPARE(caption->palette().color(QPalette::WindowText),
            QApplication::palette().color(QPalette::ButtonText));
        // The header face follows the new button face.
        const QImage rows = form.surface()->grab().toImage();
        QCOMPARE(rows.pixel(150, 10) & 0xFFFFFF,
            QApplication::palette().color(QPalette::Button).rgb() & 0xFFFFFF);

        QApplication::setPalette(light);
        QCoreApplication::processEvents();
        QCOMPARE(caption->palette().color(QPalette::WindowText), light.color(QPalette::ButtonText));
    }

    void editorsReadUnderADarkPalette_data()
    {
        QTest::addColumn<bool>("switchedWhileShown");
        QTest::newRow("dark from the start") << false;
        QTest::newRow("switched to dark while shown") << true;
    }

    void editorsReadUnderADarkPalette()
    {
        QFETCH(bool, switchedWhileShown);
        if (!switchedWhileShown)
            QApplication::setPalette(darkPalette());
        Form form;
        QVERIFY(form.show());
        connect(form.list, &ZelPropList::ComboAddItem, this,
            [](QStringList& items, QString&) { items << QStringLiteral("round"); });
        if (switchedWhileShown) {
            // Every editor has been open once under the light palette.
            for (int row = 1; row <= 6; ++row)
                form.click(row);
            QApplication::setPalette(darkPalette());
            QCoreApplication::processEvents();
        }
        struct Case
        {
            int row;
            const char* editor;
        };
        for (const Case& c : { Case { 1, "txtEdit" }, Case { 2, "Zel_SpinButton1" },
                 Case { 3, "Zel_ComboButton1" }, Case { 4, "Zel_BrowseButton1" },
                 Case { 5, "Zel_DropCalendar1" }, Case { 6, "ColorSelector1" } }) {
            form.click(c.row);
            QWidget* editor = form.child<QWidget>(c.editor);
            QVERIFY2(editor && editor->isVisible(), c.editor);
            QCoreApplication::processEvents();
            // The value text, left of any drop or browse button.
            const int contrast
                = contrastOf(editor, QRect(0, 0, editor->width() - 24, editor->height()));
            QVERIFY2(contrast >= LegibleContrast,
                qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(c.editor)).arg(contrast)));
        }
    }

    void anOpenEditorFollowsAPaletteChange_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("editorName");
        // The date and colour faces keep the white of their own BackColor.
        QTest::addColumn<bool>("windowColoured");
        QTest::newRow("text") << 1 << QStringLiteral("txtEdit") << true;
        QTest::newRow("spin") << 2 << QStringLiteral("Zel_SpinButton1") << true;
        QTest::newRow("combo") << 3 << QStringLiteral("Zel_ComboButton1") << true;
        QTest::newRow("browse") << 4 << QStringLiteral("Zel_BrowseButton1") << true;
        QTest::newRow("date") << 5 << QStringLiteral("Zel_DropCalendar1") << false;
        QTest::newRow("colour") << 6 << QStringLiteral("ColorSelector1") << false;
    }

    void anOpenEditorFollowsAPaletteChange()
    {
        QFETCH(int, row);
        QFETCH(QString, editorName);
        QFETCH(bool, windowColoured);
        Form form;
        QVERIFY(form.show());
        connect(form.list, &ZelPropList::ComboAddItem, this,
            [](QStringList& items, QString&) { items << QStringLiteral("round"); });
        form.click(row);
        auto* editor = form.list->findChild<QWidget*>(editorName);
        QVERIFY(editor && editor->isVisible());
        QCoreApplication::processEvents();
        // The value text, left of any drop or browse button.
        const QRect text(0, 0, editor->width() - 24, editor->height());
        QVERIFY(qGray(backgroundIn(editor->grab().toImage(), text)) > 128);

        // The palette turns dark while the editor stays open.
        QApplication::setPalette(darkPalette());
        QCoreApplication::processEvents();
        QVERIFY(editor->isVisible());
        const QImage dark = editor->grab().toImage();
        if (windowColoured)
            QCOMPARE(QColor(backgroundIn(dark, text)), darkPalette().color(QPalette::Base));
        const int contrast = contrastIn(dark, text);
        QVERIFY2(
            contrast >= LegibleContrast, qPrintable(QStringLiteral("contrast %1").arg(contrast)));
    }

    void editorsOnTheirOwnFollowAPaletteChange()
    {
        // Read from a bag, the spin and combo editors take the window colour; the browse
        // editor is given it as its BackColor. It follows the palette from then on.
        Zel_SpinButton spin;
        Zel_ComboButton combo;
        Zel_BrowseButton browse;
        spin.ReadProperties(PropertyBag());
        combo.ReadProperties(PropertyBag());
        browse.setBackColor(Zel::WindowBackgroundColor);
        browse.UserValue(QStringLiteral("a.png"));
        for (QWidget* editor : std::initializer_list<QWidget*> { &spin, &combo, &browse }) {
            editor->resize(120, 22);
            editor->show();
        }
        QApplication::setPalette(darkPalette());
        QCoreApplication::processEvents();
        for (QWidget* editor : std::initializer_list<QWidget*> { &spin, &combo, &browse }) {
            const QImage face = editor->grab().toImage();
            const QRect text(0, 0, editor->width() - 24, editor->height());
            QCOMPARE(QColor(backgroundIn(face, text)), darkPalette().color(QPalette::Base));
            QVERIFY2(contrastIn(face, text) >= LegibleContrast, editor->metaObject()->className());
        }
    }

    void popupsReadUnderADarkPalette()
    {
        QApplication::setPalette(darkPalette());
        Form form;
        QVERIFY(form.show());

        form.click(5);
        auto* calendar = form.child<Zel_DropCalendar>("Zel_DropCalendar1");
        QTest::keyClick(calendar, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(calendar->isPopupVisible());
        auto* month = calendar->findChild<PictureBox*>(QStringLiteral("picPopup"));
        QVERIFY(contrastOf(month) >= LegibleContrast);
        QTest::keyClick(calendar, Qt::Key_Escape);

        form.click(6);
        auto* selector = form.child<ColorSelector>("ColorSelector1");
        QTest::keyClick(selector, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(selector->isPopupVisible());
        auto* colours = selector->findChild<ColorPopup*>(QStringLiteral("picPopup"));
        // The button texts below the colour cells, on the button face.
        const QImage cells = colours->grab().toImage();
        int buttons = 0;
        for (const int cell : { NormalButtonCell, SystemButtonCell, MoreColorCell }) {
            if (!colours->cellLayout().isShown(cell))
                continue;
            ++buttons;
            const QRect box = colours->cellLayout().cellRect(cell).adjusted(3, 3, -3, -3);
            QVERIFY2(contrastIn(cells, box) >= LegibleContrast, qPrintable(QString::number(cell)));
        }
        QVERIFY(buttons > 0);
    }

private:
    QPalette light;
};

QTEST_MAIN(TestPropListPalette)
#include "tst_proplistpalette.moc"
