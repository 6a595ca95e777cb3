// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChartColorsPreview.h"

#include "Sector.h"
#include "Theme.h"
#include "TrayIcon.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <functional>

namespace {

constexpr double innerRatio = 0.7;
constexpr qreal sectorGap = 1; // points between neighbouring sectors
constexpr qreal sectorCornerRadius = 2;
constexpr qreal iconCornerRadius = 6;
constexpr int rest = 8; // index of the grey rest among the springs

int clampedCount(int count)
{
    return std::clamp(count, 0, static_cast<int>(ChartColorsPreview::sampleShares.size()));
}

} // namespace

// One half of the preview: paints through the preview, so both halves follow the same springs.
class PreviewPart : public QWidget
{
public:
    PreviewPart(QSize size, std::function<void(QPainter&)> paint, QWidget* parent)
        : QWidget(parent), m_paint(std::move(paint))
    {
        setFixedSize(size);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        m_paint(painter);
    }

private:
    std::function<void(QPainter&)> m_paint;
};

ChartColorsPreview::ChartColorsPreview(int count, QWidget* parent)
    : QWidget(parent), m_count(clampedCount(count)), m_driver(
                                                         [this](double seconds) {
                                                             bool settled = true;
                                                             for (SpringValue& share : m_shares) {
                                                                 share.advance(seconds, SpringParameters{0.25, 0.85});
                                                                 settled = settled && share.isSettled();
                                                             }
                                                             return settled;
                                                         },
                                                         this)
{
    const QList<Piece> target = pieces(m_count);
    for (const Piece& piece : target)
        m_shares[piece.id < 0 ? rest : piece.id].snap(piece.share);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(spacing);
    m_ring = new PreviewPart(
        QSize(ringSide, ringSide), [this](QPainter& painter) { paintRing(painter); }, this);
    m_icon = new PreviewPart(
        iconBox, [this](QPainter& painter) { paintIcon(painter); }, this);
    layout->addWidget(m_ring, 0, Qt::AlignVCenter);
    layout->addWidget(m_icon, 0, Qt::AlignVCenter);
    connect(&m_driver, &SpringDriver::advanced, this, [this] {
        m_ring->update();
        m_icon->update();
    });
    describe();
}

QList<ChartColorsPreview::Piece> ChartColorsPreview::pieces(int count)
{
    const int taken = clampedCount(count);
    QList<Piece> result;
    double sum = 0;
    for (int j = 0; j < taken; ++j) {
        result.append(Piece{j, double(sampleShares[j]), Palette::slices()[j]});
        sum += sampleShares[j];
    }
    result.append(Piece{-1, 100 - sum, Palette::other()});
    return result;
}

void ChartColorsPreview::setCount(int count)
{
    count = clampedCount(count);
    if (count == m_count)
        return;
    m_count = count;
    for (SpringValue& share : m_shares)
        share.target = 0;
    for (const Piece& piece : pieces(count))
        m_shares[piece.id < 0 ? rest : piece.id].target = piece.share;
    describe();
    m_driver.start();
}

QList<double> ChartColorsPreview::drawnShares() const
{
    QList<double> shares;
    for (const SpringValue& share : m_shares)
        shares.append(share.value);
    return shares;
}

void ChartColorsPreview::describe()
{
    m_ring->setAccessibleName(tr("Chart with %Ln colours", nullptr, m_count));
    m_icon->setAccessibleName(tr("Menu bar icon with %Ln colours", nullptr, m_count));
}

void ChartColorsPreview::paintRing(QPainter& painter) const
{
    const qreal outer = ringSide / 2.0;
    double total = 0;
    for (const SpringValue& share : m_shares)
        total += std::max(share.value, 0.0);
    if (total <= 0)
        return;
    // The colours first, in palette order, then the rest, as the ring of a real day is drawn.
    double start = 0;
    for (int i = 0; i <= rest; ++i) {
        const double share = std::max(m_shares[i].value, 0.0);
        if (share <= 0)
            continue;
        const double end = start + share / total * 360;
        const Sector sector{QPointF(outer, outer), outer * innerRatio, outer, start, end,
                            sectorGap / 2,         sectorCornerRadius};
        const QColor color = i == rest ? Palette::other(palette()) : Palette::slices()[i].resolved(palette());
        painter.fillPath(sector.path(), color);
        start = end;
    }
}

void ChartColorsPreview::paintIcon(QPainter& painter) const
{
    QPainterPath background;
    background.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(iconBox)), iconCornerRadius, iconCornerRadius);
    // The quaternary fill: the primary colour faintly.
    painter.fillPath(background, Theme::primary(palette(), 0.05));

    QList<int> shares;
    for (int j = 0; j < m_count; ++j)
        shares.append(sampleShares[j]);
    const qreal ratio = painter.device()->devicePixelRatioF();
    QImage image = m_iconCache.image(shares, m_count, ratio);
    {
        // The image is a template: its alpha is the shape, tinted here in the text colour.
        QPainter tint(&image);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(QRectF(0, 0, TrayIcon::side, TrayIcon::side), Theme::primary(palette()));
    }
    const QPointF origin((iconBox.width() - TrayIcon::side) / 2, (iconBox.height() - TrayIcon::side) / 2);
    painter.drawImage(origin, image);
}
