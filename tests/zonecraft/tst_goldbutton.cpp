// The skinned button: persistence, the mouse state machine with its events,
// and what the face shows in each look.

#include "goldbutton/GoldButton.h"
#include "goldbutton/TabColors.h"

#include <QMetaProperty>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <common/PropertyBag.h>
#include <memory>

namespace {

constexpr OLE_COLOR Magenta = 0xFF00FF;

QImage solid(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QColor sys(OLE_COLOR color)
{
    return Zel::toQColor(color);
}

// Pixels close to \a color (smoothed text has few of the exact colour).
int countColor(const QImage& image, const QColor& color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int d = qAbs(c.red() - color.red()) + qAbs(c.green() - color.green())
                + qAbs(c.blue() - color.blue());
            n += d < 90 ? 1 : 0;
        }
    return n;
}

// Sends one mouse event straight to the button, wherever the point lies.
void send(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton,
    Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, {});
    QApplication::sendEvent(w, &event);
}

// Records the button's events in the order they are raised.
struct Log
{
    explicit Log(GoldButton& b)
    {
        QObject::connect(&b, &GoldButton::Click, [this] { names << QStringLiteral("Click"); });
        QObject::connect(&b, &GoldButton::MouseEnter, [this] { names << QStringLiteral("Enter"); });
        QObject::connect(&b, &GoldButton::MouseExit, [this] { names << QStringLiteral("Exit"); });
        QObject::connect(&b, &GoldButton::MouseDown, [this](qint16 button, qint16, float, float) {
            names << QStringLiteral("Down%1").arg(button);
        });
        QObject::connect(&b, &GoldButton::MouseMove,
            [this](qint16, qint16, float, float) { names << QStringLiteral("Move"); });
        QObject::connect(&b, &GoldButton::MouseUp, [this](qint16 button, qint16, float, float) {
            names << QStringLiteral("Up%1").arg(button);
        });
    }
    QStringList take()
    {
        QStringList out = names;
        names.clear();
        return out;
    }
    QStringList names;
};

} // namespace

class TestGoldButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void newButtonAndStoredDefaults();
    void everyPropertyRoundTrips();
    void enterAndExitCapture();
    void clickInside();
    void dragOutGivesNoClick();
    void otherButtonsOnlyReport();
    void setterSideEffects();
    void restingAndHoverEdges();
    void tabLookUsesSharedColours();
    void captionColourPerLook();
    void disabledCaptionIsEngraved();
    void iconFallbacks();
    void maskAppliesToTheNormalIconOnly();
    void iconLayout();
    void designFrameOfAFlatButton();

private:
    QImage face() { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    std::unique_ptr<QWidget> window;
    GoldButton* button = nullptr;
};

void TestGoldButton::init()
{
    window = std::make_unique<QWidget>();
    window->resize(300, 200);
    button = new GoldButton(window.get());
    button->setObjectName(QStringLiteral("GoldButton1"));
    button->InitProperties();
    button->move(50, 50);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto& tabs = zc::TabColors::instance();
    tabs.setBack(0);
    tabs.setBorder(0);
    tabs.setMouseOver(0);
}

void TestGoldButton::cleanup()
{
    window.reset();
}

