#include "window/Zustandsbilder.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace mi {

namespace {

QColor scheibenfarbeWaehlen(Bild bild) {
    switch (bild) {
        case Bild::Pfeil:
            return QColor(0xd0, 0x21, 0x1c);
        case Bild::OK:
            return QColor(0x2e, 0x8b, 0x3a);
        case Bild::Inaktiv:
            break;
    }
    return QColor(0xa0, 0xa0, 0xa0);
}

void pfeilZeichnen(QPainter& maler) {
    QPainterPath pfeil;
    pfeil.addPolygon(QPolygonF{{4.0, 7.2},
                               {8.6, 7.2},
                               {8.6, 4.4},
                               {13.2, 8.5},
                               {8.6, 12.6},
                               {8.6, 9.8},
                               {4.0, 9.8},
                               {4.0, 7.2}});
    maler.fillPath(pfeil, Qt::white);
}

void hakenZeichnen(QPainter& maler) {
    QPen stift(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    maler.setPen(stift);
    maler.drawPolyline(QPolygonF{{4.6, 8.8}, {7.4, 11.6}, {12.4, 5.6}});
}

}  // namespace

QPixmap zustandsbildZeichnen(Bild bild, qreal pixelverhaeltnis) {
    const qreal verhaeltnis = pixelverhaeltnis > 0 ? pixelverhaeltnis : 1.0;
    const int kante = qCeil(Bildgroesse * verhaeltnis);
    QPixmap bildchen(kante, kante);
    if (bildchen.isNull()) {
        return bildchen;
    }
    bildchen.setDevicePixelRatio(verhaeltnis);
    bildchen.fill(Qt::transparent);

    QPainter maler(&bildchen);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(scheibenfarbeWaehlen(bild));
    maler.drawEllipse(QRectF(0.5, 0.5, Bildgroesse - 1.0, Bildgroesse - 1.0));
    if (bild == Bild::OK) {
        hakenZeichnen(maler);
    } else {
        pfeilZeichnen(maler);
    }
    return bildchen;
}

}  // namespace mi
