#include "Zel_CodeBox.h"

#include "CodeBoxAccessible_p.h"
#include "CodeTokenizer_p.h"
#include "Zel_CodeBox_p.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <common/AccessibleControl.h>
#include <common/Drawing.h>
#include <common/EventGuard.h>
#include <common/HostConvert.h>
#include <common/HostInput.h>
#include <common/RuntimeError.h>
#include <common/StdFont.h>
#include <common/Units.h>

namespace {

QFont surfaceFont()
{
    Zel::installFontSubstitutions();
    return StdFont(QStringLiteral("Verdana"), 8.25).toQFont();
}

} // namespace

OLE_COLOR adjustColor(OLE_COLOR c, int amount, bool blueScaling)
{
    const int r = int(c & 0xFF) + amount;
    const int g = int((c >> 8) & 0xFF) + amount;
    const int b0 = int((c >> 16) & 0xFF);
    const int b = blueScaling ? b0 + (b0 * amount) / 192 : b0 + amount;
    return Zel::rgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

// --- CodeSurface ------------------------------------------------------------

CodeSurface::CodeSurface(Zel_CodeBoxPrivate* d, QWidget* parent)
    : QWidget(parent)
    , d(d)
{
    setObjectName(QStringLiteral("Picture1"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CodeSurface::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const auto painted = d->renderFrame(p, event->rect());
    p.end();
    d->rowsPainted(painted);
}

void CodeSurface::mousePressEvent(QMouseEvent* event)
{
    Zel::guardEvent("Zel_CodeBox", [&] { d->mousePress(event); });
}

void CodeSurface::mouseMoveEvent(QMouseEvent* event)
{
    Zel::guardEvent("Zel_CodeBox", [&] { d->mouseMove(event); });
}

void CodeSurface::mouseReleaseEvent(QMouseEvent* event)
{
    Zel::guardEvent("Zel_CodeBox", [&] { d->mouseRelease(event); });
}

void CodeSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    Zel::guardEvent("Zel_CodeBox", [&] { d->mouseDoubleClick(event); });
}

void CodeSurface::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 40; // three rows a notch
    if (steps != 0)
        Zel::guardEvent("Zel_CodeBox", [&] { d->scrollTo(d->view.top() - steps); });
    event->accept();
}

void CodeSurface::keyPressEvent(QKeyEvent* event)
{
    Zel::guardEvent("Zel_CodeBox", [&] { d->keyPress(event); });
}

void CodeSurface::keyReleaseEvent(QKeyEvent* event)
{
    Zel::guardEvent("Zel_CodeBox", [&] { d->keyRelease(event); });
}

void CodeSurface::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    Zel::guardEvent("Zel_CodeBox", [&] { d->focusChanged(true); });
}

void CodeSurface::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    Zel::guardEvent("Zel_CodeBox", [&] { d->focusChanged(false); });
}

// --- Zel_CodeBoxPrivate: layout ----------------------------------------------

Zel_CodeBoxPrivate::Zel_CodeBoxPrivate(Zel_CodeBox* q)
    : q(q)
    , fonts(surfaceFont())
    , view(store, fonts)
{ }

QRect Zel_CodeBoxPrivate::surfaceGeometry() const
{
    const int margin = borderStyle == Zel_CodeBox::Border ? 2 : 0;
    return q->rect().adjusted(margin, margin, -margin, -margin);
}

void Zel_CodeBoxPrivate::ensureLayout()
{
    // A hidden box gets its resize event only when shown: follow its size here.
    if (layoutPending || surface->geometry() != surfaceGeometry())
        relayout();
}

void Zel_CodeBoxPrivate::relayout()
{
    layoutPending = false;
    surface->setGeometry(surfaceGeometry());
    view.setArea(surface->size());
    syncScrollBar();
    surface->update();
}

void Zel_CodeBoxPrivate::syncScrollBar()
{
    const bool overflow = view.overflows();
    {
        const QSignalBlocker blocker(scrollBar);
        scrollBar->setRange(0, view.lastPageTop());
        scrollBar->setValue(view.top());
        scrollBar->setPageStep(std::max(view.span(), 1));
        scrollBar->setEnabled(overflow);
        scrollBar->setGeometry(surface->x() + surface->width() - CodeLayout::ScrollBarWidth,
            surface->y(), CodeLayout::ScrollBarWidth, surface->height());
        scrollBar->setVisible(overflow);
    }
    if (view.top() != reportedTop) {
        reportedTop = view.top();
        lastClickY = -1;
        Q_EMIT q->TopIndexChanged(reportedTop);
        Q_EMIT q->TopIndexChange();
    }
}