void TestGoldButton::newButtonAndStoredDefaults()
{
    QCOMPARE(button->size(), QSize(72, 25)); // 1075 x 375 twips
    QCOMPARE(button->Caption(), QStringLiteral("GoldButton1"));
    QCOMPARE(button->Alignment(), 2);
    QCOMPARE(button->ButtonStyle(), 0);
    QCOMPARE(button->ForeColor(), OLE_COLOR(0x80000012));
    QCOMPARE(button->DownColor(), OLE_COLOR(0xFF0000));
    QCOMPARE(button->OnHover(), 5);
    QCOMPARE(button->SkinDisabledText(), OLE_COLOR(0x80000010));

    PropertyBag bag;
    button->WriteProperties(bag);
    // Values at their stored default are left out.
    for (const char* omitted : { "Caption", "Enabled", "SelectedState", "HoverColor", "DownColor",
             "PictureBackColor", "OnUp", "OnDown", "Style", "Picture", "PictureHover",
             "PictureDown", "PictureDisabled", "MaskColor", "UseMaskColor", "ForeColor" })
        QVERIFY2(!bag.contains(QLatin1String(omitted)), omitted);
    // A new button differs from the stored default in these.
    for (const char* written :
        { "Alignment", "ButtonStyle", "OnHover", "SkinDisabledText", "SkinHighlight", "Font" })
        QVERIFY2(bag.contains(QLatin1String(written)), written);

    // An empty bag reads the stored defaults, not the new-button values.
    GoldButton loaded;
    loaded.setObjectName(QStringLiteral("GoldButton7"));
    loaded.ReadProperties(PropertyBag());
    QCOMPARE(loaded.Caption(), QStringLiteral("GoldButton7"));
    QCOMPARE(loaded.Alignment(), 0);
    QCOMPARE(loaded.ButtonStyle(), 1);
    QCOMPARE(loaded.ForeColor(), OLE_COLOR(0x80000012));
    QCOMPARE(loaded.OnHover(), 4);
    QCOMPARE(loaded.SkinDisabledText(), OLE_COLOR(0));
    QCOMPARE(loaded.SkinHighlight(), OLE_COLOR(0));

    // The pressed colour defaults to the hover colour, reading and writing.
    PropertyBag hoverOnly;
    hoverOnly.writeColor(QStringLiteral("HoverColor"), 0x00FF00, 0xFF0000);
    loaded.ReadProperties(hoverOnly);
    QCOMPARE(loaded.DownColor(), OLE_COLOR(0x00FF00));
    PropertyBag out;
    loaded.WriteProperties(out);
    QVERIFY(!out.contains(QStringLiteral("DownColor")));

    // A black caption survives a save and load.
    button->setForeColor(0);
    PropertyBag black;
    button->WriteProperties(black);
    loaded.ReadProperties(black);
    QCOMPARE(loaded.ForeColor(), OLE_COLOR(0));
}

void TestGoldButton::everyPropertyRoundTrips()
{
    GoldButton& b = *button;
    b.setCaption(QStringLiteral("Tab &One"));
    b.setEnabled(false);
    b.setAlignment(1);
    b.setButtonStyle(4);
    b.setSelectedState(2);
    b.setForeColor(0x123456);
    b.setHoverColor(0x00FF00);
    b.setDownColor(0x0000FF);
    b.setOnUp(9);
    b.setOnDown(6);
    b.setOnHover(10);
    StdFont font(QStringLiteral("Verdana"), 11);
    font.setBold(true);
    b.setFont(font);
    b.setPicture(StdPicture(solid(8, 8, Qt::red)));
    b.setPictureHover(StdPicture(solid(9, 9, Qt::green)));
    b.setPictureDown(StdPicture(solid(10, 10, Qt::blue)));
    b.setPictureDisabled(StdPicture(solid(11, 11, Qt::gray)));
    b.setPictureBackColor(0x445566);
    b.setMaskColor(0x0000FF);
    b.setUseMaskColor(true);
    b.setSkinDisabledText(0x111111);
    b.setSkinHighlight(0x222222);
    b.setStyle(1);

    PropertyBag bag;
    b.WriteProperties(bag);
    PropertyBag json;
    QVERIFY(json.loadJson(bag.toJson()));
    GoldButton copy;
    copy.setObjectName(QStringLiteral("GoldButton1"));
    copy.ReadProperties(json);
    const QMetaObject* mo = b.metaObject();
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        const QVariant want = p.read(&b);
        const QVariant got = p.read(&copy);
        if (want.metaType() == QMetaType::fromType<StdPicture>())
            QCOMPARE(got.value<StdPicture>().image(), want.value<StdPicture>().image());
        else
            QVERIFY2(PropertyBag::sameValue(got, want), p.name());
    }
    QVERIFY(!copy.isEnabled()); // the widget follows Enabled
}

