// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// A short notice in secondary text with one button under it that offers the way out; hidden while it has no
// text. Texts are shown as written, never as markup: they may name programs the user installed.
class Notice : public QWidget
{
    Q_OBJECT
public:
    explicit Notice(QWidget* parent = nullptr);

    // Shows the text, with the button when it has a title; an empty text hides the notice.
    void setNotice(const QString& text, const QString& buttonTitle = QString());

    QLabel* label() const { return m_label; }
    QPushButton* button() const { return m_button; }

signals:
    void buttonClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyTextColor();

    QLabel* m_label = nullptr;
    QPushButton* m_button = nullptr;
};
