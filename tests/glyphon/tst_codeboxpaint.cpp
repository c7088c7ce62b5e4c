#include <QApplication>
#include <QMetaMethod>
#include <QRandomGenerator>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <glyphon/Zel_CodeBox.h>
#include <memory>
#include <vector>

// Pixel probes of the rendered surface: gutter, header bar, selection, tokens.
class TestCodeBoxPaint : public QObject
{
    Q_OBJECT

    static QWidget* surface(Zel_CodeBox& box)
    {
        return box.findChild<QWidget*>(QStringLiteral("Picture1"));
    }
    static QImage shot(Zel_CodeBox& box) { return surface(box)->grab().toImage(); }
    static QRgb rgbOf(OLE_COLOR c) { return Zel::toQColor(c).rgb() & 0xFFFFFF; }
    static QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

    // True when some pixel of \a rect is nearly black.
    static bool containsDark(const QImage& image, const QRect& rect)
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (qGray(image.pixel(x, y)) < 90)
                    return true;
        return false;
    }

    // True when some pixel of \a rect has exactly \a colour.
    static bool contains(const QImage& image, const QRect& rect, QRgb colour)
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (at(image, x, y) == colour)
                    return true;
        return false;
    }

    static void fill(Zel_CodeBox& box, int rows)
    {
        for (int i = 0; i < rows; ++i)
            box.AddText(QStringLiteral("<p>row</p>"), QStringLiteral("k%1").arg(i), QString());
    }

