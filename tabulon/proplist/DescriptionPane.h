#pragma once

#include <QWidget>

class ZelPropListPrivate;

namespace Tabulon {

/// The description pane (Picture3): a frame with the item's caption and
/// description; pressing on it drags the splitter above it.
class DescriptionPane : public QWidget
{
public:
    DescriptionPane(ZelPropListPrivate* d, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ZelPropListPrivate* const d;
};

} // namespace Tabulon
