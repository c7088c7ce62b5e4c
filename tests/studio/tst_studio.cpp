// The studio through its window: every menu action, the questions it asks
// (answered through its prompt hooks), and the program run headless.

#include "DocumentIO.h"
#include "HotspotProperties.h"
#include "MapDocument.h"
#include "PageWriter.h"
#include "StudioTranslations.h"
#include "StudioWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QUndoStack>
#include <common/HostConvert.h>
#include <common/OleColor.h>
#include <common/PictureBox.h>
#include <glyphon/Zel_CodeBox.h>
#include <tabulon/ZelPropList.h>
#include <zonecraft/Zonecraft.h>

namespace {

QString readText(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool writeText(const QString& fileName, const QString& text)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

QStringList labels(const MapDocument& document)
{
    QStringList result;
    for (const MapArea& area : document.areas())
        result << area.label();
    return result;
}

// A window whose every question is answered by the test: a question nobody
// expected fails it.
struct Studio
{
    StudioWindow window;
    QStringList told;
    QString nextOpen;
    QString nextSave;
    int asked = 0;
    StudioPrompts::SaveChoice answer = StudioPrompts::SaveChoice::Cancel;

    Studio()
    {
        StudioPrompts& p = window.prompts();
        p.askToSave = [this](const QString&) {
            ++asked;
            return answer;
        };
        p.chooseMap = [](const QStringList&) { return 0; };
        p.openFileName
            = [this](const QString&, const QString&) { return std::exchange(nextOpen, QString()); };
        p.saveFileName = [this](const QString&, const QString&, const QString&) {
            return std::exchange(nextSave, QString());
        };
        p.askText = [](const QString&, const QString&, const QString&) {
            return QStringLiteral("content");
        };
        p.tell = [this](const QString&, const QString& message) { told << message; };
        window.openSample();
    }

    QAction* action(const char* name) const
    {
        QAction* found = window.findChild<QAction*>(QLatin1String(name));
        if (!found)
            qFatal("no action %s", name);
        return found;
    }
    MapDocument& document() const { return *window.document(); }
    int idOf(const QString& label) const
    {
        for (const MapArea& area : document().areas()) {
            if (area.label() == label)
                return area.id;
        }
        return 0;
    }
    // An edit in the property list, as its editor reports it.
    void edit(const QString& key, const QString& value)
    {
        Q_EMIT window.properties()->ChangeItem(value, key);
        QCoreApplication::processEvents();
    }
    // Shows the window, so its editors can take the keyboard.
    bool show()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
    // Makes row \a key current with the keys, as a person goes down the list.
    bool goToRow(const QString& key)
    {
        ZelPropList* list = window.properties();
        list->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(list, Qt::Key_Home);
        const qint32 row = list->ItemIndex(key);
        for (int i = 0; i < list->ListCount() && list->ListIndex() < row; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        return row >= 0 && list->ListIndex() == row;
    }
    // Opens the editor of row \a key (with its drop-down when \a dropDown) and returns it.
    QWidget* openEditor(const QString& key, const char* editorName, bool dropDown = false)
    {
        if (!goToRow(key))
            return nullptr;
        if (dropDown)
            QTest::keyClick(window.properties(), Qt::Key_Down, Qt::AltModifier);
        else
            QTest::keyClick(window.properties(), Qt::Key_Return);
        auto* editor = window.properties()->findChild<QWidget*>(QLatin1String(editorName));
        return editor && editor->isVisible() ? editor : nullptr;
    }
    // The drop-down window an editor opened.
    static QWidget* popupOf(QWidget* editor)
    {
        auto* popup = editor->findChild<QWidget*>(QStringLiteral("picPopup"));
        return popup && popup->isVisible() ? popup : nullptr;
    }
    QString itemText(const QString& key) const
    {
        return window.properties()->ItemText(window.properties()->ItemIndex(key));
    }
    // The lines the code box shows, joined as the page is.
    QString codeText() const
    {
        Zel_CodeBox* code = window.code();
        QStringList rows;
        for (qint32 i = 0; i <= code->Count().toInt(); ++i) { // Count is the highest index
            if (!code->ItemKey(i).toString().startsWith(QStringLiteral("section:")))
                rows << code->ItemValue(i).toString();
        }
        return rows.join(QLatin1Char('\n'));
    }
    QString itemCaption(const QString& key) const
    {
        const qint32 index = window.properties()->ItemIndex(key);
        return index < 0 ? QString() : window.properties()->GetItem(index).Caption;
    }
};

// The hotspots the map control holds.
int figureCount(Zonecraft* map)
{
    return int(map->ExportCode(Zonecraft::customcode)
                   .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)
                   .size());
}

QImage testPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

class TestStudio : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void menusHoldEveryAction();
    void startsOnTheSample();
    void newOnAPicture();
    void openSaveAndSaveAs();
    void openRecentAndDrop();
    void failedOpenKeepsWhatWasOpen();
    void unsavedChangesAsk();
    void importAndExportAreaList();
    void deleteUndoKeepsOrder();
    void clipboardAndOrder();
    void attributeEditsUndoRedo();
    void pageDateThroughTheCalendar();
    void textNumberAndListEditorsInPlace();
    void colourAndBrowseEditorsInPlace();
    void warningsShow();
    void codeBoxShowsThePageAsSaved();
    void toolsAndPreview();
    void designAndPreviewTabs();
    void drawingWithTheMouse();
    void aboutNamesTheLibraries();
    void aTranslationChangesTheTexts();
    void theCommandLineSpeaksTheTranslation();

    void headlessExport();
    void openAndScreenshotFromTheCommandLine();

private:
    QTemporaryDir m_dir;
};

void TestStudio::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("ZelTest"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_studio"));
    QVERIFY(m_dir.isValid());
}

void TestStudio::init()
{
    QSettings().clear();
}

void TestStudio::menusHoldEveryAction()
{
    Studio studio;
    QStringList inMenus;
    for (QAction* menu : studio.window.menuBar()->actions()) {
        for (QAction* a : menu->menu()->actions()) {
            if (!a->isSeparator() && !a->objectName().isEmpty())
                inMenus << a->objectName();
        }
    }
    for (const char* name : { "actionNew", "actionOpen", "actionSave", "actionSaveAs",
             "actionResponsive", "actionImportAreaList", "actionExportAreaList", "actionQuit",
             "actionUndo", "actionRedo", "actionCut", "actionCopy", "actionCopyPage", "actionPaste",
             "actionDuplicate", "actionDelete", "actionBringToFront", "actionSendToBack",
             "actionPointer", "actionRectangle", "actionCircle", "actionPolygon", "actionRotate",
             "actionZoomIn", "actionZoomOut", "actionPreview", "actionAbout" })
        QVERIFY2(inMenus.contains(QLatin1String(name)), name);
    QVERIFY(studio.window.findChild<QMenu*>(QStringLiteral("recentMenu")));
}

void TestStudio::startsOnTheSample()
{
    Studio studio;
    QCOMPARE(studio.document().count(), 8);
    QCOMPARE(figureCount(studio.window.map()), 8);
    QVERIFY(!studio.window.isWindowModified());
    QVERIFY(studio.window.windowTitle().startsWith(QStringLiteral("sample.png[*]")));
    // The sample's overlapping hotspots are in an order every browser can reach.
    QVERIFY(studio.window.problems().isEmpty());
    // Dark handles, which show on a light picture.
    QVERIFY(studio.window.map()->HandleColor() != Zel::rgb(255, 255, 255));
}

void TestStudio::newOnAPicture()
{
    Studio studio;
    const QString file = m_dir.filePath(QStringLiteral("Garden plan.png"));
    QVERIFY(testPicture(300, 200).save(file));
    studio.nextOpen = file;
    studio.action("actionNew")->trigger();
    QCOMPARE(studio.document().count(), 0);
    QCOMPARE(studio.document().picture().Width(), 300);
    QCOMPARE(studio.document().title(), QStringLiteral("Garden plan"));
    QVERIFY(studio.window.htmlPage().contains(QStringLiteral("alt=\"Garden plan\"")));
    QVERIFY(studio.window.problemList()->count() == 1); // the empty map
    QVERIFY(studio.told.isEmpty());
}

void TestStudio::openSaveAndSaveAs()
{
    Studio studio;
    const QString first = m_dir.filePath(QStringLiteral("save/first.html"));
    studio.nextSave = first;
    studio.action("actionSave")->trigger(); // no file yet: asks where
    QCOMPARE(studio.window.fileName(), first);
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("save/sample.png"))));
    QVERIFY(readText(first).contains(QStringLiteral("<img src=\"sample.png\"")));
    QVERIFY(!studio.window.isWindowModified());

    studio.window.selectArea(studio.idOf(QStringLiteral("Bath")));
    studio.edit(
        HotspotProperties::AttributePrefix + QStringLiteral("title"), QStringLiteral("Bathroom"));
    QVERIFY(studio.window.isWindowModified());
    QVERIFY(studio.window.windowTitle().startsWith(QStringLiteral("first.html[*]")));
    studio.action("actionSave")->trigger();
    QVERIFY(readText(first).contains(QStringLiteral("title=\"Bathroom\"")));
    QCOMPARE(readText(first), studio.window.htmlPage());

    const QString second = m_dir.filePath(QStringLiteral("save/second.html"));
    studio.nextSave = second;
    studio.action("actionSaveAs")->trigger();
    QCOMPARE(studio.window.fileName(), second);

    Studio other;
    studio.nextOpen.clear();
    other.nextOpen = second;
    other.action("actionOpen")->trigger();
    QVERIFY(other.told.isEmpty());
    QCOMPARE(other.window.fileName(), second);
    QCOMPARE(labels(other.document()), labels(studio.document()));
    QCOMPARE(other.window.htmlPage(), readText(second));
}

