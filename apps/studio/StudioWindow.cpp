#include "StudioWindow.h"

#include "AreaListFormat.h"
#include "DocumentCommands.h"
#include "DocumentIO.h"
#include "HotspotProperties.h"
#include "MapDocument.h"
#include "PageWriter.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QUndoStack>
#include <QUrl>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <common/HostConvert.h>
#include <common/OleColor.h>
#include <common/PictureBox.h>
#include <glyphon/Zel_CodeBox.h>
#include <iterator>
#include <tabulon/ZelPropList.h>
#include <zonecraft/Zonecraft.h>

#ifndef ZEL_VERSION
#define ZEL_VERSION "unknown"
#endif

namespace {

const QString AreasMimeType = QStringLiteral("application/x-zelstudio-areas");
const QString AppName = QStringLiteral("Zel Studio");
constexpr int MaxRecentFiles = 8;
constexpr int PasteOffset = 10;

namespace SettingsKey {
const QString Geometry = QStringLiteral("window/geometry");
const QString State = QStringLiteral("window/state");
const QString Recent = QStringLiteral("files/recent");
const QString LastFolder = QStringLiteral("files/lastFolder");
} // namespace SettingsKey

// The zoom levels Zoom In and Zoom Out step through, in percent.
constexpr int ZoomSteps[] = { 20, 50, 75, 100, 200, 300, 400, 500 };
constexpr int SmallestZoom = 20;
constexpr int LargestZoom = 500;
// One notch of a mouse wheel, in eighths of a degree.
constexpr int WheelNotch = 120;

// The map's tabs: editing the map and trying it, in the order they are added.
const QString DesignTab = QStringLiteral("design");
const QString PreviewTab = QStringLiteral("preview");
constexpr qint32 DesignTabIndex = 1;
constexpr qint32 PreviewTabIndex = 2;

// The zoom step after \a level going \a up (or down); \a level itself at the ends.
int nextZoomStep(int level, bool up)
{
    if (up) {
        for (const int step : ZoomSteps) {
            if (step > level)
                return step;
        }
        return std::min(level, LargestZoom);
    }
    for (auto it = std::rbegin(ZoomSteps); it != std::rend(ZoomSteps); ++it) {
        if (*it < level)
            return *it;
    }
    return std::max(level, SmallestZoom);
}

// One figure as the map control lists it.
struct ShownFigure
{
    qint32 number;
    QString geometry; // kind and whole-pixel coordinates, comparable with geometryKey()
};

QString geometryKey(const QString& kind, const QString& coords)
{
    QStringList numbers;
    for (const QString& n : coords.split(QLatin1Char(','), Qt::SkipEmptyParts))
        numbers << QString::number(qRound64(n.toDouble()));
    return kind + QLatin1Char(':') + numbers.join(QLatin1Char(','));
}

QString geometryKey(const AreaGeometry& g)
{
    return geometryKey(AreaShape::kindName(g.kind), g.controlCoordinates());
}

QList<ShownFigure> shownFigures(const Zonecraft& map)
{
    QList<ShownFigure> figures;
    const QString separator = map.ExtractSeperator();
    const QStringList lines
        = map.ExportCode(Zonecraft::customcode).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList fields = line.split(separator);
        if (fields.size() >= 3)
            figures.append({ fields.at(2).toInt(), geometryKey(fields.at(1), fields.at(0)) });
    }
    return figures;
}

QString colourField(qint32 colour)
{
    return colour < 0 ? QString() : QStringLiteral("&H%1").arg(colour, 0, 16).toUpper();
}

// The coordinates of \a area moved by (dx, dy).
void shiftArea(MapArea& area, double dx, double dy)
{
    const AreaGeometry g = area.geometry();
    if (!g.isShown())
        return;
    QList<double> numbers = g.numbers;
    const int moved = g.kind == AreaKind::Circle ? 2 : int(numbers.size());
    for (int i = 0; i < moved; ++i)
        numbers[i] += i % 2 == 0 ? dx : dy;
    area.setValue(QStringLiteral("coords"), AreaShape::coordsText(numbers));
}

bool sameArea(const MapArea& a, const MapArea& b)
{
    return a.attributes == b.attributes && a.colour == b.colour && a.locked == b.locked;
}

// Areas in tag text, as the clipboard carries them.
QList<MapArea> areasFromTags(const QString& tags)
{
    HtmlPage page;
    const QString wrapped = QStringLiteral("<map name=\"clipboard\">%1</map>").arg(tags);
    if (!HtmlPageReader::read(wrapped.toUtf8(), &page, nullptr) || page.maps.isEmpty())
        return {};
    QList<MapArea> areas = page.maps.first().areas;
    for (MapArea& area : areas) {
        area.sourceTag.clear();
        area.trailing.clear();
        area.line = 0;
    }
    return areas;
}

int nextHotspotNumber(const MapDocument& document)
{
    static const QRegularExpression numbered(QStringLiteral("^Hotspot (\\d+)$"));
    int highest = document.count();
    for (const MapArea& area : document.areas()) {
        const QRegularExpressionMatch m = numbered.match(area.value(QStringLiteral("alt")));
        if (m.hasMatch())
            highest = std::max(highest, m.captured(1).toInt());
    }
    return highest + 1;
}

} // namespace

