#include "message_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "fonts.h"
#include "hidpi_pixmap.h"

namespace corvane {

namespace {

const QColor Outline(40, 40, 40);

void paintSignInDisc(QPainter& painter, const QColor& disc, const QString& sign)
{
    painter.setPen(QPen(Outline, 1));
    painter.setBrush(disc);
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    painter.setPen(Qt::white);
    painter.setFont(serifFont(24, true));
    painter.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, sign);
}

void paintQuestion(QPainter& painter) { paintSignInDisc(painter, QColor(40, 90, 200), QStringLiteral("?")); }

void paintInformation(QPainter& painter) { paintSignInDisc(painter, QColor(30, 130, 90), QStringLiteral("i")); }

void paintWarning(QPainter& painter)
{
    QPainterPath triangle;
    triangle.moveTo(16, 2);
    triangle.lineTo(30.5, 29);
    triangle.lineTo(1.5, 29);
    triangle.closeSubpath();
    painter.setPen(QPen(Outline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(250, 200, 30));
    painter.drawPath(triangle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Outline);
    painter.drawRoundedRect(QRectF(14.5, 10, 3, 11), 1.5, 1.5);
    painter.drawEllipse(QRectF(14.3, 23, 3.4, 3.4));
}

void paintWasteBin(QPainter& painter)
{
    painter.setPen(QPen(Outline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(170, 175, 185));
    QPainterPath bin;
    bin.moveTo(7, 9);
    bin.lineTo(25, 9);
    bin.lineTo(23, 30);
    bin.lineTo(9, 30);
    bin.closeSubpath();
    painter.drawPath(bin);
    painter.drawRoundedRect(QRectF(5, 5.5, 22, 3.5), 1, 1);
    painter.drawRect(QRectF(13, 2.5, 6, 3));
    for (const double x : {12.0, 16.0, 20.0})
        painter.drawLine(QPointF(x, 12), QPointF(x - (x - 16) * 0.1, 27));
}

void paintTrophy(QPainter& painter)
{
    const QColor gold(235, 180, 30);
    painter.setPen(QPen(Outline, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(3, 5, 10, 11), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(19, 5, 10, 11), 270 * 16, 180 * 16);
    painter.setBrush(gold);
    QPainterPath cup;
    cup.moveTo(8, 3);
    cup.lineTo(24, 3);
    cup.cubicTo(24, 14, 20, 19, 16, 19);
    cup.cubicTo(12, 19, 8, 14, 8, 3);
    cup.closeSubpath();
    painter.drawPath(cup);
    painter.drawRect(QRectF(14.5, 19, 3, 5));
    painter.drawRoundedRect(QRectF(9, 24, 14, 5), 1, 1);
    painter.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(12, 6), QPointF(12.5, 11));
}

void paintSadFace(QPainter& painter)
{
    painter.setPen(QPen(Outline, 1.1));
    painter.setBrush(QColor(150, 185, 230));
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    painter.setBrush(Outline);
    painter.drawEllipse(QRectF(9.5, 10, 3.5, 4.5));
    painter.drawEllipse(QRectF(19, 10, 3.5, 4.5));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Outline, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(9, 19, 14, 10), 20 * 16, 140 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 120, 220));
    painter.drawEllipse(QRectF(20, 15.5, 2.5, 4));
}

}  // namespace

QPixmap messagePicture(int number, qreal dpr)
{
    using Painter = void (*)(QPainter&);
    static constexpr Painter Pictures[MessagePictureCount] = {
        paintQuestion, paintWarning, paintWasteBin, paintInformation, paintTrophy, paintSadFace};
    if (number < 1 || number > MessagePictureCount || dpr <= 0)
        return {};
    QPixmap pixmap = hidpiPixmap(QSize(MessagePictureSize, MessagePictureSize), dpr);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    Pictures[number - 1](painter);
    return pixmap;
}

}  // namespace corvane
