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
#include <common/PictureBox.h>
#include <common/RuntimeError.h>
#include <common/StdPicture.h>

namespace {

const char* const SampleResource = ":/sample/sample.png";

} // namespace

StudioWindow::StudioWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_mainSplitter(new QSplitter(Qt::Horizontal, this))
    , m_scrollArea(new QScrollArea(m_mainSplitter))
    , m_pictureBox(new PictureBox)
    , m_sideSplitter(new QSplitter(Qt::Vertical, m_mainSplitter))
    , m_propertyPanel(makePlaceholder(QStringLiteral("propertyPanelPlaceholder"), tr("Properties")))
    , m_codePanel(makePlaceholder(QStringLiteral("codePanelPlaceholder"), tr("Code")))
    , m_statusLabel(new QLabel(this))
{
    setWindowTitle(tr("Zel Studio"));
    m_mainSplitter->setObjectName(QStringLiteral("mainSplitter"));
    m_sideSplitter->setObjectName(QStringLiteral("sideSplitter"));
    m_scrollArea->setObjectName(QStringLiteral("pictureScrollArea"));
    m_pictureBox->setObjectName(QStringLiteral("pictureBox"));

    m_scrollArea->setWidget(m_pictureBox);
    m_scrollArea->setWidgetResizable(false);
    m_scrollArea->setAlignment(Qt::AlignCenter);
    m_scrollArea->setBackgroundRole(QPalette::Dark);

    m_sideSplitter->addWidget(m_propertyPanel);
    m_sideSplitter->addWidget(m_codePanel);
    m_sideSplitter->setStretchFactor(0, 3);
    m_sideSplitter->setStretchFactor(1, 2);

    m_mainSplitter->addWidget(m_scrollArea);
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
    const QSize size(std::max(1, picture.Width()), std::max(1, picture.Height()));
    m_pictureBox->resize(size);
    m_pictureBox->setPicture(picture);
    setWindowTitle(tr("%1 - Zel Studio").arg(title));
    m_statusLabel->setText(
        tr("%1, %2 x %3 pixels").arg(title).arg(size.width()).arg(size.height()));
}

void StudioWindow::setPropertyPanel(QWidget* panel)
{
    replacePanel(m_propertyPanel, panel);
}

void StudioWindow::setCodePanel(QWidget* panel)
{
    replacePanel(m_codePanel, panel);
}

void StudioWindow::replacePanel(QWidget*& slot, QWidget* panel)
{
    if (!panel || panel == slot)
        return;
    const int index = m_sideSplitter->indexOf(slot);
    QWidget* old = m_sideSplitter->replaceWidget(index, panel);
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