void TestGoldButton::enterAndExitCapture()
{
    Log log(*button);
    send(button, QEvent::MouseMove, QPoint(10, 10));
    QCOMPARE(log.take(), QStringList({ QStringLiteral("Enter"), QStringLiteral("Move") }));
    QCOMPARE(button->look(), zc::ButtonLook::Hover);
    QCOMPARE(QWidget::mouseGrabber(), button);
    send(button, QEvent::MouseMove, QPoint(20, 10));
    QCOMPARE(log.take(), QStringList({ QStringLiteral("Move") }));
    // The far edges still count as the face.
    send(button, QEvent::MouseMove, QPoint(button->width(), button->height()));
    QCOMPARE(log.take(), QStringList({ QStringLiteral("Move") }));
    send(button, QEvent::MouseMove, QPoint(button->width() + 1, 5));
    QCOMPARE(log.take(), QStringList({ QStringLiteral("Exit"), QStringLiteral("Move") }));
    QCOMPARE(button->look(), zc::ButtonLook::Normal);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void TestGoldButton::clickInside()
{
    Log log(*button);
    QSignalSpy down(button, &GoldButton::MouseDown);
    send(button, QEvent::MouseMove, QPoint(10, 10));
    send(button, QEvent::MouseButtonPress, QPoint(12, 11), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(button->look(), zc::ButtonLook::Down);
    QCOMPARE(down.at(0).at(0).value<qint16>(), qint16(1));
    QCOMPARE(down.at(0).at(2).toFloat(), 12.f);
    QCOMPARE(down.at(0).at(3).toFloat(), 11.f);
    send(button, QEvent::MouseButtonRelease, QPoint(12, 11), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(log.take(),
        QStringList({ QStringLiteral("Enter"), QStringLiteral("Move"), QStringLiteral("Down1"),
            QStringLiteral("Click"), QStringLiteral("Up1") }));
    QCOMPARE(button->SelectedState(), 2);
    QCOMPARE(button->look(), zc::ButtonLook::Normal);
    // The release ended the hover: the next move enters again.
    send(button, QEvent::MouseMove, QPoint(12, 11));
    QCOMPARE(log.take(), QStringList({ QStringLiteral("Enter"), QStringLiteral("Move") }));

    button->ResetButton();
    QCOMPARE(button->SelectedState(), 1);
}

void TestGoldButton::dragOutGivesNoClick()
{
    Log log(*button);
    send(button, QEvent::MouseMove, QPoint(10, 10));
    send(button, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
    send(button, QEvent::MouseMove, QPoint(-20, 10), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(button->look(), zc::ButtonLook::Hover); // pressed, but outside
    send(button, QEvent::MouseMove, QPoint(5, 5), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(button->look(), zc::ButtonLook::Down); // back inside
    send(button, QEvent::MouseMove, QPoint(-20, 10), Qt::NoButton, Qt::LeftButton);
    send(button, QEvent::MouseButtonRelease, QPoint(-20, 10), Qt::LeftButton, Qt::NoButton);
    const QStringList events = log.take();
    QVERIFY(!events.contains(QStringLiteral("Click")));
    QCOMPARE(events.last(), QStringLiteral("Up1"));
    QCOMPARE(button->SelectedState(), 1);
    QCOMPARE(button->look(), zc::ButtonLook::Normal);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void TestGoldButton::otherButtonsOnlyReport()
{
    Log log(*button);
    send(button, QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton, Qt::RightButton);
    QCOMPARE(button->look(), zc::ButtonLook::Normal);
    send(button, QEvent::MouseButtonRelease, QPoint(10, 10), Qt::RightButton, Qt::NoButton);
    QCOMPARE(log.take(), QStringList({ QStringLiteral("Down2"), QStringLiteral("Up2") }));
    QCOMPARE(button->SelectedState(), 0);
}

void TestGoldButton::setterSideEffects()
{
    QSignalSpy changed(button, &UserControl::propertyChanged);
    button->setSelectedState(2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("SelectedState"));
    button->setCaption(QStringLiteral("x"));
    button->setCaption(QStringLiteral("x")); // unchanged: no second notice
    QCOMPARE(changed.count(), 2);
    button->setEnabled(false);
    QVERIFY(!button->isEnabled());
    button->setEnabled(true);
    QVERIFY(button->isEnabled());
}

void TestGoldButton::restingAndHoverEdges()
{
    button->setCaption(QString());
    const QColor faceColor = sys(Zel::ButtonFaceColor);
    const int r = button->width() - 1, b = button->height() - 1;
    QImage img = face();
    QCOMPARE(img.pixelColor(0, 0), faceColor); // flat at rest
    QCOMPARE(img.pixelColor(r, b), faceColor);

    send(button, QEvent::MouseMove, QPoint(10, 10));
    img = face();
    // OnHover 5 (raised): light top-left, dark bottom-right.
    QCOMPARE(img.pixelColor(r, b), sys(Zel::ButtonDarkShadowColor));
    QVERIFY(img.pixelColor(0, 0) != sys(Zel::ButtonDarkShadowColor));

    send(button, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
    img = face();
    // OnDown 10 (sunken): the top-left is shadowed now.
    QCOMPARE(img.pixelColor(0, 0), sys(Zel::ButtonShadowColor));
    QCOMPARE(img.pixelColor(r, b), sys(Zel::ButtonHighlightColor));
}

void TestGoldButton::tabLookUsesSharedColours()
{
    auto& tabs = zc::TabColors::instance();
    tabs.setBack(0x00FF00); // green
    tabs.setBorder(0x0000FF); // red
    tabs.setMouseOver(0xFFFF00); // cyan
    button->setCaption(QString());
    button->setButtonStyle(4);
    button->setSelectedState(2);
    QImage img = face();
    QCOMPARE(img.pixelColor(5, 5), QColor(0, 255, 0));
    QCOMPARE(img.pixelColor(0, 0), sys(Zel::HighlightColor));
    QCOMPARE(img.pixelColor(button->width() - 1, button->height() - 1), sys(Zel::HighlightColor));

    // A change of the shared colours shows on every tab.
    GoldButton other(window.get());
    other.InitProperties();
    other.setButtonStyle(4);
    other.setSelectedState(2);
    tabs.setBack(0xFF0000); // blue
    QCOMPARE(face().pixelColor(5, 5), QColor(0, 0, 255));
    QCOMPARE(other.grab().toImage().pixelColor(5, 5), QColor(0, 0, 255));

    button->ResetButton();
    send(button, QEvent::MouseMove, QPoint(10, 10));
    img = face();
    QCOMPARE(img.pixelColor(5, 5), QColor(0, 255, 255)); // the hover face
    QCOMPARE(img.pixelColor(0, 0), QColor(255, 0, 0)); // the hover outline

    send(button, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
    img = face();
    QCOMPARE(img.pixelColor(5, 5), sys(Zel::ButtonFaceColor));
    QCOMPARE(img.pixelColor(0, 0), QColor(0, 0, 255)); // pressed: outlined in the tab colour
}

void TestGoldButton::captionColourPerLook()
{
    button->setCaption(QStringLiteral("MMMM"));
    button->setForeColor(0x0000FF); // red
    button->setHoverColor(0x00FF00); // green
    button->setDownColor(0xFF0000); // blue
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255);
    QImage img = face();
    QVERIFY(countColor(img, red) > 10);
    QCOMPARE(countColor(img, green), 0);
    send(button, QEvent::MouseMove, QPoint(10, 10));
    img = face();
    QVERIFY(countColor(img, green) > 10);
    QCOMPARE(countColor(img, red), 0);
    send(button, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(countColor(face(), blue) > 10);
}

void TestGoldButton::disabledCaptionIsEngraved()
{
    button->setCaption(QStringLiteral("MMMM"));
    button->setEnabled(false);
    QVERIFY(countColor(face(), sys(Zel::ButtonShadowColor)) > 10);

    button->setSkinHighlight(0x0000FF); // red light
    button->setSkinDisabledText(0xFF0000); // blue shadow
    QCOMPARE(countColor(face(), QColor(255, 0, 0)), 0); // the skin flag is off
    button->setStyle(1);
    const QImage img = face();
    QVERIFY(countColor(img, QColor(0, 0, 255)) > 10);
    QVERIFY(countColor(img, QColor(255, 0, 0)) > 0);
    // The light copy lies one pixel right of the shadow: stems show a light
    // pixel just right of a shadow pixel.
    const auto light = [&](int x, int y) {
        const QColor c = img.pixelColor(x, y);
        return c.red() > 200 && c.blue() < 60;
    };
    const auto shadow = [&](int x, int y) {
        const QColor c = img.pixelColor(x, y);
        return c.blue() > 200 && c.red() < 60;
    };
    int lightRightOfShadow = 0, lightLeftOfShadow = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 1; x < img.width(); ++x) {
            lightRightOfShadow += shadow(x - 1, y) && light(x, y) ? 1 : 0;
            lightLeftOfShadow += light(x - 1, y) && shadow(x, y) ? 1 : 0;
        }
    QVERIFY(lightRightOfShadow > 3 * lightLeftOfShadow + 5);
}

void TestGoldButton::iconFallbacks()
{
    button->setCaption(QString());
    button->setAlignment(0);
    button->setPicture(StdPicture(solid(8, 8, Qt::red)));
    const QPoint probe(4 + 4, 25 / 2); // inside the icon at x 4
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), gray(128, 128, 128);
    QCOMPARE(face().pixelColor(probe), red);
    send(button, QEvent::MouseMove, QPoint(30, 10));
    QCOMPARE(face().pixelColor(probe), red);
    send(button, QEvent::MouseButtonPress, QPoint(30, 10), Qt::LeftButton, Qt::LeftButton);
    QImage img = face();
    QCOMPARE(img.pixelColor(probe), red);
    QCOMPARE(img.pixelColor(4, 12), sys(Zel::ButtonFaceColor)); // pressed: one pixel right
    QCOMPARE(img.pixelColor(5, 12), red);

    // Pressed falls back to the hover icon before the plain one.
    button->setPictureHover(StdPicture(solid(8, 8, Qt::green)));
    QCOMPARE(face().pixelColor(probe), green);
    button->setPictureDown(StdPicture(solid(8, 8, Qt::blue)));
    QCOMPARE(face().pixelColor(probe), blue);
    send(button, QEvent::MouseButtonRelease, QPoint(30, 10), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(face().pixelColor(probe), red);

    button->setEnabled(false);
    QCOMPARE(face().pixelColor(probe), red);
    button->setPictureDisabled(StdPicture(solid(8, 8, gray)));
    QCOMPARE(face().pixelColor(probe), gray);
}

void TestGoldButton::maskAppliesToTheNormalIconOnly()
{
    QImage icon = solid(8, 8, Qt::red);
    icon.setPixelColor(2, 2, QColor(255, 0, 255));
    QImage hoverIcon = icon;
    button->setCaption(QString());
    button->setAlignment(0);
    button->setPicture(StdPicture(icon));
    button->setPictureHover(StdPicture(hoverIcon));
    button->setPictureBackColor(0x00FF00);
    button->setMaskColor(Magenta);
    const QPoint masked(4 + 2, (25 - 8) / 2 + 2);
    QCOMPARE(face().pixelColor(masked), QColor(255, 0, 255)); // the mask is off
    button->setUseMaskColor(true);
    QCOMPARE(face().pixelColor(masked), QColor(0, 255, 0));
    QCOMPARE(face().pixelColor(masked + QPoint(1, 0)), QColor(255, 0, 0));
    send(button, QEvent::MouseMove, QPoint(30, 10));
    QCOMPARE(face().pixelColor(masked), QColor(255, 0, 255)); // the hover icon keeps it
    // A system colour as mask matches no pixel.
    button->setMaskColor(Zel::ButtonFaceColor);
    QCOMPARE(button->maskedPicture().pixelColor(2, 2), QColor(255, 0, 255));
    button->setMaskColor(Magenta);
    button->setPictureBackColor(0xFF0000);
    QCOMPARE(button->maskedPicture().pixelColor(2, 2), QColor(0, 0, 255));
}

void TestGoldButton::iconLayout()
{
    zc::ButtonFace f;
    f.size = QSize(100, 24);
    f.icon = solid(16, 16, Qt::red);
    f.alignment = 0;
    zc::ButtonLayout l = zc::layoutButton(f, 40);
    QCOMPARE(l.iconPos, QPoint(4, 4));
    QVERIFY(l.captionRect.left() >= 4 + 16); // the caption is not under the icon
    QCOMPARE(l.captionRect.right() + 1, 100 - 4);

    f.alignment = 1; // the group sits at the right: caption ends at W - 4
    l = zc::layoutButton(f, 40);
    QVERIFY(l.iconPos.x() + 16 <= 100 - 4 - 40);
    QVERIFY(l.iconPos.x() > 30);
    l = zc::layoutButton(f, 80); // does not fit: icon at 4
    QCOMPARE(l.iconPos.x(), 4);

    f.alignment = 2;
    l = zc::layoutButton(f, 40);
    const int captionX = (16 + 96 - 40) / 2;
    QVERIFY(l.iconPos.x() + 16 <= captionX);
    QVERIFY(l.iconPos.x() > 4);
    l = zc::layoutButton(f, 80);
    QCOMPARE(l.iconPos.x(), 3);

    // Pressed, the enabled caption and the icon move one pixel right and down.
    f.alignment = 2;
    const zc::ButtonLayout rest = zc::layoutButton(f, 40);
    f.look = zc::ButtonLook::Down;
    const zc::ButtonLayout down = zc::layoutButton(f, 40);
    QCOMPARE(down.captionRect.topLeft(), rest.captionRect.topLeft() + QPoint(1, 1));
    QCOMPARE(down.captionRect.bottomRight(), rest.captionRect.bottomRight() + QPoint(1, 1));
    QCOMPARE(down.iconPos, rest.iconPos + QPoint(1, 0));

    // Without an icon the caption runs from 4 to W - 4; disabled passes at 5 and 4.
    f.icon = QImage();
    f.look = zc::ButtonLook::Normal;
    l = zc::layoutButton(f, 40);
    QCOMPARE(l.captionRect, QRect(QPoint(4, 1), QPoint(95, 22)));
    QCOMPARE(l.highlightRect, QRect(QPoint(5, 2), QPoint(96, 21)));
    QCOMPARE(l.shadowRect, QRect(QPoint(4, 2), QPoint(95, 21)));
}

void TestGoldButton::designFrameOfAFlatButton()
{
    button->setCaption(QString());
    button->setOnUp(0);
    QCOMPARE(face().pixelColor(0, 0), sys(Zel::ButtonFaceColor)); // at run time
    button->setUserMode(false);
    button->update();
    QImage img = face();
    QCOMPARE(img.pixelColor(0, 0), sys(Zel::ButtonShadowColor));
    QCOMPARE(
        img.pixelColor(button->width() - 1, button->height() - 1), sys(Zel::ButtonShadowColor));
}

QTEST_MAIN(TestGoldButton)
#include "tst_goldbutton.moc"