void TestStudio::openRecentAndDrop()
{
    Studio studio;
    const QString page = m_dir.filePath(QStringLiteral("recent.html"));
    QVERIFY(studio.window.saveAs(page));
    const QString picture = m_dir.filePath(QStringLiteral("dropped.png"));
    QVERIFY(testPicture(50, 40).save(picture));

    // A picture dropped on the window opens once the drop is over.
    auto* data = new QMimeData;
    data->setUrls({ QUrl::fromLocalFile(picture) });
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&studio.window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&studio.window, &drop);
    QVERIFY(drop.isAccepted());
    delete data;
    QTRY_VERIFY(studio.document().picture().Width() == 50 || !studio.told.isEmpty());
    QCOMPARE(studio.told, QStringList());

    QMenu* recent = studio.window.findChild<QMenu*>(QStringLiteral("recentMenu"));
    QCOMPARE(studio.window.recentFiles(), (QStringList { picture, page }));
    QCOMPARE(recent->actions().size(), 2);
    recent->actions().at(1)->trigger();
    QCOMPARE(studio.window.fileName(), page);
    QCOMPARE(studio.document().count(), 8);
    QCOMPARE(QSettings().value(QStringLiteral("files/lastFolder")).toString(), m_dir.path());
}

void TestStudio::failedOpenKeepsWhatWasOpen()
{
    Studio studio;
    const QString broken = m_dir.filePath(QStringLiteral("nomap.html"));
    QVERIFY(
        writeText(broken, QStringLiteral("<html>\n<body>\n<area shape=rect coords=1,2,3,4>\n")));
    studio.nextOpen = broken;
    studio.action("actionOpen")->trigger();
    QCOMPARE(studio.told.size(), 1);
    QVERIFY2(
        studio.told.first().contains(QStringLiteral("line 3")), qPrintable(studio.told.first()));
    QCOMPARE(studio.document().count(), 8);
    QCOMPARE(studio.document().title(), QStringLiteral("Sample floor plan"));
}