StudioWindow::StudioWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_document(new MapDocument(this))
    , m_undo(new QUndoStack(this))
    , m_map(new Zonecraft)
    , m_properties(new ZelPropList)
    , m_code(new Zel_CodeBox)
    , m_problemList(new QListWidget)
    , m_statusLabel(new QLabel(this))
{
    // New controls on a new window: each starts from its defaults, as a host places it.
    m_map->InitProperties();
    m_properties->InitProperties();
    m_code->InitProperties();
    m_map->setZoomLevel(100);
    m_map->setObjectName(QStringLiteral("map"));
    m_properties->setObjectName(QStringLiteral("properties"));
    m_code->setObjectName(QStringLiteral("code"));
    m_problemList->setObjectName(QStringLiteral("problems"));
    m_undo->setObjectName(QStringLiteral("undoStack"));
    m_properties->setVisualStyle(Tabulon::Style::CoolXP);
    m_properties->setVisualColor(Zel::rgb(120, 160, 220));
    m_code->setShow_Number(true);
    // The code box shows the page as saved, entities and all.
    m_code->setNormalizeEntities(false);
    // A new code box draws everything in black; give it the studio's colours.
    m_code->setVisualStyle(true);
    m_code->setGutterColor(Zel::rgb(0xD8, 0xDC, 0xE4));
    m_code->setGutterFontColor(Zel::rgb(0x70, 0x78, 0x88));
    m_code->setColorElementName(Zel::rgb(0x00, 0x30, 0xA0));
    m_code->setColorAttributeName(Zel::rgb(0xB0, 0x30, 0x00));
    m_code->setColorAttributeValue(Zel::rgb(0x10, 0x80, 0x30));
    m_code->setColorComment(Zel::rgb(0x80, 0x80, 0x80));
    m_code->setSelectBGColor(Zel::rgb(0xD0, 0xE0, 0xF8));
    // Hatched hotspots keep the picture readable under them; dark handles
    // stay visible on a light picture.
    m_map->setFillStyle(PictureBox::DiagonalCross);
    m_map->setHandleColor(Zel::rgb(0x10, 0x30, 0x90));
    m_map->setHandleColorLocked(Zel::rgb(0xC0, 0x20, 0x20));
    m_map->setShowRulers(true);
    m_map->setShowScrollbars(true);
    // Design and Preview as tabs in the map's corner, the views a web editor
    // offers; two short captions leave the horizontal bar most of the row.
    m_map->AddControlTab(DesignTab, tr("Design"));
    m_map->AddControlTab(PreviewTab, tr("Preview"));
    m_map->RedrawTabs();
    m_map->SelectTabButton(DesignTabIndex);

    auto* side = new QSplitter(Qt::Vertical);
    side->setObjectName(QStringLiteral("sideSplitter"));
    side->addWidget(m_properties);
    side->addWidget(m_code);
    side->setSizes({ 320, 360 });

    auto* main = new QSplitter(Qt::Horizontal);
    main->setObjectName(QStringLiteral("mainSplitter"));
    // The map scrolls itself, with its own bars and rulers.
    main->addWidget(m_map);
    main->addWidget(side);
    main->setStretchFactor(0, 3);
    main->setStretchFactor(1, 2);
    main->setSizes({ 680, 520 });
    setCentralWidget(main);

    auto* problemsDock = new QDockWidget(tr("Problems"), this);
    problemsDock->setObjectName(QStringLiteral("problemsDock"));
    problemsDock->setWidget(m_problemList);
    addDockWidget(Qt::BottomDockWidgetArea, problemsDock);
    resizeDocks({ problemsDock }, { 110 }, Qt::Vertical);
    statusBar()->addWidget(m_statusLabel, 1);
    setAcceptDrops(true);

    installDefaultPrompts();
    buildActions();
    buildMenusAndToolbars();
    connectControls();
    auto* copyLine = new QAction(tr("Copy Line"), m_code);
    connect(copyLine, &QAction::triggered, m_code, &Zel_CodeBox::Copy);
    m_code->addAction(copyLine);
    m_code->addAction(findChild<QAction*>(QStringLiteral("actionCopyPage")));
    m_code->setContextMenuPolicy(Qt::ActionsContextMenu);
    resize(1220, 780);
    QSettings settings;
    restoreGeometry(settings.value(SettingsKey::Geometry).toByteArray());
    restoreState(settings.value(SettingsKey::State).toByteArray());
    rebuildRecentMenu();
    refresh();
}

StudioWindow::~StudioWindow()
{
    // The stack empties itself as the window's child, after the views are gone.
    disconnect(m_undo, nullptr, this, nullptr);
}

// --- prompts -----------------------------------------------------------------

