// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Theme.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <array>
#include <cmath>

namespace {

struct Style
{
    qreal pixelSize;
    QFont::Weight weight; // the style's own weight, used when the caller asks for Normal
};

// The desktop sizes of the named styles, in device-independent pixels.
constexpr std::array<Style, 11> styles{{
    {26, QFont::Normal},   // largeTitle
    {22, QFont::Normal},   // title
    {17, QFont::Normal},   // title2
    {15, QFont::Normal},   // title3
    {13, QFont::DemiBold}, // headline
    {13, QFont::Normal},   // body
    {12, QFont::Normal},   // callout
    {11, QFont::Normal},   // subheadline
    {10, QFont::Normal},   // footnote
    {10, QFont::Normal},   // caption
    {10, QFont::Normal},   // caption2
}};

// The design's body text size, against which the desktop's font is measured.
constexpr qreal designBodyPixels = 13;
// Secondary text and outlines are the text colour at these opacities, or more where that would not stand out.
constexpr qreal secondaryOpacity = 0.6;
constexpr qreal outlineOpacity = 0.35;

QColor blend(const QColor& over, const QColor& under, qreal opacity)
{
    return QColor::fromRgbF(float(under.redF() + (over.redF() - under.redF()) * opacity),
                            float(under.greenF() + (over.greenF() - under.greenF()) * opacity),
                            float(under.blueF() + (over.blueF() - under.blueF()) * opacity));
}

qreal luminance(const QColor& color)
{
    const auto linear = [](qreal channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

// The Latin digits and the locale's own, which times may be written in.
QString digits()
{
    QString all = QStringLiteral("0123456789");
    const QLocale locale;
    for (int digit = 0; digit <= 9; ++digit)
        all += locale.toString(digit);
    return all;
}

// Width of the widest digit: every digit gets a cell this wide.
qreal digitCell(const QFontMetricsF& metrics)
{
    qreal widest = 0;
    for (QChar digit : digits())
        widest = std::max(widest, metrics.horizontalAdvance(digit));
    return widest;
}

void drawGlobe(QPainter& painter, const QRectF& box, qreal line)
{
    const QRectF ring = box.adjusted(line / 2, line / 2, -line / 2, -line / 2);
    painter.drawEllipse(ring);
    painter.drawEllipse(QRectF(ring.center().x() - ring.width() / 4, ring.top(), ring.width() / 2, ring.height()));
    painter.drawLine(QPointF(ring.center().x(), ring.top()), QPointF(ring.center().x(), ring.bottom()));
    painter.drawLine(QPointF(ring.left(), ring.center().y()), QPointF(ring.right(), ring.center().y()));
    const qreal latitude = ring.height() * 0.25;
    const qreal chord = ring.width() * 0.433; // half-width of the circle a quarter of its height from the middle
    for (qreal y : {ring.center().y() - latitude, ring.center().y() + latitude})
        painter.drawLine(QPointF(ring.center().x() - chord, y), QPointF(ring.center().x() + chord, y));
}

void drawGear(QPainter& painter, const QRectF& box, qreal line, const QColor& color)
{
    const QPointF c = box.center();
    const qreal outer = box.width() / 2 - line / 2;
    QPainterPath teeth;
    constexpr int count = 8;
    for (int i = 0; i < count; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-outer * 0.16, -outer, outer * 0.32, outer * 0.5), line / 2, line / 2);
        QTransform turn;
        turn.translate(c.x(), c.y());
        turn.rotate(360.0 / count * i);
        teeth.addPath(turn.map(tooth));
    }
    QPainterPath body;
    body.addEllipse(c, outer * 0.72, outer * 0.72);
    QPainterPath hole;
    hole.addEllipse(c, outer * 0.3, outer * 0.3);
    painter.fillPath(body.united(teeth).subtracted(hole), color);
}

// Keeps one widget's text in the secondary colour of the palette around it.
class SecondaryText final : public QObject
{
public:
    explicit SecondaryText(QWidget* widget) : QObject(widget), m_widget(widget) { apply(); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_widget && (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange))
            apply();
        return QObject::eventFilter(watched, event);
    }

private:
    void apply()
    {
        const QWidget* parent = m_widget->parentWidget();
        const QColor color = Theme::secondary(parent ? parent->palette() : QApplication::palette(m_widget));
        if (m_widget->palette().color(QPalette::WindowText) == color)
            return; // setting it again would only announce another change
        QPalette colors = m_widget->palette();
        colors.setColor(QPalette::WindowText, color);
        m_widget->setPalette(colors);
    }