void TestStudio::unsavedChangesAsk()
{
    Studio studio;
    studio.window.show();
    studio.window.selectArea(studio.idOf(QStringLiteral("Hall")));
    studio.action("actionDelete")->trigger();
    QVERIFY(studio.window.isWindowModified());

    // Cancel keeps the window and the change.
    studio.answer = StudioPrompts::SaveChoice::Cancel;
    QVERIFY(!studio.window.close());
    QCOMPARE(studio.asked, 1);
    QVERIFY(studio.window.isVisible());
    const QString picture = m_dir.filePath(QStringLiteral("other.png"));
    QVERIFY(testPicture(20, 20).save(picture));
    QVERIFY(!studio.window.openFile(picture));
    QCOMPARE(studio.asked, 2);
    QCOMPARE(studio.document().count(), 7);

    // Save writes the change first, then the window closes.
    studio.answer = StudioPrompts::SaveChoice::Save;
    const QString saved = m_dir.filePath(QStringLiteral("asked.html"));
    studio.nextSave = saved;
    QVERIFY(studio.window.close());
    QCOMPARE(studio.asked, 3);
    QVERIFY(!readText(saved).contains(QStringLiteral("Hall")));

    // Discard throws it away without asking where.
    Studio other;
    other.window.selectArea(other.idOf(QStringLiteral("Pond")));
    other.action("actionDelete")->trigger();
    other.answer = StudioPrompts::SaveChoice::Discard;
    QVERIFY(other.window.openFile(picture));
    QCOMPARE(other.asked, 1);
    QCOMPARE(other.document().picture().Width(), 20);
    // Nothing to lose: nothing is asked.
    QVERIFY(other.window.close());
    QCOMPARE(other.asked, 1);
}

void TestStudio::importAndExportAreaList()
{
    Studio studio;
    const QString list = m_dir.filePath(QStringLiteral("areas.txt"));
    QVERIFY(writeText(list,
        QStringLiteral("1,1,50,50|rectangle|1||False|One|one.html\n"
                       "1,1,50|Circle|2|&HXYZ|False|Two\n"
                       "60,60,20|circ|3||False|Three\n")));
    studio.nextOpen = list;
    studio.action("actionImportAreaList")->trigger();
    QCOMPARE(labels(studio.document()),
        (QStringList { QStringLiteral("One"), QStringLiteral("Three") }));
    QCOMPARE(studio.told.size(), 1);
    QVERIFY2(studio.told.first().contains(QStringLiteral("line 2, colour")),
        qPrintable(studio.told.first()));
    // One step brings the old hotspots back.
    studio.action("actionUndo")->trigger();
    QCOMPARE(studio.document().count(), 8);
    studio.action("actionRedo")->trigger();

    const QString out = m_dir.filePath(QStringLiteral("exported.txt"));
    studio.nextSave = out;
    studio.action("actionExportAreaList")->trigger();
    QCOMPARE(readText(out),
        QStringLiteral("1,1,50,50|Rectangle|1||False|One|one.html\r\n60,60,20|Circle|2||False|"
                       "Three|#three\r\n"));
}

void TestStudio::deleteUndoKeepsOrder()
{
    Studio studio;
    const QStringList before = labels(studio.document());
    const QString page = studio.window.htmlPage();
    studio.window.selectArea(studio.idOf(QStringLiteral("Bath")));
    studio.action("actionDelete")->trigger();
    QCOMPARE(studio.document().count(), 7);
    QCOMPARE(figureCount(studio.window.map()), 7);
    QCOMPARE(studio.window.selectedArea(), 0);
    studio.action("actionUndo")->trigger();
    QCOMPARE(labels(studio.document()), before);
    QCOMPARE(studio.window.htmlPage(), page);
    QCOMPARE(figureCount(studio.window.map()), 8);
    QVERIFY(!studio.window.isWindowModified());
}

void TestStudio::clipboardAndOrder()
{
    Studio studio;
    const int bath = studio.idOf(QStringLiteral("Bath"));
    studio.window.selectArea(bath);
    studio.action("actionDuplicate")->trigger();
    QCOMPARE(studio.document().count(), 9);
    const int copy = studio.window.selectedArea();
    QVERIFY(copy != bath);
    QCOMPARE(studio.document().indexOf(copy), studio.document().indexOf(bath) + 1);
    // Set off from its original, so both can be reached.
    QCOMPARE(studio.document().find(copy)->geometry().numbers.first(),
        studio.document().find(bath)->geometry().numbers.first() + 10);

    studio.action("actionCut")->trigger();
    QCOMPARE(studio.document().count(), 8);
    QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("<area shape=\"rect\"")));
    studio.window.selectArea(studio.idOf(QStringLiteral("Living room")));
    studio.action("actionPaste")->trigger();
    QCOMPARE(studio.document().count(), 9);
    QCOMPARE(studio.document().indexOf(studio.window.selectedArea()), 1);
    QCOMPARE(studio.document().find(studio.window.selectedArea())->value(QStringLiteral("alt")),
        QStringLiteral("Bath"));

    // A tag copied from another page pastes too.
    QApplication::clipboard()->setText(
        QStringLiteral("<AREA SHAPE=circle COORDS='5,5,4' HREF=x.html ALT=Pasted data-x=1>"));
    studio.action("actionPaste")->trigger();
    QCOMPARE(studio.document().find(studio.window.selectedArea())->value(QStringLiteral("data-x")),
        QStringLiteral("1"));

    const int pond = studio.idOf(QStringLiteral("Pond"));
    studio.window.selectArea(pond);
    studio.action("actionSendToBack")->trigger();
    QCOMPARE(studio.document().indexOf(pond), studio.document().count() - 1);
    QVERIFY(!studio.window.problems().isEmpty()); // the garden now hides the pond
    studio.action("actionBringToFront")->trigger();
    QCOMPARE(studio.document().indexOf(pond), 0);
    studio.action("actionUndo")->trigger();
    studio.action("actionUndo")->trigger();
    QCOMPARE(labels(studio.document()).at(studio.document().indexOf(pond)), QStringLiteral("Pond"));
    QCOMPARE(studio.document().at(studio.document().indexOf(pond) + 1).label(),
        QStringLiteral("Garden"));
}