void StudioWindow::installDefaultPrompts()
{
    m_prompts.askToSave = [this](const QString& name) {
        const auto answer = QMessageBox::question(this, AppName,
            tr("Save the changes to %1 before closing it?").arg(name),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        return answer == QMessageBox::Save   ? StudioPrompts::SaveChoice::Save
            : answer == QMessageBox::Discard ? StudioPrompts::SaveChoice::Discard
                                             : StudioPrompts::SaveChoice::Cancel;
    };
    m_prompts.chooseMap = [this](const QStringList& maps) {
        bool ok = false;
        const QString chosen = QInputDialog::getItem(this, AppName,
            tr("The page holds several maps. Which one do you want to edit?"), maps, 0, false, &ok);
        return ok ? int(maps.indexOf(chosen)) : -1;
    };
    m_prompts.openFileName = [this](const QString& caption, const QString& filter) {
        QSettings settings;
        return QFileDialog::getOpenFileName(
            this, caption, settings.value(SettingsKey::LastFolder).toString(), filter);
    };
    m_prompts.saveFileName
        = [this](const QString& caption, const QString& suggested, const QString& filter) {
              QSettings settings;
              const QString folder = settings.value(SettingsKey::LastFolder).toString();
              return QFileDialog::getSaveFileName(
                  this, caption, QDir(folder).filePath(suggested), filter);
          };
    m_prompts.askText
        = [this](const QString& caption, const QString& label, const QString& current) {
              bool ok = false;
              const QString text
                  = QInputDialog::getText(this, caption, label, QLineEdit::Normal, current, &ok);
              return ok ? text : QString();
          };
    m_prompts.tell = [this](const QString& title, const QString& message) {
        QMessageBox::warning(this, title, message);
    };
}

// --- actions and menus -------------------------------------------------------

namespace {

QAction* makeAction(
    QObject* parent, const char* name, const QString& text, const QKeySequence& shortcut = {})
{
    auto* action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

} // namespace

void StudioWindow::buildActions()
{
    const auto add
        = [this](const char* name, const QString& text, const QKeySequence& key, auto slot) {
              QAction* action = makeAction(this, name, text, key);
              connect(action, &QAction::triggered, this, slot);
              addAction(action);
              return action;
          };
    add("actionNew", tr("&New from Picture…"), QKeySequence::New, [this] { newFromDialog(); });
    add("actionOpen", tr("&Open…"), QKeySequence::Open, [this] { openFromDialog(); });
    add("actionSave", tr("&Save"), QKeySequence::Save, [this] { save(); });
    add("actionSaveAs", tr("Save &As…"), QKeySequence::SaveAs, [this] { saveAsFromDialog(); });
    add("actionImportAreaList", tr("&Import Area List…"), {},
        [this] { importAreaListFromDialog(); });
    add("actionExportAreaList", tr("&Export Area List…"), QKeySequence(tr("Ctrl+E")),
        [this] { exportAreaListFromDialog(); });
    QAction* responsive = add("actionResponsive", tr("&Rescale Areas in Browsers"), {},
        [this](bool on) { applyProperty(HotspotProperties::Responsive, Zel::booleanText(on)); });
    responsive->setCheckable(true);
    add("actionQuit", tr("&Quit"), QKeySequence::Quit, [this] { close(); });

    QAction* undo = m_undo->createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcut(QKeySequence::Undo);
    addAction(undo);
    QAction* redo = m_undo->createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcut(QKeySequence::Redo);
    addAction(redo);
    add("actionCut", tr("Cu&t"), QKeySequence::Cut, [this] { cutSelected(); });
    // Ctrl+C in the code box copies its line; elsewhere it copies the hotspot.
    add("actionCopy", tr("&Copy"), QKeySequence::Copy, [this] {
        if (m_code->isAncestorOf(QApplication::focusWidget())
            || QApplication::focusWidget() == m_code)
            m_code->Copy();
        else
            copySelected();
    });
    add("actionCopyPage", tr("Copy Page &Source"), QKeySequence(tr("Ctrl+Shift+C")),
        [this] { QApplication::clipboard()->setText(htmlPage()); });
    add("actionPaste", tr("&Paste"), QKeySequence::Paste, [this] { paste(); });
    add("actionDuplicate", tr("D&uplicate"), QKeySequence(tr("Ctrl+D")),
        [this] { duplicateSelected(); });
    add("actionDelete", tr("&Delete"), QKeySequence::Delete, [this] { deleteSelected(); });
    add("actionBringToFront", tr("Bring to &Front"), QKeySequence(tr("Ctrl+Shift+Up")),
        [this] { bringToFront(); });
    add("actionSendToBack", tr("Send to &Back"), QKeySequence(tr("Ctrl+Shift+Down")),
        [this] { sendToBack(); });

    m_tools = new QActionGroup(this);
    const struct
    {
        const char* name;
        QString text;
        QKeySequence key;
        Zonecraft::OperatingMode mode;
    } tools[] = {
        { "actionPointer", tr("&Pointer"), QKeySequence(tr("Esc")), Zonecraft::Pointer },
        { "actionRectangle", tr("&Rectangle"), QKeySequence(tr("R")), Zonecraft::DrawingRectangle },
        { "actionCircle", tr("&Circle"), QKeySequence(tr("C")), Zonecraft::DrawingCircle },
        { "actionPolygon", tr("P&olygon"), QKeySequence(tr("P")), Zonecraft::DrawingPolygn },
        { "actionRotate", tr("R&otate"), QKeySequence(tr("T")), Zonecraft::RotatingFigure },
    };
    for (const auto& tool : tools) {
        QAction* action = makeAction(this, tool.name, tool.text, tool.key);
        action->setCheckable(true);
        action->setChecked(tool.mode == Zonecraft::Pointer);
        const Zonecraft::OperatingMode mode = tool.mode;
        connect(action, &QAction::triggered, this, [this, mode] { m_map->setFigureToDraw(mode); });
        m_tools->addAction(action);
        addAction(action);
    }

    add("actionZoomIn", tr("Zoom &In"), QKeySequence::ZoomIn,
        [this] { setZoom(nextZoomStep(m_zoom, true)); });
    add("actionZoomOut", tr("Zoom &Out"), QKeySequence::ZoomOut,
        [this] { setZoom(nextZoomStep(m_zoom, false)); });
    add("actionActualSize", tr("&Actual Size"), QKeySequence(tr("Ctrl+0")),
        [this] { setZoom(100); });
    add("actionZoomToFit", tr("Zoom to &Fit"), {}, [this] { setZoom(fittingZoom()); });
    QAction* preview = add("actionPreview", tr("&Preview"), QKeySequence(Qt::Key_F5),
        [this](bool on) { setPreview(on); });
    preview->setCheckable(true);
    add("actionAbout", tr("&About Zel Studio"), {},
        [this] { QMessageBox::about(this, tr("About Zel Studio"), aboutText()); });
}

void StudioWindow::buildMenusAndToolbars()
{
    const auto action
        = [this](const char* name) { return findChild<QAction*>(QLatin1String(name)); };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(action("actionNew"));
    file->addAction(action("actionOpen"));
    m_recentMenu = file->addMenu(tr("Open &Recent"));
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    file->addSeparator();
    file->addAction(action("actionSave"));
    file->addAction(action("actionSaveAs"));
    file->addAction(action("actionResponsive"));
    file->addSeparator();
    file->addAction(action("actionImportAreaList"));
    file->addAction(action("actionExportAreaList"));
    file->addSeparator();
    file->addAction(action("actionQuit"));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    for (const char* name : { "actionUndo", "actionRedo", "", "actionCut", "actionCopy",
             "actionCopyPage", "actionPaste", "actionDuplicate", "actionDelete", "",
             "actionBringToFront", "actionSendToBack" }) {
        if (*name)
            edit->addAction(action(name));
        else
            edit->addSeparator();
    }

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->addActions(m_tools->actions());

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(action("actionZoomIn"));
    view->addAction(action("actionZoomOut"));
    view->addAction(action("actionActualSize"));
    view->addAction(action("actionZoomToFit"));
    view->addSeparator();
    view->addAction(action("actionPreview"));
    view->addAction(findChild<QDockWidget*>(QStringLiteral("problemsDock"))->toggleViewAction());

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(action("actionAbout"));

    QToolBar* toolBar = addToolBar(tr("Tools"));
    toolBar->setObjectName(QStringLiteral("toolsToolBar"));
    toolBar->addActions(m_tools->actions());
    toolBar->addSeparator();
    toolBar->addAction(action("actionZoomOut"));
    m_zoomBox = new QSpinBox;
    m_zoomBox->setObjectName(QStringLiteral("zoomBox"));
    m_zoomBox->setRange(SmallestZoom, LargestZoom);
    m_zoomBox->setSingleStep(10);
    m_zoomBox->setSuffix(QStringLiteral(" %"));
    m_zoomBox->setToolTip(tr("Zoom"));
    // A level typed in applies once it is complete, not digit by digit.
    m_zoomBox->setKeyboardTracking(false);
    m_zoomBox->setValue(m_zoom);
    connect(m_zoomBox, &QSpinBox::valueChanged, this, [this](int level) {
        if (level != m_zoom)
            setZoom(level);
    });
    toolBar->addWidget(m_zoomBox);
    toolBar->addAction(action("actionZoomIn"));
    toolBar->addAction(action("actionActualSize"));
    toolBar->addAction(action("actionZoomToFit"));
    toolBar->addSeparator();
    toolBar->addAction(action("actionPreview"));
}

QString StudioWindow::aboutText()
{
    return tr("<h3>Zel Studio</h3>"
              "<p>An image-map editor for web pages: draw hotspots over a picture, give them "
              "their links, try them, and save the page.</p>"
              "<p>Zonecraft %1 (image-map editor), Tabulon %1 (property list), "
              "Glyphon %1 (code box), on Qt %2.</p>")
        .arg(QLatin1String(ZEL_VERSION), QLatin1String(qVersion()));
}

// --- wiring ------------------------------------------------------------------

void StudioWindow::connectControls()
{
    connect(m_undo, &QUndoStack::indexChanged, this, &StudioWindow::refresh);
    connect(m_undo, &QUndoStack::cleanChanged, this, &StudioWindow::updateTitle);

    connect(m_map, &Zonecraft::HotspotActivate, this, [this](const ShapeFigure& figure) {
        if (m_syncing)
            return;
        const int id = areaOfFigure(figure.Index);
        if (id != 0 && id != m_selectedId)
            selectArea(id);
    });
    connect(m_map, &Zonecraft::PictureClick, this, [this] {
        if (!m_syncing && m_selectedId != 0 && m_map->SelectedIndex() == 0)
            selectArea(0);
    });
    // A change made on the map with the mouse or keys is taken into the
    // document once the control is done with the event.
    const auto later = [this] {
        if (m_syncing || m_reconcilePending)
            return;
        m_reconcilePending = true;
        QTimer::singleShot(0, this, [this] {
            m_reconcilePending = false;
            reconcileWithMap();
        });
    };
    // The map reports each zoom it shows (also a new picture at 100 %).
    connect(m_map, &Zonecraft::ZoomLevelSet, this, [this](Zonecraft::Zoom level) {
        if (!m_zooming)
            showZoom(int(level));
    });
    m_map->installEventFilter(this);
    m_map->WorkPicture()->installEventFilter(this);
    m_map->WorkPicture()->parent()->installEventFilter(this);
    connect(m_map, &Zonecraft::HotspotMoved, this, later);
    connect(m_map, &Zonecraft::DrawFinished, this, later);
    connect(m_map, &Zonecraft::HistoryStatus, this, later);
    connect(m_map, &Zonecraft::HistoryAction, this, later);
    connect(m_map, &Zonecraft::VisibleObject, this, later);
    // While a hotspot is dragged its box shows in the status bar.
    connect(
        m_map, &Zonecraft::MoveHotspot, this, [this](qint32 x1, qint32 y1, qint32 x2, qint32 y2) {
            statusBar()->showMessage(tr("%1, %2 to %3, %4").arg(x1).arg(y1).arg(x2).arg(y2), 2000);
        });
    connect(m_map->WorkPicture(), &PictureBox::MouseDown, this,
        [this](int button, int, float x, float y) {
            if (button == 1 && m_map->FigureToDraw() == Zonecraft::Pointer
                && m_map->ImagemapMode() == Zonecraft::DesignMode) {
                const qint32 figure = m_map->FigureAt(x, y);
                if (figure > 0 && figure != m_map->SelectedIndex())
                    m_map->ActivateHotspot(figure);
            }
        });
    connect(
        m_map, &Zonecraft::PreviewStatus, this, [this](Zonecraft::MouseArea where, qint32 index) {
            if (where == Zonecraft::area_figure)
                showPreviewTip(index);
            else
                QToolTip::hideText();
        });
    connect(m_map, &Zonecraft::TabClicked, this,
        [this](const QString& name) { setPreview(name == PreviewTab); });
    connect(m_map, &Zonecraft::PreviewClick, this,
        [this](Zonecraft::MouseArea where, qint32 index, qint16) {
            if (where == Zonecraft::area_figure)
                showPreviewClick(index);
        });

    connect(m_code, qOverload<const QString&, const QString&>(&Zel_CodeBox::ReturnKey), this,
        [this](const QString& key, const QString&) {
            const int id = PageWriter::areaOfKey(key);
            if (id != 0 && id != m_selectedId)
                selectArea(id);
        });
    // The list is in the middle of closing its editor when it reports a value;
    // the change, which rebuilds the list, waits until it is done.
    connect(
        m_properties, &ZelPropList::ChangeItem, this,
        [this](const QString& value, const QString& key) { propertyEdited(key, value); },
        Qt::QueuedConnection);
    connect(m_properties, &ZelPropList::ComboAddItem, this,
        [](QStringList& entries, QString& key) { entries = HotspotProperties::choicesOf(key); });
    connect(
        m_properties, &ZelPropList::BrowseSelected, this,
        [this](const QString&, const QString& key) { browseForProperty(key); },
        Qt::QueuedConnection);
    connect(m_problemList, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && item->data(Qt::UserRole).toInt() != 0)
            selectArea(item->data(Qt::UserRole).toInt());
    });
}