void Zel_CodeBoxPrivate::scrollTo(qint32 row)
{
    if (!view.overflows())
        return; // the list scrolls only while the scroll bar shows
    const qint32 old = view.top();
    view.setRequestedTop(std::clamp(row, 0, view.lastPageTop()));
    if (view.top() == old)
        return;
    {
        const QSignalBlocker blocker(scrollBar);
        scrollBar->setValue(view.top());
        scrollBar->setPageStep(std::max(view.span(), 1));
    }
    reportedTop = view.top();
    lastClickY = -1;
    invalidate();
    Q_EMIT q->Scroll();
    Q_EMIT q->TopIndexChanged(reportedTop);
    Q_EMIT q->TopIndexChange();
}

void Zel_CodeBoxPrivate::ensureVisible(qint32 row)
{
    scrollTo(view.topShowing(row));
}

void Zel_CodeBoxPrivate::invalidate()
{
    hostLines.clear(); // lines drawn by the host last until the rows are repainted
    surface->update();
}

QRect Zel_CodeBoxPrivate::rowRect(qint32 row) const
{
    const int top = view.rowTop(row);
    if (top < 0)
        return QRect();
    return QRect(0, top, surface->width(), view.rowHeight(row) + 1);
}

void Zel_CodeBoxPrivate::invalidateRows(qint32 a, qint32 b)
{
    QRegion region;
    for (const HostLine& line : std::as_const(hostLines))
        region += line.points.boundingRect();
    hostLines.clear();
    region += rowRect(a);
    if (b != a)
        region += rowRect(b);
    surface->update(region);
}

void Zel_CodeBoxPrivate::rowsChanged()
{
    view.rowsChanged();
    // Hosts add rows one at a time: lay out once, on a posted request or when
    // an accessor asks (a repaint is already on its way while one is pending).
    if (layoutPending)
        return;
    layoutPending = true;
    QCoreApplication::postEvent(q, new QEvent(QEvent::LayoutRequest));
    invalidate();
}

void Zel_CodeBoxPrivate::rebuildGutter()
{
    constexpr int w = CodeLayout::GutterWidth;
    gutterStrip = QImage(w, 1, QImage::Format_RGB32);
    if (visualStyle) {
        const qint32 base = std::max(Zel::TranslateColor(gutterColor), 0);
        const OLE_COLOR light = adjustColor(OLE_COLOR(base), 48, true);
        const double step = 50.0 / w;
        for (int x = 0; x < w; ++x) {
            const int amount = int(Zel::roundHalfEven(-step * x));
            const OLE_COLOR c = adjustColor(light, amount, true);
            gutterStrip.setPixel(x, 0, qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
        }
    } else {
        gutterStrip.fill(Zel::toQColor(gutterColor, Qt::black));
        gutterStrip.setPixel(w - 1, 0, qRgb(0, 0, 0));
    }
    gutterTile.SetPatternFromStdPicture(StdPicture(gutterStrip));
    invalidate();
}

// --- Zel_CodeBoxPrivate: input -------------------------------------------------

namespace {

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

} // namespace

void Zel_CodeBoxPrivate::emitReturnKey(qint32 row)
{
    if (row < 0 || row >= store.size())
        return;
    const StoredRow& r = store.at(row);
    const QString key = r.key;
    const QString category = r.category;
    Q_EMIT q->ReturnKey(key, category);
}

void Zel_CodeBoxPrivate::chooseRowAt(qint32 y)
{
    qint32 row = view.rowAtY(y);
    if (row < 0)
        return;
    // A header bar chooses the row below it.
    while (row < store.size() && store.at(row).addType == Zel_CodeBox::Header)
        ++row;
    if (row >= store.size())
        return;
    ensureVisible(row);
    lastClickY = y;
    q->setListIndex(row);
    emitReturnKey(row);
}

void Zel_CodeBoxPrivate::mousePress(QMouseEvent* event)
{
    ensureLayout();
    const qint16 button = Zel::hostButton(event->button());
    const QPointF pos = event->position();
    if (button != 2) {
        chooseRowAt(qint32(pos.y()));
        mouseButtonDown = true;
    }
    Q_EMIT q->MouseDown(button, Zel::hostShift(event->modifiers()), float(pos.x()), float(pos.y()));
}

void Zel_CodeBoxPrivate::mouseMove(QMouseEvent* event)
{
    const QPointF pos = event->position();
    Q_EMIT q->MouseMove(Zel::hostButtons(event->buttons()), Zel::hostShift(event->modifiers()),
        float(pos.x()), float(pos.y()));
}

void Zel_CodeBoxPrivate::mouseRelease(QMouseEvent* event)
{
    if (listIndex < 0)
        return;
    const qint16 button = Zel::hostButton(event->button());
    const QPointF pos = event->position();
    mouseButtonDown = false;
    Q_EMIT q->MouseUp(button, Zel::hostShift(event->modifiers()), float(pos.x()), float(pos.y()));
    // The host may have changed the rows in MouseUp.
    if (listIndex < 0 || listIndex >= store.size())
        return;
    const qint32 index = listIndex;
    const QString key = store.at(index).key;
    const QString category = store.at(index).category;
    Q_EMIT q->ItemMouseUp(button, index, key, category);
    lastReportedRow = index;
    if (listIndex >= 0 && surface->rect().contains(pos.toPoint()))
        Q_EMIT q->Click();
}

void Zel_CodeBoxPrivate::mouseDoubleClick(QMouseEvent* event)
{
    Q_UNUSED(event)
    Q_EMIT q->DblClick();
    if (listIndex < 0 || listIndex >= store.size())
        return;
    const qint32 index = listIndex;
    Q_EMIT q->RowDblClick(index);
    if (index >= store.size())
        return;
    const QString key = store.at(index).key;
    const QString category = store.at(index).category;
    Q_EMIT q->ExtractKey(key, category);
}

void Zel_CodeBoxPrivate::keyPress(QKeyEvent* event)
{
    ensureLayout();
    Q_EMIT q->KeyDown(Zel::hostKeyCode(event->key()), Zel::hostShift(event->modifiers()));
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() < 0x8000)
        Q_EMIT q->KeyPress(qint16(text.at(0).unicode()));
    if (event->matches(QKeySequence::Copy)) {
        q->Copy();
        return;
    }
    if (store.isEmpty() || listIndex < 0)
        return;
    const qint32 current = listIndex;
    const qint32 last = store.size() - 1;
    const qint32 page = std::max(view.span(), 1);
    qint32 target = current;
    switch (event->key()) {
    case Qt::Key_PageUp:
        target = current > page ? current - page : 0;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_PageDown:
        target = current < last - page ? current + page : last;
        break;
    case Qt::Key_End:
        target = last;
        break;
    case Qt::Key_Up:
        target = current > 0 ? current - 1 : current;
        break;
    case Qt::Key_Down:
        target = current < last ? current + 1 : current;
        break;
    default:
        return;
    }
    if (target != current)
        q->setListIndex(target);
}