void TestStudio::attributeEditsUndoRedo()
{
    Studio studio;
    const int hall = studio.idOf(QStringLiteral("Hall"));
    studio.window.selectArea(hall);
    const auto hallArea = [&studio, hall] { return *studio.document().find(hall); };

    studio.edit(
        HotspotProperties::AttributePrefix + QStringLiteral("href"), QStringLiteral("hall.html"));
    studio.edit(HotspotProperties::AttributePrefix + QStringLiteral("alt"),
        QStringLiteral("Entrance hall"));
    QCOMPARE(hallArea().value(QStringLiteral("href")), QStringLiteral("hall.html"));
    QVERIFY(studio.window.htmlPage().contains(
        QStringLiteral("href=\"hall.html\" alt=\"Entrance hall\"")));

    // The target combo offers the four names and a free one.
    QStringList entries;
    QString key = HotspotProperties::AttributePrefix + QStringLiteral("target");
    Q_EMIT studio.window.properties()->ComboAddItem(entries, key);
    QCOMPARE(entries.size(), 5);
    studio.edit(key, QStringLiteral("1"));
    QCOMPARE(hallArea().value(QStringLiteral("target")), QStringLiteral("_blank"));
    studio.edit(key, QStringLiteral("4"));
    QCOMPARE(hallArea().value(QStringLiteral("target")), QStringLiteral("content"));

    studio.edit(HotspotProperties::NewAttribute, QStringLiteral("data-floor='ground'"));
    QCOMPARE(hallArea().value(QStringLiteral("data-floor")), QStringLiteral("ground"));
    studio.edit(HotspotProperties::Coords, QStringLiteral("10 10 60 10 35 50"));
    QCOMPARE(figureCount(studio.window.map()), 8);
    QCOMPARE(hallArea().geometry().numbers.size(), 6);
    studio.edit(HotspotProperties::Shape, QStringLiteral("1")); // Circle from the combo
    QCOMPARE(hallArea().geometry().kind, AreaKind::Circle);
    studio.edit(HotspotProperties::PageTitle, QStringLiteral("Our flat"));
    QVERIFY(studio.window.htmlPage().contains(QStringLiteral("<title>Our flat</title>")));

    // Each edit is one step back.
    for (int i = 0; i < 7; ++i)
        studio.action("actionUndo")->trigger();
    QVERIFY(!studio.window.htmlPage().contains(QStringLiteral("Our flat")));
    QCOMPARE(hallArea().geometry().kind, AreaKind::Polygon);
    QCOMPARE(hallArea().value(QStringLiteral("target")), QString());
    QCOMPARE(hallArea().value(QStringLiteral("href")), QStringLiteral("hall.html"));
    studio.action("actionUndo")->trigger();
    QCOMPARE(hallArea().value(QStringLiteral("alt")), QStringLiteral("Hall"));
    studio.action("actionUndo")->trigger();
    QVERIFY(!studio.window.isWindowModified());
    while (studio.window.undoStack()->canRedo())
        studio.action("actionRedo")->trigger();
    QCOMPARE(hallArea().value(QStringLiteral("data-floor")), QStringLiteral("ground"));
    QCOMPARE(hallArea().geometry().kind, AreaKind::Circle);
    QCOMPARE(studio.document().title(), QStringLiteral("Our flat"));

    // The responsive option is a step of its own too.
    studio.action("actionResponsive")->trigger();
    QVERIFY(studio.window.htmlPage().contains(PageWriter::responsiveScript()));
    studio.action("actionUndo")->trigger();
    QVERIFY(!studio.document().responsive());
    QVERIFY(!studio.action("actionResponsive")->isChecked());
}

void TestStudio::pageDateThroughTheCalendar()
{
    Studio studio;
    QVERIFY(studio.show());
    QCOMPARE(studio.itemText(HotspotProperties::PageDate), QString());
    QVERIFY(!studio.codeText().contains(QStringLiteral("name=\"date\"")));

    // Alt+Down drops the month, which starts on today for a page without a date; the keys
    // move to the next day and Enter takes it.
    QWidget* calendar = studio.openEditor(HotspotProperties::PageDate, "Zel_DropCalendar1", true);
    QVERIFY(calendar);
    QWidget* month = Studio::popupOf(calendar);
    QVERIFY(month);
    QTest::keyClick(month, Qt::Key_Right);
    QTest::keyClick(month, Qt::Key_Return);
    QCoreApplication::processEvents();
    const QDate chosen = QDate::currentDate().addDays(1);
    QCOMPARE(studio.document().date(), chosen);
    QCOMPARE(studio.itemText(HotspotProperties::PageDate), Zel::shortDate(chosen));
    const QString tag
        = QStringLiteral("<meta name=\"date\" content=\"%1\">").arg(chosen.toString(Qt::ISODate));
    QVERIFY2(studio.codeText().contains(tag), qPrintable(studio.codeText()));
    QVERIFY(studio.window.isWindowModified());

    studio.action("actionUndo")->trigger();
    QVERIFY(!studio.document().date().isValid());
    QVERIFY(!studio.codeText().contains(tag));
    QCOMPARE(studio.itemText(HotspotProperties::PageDate), QString());
    studio.action("actionRedo")->trigger();
    QVERIFY(studio.codeText().contains(tag));

    // Saved and opened again, the page has its date and a new one replaces it in place.
    const QString pageFile = m_dir.filePath(QStringLiteral("dated/page.html"));
    QString error;
    QVERIFY2(studio.window.saveAs(pageFile, &error), qPrintable(error));
    const QString saved = readText(pageFile);
    QVERIFY(saved.contains(tag));
    Studio reopened;
    QVERIFY2(reopened.window.openFile(pageFile, &error), qPrintable(error));
    QCOMPARE(reopened.document().date(), chosen);
    QCOMPARE(reopened.itemText(HotspotProperties::PageDate), Zel::shortDate(chosen));
    QVERIFY(reopened.show());
    calendar = reopened.openEditor(HotspotProperties::PageDate, "Zel_DropCalendar1", true);
    QVERIFY(calendar);
    QTest::keyClick(Studio::popupOf(calendar), Qt::Key_Down); // a week on
    QTest::keyClick(Studio::popupOf(calendar), Qt::Key_Return);
    QCoreApplication::processEvents();
    const QDate later = chosen.addDays(7);
    QCOMPARE(reopened.document().date(), later);
    QString expected = saved;
    expected.replace(tag,
        QStringLiteral("<meta name=\"date\" content=\"%1\">").arg(later.toString(Qt::ISODate)));
    QCOMPARE(reopened.window.htmlPage(), expected);
    reopened.action("actionUndo")->trigger();
    QCOMPARE(reopened.window.htmlPage(), saved);
}