// --- documents ---------------------------------------------------------------

void StudioWindow::openSample()
{
    MapDocument sample;
    DocumentIO::loadSample(sample);
    m_document->assign(sample);
    documentReplaced(QString());
}

void StudioWindow::documentReplaced(const QString& fileName)
{
    m_fileName = fileName;
    m_selectedId = 0;
    m_undo->clear();
    m_figureToArea.clear();
    m_areaToFigure.clear();
    m_shownLook.clear();
    m_map->setPicture(m_document->picture());
    refresh();
}

bool StudioWindow::openFile(const QString& fileName, QString* error)
{
    if (!maybeSave()) {
        if (error)
            *error = tr("cancelled");
        return false;
    }
    MapDocument loaded;
    QString failure;
    QStringList notes;
    const bool page = DocumentIO::isPage(fileName);
    const bool ok = page
        ? DocumentIO::loadPage(loaded, fileName, m_prompts.chooseMap, &failure, &notes)
        : DocumentIO::loadPicture(loaded, fileName, &failure);
    if (!ok) {
        if (error)
            *error = failure;
        return false;
    }
    m_document->assign(loaded);
    m_notes = notes;
    documentReplaced(page ? QFileInfo(fileName).absoluteFilePath() : QString());
    addRecentFile(fileName);
    return true;
}

bool StudioWindow::newDocument(const QString& pictureFile, QString* error)
{
    if (!maybeSave())
        return false;
    MapDocument created;
    if (!DocumentIO::loadPicture(created, pictureFile, error))
        return false;
    m_document->assign(created);
    m_notes.clear();
    documentReplaced(QString());
    return true;
}

bool StudioWindow::loadAreaList(const QString& text, QString* error)
{
    const AreaListFormat::Result read = AreaListFormat::read(text);
    QStringList problems;
    for (const AreaListFormat::LineError& e : read.errors)
        problems << e.text();
    if (!read.areas.isEmpty() || read.errors.isEmpty())
        push(new ReplaceAreasCommand(m_document, read.areas, tr("Read Area List")));
    if (error)
        *error = problems.join(QLatin1Char('\n'));
    return read.errors.isEmpty();
}

bool StudioWindow::save()
{
    if (m_fileName.isEmpty())
        return saveAsFromDialog();
    QString error;
    if (saveAs(m_fileName, &error))
        return true;
    m_prompts.tell(tr("Save"), tr("Cannot save %1: %2").arg(m_fileName, error));
    return false;
}

bool StudioWindow::saveAs(const QString& fileName, QString* error)
{
    if (!DocumentIO::savePage(*m_document, fileName, error))
        return false;
    m_fileName = QFileInfo(fileName).absoluteFilePath();
    m_undo->setClean();
    addRecentFile(fileName);
    refresh();
    return true;
}

bool StudioWindow::exportHtml(const QString& fileName, QString* error)
{
    MapDocument copy;
    copy.assign(*m_document);
    return DocumentIO::savePage(copy, fileName, error);
}

bool StudioWindow::exportAreaList(const QString& fileName, QString* error)
{
    return DocumentIO::saveText(fileName, AreaListFormat::write(m_document->areas()), error);
}

bool StudioWindow::isModified() const
{
    return !m_undo->isClean();
}

bool StudioWindow::maybeSave()
{
    if (!isModified())
        return true;
    const QString name
        = m_fileName.isEmpty() ? tr("the new map") : QFileInfo(m_fileName).fileName();
    switch (m_prompts.askToSave(name)) {
    case StudioPrompts::SaveChoice::Save:
        return save();
    case StudioPrompts::SaveChoice::Discard:
        return true;
    case StudioPrompts::SaveChoice::Cancel:
        break;
    }
    return false;
}

QString StudioWindow::htmlPage() const
{
    return PageWriter(*m_document).text();
}

