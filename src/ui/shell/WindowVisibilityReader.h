// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

// Tells whether a widget's window is really on screen: shown, not minimised and exposed (not
// fully covered, on a visible desktop). A widget without a window is not visible.
class WindowVisibilityReader : public QObject
{
    Q_OBJECT
public:
    explicit WindowVisibilityReader(QWidget* widget);

    bool isVisible() const { return m_visible; }

signals:
    void changed(bool visible);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void report();
    void watchWindow();

    QWidget* m_widget;
    QPointer<QWindow> m_window;
    bool m_visible = false;
};
