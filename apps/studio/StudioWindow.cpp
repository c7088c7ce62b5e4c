#include "StudioWindow.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <common/RuntimeError.h>

namespace {

const char* const SampleResource = ":/sample/sample.png";

// The picture box in a scroll area, centred on a dark background.
QScrollArea* makePictureScrollArea(PictureBox* pictureBox)
{
    auto* scrollArea = new QScrollArea;
    scrollArea->setObjectName(QStringLiteral("pictureScrollArea"));
    scrollArea->setWidget(pictureBox);
    scrollArea->setWidgetResizable(false);
    scrollArea->setAlignment(Qt::AlignCenter);
    scrollArea->setBackgroundRole(QPalette::Dark);
    return scrollArea;
}

} // namespace

StudioWindow::StudioWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_mainSplitter(new QSplitter(Qt::Horizontal, this))
    , m_picturePanel(nullptr)
    , m_pictureBox(new PictureBox)
    , m_sideSplitter(new QSplitter(Qt::Vertical, m_mainSplitter))
    , m_propertyPanel(makePlaceholder(QStringLiteral("propertyPanelPlaceholder"), tr("Properties")))
    , m_codePanel(makePlaceholder(QStringLiteral("codePanelPlaceholder"), tr("Code")))
    , m_statusLabel(new QLabel(this))
{
    setWindowTitle(tr("Zel Studio"));
    m_mainSplitter->setObjectName(QStringLiteral("mainSplitter"));
    m_sideSplitter->setObjectName(QStringLiteral("sideSplitter"));
    m_pictureBox->setObjectName(QStringLiteral("pictureBox"));
    m_picturePanel = makePictureScrollArea(m_pictureBox);

    m_sideSplitter->addWidget(m_propertyPanel);
    m_sideSplitter->addWidget(m_codePanel);
    m_sideSplitter->setStretchFactor(0, 3);
    m_sideSplitter->setStretchFactor(1, 2);

    m_mainSplitter->addWidget(m_picturePanel);
    m_mainSplitter->addWidget(m_sideSplitter);
    m_mainSplitter->setStretchFactor(0, 3);
    m_mainSplitter->setStretchFactor(1, 1);
    m_mainSplitter->setSizes({ 760, 300 });
    setCentralWidget(m_mainSplitter);
    statusBar()->addWidget(m_statusLabel, 1);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open Picture…"), this, &StudioWindow::openFromDialog);
    open->setShortcut(QKeySequence::Open);
    QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);

    resize(1100, 700);
}

StudioWindow::~StudioWindow() = default;

StdPicture StudioWindow::samplePicture()
{
    return StdPicture(QImage(QString::fromLatin1(SampleResource)));
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
    if (m_pictureBox) {
        m_pictureBox->resize(std::max(1, picture.Width()), std::max(1, picture.Height()));
        m_pictureBox->setPicture(picture);
    }
    setWindowTitle(tr("%1 - Zel Studio").arg(title));
    m_statusLabel->setText(
        tr("%1, %2 x %3 pixels").arg(title).arg(picture.Width()).arg(picture.Height()));
    Q_EMIT pictureChanged(picture);
}

void StudioWindow::setPicturePanel(QWidget* panel)
{
    replacePanel(m_mainSplitter, m_picturePanel, panel);
}

void StudioWindow::setPropertyPanel(QWidget* panel)
{
    replacePanel(m_sideSplitter, m_propertyPanel, panel);
}

void StudioWindow::setCodePanel(QWidget* panel)
{
    replacePanel(m_sideSplitter, m_codePanel, panel);
}

void StudioWindow::replacePanel(QSplitter* splitter, QWidget*& slot, QWidget* panel)
{
    if (!panel || panel == slot)
        return;
    const int index = splitter->indexOf(slot);
    QWidget* old = splitter->replaceWidget(index, panel);
    slot = panel;
    delete old;
}

QWidget* StudioWindow::makePlaceholder(const QString& objectName, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::StyledPanel);
    label->setEnabled(false);
    label->setMinimumSize(200, 120);
    return label;
}

void StudioWindow::openFromDialog()
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
