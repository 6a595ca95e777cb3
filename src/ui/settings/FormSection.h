// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

// One group of a settings form: an optional header above, rows on a rounded panel, and an
// optional footer of explanation below.
class FormSection : public QWidget
{
    Q_OBJECT
public:
    static constexpr int rowHeight = 34;

    explicit FormSection(const QString& header = {}, QWidget* parent = nullptr);

    // The layout of a settings tab: its sections one below the other.
    static QVBoxLayout* pageLayout(QWidget* page);
    // A button for a row's right side, as wide as its text.
    static QPushButton* rowButton(const QString& text, QWidget* parent);

    // A row with a label on the left and a control on the right; returns the row so it can be hidden.
    QWidget* addRow(const QString& label, QWidget* control);
    // A row with a label whose text changes (the label is returned through `label`).
    QWidget* addRow(QLabel** label, QWidget* control);
    // A row that is the widget alone, across the panel.
    QWidget* addWidget(QWidget* widget);
    void setFooter(const QString& text);

    QLabel* header() const { return m_header; }
    QLabel* footer() const { return m_footer; }

private:
    QWidget* wrap(QWidget* left, QWidget* control);

    QLabel* m_header = nullptr;
    QLabel* m_footer = nullptr;
    QWidget* m_panel = nullptr;
    QVBoxLayout* m_rows = nullptr;
};
