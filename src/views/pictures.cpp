#include "views/pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace kestrovin {
namespace {

QPixmap Paint(int size, const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

QPen Outline() { return QPen(QColor(40, 40, 40), 1); }

void Sheet(QPainter& p, QColor fill) {
    p.setPen(Outline());
    p.setBrush(fill);
    p.drawRect(QRectF(3.5, 1.5, 9, 13));
}

}  // namespace

QPixmap LinkPicture(LedState state) {
    const QColor fill = state == LedState::On ? QColor(0, 160, 0) : state == LedState::Err ? QColor(220, 0, 0)
                                                                                            : QColor(192, 192, 192);
    return Paint(20, [fill](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(0, 0, 20, 20, fill);
        p.fillRect(4, 4, 5, 3, Qt::white);  // the highlight
    });
}

std::vector<QIcon> MenuImages() {
    const std::vector<std::function<void(QPainter&)>> images{
        [](QPainter& p) { Sheet(p, Qt::white); },  // 0 new
        [](QPainter& p) {                          // 1 open: a folder
            p.setPen(Outline());
            p.setBrush(QColor(240, 200, 80));
            p.drawRect(QRectF(1.5, 4.5, 13, 9));
            p.drawRect(QRectF(1.5, 2.5, 5, 2));
        },
        [](QPainter& p) {  // 2 save: a diskette
            p.setPen(Outline());
            p.setBrush(QColor(60, 90, 180));
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
        },
        [](QPainter& p) {  // 3 description: a sheet with lines
            Sheet(p, QColor(255, 255, 220));
            for (int y = 5; y <= 11; y += 3) p.drawLine(5, y, 11, y);
        },
        [](QPainter& p) {  // 4 exit: a door with an arrow
            p.setPen(Outline());
            p.setBrush(QColor(150, 100, 60));
            p.drawRect(QRectF(2.5, 1.5, 7, 13));
            p.setPen(QPen(QColor(200, 0, 0), 2));
            p.drawLine(8, 8, 15, 8);
            p.drawLine(12, 5, 15, 8);
            p.drawLine(12, 11, 15, 8);
        },
        [](QPainter& p) {  // 5 graphs
            p.setPen(Outline());
            p.drawLine(2, 1, 2, 14);
            p.drawLine(2, 14, 15, 14);
            p.setPen(QPen(QColor(0, 120, 220), 1.5));
            p.drawPolyline(QPolygonF({QPointF(3, 11), QPointF(6, 6), QPointF(9, 9), QPointF(14, 3)}));
        },
        [](QPainter& p) {  // 6 big display: a screen with a digit
            p.setPen(Outline());
            p.setBrush(Qt::black);
            p.drawRect(QRectF(1.5, 2.5, 13, 10));
            p.setPen(QPen(QColor(0, 220, 0), 1.5));
            p.drawLine(6, 5, 10, 5);
            p.drawLine(10, 5, 10, 10);
        },
        [](QPainter& p) {  // 7 dashboard: a gauge
            p.setPen(Outline());
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.setPen(QPen(QColor(200, 0, 0), 1.5));
            p.drawLine(8, 8, 12, 4);
        },
        [](QPainter& p) {  // 8 timing check: a stopwatch
            p.setPen(Outline());
            p.setBrush(QColor(230, 230, 230));
            p.drawEllipse(QRectF(2.5, 3.5, 11, 11));
            p.drawRect(QRectF(6.5, 0.5, 3, 2));
            p.drawLine(8, 9, 8, 5);
        },
        [](QPainter& p) {  // 9 cable check: a plug
            p.setPen(Outline());
            p.setBrush(QColor(90, 90, 90));
            p.drawRect(QRectF(4.5, 5.5, 7, 6));
            p.drawLine(6, 2, 6, 5);
            p.drawLine(10, 2, 10, 5);
            p.drawLine(8, 12, 8, 15);
        },
        [](QPainter& p) {  // 10 settings: a gear
            p.setPen(Outline());
            p.setBrush(QColor(150, 150, 160));
            for (int a = 0; a < 180; a += 45) {
                p.save();
                p.translate(8, 8);
                p.rotate(a);
                p.drawRect(QRectF(-1.5, -7, 3, 14));
                p.restore();
            }
            p.drawEllipse(QRectF(3, 3, 10, 10));
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(6, 6, 4, 4));
        },
        [](QPainter& p) {  // 11 about: "i"
            p.setPen(Outline());
            p.setBrush(QColor(40, 100, 200));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.setPen(QPen(Qt::white, 2));
            p.drawPoint(8, 5);
            p.drawLine(8, 7, 8, 12);
        },
        [](QPainter& p) {  // 12 help: "?"
            p.setPen(Outline());
            p.setBrush(QColor(40, 160, 80));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.setPen(Qt::white);
            QFont font = p.font();
            font.setBold(true);
            font.setPixelSize(11);
            p.setFont(font);
            p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
        },
        [](QPainter& p) {  // 13 plug-in: a puzzle piece
            p.setPen(Outline());
            p.setBrush(QColor(200, 120, 40));
            QPainterPath piece;
            piece.addRect(QRectF(2.5, 4.5, 10, 10));
            piece.addEllipse(QRectF(5.5, 1.5, 4, 4));
            p.drawPath(piece.simplified());
        },
    };
    std::vector<QIcon> icons;
    for (const auto& draw : images) icons.emplace_back(Paint(16, draw));
    return icons;
}

}  // namespace kestrovin
