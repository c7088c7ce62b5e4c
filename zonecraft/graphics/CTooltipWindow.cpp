#include "CTooltipWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <algorithm>
#include <common/OleColor.h>

namespace {

QFont titleFont(const QFont& font)
{
    QFont bold = font;
    bold.setBold(true);
    return bold;
}

QSize textSize(const QFont& font, const QString& text)
{
    if (text.isEmpty())
        return {};
    return QFontMetrics(font).size(0, text);
}

} // namespace

TipLayout layoutTip(const TipSettings& settings, const QFont& font, bool stemUp, int stemX)
{
    using M = CTooltipWindow;
    const QSize text = textSize(font, settings.text);
    const QSize title = textSize(titleFont(font), settings.title);
    const int margin = settings.balloon ? M::BalloonMargin : M::TextMargin;
    const int titleGap = title.isEmpty() ? 0 : 2;
    const int contentW = std::max(text.width(), title.width());
    const int contentH = title.height() + titleGap + text.height();
    // One pixel of frame on every side.
    const int bodyW = contentW + 2 * margin + 2;
    const int bodyH = contentH + 2 * margin + 2;

    TipLayout layout;
    const int bodyTop = settings.balloon && stemUp ? int(M::StemHeight) : 0;
    layout.body = QRect(0, bodyTop, bodyW, bodyH);
    const int contentLeft = 1 + margin;
    const int contentTop = bodyTop + 1 + margin;
    if (!title.isEmpty())
        layout.titleRect = QRect(contentLeft, contentTop, contentW, title.height());
    layout.textRect
        = QRect(contentLeft, contentTop + title.height() + titleGap, contentW, text.height());
    if (!settings.balloon) {
        layout.size = layout.body.size();
        layout.stemTip = QPoint(0, 0);
        return layout;
    }

    layout.size = QSize(bodyW, bodyH + M::StemHeight);
    const bool middle = stemX < 0;
    const int tipX = middle
        ? bodyW / 2
        : std::clamp(stemX, int(M::CornerRadius),
            std::max(int(M::CornerRadius), bodyW - M::StemWidth - M::CornerRadius));
    const int baseLeft = middle ? tipX - M::StemWidth / 2 : tipX;
    const int baseRight = baseLeft + M::StemWidth;
    const int tipY = stemUp ? 0 : layout.size.height() - 1;
    // The stem's base reaches a little into the body so the two join without a seam.
    const int baseY = stemUp ? bodyTop + 1 : bodyH - 2;
    layout.stemTip = QPoint(tipX, tipY);

    QPainterPath body;
    body.addRoundedRect(
        QRectF(layout.body.adjusted(0, 0, -1, -1)), M::CornerRadius, M::CornerRadius);
    QPainterPath stem;
    stem.moveTo(tipX, tipY);
    stem.lineTo(baseRight, baseY);
    stem.lineTo(baseLeft, baseY);
    stem.closeSubpath();
    layout.outline = body.united(stem);
    return layout;
}