void Zel_CodeBoxPrivate::keyRelease(QKeyEvent* event)
{
    ensureLayout();
    if (event->isAutoRepeat())
        return;
    Q_EMIT q->KeyUp(Zel::hostKeyCode(event->key()), Zel::hostShift(event->modifiers()));
    if (!isNavigationKey(event->key()) || listIndex < 0 || listIndex >= store.size())
        return;
    ensureVisible(listIndex);
    emitReturnKey(listIndex);
}

void Zel_CodeBoxPrivate::focusChanged(bool in)
{
    const bool hidden = !in && !keepFocus;
    if (hidden == selectionHidden)
        return;
    selectionHidden = hidden;
    invalidateRows(listIndex);
}

// --- Zel_CodeBox ------------------------------------------------------------------

Zel_CodeBox::Zel_CodeBox(QWidget* parent)
    : UserControl(parent)
    , d(std::make_unique<Zel_CodeBoxPrivate>(this))
{
    d->surface = new CodeSurface(d.get(), this);
    d->surface->setFont(d->fonts.font(CodeFonts::Regular));
    d->scrollBar = new QScrollBar(Qt::Vertical, this);
    d->scrollBar->setObjectName(QStringLiteral("VScroll1"));
    watchCodeBoxAccessibility(this);
    d->scrollBar->setFocusPolicy(Qt::NoFocus);
    d->scrollBar->hide();
    d->scrollBar->setSingleStep(1);
    connect(d->scrollBar, &QScrollBar::valueChanged, this,
        [this] { d->scrollTo(d->scrollBar->value()); });
    connect(this, &UserControl::userModeChanged, this, [this] { d->invalidate(); });
    setFocusProxy(d->surface);
    setFocusPolicy(Qt::StrongFocus);
    setBorderStyle(Border);
    d->rebuildGutter();
    resize(320, 240);
}

Zel_CodeBox::~Zel_CodeBox()
{
    // The surface reports its focus loss to the private part; it must go while that part still
    // lives.
    delete d->surface;
    d->surface = nullptr;
    d->gutterTile.DestroyPattern();
}

QSize Zel_CodeBox::sizeHint() const
{
    return QSize(320, 240);
}

QSize Zel_CodeBox::minimumSizeHint() const
{
    // The gutter, a little text and the scroll bar.
    return QSize(CodeLayout::TextLeft + 40 + CodeLayout::ScrollBarWidth, 3 * d->fonts.lineHeight());
}

