#pragma once

#include <QMainWindow>

class PictureBox;
class QLabel;
class QScrollArea;
class QSplitter;
class StdPicture;

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

    /// The surface that shows the picture.
    PictureBox* pictureBox() const { return m_pictureBox; }
    /// The panel beside the picture, top; a placeholder until one is set.
    QWidget* propertyPanel() const { return m_propertyPanel; }
    /// Replaces the property panel (the window takes ownership; the old one is deleted).
    void setPropertyPanel(QWidget* panel);
    /// The panel beside the picture, bottom; a placeholder until one is set.
    QWidget* codePanel() const { return m_codePanel; }
    /// Replaces the code panel (the window takes ownership; the old one is deleted).
    void setCodePanel(QWidget* panel);

private:
    void openFromDialog();
    void replacePanel(QWidget*& slot, QWidget* panel);
    static QWidget* makePlaceholder(const QString& objectName, const QString& text);

    QSplitter* m_mainSplitter;
    QScrollArea* m_scrollArea;
    PictureBox* m_pictureBox;
    QSplitter* m_sideSplitter;
    QWidget* m_propertyPanel;
    QWidget* m_codePanel;
    QLabel* m_statusLabel;
};