QStringList StudioWindow::recentFiles() const
{
    return QSettings().value(SettingsKey::Recent).toStringList();
}

void StudioWindow::addRecentFile(const QString& fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QSettings settings;
    QStringList recent = settings.value(SettingsKey::Recent).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > MaxRecentFiles)
        recent.removeLast();
    settings.setValue(SettingsKey::Recent, recent);
    settings.setValue(SettingsKey::LastFolder, QFileInfo(path).absolutePath());
    rebuildRecentMenu();
}

void StudioWindow::rebuildRecentMenu()
{
    if (!m_recentMenu)
        return;
    m_recentMenu->clear();
    const QStringList recent = recentFiles();
    for (const QString& file : recent) {
        QAction* open = m_recentMenu->addAction(QFileInfo(file).fileName());
        open->setToolTip(file);
        connect(open, &QAction::triggered, this, [this, file] {
            QString error;
            if (!openFile(file, &error) && error != tr("cancelled"))
                m_prompts.tell(tr("Open"), tr("Cannot open %1: %2").arg(file, error));
        });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

void StudioWindow::openFromDialog()
{
    QStringList patterns { QStringLiteral("*.html"), QStringLiteral("*.htm") };
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString fileName = m_prompts.openFileName(tr("Open"),
        tr("Pages and pictures (%1);;All files (*)").arg(patterns.join(QLatin1Char(' '))));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!openFile(fileName, &error) && error != tr("cancelled"))
        m_prompts.tell(tr("Open"), tr("Cannot open %1: %2").arg(fileName, error));
}

void StudioWindow::newFromDialog()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString fileName = m_prompts.openFileName(
        tr("New Map on a Picture"), tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' '))));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!newDocument(fileName, &error) && !error.isEmpty())
        m_prompts.tell(tr("New"), tr("Cannot open %1: %2").arg(fileName, error));
}

bool StudioWindow::saveAsFromDialog()
{
    const QString suggested = m_fileName.isEmpty()
        ? QFileInfo(m_document->pictureName()).completeBaseName() + QStringLiteral(".html")
        : QFileInfo(m_fileName).fileName();
    const QString fileName
        = m_prompts.saveFileName(tr("Save As"), suggested, tr("HTML pages (*.html *.htm)"));
    if (fileName.isEmpty())
        return false;
    QString error;
    if (saveAs(fileName, &error))
        return true;
    m_prompts.tell(tr("Save As"), tr("Cannot save %1: %2").arg(fileName, error));
    return false;
}

void StudioWindow::importAreaListFromDialog()
{
    const QString fileName
        = m_prompts.openFileName(tr("Import Area List"), tr("Area lists (*.txt);;All files (*)"));
    if (fileName.isEmpty())
        return;
    QFile file(fileName);
    QString error;
    if (!file.open(QIODevice::ReadOnly))
        error = file.errorString();
    else if (loadAreaList(QString::fromUtf8(file.readAll()), &error))
        return;
    m_prompts.tell(
        tr("Import Area List"), tr("Some lines of %1 were not read:\n%2").arg(fileName, error));
}

void StudioWindow::exportAreaListFromDialog()
{
    const QString fileName = m_prompts.saveFileName(tr("Export Area List"),
        QFileInfo(m_document->pictureName()).completeBaseName() + QStringLiteral("-areas.txt"),
        tr("Area lists (*.txt)"));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!exportAreaList(fileName, &error))
        m_prompts.tell(tr("Export Area List"), tr("Cannot write %1: %2").arg(fileName, error));
}

void StudioWindow::closeEvent(QCloseEvent* event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    QSettings settings;
    settings.setValue(SettingsKey::Geometry, saveGeometry());
    settings.setValue(SettingsKey::State, saveState());
    event->accept();
}

void StudioWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void StudioWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    const QString fileName = urls.first().toLocalFile();
    // The drop finishes first; opening may ask questions.
    QTimer::singleShot(0, this, [this, fileName] {
        QString error;
        if (!openFile(fileName, &error) && error != tr("cancelled"))
            m_prompts.tell(tr("Open"), tr("Cannot open %1: %2").arg(fileName, error));
    });
}

// --- editing -----------------------------------------------------------------

void StudioWindow::push(QUndoCommand* command)
{
    m_undo->push(command);
}

void StudioWindow::selectArea(int id)
{
    if (!m_document->find(id))
        id = 0;
    m_selectedId = id;
    {
        QScopedValueRollback guard(m_syncing, true);
        const qint32 figure = figureOf(id);
        if (figure > 0 && m_map->SelectedIndex() != figure)
            m_map->ActivateHotspot(figure);
        else if (figure == 0 && m_map->SelectedIndex() != 0)
            m_map->PictureGetFocus();
    }
    showProperties();
    const QString key = PageWriter::areaKey(id);
    if (id != 0 && m_code->ReturnKey(key) >= 0 && m_code->ListIndex() != m_code->ReturnKey(key))
        m_code->SelectItem(key);
}

void StudioWindow::propertyEdited(const QString& key, const QString& value)
{
    const QString chosen = HotspotProperties::valueFromEditor(key, value);
    if (HotspotProperties::isTargetKey(key) && chosen == HotspotProperties::otherChoice()) {
        const MapArea* area = m_document->find(m_selectedId);
        const QString frame
            = m_prompts.askText(tr("Target"), tr("The frame or window the link opens in:"),
                area ? area->value(QStringLiteral("target")) : QString());
        if (!frame.isNull())
            applyProperty(key, frame.trimmed());
    } else {
        applyProperty(key, chosen);
    }
    // The list shows what the document holds, also when nothing changed.
    showProperties();
}

void StudioWindow::browseForProperty(const QString& key)
{
    if (key == HotspotProperties::PictureFile) {
        QStringList patterns;
        for (const QByteArray& format : QImageReader::supportedImageFormats())
            patterns << QStringLiteral("*.") + QString::fromLatin1(format);
        const QString file = m_prompts.openFileName(
            tr("Picture"), tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' '))));
        if (!file.isEmpty())
            applyProperty(key, file);
        return;
    }
    const QString file = m_prompts.openFileName(tr("Link to a File"), tr("All files (*)"));
    if (file.isEmpty())
        return;
    // A link to a file beside the page is written relative to it, so the pair can move together.
    const QString base = !m_fileName.isEmpty() ? QFileInfo(m_fileName).absolutePath()
        : !m_document->pictureFile().isEmpty() ? QFileInfo(m_document->pictureFile()).absolutePath()
                                               : QString();
    const QString link = base.isEmpty()
        ? QUrl::fromLocalFile(file).toString()
        : QDir(base).relativeFilePath(QFileInfo(file).absoluteFilePath());
    applyProperty(key, link);
}