bool Zel_CodeBox::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest) {
        if (d->layoutPending)
            Zel::guardEvent("Zel_CodeBox", [&] { d->relayout(); });
        return true;
    }
    // The gutter tile is built once from its colour, which may be a system
    // colour; the bars and the placeholder read theirs at paint time.
    if (event->type() == QEvent::PaletteChange)
        Zel::guardEvent("Zel_CodeBox", [&] { d->rebuildGutter(); });
    return UserControl::event(event);
}

void Zel_CodeBox::resizeEvent(QResizeEvent* event)
{
    UserControl::resizeEvent(event);
    d->relayout();
}

void Zel_CodeBox::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    if (d->borderStyle != Border)
        return;
    QPainter p(this);
    QRect r = rect();
    Zel::DrawEdge(p, r, Zel::EDGE_SUNKEN, Zel::BF_RECT);
}

// --- rows ---------------------------------------------------------------------------

void Zel_CodeBox::AddText(const QString& Value, const QString& Key, const QString& category,
    const StdPicture& Picture, AddMode AddType)
{
    Q_UNUSED(Picture)
    StoredRow row;
    row.key = Key;
    row.category = category;
    row.addType = AddType;
    if (AddType == App_Code || AddType == Shadowed) {
        row.value = d->normalizeEntities ? CodeTokenizer::normalizeEntities(Value) : Value;
    } else {
        row.value = Value;
        row.height = CodeLayout::barHeight(d->fonts, Value);
    }
    const qint32 pos = d->store.add(std::move(row));
    if (pos < 0) {
        Q_EMIT Error(1);
        return;
    }
    ++d->countTotalLines;
    // The current row stays on the same row when one is inserted above it.
    const bool shifted = d->listIndex >= pos && pos < d->store.size() - 1;
    if (shifted)
        ++d->listIndex;
    d->rowsChanged();
    Zel::announceRows(this, QAccessibleTableModelChangeEvent::RowsInserted, pos, pos);
    Q_EMIT Count_TotalLinesChanged(d->countTotalLines);
    if (shifted)
        Q_EMIT ListIndexChanged(d->listIndex);
}

void Zel_CodeBox::ChangeRow(const QString& Key, const QString& Value, const StdPicture& Picture)
{
    Q_UNUSED(Picture)
    const qint32 index = d->store.indexOfKey(Key);
    if (index < 0)
        return;
    StoredRow& row = d->store.at(index);
    row.value = Value;
    if (row.isBar())
        row.height = CodeLayout::barHeight(d->fonts, Value);
    d->rowsChanged();
    Zel::announcePart(this, index, QAccessible::NameChanged);
}

void Zel_CodeBox::ModifyItem(qint32 index, const QVariant& Text, qint16 Icon, qint16 IconSelected)
{
    Q_UNUSED(Icon)
    Q_UNUSED(IconSelected)
    if (index < 0 || index >= d->store.size())
        throw RuntimeError(RuntimeError::InvalidPropertyArrayIndex);
    if (!Text.isValid())
        return;
    const bool isZero = Text.typeId() != QMetaType::QString && Text.canConvert<double>()
        && Text.toDouble() == 0.0;
    if (isZero)
        return;
    StoredRow& row = d->store.at(index);
    row.value = Zel::toText(Text);
    if (row.isBar())
        row.height = CodeLayout::barHeight(d->fonts, row.value);
    d->rowsChanged();
    Zel::announcePart(this, index, QAccessible::NameChanged);
}

QString Zel_CodeBox::ExtractRow(qint32 RowIndex) const
{
    // The spare slot behind the last row reads as an empty row.
    if (RowIndex == d->store.size())
        return QString();
    if (RowIndex < 0 || RowIndex > d->store.size())
        throw RuntimeError(RuntimeError::SubscriptOutOfRange);
    return d->store.at(RowIndex).value;
}

QVariant Zel_CodeBox::ItemValue(qint32 index) const
{
    return ExtractRow(index);
}

QVariant Zel_CodeBox::ItemKey(qint32 index) const
{
    if (index == d->store.size())
        return QString();
    if (index < 0 || index > d->store.size())
        throw RuntimeError(RuntimeError::SubscriptOutOfRange);
    return d->store.at(index).key;
}

QVariant Zel_CodeBox::Count() const
{
    return qint32(d->store.size() - 1);
}

bool Zel_CodeBox::CheckKeyOK(const QString& KeyName) const
{
    return d->store.keyOK(KeyName);
}

qint32 Zel_CodeBox::ReturnKey(const QString& KeyName) const
{
    return d->store.indexOfKey(KeyName);
}

