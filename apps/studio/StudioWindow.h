#pragma once

#include <QMainWindow>
#include <QPointer>
#include <common/PictureBox.h>
#include <common/StdPicture.h>

class QLabel;
class QSplitter;

/// The studio's main window: the picture in the middle, in a scroll area, and
/// beside it a property panel (top) and a code panel (bottom).
class StudioWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit StudioWindow(QWidget* parent = nullptr);
    ~StudioWindow() override;

    /// The bundled sample picture.
    static StdPicture samplePicture();

    /// Opens the picture file \a fileName. On failure the shown picture stays
    /// and \a error (when given) receives the reason.
    bool openPicture(const QString& fileName, QString* error = nullptr);
    /// Shows \a picture under \a title.
    void showPicture(const StdPicture& picture, const QString& title);

    /// The picture shown now.
    StdPicture picture() const { return m_picture; }

    /// The surface that shows the picture; null once a picture panel replaced it.
    PictureBox* pictureBox() const { return m_pictureBox; }
    /// The middle of the window: the scroll area with the picture box until
    /// one is set.
    QWidget* picturePanel() const { return m_picturePanel; }
    /// Replaces the middle of the window (the window takes ownership; the old
    /// panel and its picture box are deleted). Connect pictureChanged to feed
    /// the new panel the pictures the user opens.
    void setPicturePanel(QWidget* panel);
    /// The panel beside the picture, top; a placeholder until one is set.
    QWidget* propertyPanel() const { return m_propertyPanel; }
    /// Replaces the property panel (the window takes ownership; the old one is deleted).
    void setPropertyPanel(QWidget* panel);
    /// The panel beside the picture, bottom; a placeholder until one is set.
    QWidget* codePanel() const { return m_codePanel; }
    /// Replaces the code panel (the window takes ownership; the old one is deleted).
    void setCodePanel(QWidget* panel);

Q_SIGNALS:
    /// A picture was opened (from the command line, the sample or the File menu).
    void pictureChanged(const StdPicture& picture);

private:
    void openFromDialog();
    void replacePanel(QSplitter* splitter, QWidget*& slot, QWidget* panel);
    static QWidget* makePlaceholder(const QString& objectName, const QString& text);

    QSplitter* m_mainSplitter;
    QWidget* m_picturePanel;
    QPointer<PictureBox> m_pictureBox;
    QSplitter* m_sideSplitter;
    QWidget* m_propertyPanel;
    QWidget* m_codePanel;
    QLabel* m_statusLabel;
    StdPicture m_picture;
};