    QWidget* m_widget;
};

} // namespace

namespace Theme {

namespace {

// The text colour over the window at `opacity`, or more until it stands out `least` from the window, and a little
// more, so that it still does on a slightly tinted panel. Solid, so that its contrast is what it measures.
QColor faded(const QPalette& palette, qreal opacity, qreal least)
{
    const QColor text = primary(palette), window = palette.color(QPalette::Window);
    QColor color = blend(text, window, opacity);
    while (contrast(color, window) < least + 0.3 && opacity < 1) {
        opacity = std::min<qreal>(1, opacity + 0.05);
        color = blend(text, window, opacity);
    }
    return color;
}

} // namespace

void useSecondaryText(QWidget* widget)
{
    widget->installEventFilter(new SecondaryText(widget));
}

qreal scaled(qreal designPixels)
{
    const qreal desktopPixels = QFontInfo(QApplication::font()).pixelSize();
    return designPixels * std::max<qreal>(1, desktopPixels / designBodyPixels);
}

qreal pixelSize(TextStyle style)
{
    return scaled(styles[static_cast<size_t>(style)].pixelSize);
}

qreal contrast(const QColor& a, const QColor& b)
{
    const qreal la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableBackground(const QColor& background, const QColor& text, qreal ratio)
{
    const QColor away = luminance(text) > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
    QColor color = background;
    for (qreal step = 0.05; contrast(color, text) < ratio && step <= 1; step += 0.05)
        color = blend(away, background, step);
    return color;
}

QFont systemFont(qreal pixelSize, QFont::Weight weight)
{
    QFont font = QApplication::font();
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setWeight(weight);
    return font;
}

QFont font(TextStyle style, QFont::Weight weight)
{
    const Style& entry = styles[static_cast<size_t>(style)];
    return systemFont(scaled(entry.pixelSize), weight == QFont::Normal ? entry.weight : weight);
}

QColor primary(const QPalette& palette)
{
    return palette.color(QPalette::WindowText);
}

QColor primary(const QPalette& palette, qreal opacity)
{
    QColor color = primary(palette);
    color.setAlphaF(color.alphaF() * opacity);
    return color;
}

void fillHoverBackground(QPainter& painter, const QRectF& bounds, const QPalette& palette, qreal cornerRadius)
{
    QPainterPath background;
    background.addRoundedRect(bounds, cornerRadius, cornerRadius);
    painter.fillPath(background, primary(palette, 0.2));
}

QColor secondary(const QPalette& palette)
{
    return faded(palette, secondaryOpacity, textContrast);
}

QColor outline(const QPalette& palette)
{
    return faded(palette, outlineOpacity, outlineContrast);
}

QSizeF monospacedDigitsSize(const QFont& font, const QString& text)
{
    const QFontMetricsF metrics(font);
    const qreal cell = digitCell(metrics);
    qreal width = 0;
    for (QChar character : text)
        width += character.isDigit() ? cell : metrics.horizontalAdvance(character);
    return {width, metrics.height()};
}

void drawMonospacedDigits(QPainter& painter, const QPointF& baselineOrigin, const QFont& font, const QString& text)
{
    const QFontMetricsF metrics(font);
    const qreal cell = digitCell(metrics);
    painter.save();
    painter.setFont(font);
    qreal x = baselineOrigin.x();
    qsizetype runStart = 0;
    // Runs of non-digits are drawn whole so their kerning and shaping stay intact.
    auto flush = [&](qsizetype end) {
        if (end > runStart) {
            const QString run = text.mid(runStart, end - runStart);
            painter.drawText(QPointF(x, baselineOrigin.y()), run);
            x += metrics.horizontalAdvance(run);
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isDigit())
            continue;
        flush(i);
        const qreal advance = metrics.horizontalAdvance(text[i]);
        painter.drawText(QPointF(x + (cell - advance) / 2, baselineOrigin.y()), QString(text[i]));
        x += cell;
        runStart = i + 1;
    }
    flush(text.size());
    painter.restore();
}

void drawSymbol(QPainter& painter, Symbol symbol, const QRectF& rect, const QColor& color)
{
    const qreal side = std::min(rect.width(), rect.height());
    const QRectF box(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    const qreal line = std::max<qreal>(1, side / 12);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(color, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QPointF c = box.center();
    const qreal h = side / 2;
    switch (symbol) {
    case Symbol::ellipsis: {
        const qreal dot = side * 0.09;
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        for (int i = -1; i <= 1; ++i)
            painter.drawEllipse(QPointF(c.x() + i * side * 0.32, c.y()), dot, dot);
        break;
    }
    case Symbol::globe:
        drawGlobe(painter, box, line);
        break;
    case Symbol::chevronRight:
        painter.setPen(QPen(color, line * 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF{
            {c.x() - h * 0.25, c.y() - h * 0.6}, {c.x() + h * 0.3, c.y()}, {c.x() - h * 0.25, c.y() + h * 0.6}});
        break;
    case Symbol::xmark:
        painter.setPen(QPen(color, line * 1.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(c.x() - h * 0.55, c.y() - h * 0.55), QPointF(c.x() + h * 0.55, c.y() + h * 0.55));
        painter.drawLine(QPointF(c.x() + h * 0.55, c.y() - h * 0.55), QPointF(c.x() - h * 0.55, c.y() + h * 0.55));
        break;
    case Symbol::checkmark:
        painter.setPen(QPen(color, line * 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF{{c.x() - h * 0.6, c.y() + h * 0.05},
                                       {c.x() - h * 0.15, c.y() + h * 0.5},
                                       {c.x() + h * 0.65, c.y() - h * 0.55}});
        break;
    case Symbol::exclamationTriangle: {
        QPainterPath triangle;
        triangle.moveTo(c.x(), box.top() + line);
        triangle.lineTo(box.right() - line / 2, box.bottom() - line);
        triangle.lineTo(box.left() + line / 2, box.bottom() - line);
        triangle.closeSubpath();
        painter.drawPath(triangle);
        painter.drawLine(QPointF(c.x(), c.y() - h * 0.2), QPointF(c.x(), c.y() + h * 0.3));
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(QPointF(c.x(), c.y() + h * 0.6), line * 0.7, line * 0.7);
        break;
    }
    case Symbol::gear:
        drawGear(painter, box, line, color);
        break;
    case Symbol::clock:
        painter.drawEllipse(box.adjusted(line / 2, line / 2, -line / 2, -line / 2));
        painter.drawPolyline(QPolygonF{{c.x(), c.y() - h * 0.55}, c, {c.x() + h * 0.4, c.y() + h * 0.2}});
        break;
    }
    painter.restore();
}

QPixmap symbol(Symbol symbol, qreal pointSize, const QColor& color, qreal devicePixelRatio)
{
    if (!(devicePixelRatio > 0))
        devicePixelRatio = 1;
    const qreal side = std::max<qreal>(1, pointSize);
    const int pixels = qCeil(side * devicePixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawSymbol(painter, symbol, QRectF(0, 0, side, side), color);
    return pixmap;
}

} // namespace Theme