void Zel_CodeBox::ChangeKey(const QString& OldKeyName, const QString& NewKeyName)
{
    if (!d->store.keyOK(NewKeyName)) {
        Q_EMIT Error(1);
        return;
    }
    d->store.changeKey(OldKeyName, NewKeyName);
}

void Zel_CodeBox::DeleteRow(const QString& Key)
{
    EraseRow(Key);
}

void Zel_CodeBox::EraseRow(const QString& Key)
{
    const qint32 at = d->store.indexOfKey(Key);
    const qint32 removed = d->store.erase(Key);
    if (removed == 0)
        return;
    // Every row under the key goes; when they were more than one they need not lie together.
    if (removed == 1)
        Zel::announceRows(this, QAccessibleTableModelChangeEvent::RowsRemoved, at, at);
    else
        Zel::announceRows(this, QAccessibleTableModelChangeEvent::ModelReset);
    d->countTotalLines -= removed;
    const bool hadCurrent = d->listIndex >= 0;
    d->listIndex = -1;
    d->lastClickY = -1;
    d->rowsChanged();
    Q_EMIT Count_TotalLinesChanged(d->countTotalLines);
    if (hadCurrent) {
        Q_EMIT ListIndexChanged(-1);
        Q_EMIT ListIndexChange();
    }
}

bool Zel_CodeBox::CategoryExist(const QString& category) const
{
    return d->store.categoryExists(category);
}

void Zel_CodeBox::Clear()
{
    d->store.clear();
    const bool hadCurrent = d->listIndex >= 0;
    d->listIndex = -1;
    d->lastClickY = -1;
    d->lastReportedRow = -1;
    d->view.setRequestedTop(0);
    d->rowsChanged();
    Zel::announceRows(this, QAccessibleTableModelChangeEvent::ModelReset);
    d->relayout(); // the scroll bar goes at once
    if (hadCurrent) {
        Q_EMIT ListIndexChanged(-1);
        Q_EMIT ListIndexChange();
    }
}

QString Zel_CodeBox::mstrTagID(const QString& strTag)
{
    return CodeTokenizer::tagId(strTag);
}

CodeRow Zel_CodeBox::Row(qint32 index) const
{
    d->ensureLayout();
    if (index < 0 || index >= d->store.size())
        throw RuntimeError(RuntimeError::SubscriptOutOfRange);
    const StoredRow& r = d->store.at(index);
    CodeRow row;
    row.Index = index;
    row.Value = r.value;
    row.Key = r.key;
    row.AddType = r.addType;
    row.LineNumber = r.lineNumber;
    row.Shadowed = r.addType == Shadowed;
    row.Category = r.category;
    row.Locked = r.locked;
    row.Dirty = r.dirty;
    if (r.isCode())
        row.Tokens = d->view.laidOut(index).tokens;
    row.Height = d->view.rowHeight(index);
    return row;
}

// --- selection and locking ------------------------------------------------------------

void Zel_CodeBox::Copy() const
{
    if (d->listIndex < 0 || d->listIndex >= d->store.size())
        return;
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(d->store.at(d->listIndex).value);
}

void Zel_CodeBox::SelectItem(const QString& Key, bool StartEvents)
{
    const qint32 index = d->store.indexOfKey(Key);
    if (index < 0)
        throw RuntimeError(RuntimeError::SubscriptOutOfRange);
    setListIndex(index);
    if (StartEvents)
        d->emitReturnKey(index);
}

void Zel_CodeBox::LineLock(const QString& Key, bool Locked, bool RefreshScreen)
{
    const qint32 index = d->store.indexOfKey(Key);
    if (index < 0)
        throw RuntimeError(RuntimeError::SubscriptOutOfRange);
    StoredRow& row = d->store.at(index);
    row.locked = Locked;
    if (!Locked)
        row.dirty = true;
    d->invalidateRows(index);
    if (RefreshScreen && !d->rowRect(index).isEmpty())
        d->surface->repaint(d->rowRect(index));
}

qint32 Zel_CodeBox::Calculate_MouseY(qint32 NewListItem) const
{
    d->ensureLayout();
    qint64 sum = 0;
    const qint32 height = d->view.area().height();
    for (qint32 i = d->view.top(); i < std::min(NewListItem, d->store.size()); ++i) {
        sum += d->view.rowHeight(i);
        if (sum > height)
            return 0;
    }
    return qint32(sum + 1);
}

// --- drawing and scrolling --------------------------------------------------------------