private Q_SLOTS:
    void gutterFlat()
    {
        Zel_CodeBox box;
        box.setBorderStyle(Zel_CodeBox::NoBorder);
        box.setGutterColor(0x0000FF); // red
        fill(box, 3);
        box.setShow_Number(false);
        const QImage image = shot(box);
        QCOMPARE(at(image, 0, 5), qRgb(255, 0, 0) & 0xFFFFFF);
        QCOMPARE(at(image, 20, 150), qRgb(255, 0, 0) & 0xFFFFFF); // below the rows too
        QCOMPARE(at(image, 39, 5), 0u);
        QCOMPARE(at(image, 40, 5), 0xFFFFFFu);
    }

    void gutterGradient()
    {
        Zel_CodeBox box;
        box.setGutterColor(0xC0C0C0);
        box.setVisualStyle(true);
        const QImage image = shot(box);
        QCOMPARE(at(image, 0, 10), qRgb(240, 240, 240) & 0xFFFFFF);
        QCOMPARE(at(image, 39, 10), qRgb(191, 191, 179) & 0xFFFFFF);
        QVERIFY(qRed(at(image, 20, 10)) < 240 && qRed(at(image, 20, 10)) > 191);
    }

    void lineNumbersAndLastRowLine()
    {
        Zel_CodeBox box;
        box.setGutterColor(0xFFFFFF);
        box.setGutterFontColor(0x0000FF);
        fill(box, 2);
        const QImage image = shot(box);
        const int h = box.Row(0).Height;
        QVERIFY(contains(image, QRect(20, 0, 18, h), qRgb(255, 0, 0) & 0xFFFFFF));
        QVERIFY(!contains(image, QRect(1, 0, 12, h), qRgb(255, 0, 0) & 0xFFFFFF)); // right-aligned
        // A thin shadow line under the last row only.
        QCOMPARE(at(image, 100, 2 * h), rgbOf(Zel::ButtonShadowColor));
        QCOMPARE(at(image, 100, h), 0xFFFFFFu);
    }

    void headerBar()
    {
        Zel_CodeBox box;
        box.AddText(QStringLiteral("Head"), QStringLiteral("h"), QString(), StdPicture(),
            Zel_CodeBox::Header);
        box.AddText(QStringLiteral("<p>"), QStringLiteral("p"), QString());
        const QImage image = shot(box);
        const int bottom = box.Row(0).Height;
        QCOMPARE(at(image, 5, 0), rgbOf(Zel::ButtonFaceColor));
        QCOMPARE(at(image, 5, 1), 0xFFFFFFu);
        QCOMPARE(at(image, 5, bottom - 2), rgbOf(Zel::ButtonShadowColor));
        QCOMPARE(at(image, 5, bottom - 1), 0u);
        // The text is centred: dark pixels around the middle, none near the left edge.
        const int mid = surface(box)->width() / 2;
        QVERIFY(containsDark(image, QRect(mid - 20, 2, 40, bottom - 4)));
        QVERIFY(!containsDark(image, QRect(2, 2, 40, bottom - 4)));
    }

    void selectionLooks()
    {
        Zel_CodeBox box;
        box.setSelectBGColor(0x00FF00);
        fill(box, 3);
        box.setListIndex(1);
        const int top = box.Row(0).Height;
        const int h = box.Row(1).Height;
        const int right = surface(box)->width() - 10;
        const QRgb green = qRgb(0, 255, 0) & 0xFFFFFF;
        const QRgb magenta = qRgb(255, 0, 255) & 0xFFFFFF;

        QImage image = shot(box); // QuorvelStyle: fill and focus rectangle
        QCOMPARE(at(image, right, top + h / 2), green);
        QCOMPARE(at(image, 41, top), magenta);
        QCOMPARE(at(image, 42, top), green);
        QCOMPARE(at(image, 40, top + 2), 0xFFFFFFu);

        box.setCodeStyle(Zel_CodeBox::TopStyleSelection);
        image = shot(box);
        QCOMPARE(at(image, 41, top), rgbOf(Zel::ButtonShadowColor));
        QCOMPARE(at(image, 41, top + h - 2), rgbOf(Zel::ButtonShadowColor));
        QCOMPARE(at(image, 41, top + 2), green); // no side lines

        box.setCodeStyle(Zel_CodeBox::FullSelection);
        image = shot(box);
        QCOMPARE(at(image, 41, top + 2), magenta);
        QCOMPARE(at(image, right, top + h / 2), green);
    }

    void selectedHeaderRowShowsTheSelection()
    {
        // Keys and ListIndex can make a header row current: it is boxed like any row.
        Zel_CodeBox box;
        box.setSelectBGColor(0x00FF00);
        box.AddText(QStringLiteral("Head"), QStringLiteral("h"), QString(), StdPicture(),
            Zel_CodeBox::Header);
        fill(box, 2);
        box.setListIndex(0);
        const int h = box.Row(0).Height;
        const int right = surface(box)->width() - 10;
        const QImage image = shot(box);
        QCOMPARE(at(image, right, h / 2), qRgb(0, 255, 0) & 0xFFFFFF);
        QCOMPARE(at(image, 5, h / 2), rgbOf(Zel::ButtonFaceColor)); // the gutter part of the bar
        const int mid = surface(box)->width() / 2;
        QVERIFY(containsDark(image, QRect(mid - 20, 2, 40, h - 4))); // its text stays
    }

    void keepFocusOff()
    {
        QWidget other;
        auto* boxPtr = new Zel_CodeBox(&other);
        Zel_CodeBox& box = *boxPtr;
        auto* second = new QWidget(&other);
        second->move(0, 300);
        second->setFocusPolicy(Qt::StrongFocus);
        box.setSelectBGColor(0x00FF00);
        box.setKeepFocus(false);
        fill(box, 2);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        box.setFocus();
        box.setListIndex(0);
        const int right = surface(box)->width() - 10;
        QCOMPARE(at(shot(box), right, 4), qRgb(0, 255, 0) & 0xFFFFFF);
        second->setFocus();
        QTRY_VERIFY(!surface(box)->hasFocus());
        QCOMPARE(at(shot(box), right, 4), 0xFFFFFFu);
        box.setKeepFocus(true);
        box.setFocus();
        QTRY_VERIFY(surface(box)->hasFocus());
        second->setFocus();
        QTRY_VERIFY(!surface(box)->hasFocus());
        QCOMPARE(at(shot(box), right, 4), qRgb(0, 255, 0) & 0xFFFFFF);
    }

    void tokensFollowAutoRender()
    {
        Zel_CodeBox box;
        box.setColorElementName(0x0000FF);
        box.AddText(QStringLiteral("<table>"), QStringLiteral("t"), QString());
        const QRect text(45, 0, 80, box.Row(0).Height);
        const QRgb red = qRgb(255, 0, 0) & 0xFFFFFF;
        QVERIFY(!contains(shot(box), text, red)); // a new box does not draw code
        box.setAutoRender(true);
        QVERIFY(contains(shot(box), text, red));
        // A shadowed row is drawn in the comment colour whatever the kind.
        box.setColorComment(0x00FF00);
        box.AddText(QStringLiteral("<table>"), QStringLiteral("s"), QString(), StdPicture(),
            Zel_CodeBox::Shadowed);
        const QRect second(45, box.Row(0).Height, 80, box.Row(1).Height);
        const QImage image = shot(box);
        QVERIFY(contains(image, second, qRgb(0, 255, 0) & 0xFFFFFF));
        QVERIFY(!contains(image, second, red));
    }

    void lockPicture()
    {
        Zel_CodeBox box;
        box.setGutterColor(0xFFFFFF);
        QImage lock(8, 8, QImage::Format_RGB32);
        lock.fill(Qt::blue);
        box.setLockPicture(StdPicture(lock));
        fill(box, 2);
        box.LineLock(QStringLiteral("k1"), true, true);
        const int top = box.Row(0).Height;
        QCOMPARE(at(shot(box), 3, top + 2), qRgb(0, 0, 255) & 0xFFFFFF);
        QCOMPARE(at(shot(box), 3, 2), 0xFFFFFFu);
        box.LineLock(QStringLiteral("k1"), false, true);
        QCOMPARE(at(shot(box), 3, top + 2), 0xFFFFFFu);
    }

    void paintingAnUnlockedRowClearsItsDirtyMark()
    {
        Zel_CodeBox box;
        box.resize(300, 120);
        fill(box, 40);
        box.setAutoRender(true);
        box.LineLock(QStringLiteral("k1"), true);
        box.LineLock(QStringLiteral("k1"), false);
        box.LineLock(QStringLiteral("k39"), false); // below the surface
        box.LineLock(QStringLiteral("k2"), false);
        box.LineLock(QStringLiteral("k2"), true); // locked again: it shows the picture
        QVERIFY(box.Row(1).Dirty);
        shot(box);
        QVERIFY(!box.Row(1).Dirty);
        QVERIFY(box.Row(2).Dirty);
        QVERIFY(box.Row(39).Dirty);
        box.setTopIndex(39);
        shot(box);
        QVERIFY(!box.Row(39).Dirty);
    }

    void wrappingAndHeights()
    {
        Zel_CodeBox box;
        box.resize(800, 200);
        box.setAutoRender(true);
        const QString row
            = QStringLiteral("<a href=\"first.html\" title=\"a long title\" class=\"x\">");
        box.AddText(row, QStringLiteral("r"), QString());
        const CodeRow wide = box.Row(0);
        QCOMPARE(wide.Tokens.last().y, qint16(0));
        box.resize(160, box.height());
        const CodeRow narrow = box.Row(0);
        QVERIFY(narrow.Tokens.last().y > 0);
        const int lineHeight = wide.Height - 2;
        QCOMPARE(narrow.Height, wide.Height + narrow.Tokens.last().y);
        QCOMPARE(narrow.Tokens.last().y % lineHeight, 0);
        for (const CodeToken& t : narrow.Tokens)
            QVERIFY(t.x >= 45);
        // Tokens of one line never overlap and stay in order.
        for (qsizetype i = 1; i < narrow.Tokens.size(); ++i) {
            const CodeToken& a = narrow.Tokens.at(i - 1);
            const CodeToken& b = narrow.Tokens.at(i);
            QVERIFY(b.y > a.y || (b.y == a.y && b.x > a.x));
        }
    }

    void aFirstTokenWiderThanTheBoxStartsOnTheSecondLine()
    {
        Zel_CodeBox box;
        box.resize(140, 100);
        box.setAutoRender(true);
        box.AddText(
            QStringLiteral("<averyveryverylongelementname>"), QStringLiteral("wide"), QString());
        box.AddText(QStringLiteral("<b>"), QStringLiteral("short"), QString());
        const CodeRow wide = box.Row(0);
        const CodeRow narrow = box.Row(1);
        const int lineHeight = narrow.Height - 2;
        QCOMPARE(narrow.Tokens.at(0).y, qint16(0));
        QCOMPARE(wide.Tokens.at(0).y, qint16(lineHeight)); // the first line stays empty
        QCOMPARE(wide.Tokens.at(0).x, qint16(45));
        QCOMPARE(wide.Height, 2 * lineHeight + 2);
        // Its text is drawn on the second line, not the first.
        const QImage image = shot(box);
        QVERIFY(!containsDark(image, QRect(45, 1, 60, lineHeight - 2)));
        QVERIFY(containsDark(image, QRect(45, lineHeight + 1, 60, lineHeight - 2)));
    }

    void scrollingByRows()
    {
        Zel_CodeBox box;
        box.resize(300, 200);
        fill(box, 50);
        box.setAutoRender(true);
        QVERIFY(box.Scroll_Visible());
        auto* bar = box.findChild<QWidget*>(QStringLiteral("VScroll1"));
        QVERIFY(bar && !bar->isHidden());
        QSignalSpy scrolled(&box, &Zel_CodeBox::TopIndexChange);
        box.setTopIndex(10);
        QCOMPARE(box.TopIndex(), 10);
        QCOMPARE(scrolled.count(), 1);
        QCOMPARE(box.Calculate_ScrollerValue(), 10 * box.Row(0).Height);
        box.setTopIndex(1000);
        const qint32 top = box.TopIndex();
        QCOMPARE(top + box.VisibleRowSpan(), 50); // the last page ends with the last row
        const QImage image = shot(box);
        const int lastBottom = box.VisibleRowSpan() * box.Row(0).Height;
        QCOMPARE(at(image, 100, lastBottom), rgbOf(Zel::ButtonShadowColor));
        box.Clear();
        QVERIFY(bar->isHidden());
        QCOMPARE(box.TopIndex(), 0);
    }

    void hostLinesLastUntilTheRowsChange()
    {
        Zel_CodeBox box;
        fill(box, 2);
        box.DrawLine(100, 5, 200, 5, 0x0000FF);
        box.DrawLine(250, 20, 250, 10, 0x0000FF);
        const QRgb red = qRgb(255, 0, 0) & 0xFFFFFF;
        const QImage lines = shot(box);
        QCOMPARE(at(lines, 150, 5), red);
        // As LineTo: from the start point up to, not including, the end point.
        QCOMPARE(at(lines, 100, 5), red);
        QCOMPARE(at(lines, 199, 5), red);
        QCOMPARE(at(lines, 200, 5), 0xFFFFFFu);
        QCOMPARE(at(lines, 250, 20), red);
        QCOMPARE(at(lines, 250, 11), red);
        QCOMPARE(at(lines, 250, 10), 0xFFFFFFu);
        box.AddText(QStringLiteral("<p>"), QStringLiteral("more"), QString());
        QCOMPARE(at(shot(box), 150, 5), 0xFFFFFFu);
    }

    void wheelScrollsThreeRows()
    {
        Zel_CodeBox box;
        box.resize(300, 200);
        fill(box, 50);
        QCOMPARE(box.TopIndex(), 0);
        QWheelEvent down(QPointF(100, 50), QPointF(100, 50), QPoint(), QPoint(0, -120),
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(surface(box), &down);
        QCOMPARE(box.TopIndex(), 3);
    }

    void paintingRaisesNothing()
    {
        // Changes whose layout is still pending when the paint comes: the
        // paint shows them and leaves the layout, and every event, to later.
        Zel_CodeBox box;
        box.resize(300, 200);
        fill(box, 100);
        box.setAutoRender(true);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setTopIndex(1000);
        box.setListIndex(99);
        for (int i = 40; i < 100; ++i)
            box.EraseRow(QStringLiteral("k%1").arg(i)); // the top must come back
        box.AddText(QStringLiteral("<b>new</b>"), QStringLiteral("new"), QString());
        box.LineLock(QStringLiteral("k3"), false);

        std::vector<std::unique_ptr<QSignalSpy>> spies;
        const QMetaObject* meta = box.metaObject();
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Signal)
                spies.push_back(std::make_unique<QSignalSpy>(
                    &box, QByteArray("2" + method.methodSignature()).constData()));
        }
        QVERIFY(spies.size() > 20);
        surface(box)->repaint();
        const QImage first = shot(box);
        QImage rendered(surface(box)->size(), QImage::Format_RGB32);
        surface(box)->render(&rendered);
        for (const auto& spy : spies)
            QVERIFY2(spy->isEmpty(), spy->signal().constData());
        QCOMPARE(rendered.convertToFormat(first.format()), first);
        // The layout then runs on its own, and reports the new top once.
        QSignalSpy top(&box, &Zel_CodeBox::TopIndexChange);
        QCoreApplication::processEvents();
        QCOMPARE(top.count(), 1);
        QVERIFY(box.TopIndex() > 0 && box.TopIndex() < 41); // back on the last page
    }

    void partialRepaintsMatchAFullRepaint()
    {
        Zel_CodeBox box;
        box.resize(320, 240);
        box.setSelectBGColor(0x00FFFF);
        QImage lock(8, 8, QImage::Format_RGB32);
        lock.fill(Qt::blue);
        box.setLockPicture(StdPicture(lock));
        for (int i = 0; i < 60; ++i)
            box.AddText(
                i % 9 == 4 ? QStringLiteral("Section") : QStringLiteral("<p a=\"%1\">x</p>").arg(i),
                QStringLiteral("k%1").arg(i), QString(), StdPicture(),
                i % 9 == 4 ? Zel_CodeBox::Header : Zel_CodeBox::App_Code);
        box.setAutoRender(true);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QRandomGenerator random(1208);
        // What the screen shows, left of the scroll bar (a child over the surface).
        const int width = surface(box)->width() - 20;
        auto onScreen = [&] {
            QCoreApplication::processEvents();
            const QPoint at = surface(box)->mapTo(&box, QPoint(0, 0));
            return box.screen()
                ->grabWindow(box.winId(), at.x(), at.y(), width, surface(box)->height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        for (int step = 0; step < 120; ++step) {
            const QString key = QStringLiteral("k%1").arg(random.bounded(60));
            switch (random.bounded(5)) {
            case 0:
            case 1:
                box.setListIndex(int(random.bounded(60)));
                break;
            case 2:
                box.LineLock(key, random.bounded(2) == 1, random.bounded(2) == 1);
                break;
            case 3:
                box.setTopIndex(int(random.bounded(60)));
                break;
            default:
                box.DrawLine(int(random.bounded(300)), int(random.bounded(220)),
                    int(random.bounded(300)), int(random.bounded(220)), 0x0000FF);
                break;
            }
            const QImage partial = onScreen();
            const QImage full = shot(box)
                                    .copy(0, 0, width, surface(box)->height())
                                    .convertToFormat(QImage::Format_RGB32);
            QCOMPARE(partial.size(), full.size());
            if (partial != full) {
                partial.save(QStringLiteral("/tmp/partial.png"));
                full.save(QStringLiteral("/tmp/full.png"));
            }
            if (partial != full)
                QFAIL(qPrintable(QStringLiteral("step %1 differs").arg(step)));
        }
    }

    void designTimePlaceholder()
    {
        Zel_CodeBox box;
        box.setUserMode(false);
        fill(box, 2);
        box.Refresh();
        const QImage image = shot(box);
        QVERIFY(containsDark(image, QRect(0, 1, 60, 12)));
        QCOMPARE(at(image, 20, 100), 0xFFFFFFu); // no gutter at design time
    }
};

QTEST_MAIN(TestCodeBoxPaint)
#include "tst_codeboxpaint.moc"
