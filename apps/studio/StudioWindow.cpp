#include "StudioWindow.h"

#include "AreaList.h"
#include "HotspotProperties.h"
#include "MapPage.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QSaveFile>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <common/PictureBox.h>
#include <common/RuntimeError.h>
#include <glyphon/Zel_CodeBox.h>
#include <tabulon/ZelPropList.h>
#include <zonecraft/Zonecraft.h>

namespace {

const QString SamplePicture = QStringLiteral(":/sample/sample.png");
const QString SampleAreas = QStringLiteral(":/sample/sample-areas.txt");
const QString SampleTitle = QStringLiteral("Sample floor plan");

QScrollArea* makeMapArea(Zonecraft* map)
{
    auto* area = new QScrollArea;
    area->setObjectName(QStringLiteral("mapArea"));
    area->setWidget(map);
    area->setWidgetResizable(false);
    area->setAlignment(Qt::AlignCenter);
    area->setBackgroundRole(QPalette::Dark);
    return area;
}

// One header row per page section, one code row per line.
void showPage(Zel_CodeBox& code, const MapPage& page)
{
    const QString selected = code.ListIndex() >= 0 && code.ListIndex() <= code.Count().toInt()
        ? code.ItemKey(code.ListIndex()).toString()
        : QString();
    code.setAutoRender(false);
    code.Clear();
    for (const MapPage::Section& section : page.sections()) {
        code.AddText(section.title, QStringLiteral("section:") + section.title, section.title, {},
            Zel_CodeBox::Header);
        for (int i = 0; i < section.lines.size(); ++i)
            code.AddText(section.lines.at(i), section.keys.at(i), section.title);
    }
    code.setAutoRender(true);
    if (!selected.isEmpty() && code.ReturnKey(selected) >= 0)
        code.SelectItem(selected);
}

} // namespace

StudioWindow::StudioWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_map(new Zonecraft)
    , m_mapArea(makeMapArea(m_map))
    , m_properties(new ZelPropList)
    , m_code(new Zel_CodeBox)
    , m_statusLabel(new QLabel(this))
{
    setWindowTitle(tr("Zel Studio"));
    m_map->setObjectName(QStringLiteral("map"));
    m_properties->setObjectName(QStringLiteral("properties"));
    m_code->setObjectName(QStringLiteral("code"));
    m_properties->setVisualStyle(Tabulon::Style::CoolXP);
    m_properties->setVisualColor(Zel::rgb(120, 160, 220));
    m_code->setShow_Number(true);
    // A new code box draws everything in black; give it the studio's colours.
    m_code->setVisualStyle(true);
    m_code->setGutterColor(Zel::rgb(0xD8, 0xDC, 0xE4));
    m_code->setGutterFontColor(Zel::rgb(0x70, 0x78, 0x88));
    m_code->setColorElementName(Zel::rgb(0x00, 0x30, 0xA0));
    m_code->setColorAttributeName(Zel::rgb(0xB0, 0x30, 0x00));
    m_code->setColorAttributeValue(Zel::rgb(0x10, 0x80, 0x30));
    m_code->setColorComment(Zel::rgb(0x80, 0x80, 0x80));
    m_code->setSelectBGColor(Zel::rgb(0xD0, 0xE0, 0xF8));
    // Hatched hotspots keep the floor plan readable under them.
    m_map->setFillStyle(PictureBox::DiagonalCross);

    auto* side = new QSplitter(Qt::Vertical);
    side->setObjectName(QStringLiteral("sideSplitter"));
    side->addWidget(m_properties);
    side->addWidget(m_code);
    side->setSizes({ 300, 360 });

    auto* main = new QSplitter(Qt::Horizontal);
    main->setObjectName(QStringLiteral("mainSplitter"));
    main->addWidget(m_mapArea);
    main->addWidget(side);
    main->setStretchFactor(0, 3);
    main->setStretchFactor(1, 2);
    main->setSizes({ 680, 520 });
    setCentralWidget(main);
    statusBar()->addWidget(m_statusLabel, 1);

    buildMenus();
    connectControls();
    resize(1220, 720);
}

StudioWindow::~StudioWindow() = default;

StdPicture StudioWindow::samplePicture()
{
    return StdPicture(QImage(SamplePicture));
}

QString StudioWindow::sampleAreaList()
{
    QFile file(SampleAreas);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void StudioWindow::openSample()
{
    showPicture(samplePicture(), QStringLiteral("sample.png"));
    loadAreaList(sampleAreaList());
}

bool StudioWindow::openPicture(const QString& fileName, QString* error)
{
    try {
        const StdPicture picture = StdPicture::LoadPicture(fileName);
        if (picture.isNull())
            throw RuntimeError(RuntimeError::InvalidPicture);
        showPicture(picture, QFileInfo(fileName).fileName());
        return true;
    } catch (const RuntimeError& e) {
        if (error)
            *error = e.description();
        return false;
    }
}

void StudioWindow::showPicture(const StdPicture& picture, const QString& title)
{
    m_picture = picture;
    m_pictureName = title;
    m_map->setPicture(picture);
    // Room for the whole picture beside the control's own scroll bars.
    constexpr int ScrollBarRoom = 21;
    m_map->resize(std::max(1, picture.Width()) + ScrollBarRoom,
        std::max(1, picture.Height()) + ScrollBarRoom);
    setWindowTitle(tr("%1 - Zel Studio").arg(title));
    HotspotProperties::fill(*m_properties, title, QSize(picture.Width(), picture.Height()));
    HotspotProperties::showFigureCount(*m_properties, m_map->CountFigures());
    refreshPage();
}

bool StudioWindow::loadAreaList(const QString& text, QString* error)
{
    bool loaded = true;
    try {
        AreaList::load(*m_map, text);
    } catch (const RuntimeError& e) {
        loaded = false;
        if (error)
            *error = e.description();
    }
    m_map->ClearHistory();
    HotspotProperties::showNoFigure(*m_properties);
    HotspotProperties::showFigureCount(*m_properties, m_map->CountFigures());
    refreshPage();
    return loaded;
}

QString StudioWindow::htmlPage() const
{
    return currentPage().text();
}

MapPage StudioWindow::currentPage() const
{
    return MapPage(SampleTitle, m_pictureName, QSize(m_picture.Width(), m_picture.Height()),
        m_map->ExportCode(Zonecraft::ClientSide), AreaList::figureNumbers(*m_map));
}

bool StudioWindow::exportHtml(const QString& fileName, QString* error) const
{
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(htmlPage().toUtf8());
        if (file.commit())
            return true;
    }
    if (error)
        *error = file.errorString();
    return false;
}

void StudioWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(
        tr("&Open Picture…"), QKeySequence::Open, this, &StudioWindow::openPictureFromDialog);
    file->addAction(tr("Open &Area List…"), this, &StudioWindow::openAreaListFromDialog);
    file->addAction(
        tr("&Export HTML…"), QKeySequence(tr("Ctrl+E")), this, &StudioWindow::exportHtmlFromDialog);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    m_undo = edit->addAction(tr("&Undo"), QKeySequence::Undo, m_map, &Zonecraft::Undo);
    m_redo = edit->addAction(tr("&Redo"), QKeySequence::Redo, m_map, &Zonecraft::Redo);
    edit->addSeparator();
    edit->addAction(tr("&Delete Hotspot"), QKeySequence::Delete, this, [this] {
        if (m_map->SelectedIndex() > 0)
            m_map->DeleteFigure();
    });
    m_undo->setEnabled(false);
    m_redo->setEnabled(false);
}

void StudioWindow::connectControls()
{
    connect(m_map, &Zonecraft::HotspotActivate, this, &StudioWindow::showSelection);
    connect(m_map, &Zonecraft::HotspotMoved, this, &StudioWindow::showSelection);
    connect(m_map, &Zonecraft::HistoryStatus, this, [this](bool undoReady, bool redoReady) {
        m_undo->setEnabled(undoReady);
        m_redo->setEnabled(redoReady);
    });
    // Every change of the map is recorded in its history (HistoryStatus) or
    // replayed from it (HistoryAction), both while the map is still changing;
    // the page and the counts are brought up to date once it is done.
    connect(m_map, &Zonecraft::HistoryStatus, this, &StudioWindow::scheduleRefresh);
    connect(m_map, &Zonecraft::HistoryAction, this, &StudioWindow::scheduleRefresh);
    connect(m_map, &Zonecraft::HotspotMoved, this, &StudioWindow::scheduleRefresh);
    connect(m_map->WorkPicture(), &PictureBox::MouseDown, this,
        [this](int button, int, float x, float y) {
            if (button == 1)
                selectFigureAt(x, y);
        });
    connect(m_code, qOverload<const QString&, const QString&>(&Zel_CodeBox::ReturnKey), this,
        [this](const QString& key, const QString&) { selectFigureOfRow(key); });
}

void StudioWindow::scheduleRefresh()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshPending = false;
        HotspotProperties::showFigureCount(*m_properties, m_map->CountFigures());
        if (m_map->SelectedIndex() == 0)
            HotspotProperties::showNoFigure(*m_properties);
        refreshPage();
    });
}

void StudioWindow::refreshPage()
{
    showPage(*m_code, currentPage());
    m_statusLabel->setText(tr("%1, %2 x %3 pixels, %n hotspot(s)", nullptr, m_map->CountFigures())
                               .arg(m_pictureName)
                               .arg(m_picture.Width())
                               .arg(m_picture.Height()));
}

void StudioWindow::showSelection(const ShapeFigure& figure)
{
    HotspotProperties::showFigure(*m_properties, figure);
    const QString key = MapPage::areaKey(figure.Index);
    if (m_code->ReturnKey(key) >= 0 && m_code->ListIndex() != m_code->ReturnKey(key))
        m_code->SelectItem(key);
}

void StudioWindow::selectFigureAt(float x, float y)
{
    const qint32 number = m_map->FigureAt(x, y);
    if (number > 0)
        m_map->ActivateHotspot(number);
}

void StudioWindow::selectFigureOfRow(const QString& key)
{
    const qint32 number = MapPage::figureNumberOfKey(key);
    if (number > 0 && number != m_map->SelectedIndex())
        m_map->ActivateHotspot(number);
}

void StudioWindow::openPictureFromDialog()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Open Picture"), QString(),
        tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' '))));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!openPicture(fileName, &error))
        QMessageBox::warning(
            this, tr("Open Picture"), tr("Cannot open %1: %2").arg(fileName, error));
}

void StudioWindow::openAreaListFromDialog()
{
    const QString fileName = QFileDialog::getOpenFileName(
        this, tr("Open Area List"), QString(), tr("Area lists (*.txt);;All files (*)"));
    if (fileName.isEmpty())
        return;
    QFile file(fileName);
    QString error;
    if (!file.open(QIODevice::ReadOnly))
        error = file.errorString();
    else if (loadAreaList(QString::fromUtf8(file.readAll()), &error))
        return;
    QMessageBox::warning(this, tr("Open Area List"), tr("Cannot read %1: %2").arg(fileName, error));
}

void StudioWindow::exportHtmlFromDialog()
{
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Export HTML"), QStringLiteral("map.html"), tr("HTML pages (*.html *.htm)"));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!exportHtml(fileName, &error))
        QMessageBox::warning(
            this, tr("Export HTML"), tr("Cannot write %1: %2").arg(fileName, error));
}