void TestStudio::textNumberAndListEditorsInPlace()
{
    Studio studio;
    QVERIFY(studio.show());

    // Text: the inner text box, committed with Enter.
    auto* textBox
        = qobject_cast<QLineEdit*>(studio.openEditor(HotspotProperties::PageTitle, "txtEdit"));
    QVERIFY(textBox);
    textBox->selectAll();
    QTest::keyClicks(textBox, QStringLiteral("Our flat"));
    QTest::keyClick(textBox, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(studio.document().title(), QStringLiteral("Our flat"));
    QVERIFY(studio.codeText().contains(QStringLiteral("<title>Our flat</title>")));

    // Number: the hotspot's place in the page, typed into the spin box.
    const int bath = studio.idOf(QStringLiteral("Bath"));
    studio.window.selectArea(bath);
    const int wasAt = studio.document().indexOf(bath);
    QVERIFY(wasAt > 0);
    QWidget* spin = studio.openEditor(HotspotProperties::Order, "Zel_SpinButton1");
    QVERIFY(spin);
    QCOMPARE(spin->property("Value").toInt(), wasAt + 1);
    QCOMPARE(spin->property("Max").toInt(), studio.document().count());
    auto* digits = spin->findChild<QLineEdit*>(QStringLiteral("Text1"));
    digits->clear();
    QTest::keyClicks(digits, QStringLiteral("1"));
    QTest::keyClick(digits, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(studio.document().indexOf(bath), 0);
    QCOMPARE(studio.itemText(HotspotProperties::Order), QStringLiteral("1"));
    const QString code = studio.codeText();
    const qsizetype firstArea = code.indexOf(QStringLiteral("<area"));
    QVERIFY(code.mid(firstArea, code.indexOf(QLatin1Char('\n'), firstArea) - firstArea)
                .contains(QStringLiteral("alt=\"Bath\"")));

    // List: the target combo, chosen from its drop-down with the keys.
    QWidget* combo = studio.openEditor(
        HotspotProperties::AttributePrefix + QStringLiteral("target"), "Zel_ComboButton1", true);
    QVERIFY(combo);
    auto* entries = combo->findChild<QComboBox*>(QStringLiteral("Combo1"));
    QVERIFY(entries);
    QTRY_VERIFY(entries->view()->isVisible());
    entries->view()->setCurrentIndex(entries->model()->index(1, 0)); // "_blank - 1"
    QTest::keyClick(entries->view(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(
        studio.document().find(bath)->value(QStringLiteral("target")), QStringLiteral("_blank"));
    QVERIFY(studio.codeText().contains(QStringLiteral("target=\"_blank\"")));

    // Each is one step back.
    studio.action("actionUndo")->trigger();
    QVERIFY(!studio.document().find(bath)->has(QStringLiteral("target")));
    studio.action("actionUndo")->trigger();
    QCOMPARE(studio.document().indexOf(bath), wasAt);
    studio.action("actionUndo")->trigger();
    QVERIFY(!studio.codeText().contains(QStringLiteral("Our flat")));
    QVERIFY(!studio.window.isWindowModified());
}

void TestStudio::colourAndBrowseEditorsInPlace()
{
    Studio studio;
    QVERIFY(studio.show());
    const int pond = studio.idOf(QStringLiteral("Pond"));
    studio.window.selectArea(pond);
    // Pixels of pure red on the map: the sample has none of its own.
    const auto redPixels = [&studio] {
        QCoreApplication::processEvents();
        const QImage shown = studio.window.map()->WorkPicture()->grab().toImage();
        int count = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x)
                count += shown.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
        }
        return count;
    };
    QCOMPARE(redPixels(), 0);

    // Colour: row 3, column 2 of the palette (red), reached with the keys in the drop-down.
    QWidget* selector = studio.openEditor(HotspotProperties::Colour, "ColorSelector1", true);
    QVERIFY(selector);
    QWidget* palette = Studio::popupOf(selector);
    QVERIFY(palette);
    for (const Qt::Key key : { Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right })
        QTest::keyClick(palette, key); // the first key lands on the first cell
    QTest::keyClick(palette, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(studio.itemText(HotspotProperties::Colour), QStringLiteral("#FF0000"));
    QCOMPARE(studio.document().find(pond)->colour, qint32(Zel::rgb(255, 0, 0)));
    QVERIFY(redPixels() > 0);
    studio.action("actionUndo")->trigger();
    QCOMPARE(redPixels(), 0);

    // Browse: the "..." button asks for a file; the link is written relative to the page.
    const QString pageFile = m_dir.filePath(QStringLiteral("browse/page.html"));
    QString error;
    QVERIFY2(studio.window.saveAs(pageFile, &error), qPrintable(error));
    QDir().mkpath(m_dir.filePath(QStringLiteral("browse/rooms")));
    QVERIFY(
        writeText(m_dir.filePath(QStringLiteral("browse/rooms/pond.html")), QStringLiteral("<p>")));
    studio.window.selectArea(pond);
    QWidget* browse = studio.openEditor(
        HotspotProperties::AttributePrefix + QStringLiteral("href"), "Zel_BrowseButton1");
    QVERIFY(browse);
    studio.nextOpen = m_dir.filePath(QStringLiteral("browse/rooms/pond.html"));
    QTest::mouseClick(
        browse, Qt::LeftButton, {}, QPoint(browse->width() - 6, browse->height() / 2));
    QCoreApplication::processEvents();
    QVERIFY(studio.nextOpen.isEmpty()); // the file was asked for
    QCOMPARE(studio.document().find(pond)->value(QStringLiteral("href")),
        QStringLiteral("rooms/pond.html"));
    QVERIFY(studio.codeText().contains(QStringLiteral("href=\"rooms/pond.html\"")));

    // Typed into the browse editor's own box, Enter takes the text.
    browse = studio.openEditor(
        HotspotProperties::AttributePrefix + QStringLiteral("href"), "Zel_BrowseButton1");
    QVERIFY(browse);
    auto* typed = browse->findChild<QLineEdit*>(QStringLiteral("Text1"));
    typed->setFocus();
    typed->selectAll();
    QTest::keyClicks(typed, QStringLiteral("#pond"));
    QTest::keyClick(typed, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(studio.document().find(pond)->value(QStringLiteral("href")), QStringLiteral("#pond"));
    studio.action("actionUndo")->trigger();
    QCOMPARE(studio.document().find(pond)->value(QStringLiteral("href")),
        QStringLiteral("rooms/pond.html"));
}

void TestStudio::warningsShow()
{
    Studio studio;
    const int bath = studio.idOf(QStringLiteral("Bath"));
    studio.window.selectArea(bath);
    studio.edit(HotspotProperties::AttributePrefix + QStringLiteral("alt"), QString());
    QVERIFY(studio.itemCaption(HotspotProperties::AttributePrefix + QStringLiteral("alt"))
                .startsWith(HotspotProperties::warningMark()));
    QCOMPARE(studio.window.problemList()->count(), 1);

    studio.edit(HotspotProperties::AttributePrefix + QStringLiteral("href"), QString());
    QVERIFY(!studio.document().find(bath)->has(QStringLiteral("href")));
    // alt="" stays (it marks a decorative area): an alt without a link is reported.
    QCOMPARE(studio.window.problemList()->count(), 1);
    QVERIFY(studio.window.problemList()->item(0)->text().contains(QStringLiteral("no href")));

    // Choosing a problem selects its hotspot.
    studio.window.selectArea(0);
    studio.window.problemList()->setCurrentRow(0);
    QCOMPARE(studio.window.selectedArea(), bath);
}

void TestStudio::codeBoxShowsThePageAsSaved()
{
    Studio studio;
    const int living = studio.idOf(QStringLiteral("Living room"));
    studio.window.selectArea(living);
    studio.edit(HotspotProperties::AttributePrefix + QStringLiteral("alt"),
        QStringLiteral("Living & dining"));
    Zel_CodeBox* code = studio.window.code();
    QVERIFY(!code->NormalizeEntities());

    QStringList rows;
    for (qint32 i = 0; i <= code->Count().toInt(); ++i) { // Count is the highest index
        if (!code->ItemKey(i).toString().startsWith(QStringLiteral("section:")))
            rows << code->ItemValue(i).toString();
    }
    QStringList saved = studio.window.htmlPage().split(QLatin1Char('\n'));
    saved.removeLast(); // the page ends in a line break
    for (int i = 0; i < std::min(rows.size(), saved.size()); ++i)
        QCOMPARE(rows.at(i), saved.at(i));
    QCOMPARE(rows.size(), saved.size());
    QVERIFY(studio.window.htmlPage().contains(QStringLiteral("alt=\"Living &amp; dining\"")));

    // Choosing a row selects its hotspot; the selected hotspot's row is current.
    const int pond = studio.idOf(QStringLiteral("Pond"));
    code->SelectItem(PageWriter::areaKey(pond), true);
    QCOMPARE(studio.window.selectedArea(), pond);
    studio.window.selectArea(living);
    QCOMPARE(code->ItemKey(code->ListIndex()).toString(), PageWriter::areaKey(living));

    // Ctrl+C in the box copies its line; Copy Page Source the whole page.
    code->setFocus();
    code->Copy();
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("Living &amp; dining")));
    studio.action("actionCopyPage")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), studio.window.htmlPage());
}