void StudioWindow::applyProperty(const QString& key, const QString& value)
{
    MapDocument* doc = m_document;
    if (key == HotspotProperties::PageTitle) {
        const QString before = doc->title();
        if (before != value)
            push(new PageSettingCommand(
                tr("Change Title"), [doc, value] { doc->setTitle(value); },
                [doc, before] { doc->setTitle(before); }));
        return;
    }
    if (key == HotspotProperties::PageDate) {
        // The calendar hands back the locale's short date; an emptied value takes the date out.
        const QDate date = Zel::parseDate(value.trimmed());
        if (!date.isValid() && !value.trimmed().isEmpty()) {
            m_prompts.tell(tr("Date"), tr("\"%1\" is not a date.").arg(value));
            return;
        }
        const QDate before = doc->date();
        if (before != date)
            push(new PageSettingCommand(
                tr("Change Date"), [doc, date] { doc->setDate(date); },
                [doc, before] { doc->setDate(before); }));
        return;
    }
    if (key == HotspotProperties::MapName) {
        const QString before = doc->mapName();
        if (doc->frame()) {
            m_prompts.tell(tr("Map name"), tr("The map keeps the name the page gives it."));
        } else if (before != value && !value.trimmed().isEmpty()) {
            push(new PageSettingCommand(
                tr("Rename Map"), [doc, value] { doc->setMapName(value); },
                [doc, before] { doc->setMapName(before); }));
        }
        return;
    }
    if (key == HotspotProperties::Responsive) {
        const bool on
            = value.compare(Zel::booleanText(true), Qt::CaseInsensitive) == 0 || value == u"-1";
        if (on != doc->responsive())
            push(new PageSettingCommand(
                on ? tr("Rescale Areas") : tr("Keep Areas Unscaled"),
                [doc, on] { doc->setResponsive(on); }, [doc, on] { doc->setResponsive(!on); }));
        return;
    }
    if (key == HotspotProperties::PictureFile) {
        MapDocument loaded;
        QString error;
        if (value.isEmpty() || !DocumentIO::loadPicture(loaded, value, &error)) {
            m_prompts.tell(tr("Picture"), tr("Cannot open %1: %2").arg(value, error));
            return;
        }
        const StdPicture beforePicture = doc->picture();
        const QString beforeFile = doc->pictureFile();
        const QString beforeName = doc->pictureName();
        const StdPicture picture = loaded.picture();
        const QString file = loaded.pictureFile();
        const QString name = doc->frame() ? beforeName : loaded.pictureName();
        push(new PageSettingCommand(
            tr("Change Picture"),
            [doc, picture, file, name] { doc->setPicture(picture, file, name); },
            [doc, beforePicture, beforeFile, beforeName] {
                doc->setPicture(beforePicture, beforeFile, beforeName);
            }));
        return;
    }

    const MapArea* selected = m_document->find(m_selectedId);
    if (!selected)
        return;
    if (key == HotspotProperties::Order) {
        bool ok = false;
        const int place = value.trimmed().toInt(&ok);
        if (!ok)
            return;
        const int to = std::clamp(place, 1, m_document->count()) - 1;
        if (to != m_document->indexOf(m_selectedId))
            push(new MoveAreaCommand(m_document, m_selectedId, to, tr("Move in the Page")));
        return;
    }
    MapArea after = *selected;
    QString what = tr("Change Hotspot");
    if (key == HotspotProperties::Shape) {
        after.setValue(QStringLiteral("shape"), AreaShape::shapeText(AreaShape::kindOf(value)));
        what = tr("Change Shape");
    } else if (key == HotspotProperties::Coords) {
        after.setValue(QStringLiteral("coords"), value.trimmed());
        what = tr("Change Coordinates");
    } else if (key == HotspotProperties::Colour) {
        const QColor colour(value.trimmed());
        after.colour = value.trimmed().isEmpty() ? -1
            : colour.isValid()                   ? qint32(Zel::fromQColor(colour))
                                                 : qint32(Zel::colorFromText(value.trimmed()));
        what = tr("Change Colour");
    } else if (key == HotspotProperties::Locked) {
        after.locked
            = value.compare(Zel::booleanText(true), Qt::CaseInsensitive) == 0 || value == u"-1";
        what = after.locked ? tr("Lock Hotspot") : tr("Unlock Hotspot");
    } else if (key == HotspotProperties::NewAttribute) {
        static const QRegularExpression attribute(
            QStringLiteral("^\\s*([A-Za-z_:][-A-Za-z0-9_:.]*)\\s*(?:=\\s*(.*))?$"));
        const QRegularExpressionMatch m = attribute.match(value);
        if (!m.hasMatch()) {
            if (!value.trimmed().isEmpty())
                m_prompts.tell(tr("Add attribute"), tr("\"%1\" is not name=value.").arg(value));
            return;
        }
        QString text = m.captured(2).trimmed();
        if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'')
            && text.back() == text.front())
            text = text.mid(1, text.size() - 2);
        after.setValue(m.captured(1), text);
        what = tr("Add %1").arg(m.captured(1));
    } else if (key.startsWith(HotspotProperties::AttributePrefix)) {
        const QString name = key.mid(HotspotProperties::AttributePrefix.size());
        // An emptied value takes the attribute out of the tag; alt="" stays, as it means
        // "decorative".
        if (value.isEmpty() && name.compare(u"alt", Qt::CaseInsensitive) != 0)
            after.remove(name);
        else
            after.setValue(name, value);
        what = tr("Change %1").arg(name);
    } else {
        return;
    }
    if (!sameArea(after, *selected))
        push(new ChangeAreaCommand(m_document, *selected, after, what));
}

void StudioWindow::deleteSelected()
{
    if (m_selectedId == 0)
        return;
    const int id = m_selectedId;
    m_selectedId = 0;
    push(new RemoveAreasCommand(m_document, { id }, tr("Delete Hotspot")));
}

void StudioWindow::copySelected()
{
    const MapArea* area = m_document->find(m_selectedId);
    if (!area)
        return;
    auto* data = new QMimeData;
    data->setData(AreasMimeType, area->generatedTag().toUtf8());
    data->setText(area->generatedTag());
    QApplication::clipboard()->setMimeData(data);
}

void StudioWindow::cutSelected()
{
    if (m_selectedId == 0)
        return;
    copySelected();
    const int id = m_selectedId;
    m_selectedId = 0;
    push(new RemoveAreasCommand(m_document, { id }, tr("Cut Hotspot")));
}

void StudioWindow::insertAreasAfterSelection(QList<MapArea> areas, const QString& text)
{
    if (areas.isEmpty())
        return;
    int index = m_document->indexOf(m_selectedId);
    index = index < 0 ? m_document->count() : index + 1;
    QList<QPair<int, MapArea>> placed;
    for (MapArea& area : areas) {
        area.id = 0;
        // A copy over its original would hide it; set it off so both show.
        while (
            std::any_of(m_document->areas().cbegin(), m_document->areas().cend(),
                [&area](const MapArea& a) {
                    return a.value(QStringLiteral("coords")) == area.value(QStringLiteral("coords"))
                        && a.value(QStringLiteral("shape")) == area.value(QStringLiteral("shape"));
                })
            && area.geometry().isShown())
            shiftArea(area, PasteOffset, PasteOffset);
        placed.append({ index++, area });
    }
    auto* command = new InsertAreasCommand(m_document, placed, text);
    push(command);
    selectArea(command->ids().last());
}

