#include "TreeIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace {

QPixmap Blank() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon Draw(TreeIcon icon) {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
    case TreeIcon::Mule: { // a pack: a brown crate with its strap
        p.setPen(QPen(QColor(90, 55, 20), 1));
        p.setBrush(QColor(176, 122, 64));
        p.drawRoundedRect(QRectF(2.5, 4.5, 11, 9), 1.5, 1.5);
        p.drawLine(QPointF(8, 4.5), QPointF(8, 13.5));
        p.drawLine(QPointF(2.5, 8.5), QPointF(13.5, 8.5));
        break;
    }
    case TreeIcon::PK: { // crossed red blades
        p.setPen(QPen(QColor(170, 0, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 3), QPointF(13, 13));
        p.drawLine(QPointF(13, 3), QPointF(3, 13));
        break;
    }
    case TreeIcon::RescueSquad: { // a white cross on a red disc
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 3.5, 3, 9));
        p.drawRect(QRectF(3.5, 6.5, 9, 3));
        break;
    }
    case TreeIcon::Member: { // a blue figure: head and shoulders
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 180));
        p.drawEllipse(QRectF(5, 1.5, 6, 6));
        QPainterPath body;
        body.moveTo(2, 15);
        body.cubicTo(2, 8, 14, 8, 14, 15);
        body.closeSubpath();
        p.drawPath(body);
        break;
    }
    }
    return QIcon(pixmap);
}

} // namespace

const QIcon& imglstTreeIcons(TreeIcon icon) {
    static const std::array<QIcon, 4> icons = {Draw(TreeIcon::Mule), Draw(TreeIcon::PK),
                                               Draw(TreeIcon::RescueSquad), Draw(TreeIcon::Member)};
    return icons[static_cast<std::size_t>(icon) - 1];
}