CTooltipWindow::CTooltipWindow(QWidget* owner, TipSettings settings)
    : QWidget(owner,
        Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus
            | Qt::WindowTransparentForInput)
    , m_owner(owner)
    , m_settings(std::move(settings))
{
    setObjectName(QStringLiteral("CTooltipWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(QToolTip::font());
    m_layout = layoutTip(m_settings, font(), true, m_settings.centered ? -1 : StemInset);
    resize(m_layout.size);

    // The platform's tip timing: shown after the pointer rests for the
    // double-click interval, hidden after ten of them.
    m_wakeTimer.setSingleShot(true);
    m_wakeTimer.setInterval(QApplication::doubleClickInterval());
    m_sleepTimer.setSingleShot(true);
    m_sleepTimer.setInterval(10 * QApplication::doubleClickInterval());
    connect(&m_wakeTimer, &QTimer::timeout, this, [this] { showAt(m_restingAt); });
    connect(&m_sleepTimer, &QTimer::timeout, this, &CTooltipWindow::hideTip);

    // An application filter sees the owner's pointer moves even when the
    // owner does not track the mouse.
    qApp->installEventFilter(this);
}

CTooltipWindow::~CTooltipWindow() = default;

QSize CTooltipWindow::sizeHint() const
{
    return m_layout.size;
}

void CTooltipWindow::showAt(QPoint ownerPos)
{
    if (!m_settings.toolRect.contains(ownerPos))
        return;
    const QPoint anchor = m_settings.centered
        ? m_owner->mapToGlobal(QPoint(m_settings.toolRect.left() + m_settings.toolRect.width() / 2,
            m_settings.toolRect.bottom() + 1))
        : m_owner->mapToGlobal(ownerPos);
    const QScreen* screen = m_owner->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const int stemX = m_settings.centered ? -1 : int(StemInset);

    QPoint topLeft;
    if (m_settings.balloon) {
        m_layout = layoutTip(m_settings, font(), true, stemX);
        // A balloon that would leave the screen at the bottom hangs above the point instead.
        if (area.isValid() && anchor.y() + m_layout.size.height() > area.bottom() + 1)
            m_layout = layoutTip(m_settings, font(), false, stemX);
        topLeft = anchor - m_layout.stemTip;
    } else {
        m_layout = layoutTip(m_settings, font(), true, stemX);
        topLeft = m_settings.centered ? QPoint(anchor.x() - m_layout.size.width() / 2, anchor.y())
                                      : anchor + QPoint(0, CursorDrop);
    }
    if (area.isValid()) {
        topLeft.setX(std::clamp(topLeft.x(), area.left(),
            std::max(area.left(), area.right() + 1 - m_layout.size.width())));
        if (!m_settings.balloon && topLeft.y() + m_layout.size.height() > area.bottom() + 1)
            topLeft.setY(anchor.y() - m_layout.size.height());
    }

    setGeometry(QRect(topLeft, m_layout.size));
    if (m_settings.balloon)
        setMask(QRegion(m_layout.outline.toFillPolygon().toPolygon()));
    else
        clearMask();
    update();
    show();
    m_sleepTimer.start();
}

void CTooltipWindow::hideTip()
{
    m_wakeTimer.stop();
    m_sleepTimer.stop();
    hide();
}

void CTooltipWindow::restartDwell(QPoint ownerPos)
{
    m_restingAt = ownerPos;
    m_wakeTimer.start();
}

bool CTooltipWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_owner)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (!m_settings.toolRect.contains(pos))
            hideTip();
        else if (!isVisible())
            restartDwell(pos);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Leave:
    case QEvent::Hide:
        hideTip();
        break;
    default:
        break;
    }
    return false;
}

QColor CTooltipWindow::textColor() const
{
    return m_settings.textColor.value_or(palette().color(QPalette::ToolTipText));
}

QColor CTooltipWindow::backColor() const
{
    return m_settings.backColor.value_or(palette().color(QPalette::ToolTipBase));
}

void CTooltipWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor frame = Zel::toQColor(Zel::WindowFrameColor, Qt::black);
    if (m_settings.balloon) {
        painter.fillPath(m_layout.outline, backColor());
        painter.setPen(frame);
        painter.drawPath(m_layout.outline);
    } else {
        painter.fillRect(m_layout.body, backColor());
        painter.setPen(frame);
        painter.drawRect(m_layout.body.adjusted(0, 0, -1, -1));
    }
    painter.setPen(textColor());
    if (!m_layout.titleRect.isEmpty()) {
        painter.setFont(titleFont(font()));
        painter.drawText(m_layout.titleRect, Qt::AlignLeft | Qt::AlignTop, m_settings.title);
        painter.setFont(font());
    }
    painter.drawText(m_layout.textRect, Qt::AlignLeft | Qt::AlignTop, m_settings.text);
}
