#include "ui/community_banner.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace chronoflip {

namespace {

// A cairn, the surveyor's mark: stones stacked smaller towards the top.
void drawCairn(QPainter& painter, const QRectF& area) {
    constexpr int kStones = 4;
    const qreal stoneHeight = area.height() / kStones;
    painter.setPen(QPen(QColor(60, 60, 55), 1));
    for (int stone = 0; stone < kStones; ++stone) {
        const qreal width = area.width() * (1.0 - 0.2 * stone);
        const QRectF rect(area.center().x() - width / 2, area.bottom() - stoneHeight * (stone + 1),
                          width, stoneHeight * 1.1);
        painter.setBrush(QColor(190 - 12 * stone, 185 - 12 * stone, 170 - 10 * stone));
        painter.drawEllipse(rect);
    }
}

void paintBanner(QPixmap& banner, QSize size, const QString& pageTitle) {
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF area(QPointF(0, 0), QSizeF(size));
    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0, QColor(22, 62, 110));
    sky.setColorAt(1, QColor(34, 128, 122));
    painter.fillRect(area, sky);

    const qreal margin = area.height() * 0.12;
    const QRectF cairn(margin, margin, area.height() * 0.8, area.height() - 2 * margin);
    drawCairn(painter, cairn);

    const QRectF textArea(cairn.right() + margin, margin, area.width() - cairn.right() - 2 * margin,
                          area.height() - 2 * margin);
    QFont title;
    title.setBold(true);
    const QString name = QStringLiteral("Chronoflip");
    // As large as the banner's height allows, but never wider than the room beside the cairn.
    for (int pixels = static_cast<int>(area.height() * 0.34); pixels > 6; --pixels) {
        title.setPixelSize(pixels);
        if (QFontMetricsF(title).horizontalAdvance(name) <= textArea.width()) break;
    }
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop, name);

    QFont address;
    address.setPixelSize(static_cast<int>(area.height() * 0.22));
    painter.setFont(address);
    painter.setPen(QColor(210, 235, 230));
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignBottom, pageTitle);
}

}  // namespace

QPixmap communityBanner(QSize size, qreal devicePixelRatio, const QString& pageTitle) {
    QPixmap banner(size * devicePixelRatio);
    banner.setDevicePixelRatio(devicePixelRatio);
    paintBanner(banner, size, pageTitle);
    return banner;
}

}  // namespace chronoflip