void StudioWindow::paste()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data)
        return;
    const QString tags = data->hasFormat(AreasMimeType)
        ? QString::fromUtf8(data->data(AreasMimeType))
        : data->text();
    insertAreasAfterSelection(areasFromTags(tags), tr("Paste"));
}

void StudioWindow::duplicateSelected()
{
    const MapArea* area = m_document->find(m_selectedId);
    if (!area)
        return;
    MapArea copy = *area;
    copy.sourceTag.clear();
    copy.trailing.clear();
    insertAreasAfterSelection({ copy }, tr("Duplicate"));
}

void StudioWindow::bringToFront()
{
    if (m_document->indexOf(m_selectedId) > 0)
        push(new MoveAreaCommand(m_document, m_selectedId, 0, tr("Bring to Front")));
}

void StudioWindow::sendToBack()
{
    const int index = m_document->indexOf(m_selectedId);
    if (index >= 0 && index + 1 < m_document->count())
        push(new MoveAreaCommand(
            m_document, m_selectedId, m_document->count() - 1, tr("Send to Back")));
}

// --- zoom --------------------------------------------------------------------

void StudioWindow::setZoom(int level, std::optional<QPointF> anchor)
{
    level = std::clamp(level, SmallestZoom, LargestZoom);
    QWidget* viewport = m_map->findChild<QWidget*>(QStringLiteral("Picture3"));
    QScrollBar* hBar = m_map->findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    QScrollBar* vBar = m_map->findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    // The picture point under the anchor (the viewport's centre unless the
    // mouse gives one) stays where it is; the map itself starts every zoom
    // at the top left corner.
    const QPointF at = anchor.value_or(QPointF(viewport->width() / 2.0, viewport->height() / 2.0));
    const QPointF work = at - QPointF(m_map->WorkPicture()->pos());
    const double before = m_zoom / 100.0;
    {
        QScopedValueRollback guard(m_zooming, true);
        m_map->setZoomLevel(level);
    }
    showZoom(level);
    const double scale = level / 100.0 / before;
    hBar->setValue(qRound(work.x() * scale - at.x()));
    vBar->setValue(qRound(work.y() * scale - at.y()));
}

void StudioWindow::showZoom(int level)
{
    m_zoom = level;
    if (m_zoomBox) {
        const QSignalBlocker quiet(m_zoomBox);
        m_zoomBox->setValue(level);
    }
    if (QAction* in = findChild<QAction*>(QStringLiteral("actionZoomIn")))
        in->setEnabled(level < LargestZoom);
    if (QAction* out = findChild<QAction*>(QStringLiteral("actionZoomOut")))
        out->setEnabled(level > SmallestZoom);
}

int StudioWindow::fittingZoom() const
{
    const StdPicture& picture = m_document->picture();
    if (picture.Width() <= 0 || picture.Height() <= 0)
        return 100;
    // The viewport without bars and rulers is what the whole picture must fit in.
    const QWidget* viewport = m_map->findChild<QWidget*>(QStringLiteral("Picture3"));
    const double fit = std::min(
        double(viewport->width()) / picture.Width(), double(viewport->height()) / picture.Height());
    return std::clamp(int(std::floor(fit * 100)), SmallestZoom, LargestZoom);
}

bool StudioWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The picture, the viewport around it and the map itself (rulers), so
    // a wheel over any of them is the map's.
    const bool overMap = watched == m_map || watched == m_map->WorkPicture()
        || watched == m_map->WorkPicture()->parent();
    if (event->type() != QEvent::Wheel || !overMap)
        return QMainWindow::eventFilter(watched, event);
    auto* wheel = static_cast<QWheelEvent*>(event);
    const QPoint delta = wheel->angleDelta();
    if (wheel->modifiers() & Qt::ControlModifier) {
        // Ctrl+wheel zooms about the point under the mouse, a step a notch.
        m_wheelZoom += delta.y();
        const int notches = m_wheelZoom / WheelNotch;
        m_wheelZoom -= notches * WheelNotch;
        if (notches != 0) {
            QWidget* viewport = m_map->findChild<QWidget*>(QStringLiteral("Picture3"));
            const QPointF at = viewport->mapFrom(
                m_map, static_cast<QWidget*>(watched)->mapTo(m_map, wheel->position()));
            int level = m_zoom;
            for (int i = 0; i < std::abs(notches); ++i)
                level = nextZoomStep(level, notches > 0);
            setZoom(level, at);
        }
        return true;
    }
    // The plain wheel scrolls: up and down, or sideways with Shift or a
    // sideways wheel.
    const bool sideways = (wheel->modifiers() & Qt::ShiftModifier) || delta.x() != 0;
    QScrollBar* bar = m_map->findChild<QScrollBar*>(
        sideways ? QStringLiteral("HScroll1") : QStringLiteral("VScroll1"));
    if (bar && bar->isEnabled()) {
        const int amount = sideways ? (delta.x() != 0 ? delta.x() : delta.y()) : delta.y();
        bar->setValue(bar->value() - amount * bar->singleStep() / WheelNotch);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void StudioWindow::setPreview(bool on)
{
    m_map->setImagemapMode(on ? Zonecraft::PreviewMode : Zonecraft::DesignMode);
    if (QAction* action = findChild<QAction*>(QStringLiteral("actionPreview")))
        action->setChecked(on);
    // The tabs follow the Preview action and F5 as well as their own clicks.
    m_map->SelectTabButton(on ? PreviewTabIndex : DesignTabIndex);
    statusBar()->showMessage(on
            ? tr("Preview: point at a hotspot to see its tip, click it to see where it leads.")
            : QString());
}

void StudioWindow::showPreviewTip(qint32 figure)
{
    const MapArea* area = m_document->find(areaOfFigure(figure));
    if (!area)
        return;
    const QString title = area->value(QStringLiteral("title"));
    const QString tip = title.isEmpty() ? area->value(QStringLiteral("alt")) : title;
    if (!tip.isEmpty())
        QToolTip::showText(QCursor::pos(), tip, m_map);
}

void StudioWindow::showPreviewClick(qint32 figure)
{
    const MapArea* area = m_document->find(areaOfFigure(figure));
    if (!area)
        return;
    const QString href = area->value(QStringLiteral("href"));
    const QString target = area->value(QStringLiteral("target"));
    const QString message = href.isEmpty()
        ? tr("%1 leads nowhere: it has no href.").arg(area->label())
        : target.isEmpty() ? tr("Would open %1").arg(href)
                           : tr("Would open %1 in %2").arg(href, target);
    statusBar()->showMessage(message);
}

// --- keeping the views in step -----------------------------------------------

void StudioWindow::scheduleRefresh()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshPending = false;
        refresh();
    });
}

