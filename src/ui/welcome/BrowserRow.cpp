// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserRow.h"

#include "Theme.h"
#include "WelcomeSymbols.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor green(52, 199, 89);

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText); // names come from other programs: shown as written, never as markup
    return label;
}

} // namespace

BrowserRow::BrowserRow(const RunningApp& app, const QImage& icon, QWidget* parent) : QWidget(parent), m_app(app)
{
    setFont(Theme::font(TextStyle::callout));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    if (!icon.isNull()) {
        m_icon = new QLabel(this);
        const qreal ratio = devicePixelRatioF();
        QPixmap pixmap = QPixmap::fromImage(icon.scaled(qCeil(iconSide * ratio), qCeil(iconSide * ratio),
                                                        Qt::KeepAspectRatio, Qt::SmoothTransformation));
        pixmap.setDevicePixelRatio(ratio);
        m_icon->setPixmap(pixmap);
        m_icon->setFixedSize(int(iconSide), int(iconSide));
        m_icon->setAlignment(Qt::AlignCenter);
        layout->addWidget(m_icon, 0, Qt::AlignVCenter);
    }
    m_name = plainLabel(displayName(app), this);
    layout->addWidget(m_name, 0, Qt::AlignVCenter);
    layout->addStretch(1);

    m_button = new QPushButton(this);
    m_button->setFont(Theme::font(TextStyle::callout));
    layout->addWidget(m_button, 0, Qt::AlignVCenter);
    connect(m_button, &QPushButton::clicked, this, [this] {
        if (m_access == BrowserProbe::Access::notAsked)
            emit allowRequested(m_app);
        else if (m_access == BrowserProbe::Access::denied)
            emit settingsRequested(m_app);
    });

    m_waiting = plainLabel(stateText(BrowserProbe::Access::waiting), this);
    layout->addWidget(m_waiting, 0, Qt::AlignVCenter);

    m_allowed = new QWidget(this);
    auto* allowed = new QHBoxLayout(m_allowed);
    allowed->setContentsMargins(0, 0, 0, 0);
    allowed->setSpacing(4);
    m_allowedSymbol = new QLabel(m_allowed);
    allowed->addWidget(m_allowedSymbol, 0, Qt::AlignVCenter);
    auto* allowedText = plainLabel(stateText(BrowserProbe::Access::granted), m_allowed);
    QPalette greenText = allowedText->palette();
    greenText.setColor(QPalette::WindowText, green);
    allowedText->setPalette(greenText);
    allowed->addWidget(allowedText, 0, Qt::AlignVCenter);
    paintAllowedSymbol();
    layout->addWidget(m_allowed, 0, Qt::AlignVCenter);

    // Force the first state through, so exactly one of the three state widgets shows.
    m_access = BrowserProbe::Access::granted;
    setAccess(BrowserProbe::Access::notAsked);
}

void BrowserRow::setAccess(BrowserProbe::Access access)
{
    if (access == m_access)
        return; // the row is refreshed every second; a focused button keeps its focus
    m_access = access;
    const bool asks = access == BrowserProbe::Access::notAsked || access == BrowserProbe::Access::denied;
    m_button->setText(stateText(access));
    // Every row has such a button: its name says which browser it is for.
    const QString browser = m_name->text();
    //: %1: a browser's name
    const QString openSettings = tr("Open Settings for %1…").arg(browser);
    //: %1: a browser's name
    const QString allow = tr("Allow %1…").arg(browser);
    m_button->setAccessibleName(access == BrowserProbe::Access::denied ? openSettings : allow);
    m_button->setVisible(asks);
    m_waiting->setVisible(access == BrowserProbe::Access::waiting);
    m_allowed->setVisible(access == BrowserProbe::Access::granted);
}

QString BrowserRow::displayName(const RunningApp& app)
{
    return app.localizedName.isEmpty() ? tr("Browser") : app.localizedName;
}

QString BrowserRow::stateText(BrowserProbe::Access access)
{
    switch (access) {
    case BrowserProbe::Access::notAsked:
        //: Button beside a browser that asks it for the page's address
        return tr("Allow…");
    case BrowserProbe::Access::waiting:
        return tr("Waiting for your answer…");
    case BrowserProbe::Access::granted:
        //: A browser's state: it lets Horavane read the page's address
        return tr("Allowed");
    case BrowserProbe::Access::denied:
        break;
    }
    //: Button beside a browser that refused; opens where its permission is given
    return tr("Open Settings…");
}

void BrowserRow::paintAllowedSymbol()
{
    const qreal side = Theme::pixelSize(TextStyle::callout);
    m_allowedSymbol->setPixmap(
        WelcomeSymbols::pixmap(WelcomeSymbols::Symbol::allowed, side, green, devicePixelRatioF()));
    m_allowedSymbol->setFixedSize(qCeil(side), qCeil(side));
}
