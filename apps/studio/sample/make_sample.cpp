// Draws the studio's bundled sample picture: a simple floor plan with a
// garden, a few pieces of furniture and room labels, 640 x 480.
//
// Regenerate with: cmake --build <build dir> --target zelstudio_make_sample
//   QT_QPA_PLATFORM=offscreen <build dir>/apps/studio/zelstudio_make_sample
//   apps/studio/sample/sample.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const QColor Paper(0xF4, 0xF1, 0xE8);
const QColor Wall(0x3C, 0x3F, 0x46);
const QColor Furniture(0x8A, 0x6E, 0x4B);
const QColor Ink(0x2B, 0x2D, 0x33);

void room(QPainter& p, const QRect& r, const QColor& floor, const QString& name)
{
    p.fillRect(r, floor);
    p.setPen(Ink);
    p.drawText(r, Qt::AlignCenter, name);
}

// A door: a gap in the wall and the quarter circle its leaf sweeps.
void door(QPainter& p, QPoint hinge, int width, int startAngle)
{
    p.save();
    p.setPen(QPen(Wall, 1));
    p.setBrush(Qt::NoBrush);
    const QRect swing(hinge.x() - width, hinge.y() - width, 2 * width, 2 * width);
    p.drawArc(swing, startAngle * 16, 90 * 16);
    p.restore();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }

    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(Paper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QFont font(QStringLiteral("DejaVu Sans"), 11);
    p.setFont(font);

    // Garden: a lawn along the south side, with a pond and trees.
    const QColor lawn(0xB9, 0xDA, 0x9A);
    QPainterPath garden;
    garden.addPolygon(QPolygonF({ QPointF(20, 380), QPointF(620, 380), QPointF(620, 460),
        QPointF(300, 470), QPointF(20, 455) }));
    p.fillPath(garden, lawn);
    p.setPen(QPen(QColor(0x7F, 0xA8, 0x5C), 2));
    p.setBrush(QColor(0x9C, 0xCB, 0xE8));
    p.drawEllipse(QPointF(480, 424), 52, 24);
    p.setBrush(QColor(0x5E, 0x8C, 0x47));
    p.setPen(Qt::NoPen);
    for (const QPointF& tree : { QPointF(70, 420), QPointF(120, 440), QPointF(585, 420) })
        p.drawEllipse(tree, 16, 16);
    p.setPen(Ink);
    p.drawText(QRect(220, 400, 160, 30), Qt::AlignCenter, QStringLiteral("Garden"));

    // Rooms (floors first, walls on top).
    p.setRenderHint(QPainter::Antialiasing, false);
    room(p, QRect(40, 40, 320, 200), QColor(0xFB, 0xE7, 0xB5), QStringLiteral("Living room"));
    room(p, QRect(360, 40, 240, 150), QColor(0xCF, 0xE8, 0xC9), QStringLiteral("Kitchen"));
    room(p, QRect(360, 190, 240, 170), QColor(0xC9, 0xDC, 0xF2), QStringLiteral("Bedroom"));
    room(p, QRect(40, 240, 150, 120), QColor(0xD4, 0xEE, 0xEE), QStringLiteral("Bath"));
    room(p, QRect(190, 240, 170, 120), QColor(0xEC, 0xE2, 0xD6), QStringLiteral("Hall"));

    // Furniture: a sofa, a round table with chairs, a bed.
    p.setPen(QPen(Furniture, 2));
    p.setBrush(QColor(0xD8, 0xB8, 0x8C));
    p.drawRect(70, 60, 150, 40);
    p.drawRect(300, 70, 30, 120);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawEllipse(QPointF(480, 115), 34, 34);
    p.setBrush(QColor(0xB0, 0x8E, 0x62));
    for (const QPointF& chair :
        { QPointF(480, 66), QPointF(480, 164), QPointF(431, 115), QPointF(529, 115) })
        p.drawEllipse(chair, 9, 9);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(QColor(0xF7, 0xF7, 0xFB));
    p.drawRect(528, 215, 62, 100);
    p.setBrush(QColor(0x9F, 0xB6, 0xD9));
    p.drawRect(528, 215, 62, 22);

    // Walls, with gaps for the doors.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Wall, 6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(40, 40, 560, 320);
    p.setPen(QPen(Wall, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(360, 40, 360, 150); // living room | kitchen
    p.drawLine(360, 190, 360, 250); // kitchen door gap 150..190
    p.drawLine(360, 290, 360, 360); // bedroom door gap 250..290
    p.drawLine(360, 190, 600, 190); // kitchen / bedroom
    p.drawLine(40, 240, 100, 240); // bath door gap 100..140
    p.drawLine(140, 240, 230, 240);
    p.drawLine(290, 240, 360, 240); // hall opening 230..290
    p.drawLine(190, 240, 190, 360); // bath | hall
    door(p, QPoint(360, 150), 40, 270);
    door(p, QPoint(360, 250), 40, 0);
    door(p, QPoint(100, 240), 40, 270);
    // Front door in the south wall.
    p.setPen(QPen(Paper, 6));
    p.drawLine(250, 360, 290, 360);
    door(p, QPoint(250, 360), 40, 0);

    // Title and a north arrow.
    p.setPen(Ink);
    QFont title = font;
    title.setBold(true);
    title.setPointSize(12);
    p.setFont(title);
    p.drawText(QRect(40, 8, 400, 26), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Sample floor plan"));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Ink);
    p.drawPolygon(
        QPolygonF({ QPointF(612, 10), QPointF(620, 30), QPointF(612, 25), QPointF(604, 30) }));
    p.setFont(font);
    p.drawText(QRect(600, 30, 24, 16), Qt::AlignCenter, QStringLiteral("N"));
    p.end();

    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