void Zel_CodeBox::DrawLine(qint32 X1, qint32 Y1, qint32 X2, qint32 Y2, OLE_COLOR Color)
{
    // Shown over the rows until they are next repainted for a change.
    d->ensureLayout();
    const QPolygon points = Zel::lineToPoints(QPoint(X1, Y1), QPoint(X2, Y2));
    if (points.isEmpty())
        return;
    d->hostLines.append({ points, Zel::toQColor(Color, Qt::black) });
    d->surface->update(points.boundingRect());
}

void Zel_CodeBox::DrawXPGutter(qint32 X1, qint32 Y1, qint32 X2, qint32 Y2, OLE_COLOR Color)
{
    QPainter p(&d->gutterStrip);
    p.setPen(Zel::toQColor(Color, Qt::black));
    p.drawLine(X1, Y1, X2, Y2);
    p.end();
    d->gutterTile.SetPatternFromStdPicture(StdPicture(d->gutterStrip));
    d->invalidate();
}

qint32 Zel_CodeBox::TranslateColor(OLE_COLOR clr, qint32 hPal)
{
    Q_UNUSED(hPal)
    return Zel::TranslateColor(clr);
}

void Zel_CodeBox::Update_Component()
{
    d->invalidate();
}

void Zel_CodeBox::Update_LineNumber()
{
    d->invalidate();
}

void Zel_CodeBox::Update_ScrollMax()
{
    d->relayout();
}

void Zel_CodeBox::CheckVisibleRows()
{
    // The span and Scroll_Visible follow the rows on their own; only the
    // scroll bar may lag behind a pending layout.
    d->ensureLayout();
}

qint32 Zel_CodeBox::Calculate_ScrollerValue() const
{
    d->ensureLayout();
    return qint32(std::min<qint64>(d->view.heightOf(0, d->view.top()), INT_MAX));
}

void Zel_CodeBox::NEW_ProsessScrollbar()
{
    d->relayout();
}

void Zel_CodeBox::Refresh()
{
    d->relayout();
    d->surface->repaint();
}

qint32 Zel_CodeBox::TopIndex() const
{
    d->ensureLayout();
    return d->view.top();
}

void Zel_CodeBox::setTopIndex(qint32 New_TopIndex)
{
    d->ensureLayout();
    d->scrollTo(New_TopIndex);
}

qint32 Zel_CodeBox::VisibleRowSpan() const
{
    d->ensureLayout();
    return d->view.span();
}

// --- properties ---------------------------------------------------------------------------

qint32 Zel_CodeBox::ListIndex() const
{
    return d->listIndex;
}

void Zel_CodeBox::setListIndex(qint32 New_ListIndex)
{
    d->ensureLayout();
    if (New_ListIndex > d->store.size() - 1 || New_ListIndex < -1)
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    const qint32 old = d->listIndex;
    if (d->store.isEmpty() || New_ListIndex < 0) {
        d->listIndex = -1;
        d->lastClickY = -1;
    } else {
        d->listIndex = New_ListIndex;
    }
    d->selectionHidden = false;
    d->ensureVisible(d->listIndex);
    d->invalidateRows(old, d->listIndex);
    if (d->listIndex != old) {
        PropertyChanged(QStringLiteral("ListIndex"));
        Q_EMIT ListIndexChanged(d->listIndex);
        Q_EMIT ListIndexChange();
    }
}

bool Zel_CodeBox::KeepFocus() const
{
    return d->keepFocus;
}

void Zel_CodeBox::setKeepFocus(bool New_KeepFocus)
{
    setIfChanged(
        d->keepFocus, New_KeepFocus, QStringLiteral("KeepFocus"), &Zel_CodeBox::KeepFocusChanged);
}