void TestStudio::toolsAndPreview()
{
    Studio studio;
    studio.action("actionRectangle")->trigger();
    QCOMPARE(studio.window.map()->FigureToDraw(), Zonecraft::DrawingRectangle);
    studio.action("actionPolygon")->trigger();
    QCOMPARE(studio.window.map()->FigureToDraw(), Zonecraft::DrawingPolygn);
    QVERIFY(!studio.action("actionRectangle")->isChecked());
    studio.action("actionPointer")->trigger();
    QCOMPARE(studio.window.map()->FigureToDraw(), Zonecraft::Pointer);
    QCOMPARE(studio.action("actionRectangle")->shortcut(), QKeySequence(QStringLiteral("R")));

    studio.action("actionPreview")->trigger();
    QCOMPARE(studio.window.map()->ImagemapMode(), Zonecraft::PreviewMode);
    studio.action("actionPreview")->trigger();
    QCOMPARE(studio.window.map()->ImagemapMode(), Zonecraft::DesignMode);

    const qint32 zoom = studio.window.map()->ZoomLevel();
    studio.action("actionZoomIn")->trigger();
    QVERIFY(studio.window.map()->ZoomLevel() > zoom);
    studio.action("actionZoomOut")->trigger();
    QCOMPARE(studio.window.map()->ZoomLevel(), zoom);
}

