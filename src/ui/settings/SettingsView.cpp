// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsView.h"

#include "DataTab.h"
#include "GeneralTab.h"
#include "Settings.h"
#include "Theme.h"

#include <QEvent>
#include <QPainter>
#include <QScrollArea>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int tallestContent = 720;

// An external drive seen from the front: a rounded body with a status light.
QPixmap driveSymbol(qreal side, const QColor& color, qreal ratio)
{
    QPixmap pixmap(QSize(qCeil(side * ratio), qCeil(side * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(side * 0.08, side * 0.3, side * 0.84, side * 0.44);
    painter.setPen(QPen(color, side * 0.09));
    painter.drawRoundedRect(body, side * 0.12, side * 0.12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QPointF(body.right() - side * 0.18, body.center().y()), side * 0.06, side * 0.06);
    return pixmap;
}

QScrollArea* scrolling(QWidget* content, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus); // the controls inside take the focus, and the area scrolls to them
    area->setWidget(content);
    return area;
}

} // namespace

SettingsView::SettingsView(Tracker& tracker, Icons& icons, Settings& settings, UpdateChecker& updates,
                           BackupController& backupController, LoginItem& loginItem, const Places& places,
                           QWidget* parent)
    : QWidget(parent), m_settings(settings)
{
    setFixedWidth(contentWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    m_tabs = new QTabWidget(this);
    m_tabs->setDocumentMode(true);
    // The tab bar is the focus stop, named by its current tab, rather than its unnamed container (which hands its
    // own focus policy on to the bar).
    m_tabs->setFocusPolicy(Qt::NoFocus);
    m_tabs->tabBar()->setFocusPolicy(Qt::TabFocus);
    m_general = new GeneralTab(tracker, icons, settings, updates, loginItem);
    //: Settings tab
    m_tabs->addTab(scrolling(m_general, m_tabs), tr("General"));
    m_data = new DataTab(tracker, settings, backupController, places);
    //: Settings tab: backup, export and deletion of the history
    m_tabs->addTab(scrolling(m_data, m_tabs), tr("Data"));
    paintTabIcons();
    m_tabs->tabBar()->setExpanding(false);
    layout->addWidget(m_tabs);

    const auto showTab = [this](const QString& raw) {
        m_tabs->setCurrentIndex(SettingsTabs::fromRawValue(raw) == SettingsTab::data ? 1 : 0);
    };
    showTab(m_settings.settingsTab());
    connect(&m_settings, &Settings::settingsTabChanged, this, showTab);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        m_settings.setSettingsTab(SettingsTabs::rawValue(index == 1 ? SettingsTab::data : SettingsTab::general));
        updateGeometry();
    });
}

void SettingsView::paintTabIcons()
{
    const qreal ratio = devicePixelRatioF();
    const QColor symbolColor = Theme::primary(palette());
    m_tabs->setTabIcon(0, QIcon(Theme::symbol(Theme::Symbol::gear, 16, symbolColor, ratio)));
    m_tabs->setTabIcon(1, QIcon(driveSymbol(16, symbolColor, ratio)));
}

void SettingsView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange && m_tabs)
        paintTabIcons(); // the symbols are drawn in the text colour, which a light/dark switch changes
    QWidget::changeEvent(event);
}

QSize SettingsView::sizeHint() const
{
    auto* area = qobject_cast<QScrollArea*>(m_tabs->currentWidget());
    const QWidget* page = area ? area->widget() : nullptr;
    // Wrapped footers grow taller as the page gets narrower; ask for the height at the window's width.
    const int content = !page                       ? 400
                        : page->hasHeightForWidth() ? page->heightForWidth(contentWidth)
                                                    : page->sizeHint().height();
    // The tab bar, the margin above it and the page's frame come on top of the page's own height.
    const int chrome = m_tabs->tabBar()->sizeHint().height() + layout()->contentsMargins().top() + 16;
    return {contentWidth, std::min(content + chrome, tallestContent)};
}

void SettingsView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // Another window may have switched the login item, and the backup folder may have changed meanwhile.
    m_general->showLoginItem();
    m_data->reload();
}

SettingsTab SettingsView::tab() const
{
    return m_tabs->currentIndex() == 1 ? SettingsTab::data : SettingsTab::general;
}
