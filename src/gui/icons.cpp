#include "icons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace kombora::gui {

namespace {

const QColor kInk(0x23, 0x4e, 0x70);
const QColor kAccent(0x2e, 0x86, 0xc1);
const QColor kWarm(0xe6, 0x7e, 0x22);

void DrawIcon(QPainter& p, IconKind kind) {
    // Everything is drawn on a 32 × 32 grid.
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    switch (kind) {
        case IconKind::Close: {
            p.setBrush(QColor(0xfd, 0xed, 0xec));
            p.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawRoundedRect(QRectF(5, 5, 22, 22), 5, 5);
            p.drawLine(QPointF(11, 11), QPointF(21, 21));
            p.drawLine(QPointF(21, 11), QPointF(11, 21));
            break;
        }
        case IconKind::NOverK: {
            QFont font(QStringLiteral("Sans"));
            font.setPixelSize(11);
            font.setBold(true);
            p.setFont(font);
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(4, 3, 8, 26), 100 * 16, 160 * 16);
            p.drawArc(QRectF(20, 3, 8, 26), -80 * 16, 160 * 16);
            p.setPen(kAccent);
            p.drawText(QRectF(6, 3, 20, 13), Qt::AlignCenter, QStringLiteral("n"));
            p.drawText(QRectF(6, 16, 20, 13), Qt::AlignCenter, QStringLiteral("k"));
            break;
        }
        case IconKind::Calendar: {
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(5, 7, 22, 20), 3, 3);
            p.setBrush(kAccent);
            p.setPen(Qt::NoPen);
            p.drawRect(QRectF(6.2, 8.2, 19.6, 5));
            p.setBrush(kInk);
            for (int r = 0; r < 3; ++r) {
                for (int c = 0; c < 4; ++c) {
                    p.drawRect(QRectF(9 + c * 4.2, 16 + r * 3.4, 2.2, 2.2));
                }
            }
            p.setPen(pen);
            p.drawLine(QPointF(11, 4.5), QPointF(11, 9));
            p.drawLine(QPointF(21, 4.5), QPointF(21, 9));
            break;
        }
        case IconKind::Calculator:
        case IconKind::Compute: {
            p.setBrush(QColor(0xea, 0xf2, 0xf8));
            p.drawRoundedRect(QRectF(7, 3.5, 18, 25), 3, 3);
            p.setBrush(kInk);
            p.setPen(Qt::NoPen);
            p.drawRect(QRectF(10, 7, 12, 5));
            p.setBrush(kind == IconKind::Compute ? kWarm : kAccent);
            for (int r = 0; r < 3; ++r) {
                for (int c = 0; c < 3; ++c) {
                    p.drawEllipse(QRectF(10 + c * 4.3, 14.5 + r * 4.3, 3, 3));
                }
            }
            break;
        }
        case IconKind::Update: {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0x27, 0xae, 0x60), 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(6, 6, 20, 20), 40 * 16, 280 * 16);
            QPainterPath head;
            head.moveTo(23.5, 4);
            head.lineTo(25.5, 12);
            head.lineTo(17.5, 10.5);
            head.closeSubpath();
            p.setBrush(QColor(0x27, 0xae, 0x60));
            p.setPen(Qt::NoPen);
            p.drawPath(head);
            break;
        }
        case IconKind::Help:
        case IconKind::Info: {
            p.setBrush(kAccent);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRectF(4, 4, 24, 24));
            QFont font(QStringLiteral("Serif"));
            font.setPixelSize(18);
            font.setBold(true);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QRectF(4, 4, 24, 24), Qt::AlignCenter,
                       kind == IconKind::Help ? QStringLiteral("?") : QStringLiteral("i"));
            break;
        }
        case IconKind::Back:
        case IconKind::Forward: {
            // A filled triangle pointing left or right.
            p.setPen(Qt::NoPen);
            p.setBrush(kAccent);
            QPainterPath arrow;
            if (kind == IconKind::Back) {
                arrow.moveTo(8, 16);
                arrow.lineTo(24, 6);
                arrow.lineTo(24, 26);
            } else {
                arrow.moveTo(24, 16);
                arrow.lineTo(8, 6);
                arrow.lineTo(8, 26);
            }
            arrow.closeSubpath();
            p.drawPath(arrow);
            break;
        }
    }
}

QPixmap IconPixmap(IconKind kind, int size, qreal ratio) {
    QPixmap pixmap(static_cast<int>(size * ratio), static_cast<int>(size * ratio));
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(ratio);
    QPainter p(&pixmap);
    p.scale(size / 32.0, size / 32.0);
    DrawIcon(p, kind);
    return pixmap;
}

}  // namespace

QIcon MakeIcon(IconKind kind) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        icon.addPixmap(IconPixmap(kind, size, 1.0));
        icon.addPixmap(IconPixmap(kind, size, 2.0));
    }
    return icon;
}

QPixmap MakeStartPicture(const QSize& size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));

    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0.0, QColor(0xf7, 0xfb, 0xff));
    sky.setColorAt(1.0, QColor(0xd6, 0xe9, 0xf8));
    p.fillRect(area, sky);

    // A few drawn balls with numbers, as on a draw.
    struct Ball {
        qreal x, y, r;
        int number;
        QColor colour;
    };
    const std::array<Ball, 6> balls{{
        {70, 150, 34, 7, QColor(0x2e, 0x86, 0xc1)},
        {135, 190, 28, 19, QColor(0xe6, 0x7e, 0x22)},
        {60, 228, 24, 33, QColor(0x27, 0xae, 0x60)},
        {190, 236, 22, 42, QColor(0x8e, 0x44, 0xad)},
        {118, 110, 20, 3, QColor(0xc0, 0x39, 0x2b)},
        {240, 190, 18, 25, QColor(0x16, 0xa0, 0x85)},
    }};
    QFont numberFont(QStringLiteral("Sans"));
    numberFont.setBold(true);
    for (const Ball& b : balls) {
        QRadialGradient shade(QPointF(b.x - b.r / 3, b.y - b.r / 3), b.r * 1.3);
        shade.setColorAt(0.0, b.colour.lighter(160));
        shade.setColorAt(1.0, b.colour.darker(115));
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawEllipse(QPointF(b.x, b.y), b.r, b.r);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(b.x, b.y), b.r * 0.55, b.r * 0.55);
        numberFont.setPixelSize(static_cast<int>(b.r * 0.6));
        p.setFont(numberFont);
        p.setPen(QColor(0x22, 0x22, 0x22));
        p.drawText(QRectF(b.x - b.r, b.y - b.r, 2 * b.r, 2 * b.r), Qt::AlignCenter,
                   QString::number(b.number));
    }

    QFont title(QStringLiteral("Sans"));
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0x1b, 0x3a, 0x57));
    p.drawText(QRectF(150, 95, size.width() - 160, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Kombora"));
    QFont subtitle(QStringLiteral("Sans"));
    subtitle.setPixelSize(13);
    p.setFont(subtitle);
    p.setPen(QColor(0x34, 0x49, 0x5e));
    p.drawText(QRectF(152, 150, size.width() - 160, 40), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Lottery systems: find, apply, test"));
    return pixmap;
}

}  // namespace kombora::gui