// The map's tab buttons, by their Index (element 0 holds no tab).
QWidget* mapTab(Zonecraft* map, int index)
{
    for (QWidget* button : map->findChildren<QWidget*>(QStringLiteral("GoldButton1"))) {
        if (button->property("Index").toInt() == index)
            return button;
    }
    return nullptr;
}

void TestStudio::designAndPreviewTabs()
{
    Studio studio;
    QVERIFY(studio.show());
    Zonecraft* map = studio.window.map();
    QWidget* design = mapTab(map, 1);
    QWidget* preview = mapTab(map, 2);
    QVERIFY(design && preview);
    QVERIFY(!mapTab(map, 3));
    QCOMPARE(design->property("Caption").toString(), QStringLiteral("Design"));
    QCOMPARE(preview->property("Caption").toString(), QStringLiteral("Preview"));
    QVERIFY(design->isVisible() && preview->isVisible());
    // Side by side in the row of the horizontal bar, which keeps most of it.
    auto* bar = map->findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    QVERIFY(bar && bar->isVisible());
    QCOMPARE(preview->x(), design->geometry().right() + 1);
    QCOMPARE(bar->x(), preview->geometry().right() + 1);
    QCOMPARE(bar->y(), design->y());
    QVERIFY(bar->width() > map->width() / 2);

    const auto selected = [](QWidget* tab) { return tab->property("SelectedState").toInt() == 2; };
    QVERIFY(selected(design) && !selected(preview));
    QSignalSpy clicked(map, &Zonecraft::TabClicked);

    QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(map->ImagemapMode(), Zonecraft::PreviewMode);
    QVERIFY(studio.action("actionPreview")->isChecked());
    QVERIFY(selected(preview) && !selected(design));

    // The current tab again changes nothing.
    QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(map->ImagemapMode(), Zonecraft::PreviewMode);
    QVERIFY(selected(preview) && !selected(design));

    QTest::mouseClick(design, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(map->ImagemapMode(), Zonecraft::DesignMode);
    QVERIFY(!studio.action("actionPreview")->isChecked());
    QVERIFY(selected(design) && !selected(preview));

    // F5 and the action move the tabs without a click on them.
    QTest::keyClick(&studio.window, Qt::Key_F5);
    QCOMPARE(map->ImagemapMode(), Zonecraft::PreviewMode);
    QVERIFY(selected(preview) && !selected(design));
    studio.action("actionPreview")->trigger();
    QCOMPARE(map->ImagemapMode(), Zonecraft::DesignMode);
    QVERIFY(selected(design) && !selected(preview));
    QCOMPARE(clicked.count(), 3);
}

void TestStudio::drawingWithTheMouse()
{
    Studio studio;
    const QString file = m_dir.filePath(QStringLiteral("blank.png"));
    QVERIFY(testPicture(200, 150).save(file));
    QVERIFY(studio.window.newDocument(file));
    studio.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&studio.window));
    studio.action("actionRectangle")->trigger();
    QWidget* surface = studio.window.map()->WorkPicture();
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(surface, QPoint(60, 50));
    QTest::mouseMove(surface, QPoint(100, 80));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(100, 80));
    if (figureCount(studio.window.map()) == 0)
        QSKIP("the map control draws no figure with the mouse yet");
    QTRY_COMPARE(studio.document().count(), 1);
    const MapArea& drawn = studio.document().at(0);
    QCOMPARE(drawn.geometry().kind, AreaKind::Rectangle);
    QVERIFY(drawn.has(QStringLiteral("href")) && drawn.has(QStringLiteral("alt")));
    QCOMPARE(studio.window.selectedArea(), drawn.id);
    QVERIFY(studio.window.htmlPage().contains(QStringLiteral("<area shape=\"rect\"")));
    studio.action("actionUndo")->trigger();
    QCOMPARE(studio.document().count(), 0);
    QCOMPARE(figureCount(studio.window.map()), 0);
}

void TestStudio::aboutNamesTheLibraries()
{
    const QString about = StudioWindow::aboutText();
    for (const char* name : { "Zonecraft", "Tabulon", "Glyphon", "Qt " })
        QVERIFY2(about.contains(QLatin1String(name)), name);
}

void TestStudio::aTranslationChangesTheTexts()
{
#ifndef STUDIO_TEST_TRANSLATIONS
    QSKIP("Qt's LinguistTools were not found, so no translation was compiled");
#else
    const QStringList folders { QStringLiteral(STUDIO_TEST_TRANSLATIONS) };
    // The studio is written in English: no catalogue of its own is needed for it.
    const QList<QTranslator*> english
        = StudioTranslations::install(QLocale(QLocale::English), folders);
    QVERIFY(std::none_of(english.cbegin(), english.cend(),
        [](QTranslator* t) { return t->filePath().contains(QStringLiteral("zelstudio")); }));
    const QList<QTranslator*> loaded
        = StudioTranslations::install(QLocale(QLocale::German), folders);
    const auto removeAll = qScopeGuard([&] {
        for (QTranslator* t : loaded + english) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    });
    QVERIFY(std::any_of(loaded.cbegin(), loaded.cend(),
        [](QTranslator* t) { return t->filePath().endsWith(QStringLiteral("zelstudio_de.qm")); }));

    Studio studio;
    QStringList menus;
    for (QAction* menu : studio.window.menuBar()->actions())
        menus << menu->text();
    QVERIFY2(menus.startsWith(QStringLiteral("&Datei")), qPrintable(menus.join(u' ')));
    QVERIFY(menus.contains(QStringLiteral("&Bearbeiten")));
    QCOMPARE(studio.itemCaption(QStringLiteral("page")), QStringLiteral("Seite"));
    // A text the catalogue leaves out stays in English.
    QVERIFY(menus.contains(QStringLiteral("&Help")));
    // What the page reader says of an area, too.
    MapArea circle;
    circle.setValue(QStringLiteral("shape"), QStringLiteral("circle"));
    circle.setValue(QStringLiteral("coords"), QStringLiteral("10,10,0"));
    QCOMPARE(
        circle.geometry().problem, QStringLiteral("ein Kreis braucht einen Radius \u00fcber 0"));
#endif
}