#define ZEL_COLOR_PROPERTY(Name, member)                                                           \
    OLE_COLOR Zel_CodeBox::Name() const                                                            \
    {                                                                                              \
        return d->member;                                                                          \
    }                                                                                              \
    void Zel_CodeBox::set##Name(OLE_COLOR New_##Name)                                              \
    {                                                                                              \
        if (setIfChanged(                                                                          \
                d->member, New_##Name, QStringLiteral(#Name), &Zel_CodeBox::Name##Changed))        \
            d->invalidate();                                                                       \
    }

ZEL_COLOR_PROPERTY(ColorComment, colors.comment)
ZEL_COLOR_PROPERTY(ColorElementName, colors.elementName)
ZEL_COLOR_PROPERTY(ColorAttributeName, colors.attributeName)
ZEL_COLOR_PROPERTY(ColorAttributeValue, colors.attributeValue)
ZEL_COLOR_PROPERTY(GutterFontColor, gutterFontColor)
#undef ZEL_COLOR_PROPERTY

StdPicture Zel_CodeBox::LockPicture() const
{
    return d->lockPicture;
}

void Zel_CodeBox::setLockPicture(const StdPicture& New_LockPicture)
{
    if (!setIfChanged(d->lockPicture, New_LockPicture, QStringLiteral("LockPicture")))
        return;
    d->invalidate();
    Q_EMIT LockPictureChanged(LockPicture());
}

OLE_COLOR Zel_CodeBox::GutterColor() const
{
    return d->gutterColor;
}

void Zel_CodeBox::setGutterColor(OLE_COLOR New_GutterColor)
{
    if (!setIfChanged(d->gutterColor, New_GutterColor, QStringLiteral("GutterColor")))
        return;
    d->rebuildGutter();
    Q_EMIT GutterColorChanged(GutterColor());
}

bool Zel_CodeBox::VisualStyle() const
{
    return d->visualStyle;
}

void Zel_CodeBox::setVisualStyle(bool New_VisualStyle)
{
    if (!setIfChanged(d->visualStyle, New_VisualStyle, QStringLiteral("VisualStyle")))
        return;
    d->rebuildGutter();
    Q_EMIT VisualStyleChanged(VisualStyle());
}

OLE_COLOR Zel_CodeBox::SelectBGColor() const
{
    return d->selectBGColor;
}

void Zel_CodeBox::setSelectBGColor(OLE_COLOR New_SelectBGColor)
{
    if (d->selectBGColor == New_SelectBGColor)
        return;
    d->selectBGColor = New_SelectBGColor;
    d->invalidate();
    Q_EMIT SelectBGColorChanged(SelectBGColor());
}

Zel_CodeBox::SelectMode Zel_CodeBox::CodeStyle() const
{
    return d->codeStyle;
}

void Zel_CodeBox::setCodeStyle(SelectMode New_CodeStyle)
{
    if (New_CodeStyle < FullSelection || New_CodeStyle > QuorvelStyle)
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    if (d->codeStyle == New_CodeStyle)
        return;
    d->codeStyle = New_CodeStyle;
    d->invalidate();
    Q_EMIT CodeStyleChanged(CodeStyle());
}

bool Zel_CodeBox::AutoRender() const
{
    return d->view.rendering();
}

void Zel_CodeBox::setAutoRender(bool New_AutoRender)
{
    if (d->view.rendering() == New_AutoRender)
        return;
    d->view.setRendering(New_AutoRender);
    if (New_AutoRender)
        Refresh();
    else
        d->rowsChanged();
    Q_EMIT AutoRenderChanged(New_AutoRender);
    Q_EMIT RenderControlChanged(New_AutoRender);
}

Zel_CodeBox::EnumBorderStyle Zel_CodeBox::BorderStyle() const
{
    return d->borderStyle;
}

void Zel_CodeBox::setBorderStyle(qint32 New_BorderStyle)
{
    if ((New_BorderStyle != NoBorder && New_BorderStyle != Border)
        || New_BorderStyle == d->borderStyle)
        return;
    d->borderStyle = EnumBorderStyle(New_BorderStyle);
    d->relayout();
    update();
    Q_EMIT BorderStyleChanged(BorderStyle());
}

bool Zel_CodeBox::Show_Number() const
{
    return d->showNumber;
}

void Zel_CodeBox::setShow_Number(bool New_Show_Number)
{
    if (d->showNumber == New_Show_Number)
        return;
    d->showNumber = New_Show_Number;
    d->invalidate();
    Q_EMIT Show_NumberChanged(Show_Number());
}

qint32 Zel_CodeBox::Line_Y() const
{
    return d->lineY;
}

void Zel_CodeBox::setLine_Y(qint32 New_Line_Y)
{
    if (d->lineY == New_Line_Y)
        return;
    d->lineY = New_Line_Y;
    Q_EMIT Line_YChanged(New_Line_Y);
}

qint32 Zel_CodeBox::List_AreaHeight() const
{
    return d->listAreaHeight;
}

void Zel_CodeBox::setList_AreaHeight(qint32 New_List_AreaHeight)
{
    if (d->listAreaHeight == New_List_AreaHeight)
        return;
    d->listAreaHeight = New_List_AreaHeight;
    Q_EMIT List_AreaHeightChanged(New_List_AreaHeight);
}

bool Zel_CodeBox::RenderControl() const
{
    return d->view.rendering();
}

void Zel_CodeBox::setRenderControl(bool New_RenderControl)
{
    // The raw switch: no refresh, as when the host sets the variable itself.
    if (d->view.rendering() == New_RenderControl)
        return;
    d->view.setRendering(New_RenderControl);
    d->rowsChanged();
    Q_EMIT AutoRenderChanged(New_RenderControl);
    Q_EMIT RenderControlChanged(New_RenderControl);
}

bool Zel_CodeBox::Scroll_Visible() const
{
    d->ensureLayout();
    return d->view.scrollVisible();
}

qint32 Zel_CodeBox::Count_TotalLines() const
{
    return d->countTotalLines;
}

void Zel_CodeBox::setCount_TotalLines(qint32 New_Count_TotalLines)
{
    if (d->countTotalLines == New_Count_TotalLines)
        return;
    d->countTotalLines = New_Count_TotalLines;
    Q_EMIT Count_TotalLinesChanged(New_Count_TotalLines);
}

qint32 Zel_CodeBox::AreaTextHeight() const
{
    d->ensureLayout();
    return d->view.area().height();
}

qint32 Zel_CodeBox::AreaTextWidth() const
{
    d->ensureLayout();
    return d->view.area().width();
}

bool Zel_CodeBox::NormalizeEntities() const
{
    return d->normalizeEntities;
}

void Zel_CodeBox::setNormalizeEntities(bool New_NormalizeEntities)
{
    setIfChanged(d->normalizeEntities, New_NormalizeEntities, QStringLiteral("NormalizeEntities"),
        &Zel_CodeBox::NormalizeEntitiesChanged);
}

// --- persistence --------------------------------------------------------------------------

namespace {

constexpr OLE_COLOR ReadDefaultComment = 5;
constexpr OLE_COLOR ReadDefaultElementName = 1;
constexpr OLE_COLOR ReadDefaultAttributeName = 2;
constexpr OLE_COLOR ReadDefaultAttributeValue = 3;

} // namespace

void Zel_CodeBox::InitProperties()
{
    setKeepFocus(true);
    setColorComment(0);
    setColorElementName(0);
    setColorAttributeName(0);
    setColorAttributeValue(0);
    setLockPicture(StdPicture());
    setGutterColor(0);
    setVisualStyle(false);
    setGutterFontColor(0);
    setNormalizeEntities(true);
}

void Zel_CodeBox::ReadProperties(const PropertyBag& bag)
{
    // A damaged value keeps its property's default; the others are still
    // read, then the first error is reported.
    std::optional<RuntimeError> failure;
    auto read = [&](auto&& apply) {
        try {
            apply();
        } catch (const RuntimeError& e) {
            if (!failure)
                failure = e;
        }
    };
    read([&] { setKeepFocus(bag.readBoolean(QStringLiteral("KeepFocus"), true)); });
    read([&] {
        setColorComment(bag.readColor(QStringLiteral("ColorComment"), ReadDefaultComment));
    });
    read([&] {
        setColorElementName(
            bag.readColor(QStringLiteral("ColorElementName"), ReadDefaultElementName));
    });
    read([&] {
        setColorAttributeName(
            bag.readColor(QStringLiteral("ColorAttributeName"), ReadDefaultAttributeName));
    });
    read([&] {
        setColorAttributeValue(
            bag.readColor(QStringLiteral("ColorAttributeValue"), ReadDefaultAttributeValue));
    });
    read([&] { setLockPicture(bag.readPicture(QStringLiteral("LockPicture"))); });
    read([&] { setGutterColor(bag.readColor(QStringLiteral("GutterColor"), 0)); });
    read([&] { setVisualStyle(bag.readBoolean(QStringLiteral("VisualStyle"), false)); });
    read([&] { setGutterFontColor(bag.readColor(QStringLiteral("GutterFontColor"), 0)); });
    read([&] { setNormalizeEntities(bag.readBoolean(QStringLiteral("NormalizeEntities"), true)); });
    if (failure)
        throw *failure;
}

void Zel_CodeBox::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("KeepFocus"), d->keepFocus, 1);
    bag.writeColor(QStringLiteral("ColorComment"), d->colors.comment, ReadDefaultComment);
    bag.writeColor(
        QStringLiteral("ColorElementName"), d->colors.elementName, ReadDefaultElementName);
    bag.writeColor(
        QStringLiteral("ColorAttributeName"), d->colors.attributeName, ReadDefaultAttributeName);
    bag.writeColor(
        QStringLiteral("ColorAttributeValue"), d->colors.attributeValue, ReadDefaultAttributeValue);
    if (d->lockPicture.isNull())
        bag.remove(QStringLiteral("LockPicture"));
    else
        bag.WriteProperty(QStringLiteral("LockPicture"), QVariant::fromValue(d->lockPicture));
    bag.writeColor(QStringLiteral("GutterColor"), d->gutterColor, 0);
    bag.WriteProperty(QStringLiteral("VisualStyle"), d->visualStyle, false);
    bag.writeColor(QStringLiteral("GutterFontColor"), d->gutterFontColor, 0);
    bag.WriteProperty(QStringLiteral("NormalizeEntities"), d->normalizeEntities, true);
}
