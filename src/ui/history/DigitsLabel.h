#pragma once

#include <QFont>
#include <QWidget>

// A one-line text whose digits all take the same width, so a changing number keeps its place.
class DigitsLabel : public QWidget
{
    Q_OBJECT
public:
    explicit DigitsLabel(const QFont& font, QWidget* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return m_text; }
    void setSecondary(bool secondary);
    // Left or right edge (Qt::AlignLeft or Qt::AlignRight) when the label is wider than its text.
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont m_font;
    QString m_text;
    bool m_secondary = false;
    Qt::Alignment m_alignment = Qt::AlignLeft;
};