void TestStudio::theCommandLineSpeaksTheTranslation()
{
#ifndef STUDIO_TEST_TRANSLATIONS
    QSKIP("Qt's LinguistTools were not found, so no translation was compiled");
#else
    // The program looks for its catalogue beside itself, so a copy of it gets the German one.
    const QString dir = m_dir.filePath(QStringLiteral("german"));
    QVERIFY(QDir().mkpath(dir + QStringLiteral("/translations")));
    const QString program = dir + QStringLiteral("/zelstudio");
    QVERIFY(QFile::copy(QStringLiteral(ZELSTUDIO_PATH), program));
    QVERIFY(QFile::copy(QStringLiteral(STUDIO_TEST_TRANSLATIONS "/zelstudio_de.qm"),
        dir + QStringLiteral("/translations/zelstudio_de.qm")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "LC_ALL", "LC_MESSAGES", "LANG" })
        environment.insert(QLatin1String(name), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));

    QProcess studio;
    studio.setProcessEnvironment(environment);
    studio.start(program, { QStringLiteral("--help") });
    QVERIFY(studio.waitForFinished(60000));
    const QString help = QString::fromUtf8(studio.readAllStandardOutput());
    QVERIFY2(help.contains(QStringLiteral("FILE \u00f6ffnen: ein Bild oder eine HTML-Seite")),
        qPrintable(help));
    // A text the catalogue leaves out stays in English.
    QVERIFY(help.contains(QStringLiteral("Render the window into FILE and exit.")));

    // The headless export's messages too.
    studio.start(program,
        { QStringLiteral("--export-html"), m_dir.filePath(QStringLiteral("german/out.html")),
            QStringLiteral("one.png"), QStringLiteral("two.png") });
    QVERIFY(studio.waitForFinished(60000));
    QCOMPARE(studio.exitCode(), 1);
    QVERIFY(QString::fromUtf8(studio.readAllStandardError())
                .contains(QStringLiteral("nur eine Datei kann ge\u00f6ffnet werden")));
#endif
}

void TestStudio::headlessExport()
{
    // No display at all, and no platform chosen: the export still works.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" })
        environment.remove(QLatin1String(name));
    const QString page = m_dir.filePath(QStringLiteral("headless/out.html"));
    QProcess studio;
    studio.setProcessEnvironment(environment);
    studio.start(QStringLiteral(ZELSTUDIO_PATH), { QStringLiteral("--export-html"), page });
    QVERIFY(studio.waitForFinished(60000));
    QCOMPARE(studio.exitStatus(), QProcess::NormalExit);
    QVERIFY2(studio.exitCode() == 0, studio.readAllStandardError().constData());
    QVERIFY(!QImage(m_dir.filePath(QStringLiteral("headless/sample.png"))).isNull());
    const QString text = readText(page);
    QVERIFY(text.contains(QStringLiteral("<img src=\"sample.png\"")));
    QCOMPARE(text.count(QStringLiteral("<area ")), 8);

    // A bad area list fails with its line and field, and writes nothing.
    const QString list = m_dir.filePath(QStringLiteral("headless/bad.txt"));
    QVERIFY(writeText(list, QStringLiteral("1,2,3|Rectangle|1||False|Short\n")));
    studio.start(QStringLiteral(ZELSTUDIO_PATH),
        { QStringLiteral("--areas"), list, QStringLiteral("--export-html"),
            m_dir.filePath(QStringLiteral("headless/no.html")) });
    QVERIFY(studio.waitForFinished(60000));
    QCOMPARE(studio.exitCode(), 1);
    QVERIFY(QString::fromUtf8(studio.readAllStandardError())
                .contains(QStringLiteral("line 1, coordinates")));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("headless/no.html"))));
}

void TestStudio::openAndScreenshotFromTheCommandLine()
{
    Studio saver;
    const QString page = m_dir.filePath(QStringLiteral("cli/page.html"));
    QVERIFY(saver.window.saveAs(page));

    const QString shot = m_dir.filePath(QStringLiteral("cli/shot.png"));
    QProcess studio;
    studio.start(QStringLiteral(ZELSTUDIO_PATH),
        { QStringLiteral("--open"), page, QStringLiteral("--screenshot"), shot });
    QVERIFY(studio.waitForFinished(60000));
    QVERIFY2(studio.exitCode() == 0, studio.readAllStandardError().constData());
    QVERIFY(QImage(shot).width() > 600);

    // The page read from the command line is written back as it was.
    const QString again = m_dir.filePath(QStringLiteral("cli/again/page.html"));
    studio.start(QStringLiteral(ZELSTUDIO_PATH), { page, QStringLiteral("--export-html"), again });
    QVERIFY(studio.waitForFinished(60000));
    QCOMPARE(studio.exitCode(), 0);
    QCOMPARE(readText(again), readText(page));
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("cli/again/sample.png"))));
}

QTEST_MAIN(TestStudio)
#include "tst_studio.moc"