void StudioWindow::refresh()
{
    if (!m_document->find(m_selectedId))
        m_selectedId = 0;
    m_problems = MapProblems::check(*m_document);
    syncMap();
    showPage();
    showProperties();
    showProblems();
    updateTitle();
    if (QAction* responsive = findChild<QAction*>(QStringLiteral("actionResponsive")))
        responsive->setChecked(m_document->responsive());
    m_statusLabel->setText(tr("%1, %2 x %3 pixels, %n hotspot(s)", nullptr, m_document->count())
                               .arg(m_document->pictureName())
                               .arg(m_document->picture().Width())
                               .arg(m_document->picture().Height()));
}

void StudioWindow::syncMap()
{
    QScopedValueRollback guard(m_syncing, true);
    if (!(m_map->Picture() == m_document->picture()))
        m_map->setPicture(m_document->picture());
    // The map paints the figure created last on top and picks it first, so
    // areas go in last to first: the one on top is the one a browser picks.
    QList<const MapArea*> shown;
    const QList<MapArea>& areas = m_document->areas();
    for (auto it = areas.crbegin(); it != areas.crend(); ++it) {
        if (it->geometry().isShown())
            shown << &*it;
    }
    const QList<ShownFigure> figures = shownFigures(*m_map);
    bool same = figures.size() == shown.size();
    for (int i = 0; same && i < shown.size(); ++i) {
        const MapArea& area = *shown.at(i);
        same = m_figureToArea.value(figures.at(i).number) == area.id
            && figures.at(i).geometry == geometryKey(area.geometry())
            && m_shownLook.value(area.id) == qMakePair(area.colour, area.locked);
    }
    if (!same || m_document->count() == 0) {
        m_map->Clear();
        QString list;
        for (const MapArea* area : std::as_const(shown)) {
            list += QStringList { area->geometry().controlCoordinates(),
                AreaShape::kindName(area->geometry().kind), QStringLiteral("0"),
                colourField(area->colour), Zel::booleanText(area->locked) }
                        .join(m_map->ExtractSeperator())
                + QStringLiteral("\r\n");
        }
        if (!list.isEmpty())
            m_map->ImportCode(Zonecraft::customcode, list);
        m_map->Redraw(true);
        m_figureToArea.clear();
        m_areaToFigure.clear();
        m_shownLook.clear();
        const QList<ShownFigure> made = shownFigures(*m_map);
        for (int i = 0; i < made.size() && i < shown.size(); ++i) {
            m_figureToArea.insert(made.at(i).number, shown.at(i)->id);
            m_areaToFigure.insert(shown.at(i)->id, made.at(i).number);
            m_shownLook.insert(
                shown.at(i)->id, qMakePair(shown.at(i)->colour, shown.at(i)->locked));
        }
        m_map->ClearHistory();
    }
    const qint32 figure = figureOf(m_selectedId);
    if (figure > 0 && m_map->SelectedIndex() != figure)
        m_map->ActivateHotspot(figure);
    else if (figure == 0 && m_map->SelectedIndex() != 0)
        m_map->PictureGetFocus();
}

void StudioWindow::reconcileWithMap()
{
    if (m_syncing)
        return;
    const QList<ShownFigure> figures = shownFigures(*m_map);
    QList<QUndoCommand*> changes;
    QList<QPair<int, MapArea>> added;
    QSet<qint32> present;
    int nextNumber = nextHotspotNumber(*m_document);
    const QStringList separatorFields = m_map->ExportCode(Zonecraft::customcode)
                                            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (int i = 0; i < figures.size(); ++i) {
        const ShownFigure& figure = figures.at(i);
        present.insert(figure.number);
        const QStringList fields = separatorFields.at(i).split(m_map->ExtractSeperator());
        const AreaKind kind = AreaShape::kindOf(fields.at(1));
        const int id = areaOfFigure(figure.number);
        const MapArea* area = m_document->find(id);
        if (!area) {
            MapArea drawn;
            drawn.setValue(QStringLiteral("shape"), AreaShape::shapeText(kind));
            drawn.setValue(QStringLiteral("coords"),
                geometryKey(fields.at(1), fields.at(0)).section(QLatin1Char(':'), 1));
            AreaListFormat::giveLink(drawn, {}, nextNumber++, {});
            added.append({ m_document->count() + int(added.size()), drawn });
            continue;
        }
        if (geometryKey(area->geometry()) == figure.geometry)
            continue;
        MapArea moved = *area;
        if (AreaShape::kindOf(moved.value(QStringLiteral("shape"))) != kind)
            moved.setValue(QStringLiteral("shape"), AreaShape::shapeText(kind));
        moved.setValue(QStringLiteral("coords"), figure.geometry.section(QLatin1Char(':'), 1));
        changes << new ChangeAreaCommand(m_document, *area, moved, tr("Move Hotspot"));
    }
    QList<int> removed;
    for (auto it = m_figureToArea.cbegin(); it != m_figureToArea.cend(); ++it) {
        if (!present.contains(it.key()))
            removed << it.value();
    }
    if (!removed.isEmpty())
        changes << new RemoveAreasCommand(m_document, removed, tr("Delete Hotspot"));
    InsertAreasCommand* insert = nullptr;
    if (!added.isEmpty())
        changes << (insert = new InsertAreasCommand(m_document, added, tr("Draw Hotspot")));
    if (changes.isEmpty())
        return;
    if (changes.size() == 1) {
        push(changes.first());
    } else {
        m_undo->beginMacro(tr("Edit Hotspots"));
        for (QUndoCommand* c : std::as_const(changes))
            push(c);
        m_undo->endMacro();
    }
    if (insert)
        selectArea(insert->ids().last());
}

void StudioWindow::showPage()
{
    const PageWriter writer(*m_document);
    m_code->setAutoRender(false);
    m_code->Clear();
    QString section;
    for (const PageWriter::Line& line : writer.lines()) {
        if (line.section != section) {
            section = line.section;
            m_code->AddText(
                section, QStringLiteral("section:") + section, section, {}, Zel_CodeBox::Header);
        }
        m_code->AddText(line.text, line.key, section);
    }
    m_code->setAutoRender(true);
    const QString key = PageWriter::areaKey(m_selectedId);
    if (m_selectedId != 0 && m_code->ReturnKey(key) >= 0)
        m_code->SelectItem(key);
}

void StudioWindow::showProperties()
{
    HotspotProperties::fill(*m_properties, *m_document, m_document->find(m_selectedId), m_problems);
}

void StudioWindow::showProblems()
{
    QSignalBlocker blocker(m_problemList);
    m_problemList->clear();
    for (const MapProblems::Problem& p : std::as_const(m_problems)) {
        const MapArea* area = m_document->find(p.areaId);
        auto* item = new QListWidgetItem(
            area ? QStringLiteral("%1: %2").arg(area->label(), p.message) : p.message);
        item->setData(Qt::UserRole, p.areaId);
        m_problemList->addItem(item);
    }
}

void StudioWindow::updateTitle()
{
    const QString name
        = m_fileName.isEmpty() ? m_document->pictureName() : QFileInfo(m_fileName).fileName();
    setWindowTitle(tr("%1[*] - %2").arg(name.isEmpty() ? tr("Untitled") : name, AppName));
    setWindowModified(isModified());
}
