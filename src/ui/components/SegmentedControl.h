// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <optional>

// Joined choices in one rounded track, one of them chosen: the chosen segment is a plain raised plate, the
// others lie flat on the track with a faint line between neighbours. Drawn from the palette, so it reads the
// same in light and dark. Arrow keys move the choice when it has the focus, which a ring shows. To assistive
// technology it is a group of radio buttons.
class SegmentedControl : public QWidget
{
    Q_OBJECT
public:
    struct Segment
    {
        int id = 0;
        QString title;
    };

    static constexpr int barHeight = 24; // at the least
    static constexpr qreal cornerRadius = 6;

    // Every segment is at least `segmentWidth` wide, wider when its title needs it.
    explicit SegmentedControl(const QList<Segment>& segments, int segmentWidth = 0, QWidget* parent = nullptr);

    // Shows the segment with the id as chosen, without announcing it; an id not offered chooses none.
    void setCurrentId(int id);
    std::optional<int> currentId() const;
    // Chooses the segment with the id as a click on it does, announcing a change.
    void chooseId(int id);
    const QList<Segment>& segments() const { return m_segments; }
    // Where the segment with the id is drawn, in the control's coordinates; empty for an id not offered.
    QRect segmentRect(int id) const;
    QString title(int id) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The colours of the track, the chosen plate and the lines between segments, for a palette.
    static QColor trackColor(const QPalette& palette);
    static QColor plateColor(const QPalette& palette);

signals:
    // The user chose a segment other than the current one.
    void idChosen(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int segmentWidth() const;
    int trackHeight() const;
    void choose(qsizetype index);
    qsizetype indexOf(int id) const;
    // Tells assistive technology which segment is chosen (and focused, with the focus here).
    void announceChoice();

    QList<Segment> m_segments;
    int m_minimumSegmentWidth = 0;
    qsizetype m_current = -1;
};
