// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PopoverView.h"

#include "Breakdown.h"
#include "BrowserPermissions.h"
#include "CommandTitles.h"
#include "DailyLimitDialog.h"
#include "Divider.h"
#include "FooterRow.h"
#include "HistoryFileNotice.h"
#include "Icons.h"
#include "ItemList.h"
#include "Notice.h"
#include "OptionsMenu.h"
#include "Palette.h"
#include "PermissionNotice.h"
#include "RingView.h"
#include "Settings.h"
#include "Theme.h"
#include "Tracker.h"
#include "UpdateChecker.h"
#include "WriteFailure.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr qreal ellipsisSize = 17;

} // namespace

PopoverView::PopoverView(Tracker& tracker, Icons& icons, Settings& settings, UpdateChecker& updates,
                         Accessibility& accessibility, QWidget* parent)
    : QWidget(parent), m_tracker(tracker), m_icons(icons), m_settings(settings), m_updates(updates),
      m_accessibility(accessibility)
{
    setFixedWidth(fixedWidth);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->setSpacing(0);
    layout->addWidget(makeHeader());

    layout->addSpacing(10);
    m_ring = new RingView(this);
    m_ring->setDiameter(ringDiameter);
    layout->addWidget(m_ring, 0, Qt::AlignHCenter);
    layout->addSpacing(12);

    m_list = new ItemList(icons, this);
    m_list->setContentsMargins(6, 0, 6, 0);
    m_list->setExcludable(true);
    layout->addWidget(m_list);

    m_notice = new PermissionNotice(this);
    layout->addWidget(m_notice);
    m_desktopNotice = new Notice(this);
    layout->addWidget(m_desktopNotice);
    auto* historyFileNotice = new HistoryFileNotice(m_tracker, this);
    layout->addWidget(historyFileNotice);
    connect(&m_tracker, &Tracker::historyFileChanged, this, &PopoverView::fitToContent);

    layout->addSpacing(8);
    auto* divider = new Divider(this);
    divider->setContentsMargins(14, 0, 14, 0);
    layout->addWidget(divider);
    layout->addSpacing(4);

    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(6, 0, 6, 0);
    m_history = new FooterRow(CommandTitles::showHistory(), this);
    footer->addWidget(m_history);
    layout->addLayout(footer);

    connect(m_list, &ItemList::hoveredChanged, this, &PopoverView::listHovered);
    const auto exclude = [this](const UsageItem& item) {
        if (!m_tracker.exclude(item))
            WriteFailure::tell(this);
    };
    connect(m_list, &ItemList::excludeRequested, this, exclude);
    connect(m_options, &OptionsMenu::excludeRequested, this, exclude);
    // The popover closes as the dialog takes the focus, so the dialog stands on its own.
    connect(m_list, &ItemList::limitRequested, this,
            [this](const UsageItem& item) { DailyLimitDialog::ask(m_settings, item.key, item.name); });
    connect(m_list, &ItemList::limitRemovalRequested, this,
            [this](const UsageItem& item) { m_settings.removeDailyLimit(rawValue(item.key.kind), item.key.id); });
    connect(m_ring, &RingView::hovered, this, &PopoverView::ringHovered);
    connect(m_notice, &PermissionNotice::settingsRequested, this, [this](BrowserPermission permission) {
        BrowserPermissions::request(permission, m_accessibility, m_settings);
    });
    connect(m_history, &FooterRow::clicked, this, &PopoverView::historyRequested);

    connect(&m_tracker, &Tracker::revisionChanged, this, [this] {
        // Hidden, the popover ignores the tracker; it catches up when it is shown again.
        if (m_visible)
            refresh();
    });
    connect(&m_tracker, &Tracker::blockedBrowserChanged, this, &PopoverView::showBlockedBrowser);
    connect(&m_settings, &Settings::chartColorsChanged, this, &PopoverView::rebuild);
    connect(&m_settings, &Settings::dailyLimitsChanged, this, &PopoverView::rebuild);
    connect(&m_icons, &Icons::faviconsChanged, this, [this](const QString& host) {
        const ItemKey site{ItemKind::site, host};
        const bool shown = std::any_of(m_summary.items.cbegin(), m_summary.items.cend(),
                                       [&site](const UsageItem& item) { return item.key == site; });
        if (!shown)
            return;
        m_list->reloadIcons(host);
        rebuild(); // the favicon's hue may change the colours
    });

    rebuild();
    showBlockedBrowser();
}

PopoverView::~PopoverView()
{
    // The list and the ring report the pointer leaving while they are destroyed; nobody is left to hear it.
    disconnect(m_list, nullptr, this, nullptr);
    disconnect(m_ring, nullptr, this, nullptr);
}

QWidget* PopoverView::makeHeader()
{
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(12, 12, 12, 0);
    row->setSpacing(8);

    auto* title = new QLabel(tr("Today", "title of the today window"), header);
    title->setFont(Theme::font(TextStyle::title3, QFont::DemiBold));
    title->setContentsMargins(4, 0, 0, 0);
    row->addWidget(title, 0, Qt::AlignVCenter);
    row->addStretch(1);

    m_options = new OptionsMenu(m_settings, this);
    connect(m_options, &OptionsMenu::openAtLoginToggled, this, &PopoverView::openAtLoginToggled);
    connect(m_options, &OptionsMenu::updateCheckRequested, this, &PopoverView::checkForUpdates);
    connect(m_options, &OptionsMenu::settingsRequested, this, &PopoverView::settingsRequested);
    connect(m_options, &OptionsMenu::quitRequested, this, &PopoverView::quitRequested);
    // The shortcuts work while the popover has the keyboard, not only while the menu is open.
    addAction(m_options->settingsAction());
    addAction(m_options->quit());

    m_optionsButton = new QToolButton(header);
    m_optionsButton->setAccessibleName(tr("Options"));
    m_optionsButton->setAutoRaise(true);
    m_optionsButton->setPopupMode(QToolButton::InstantPopup);
    m_optionsButton->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
    m_optionsButton->setMenu(m_options);
    paintOptionsSymbol();
    m_optionsButton->setIconSize(QSize(22, 22));
    row->addWidget(m_optionsButton, 0, Qt::AlignVCenter);
    return header;
}

void PopoverView::setShown(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    if (visible)
        refresh();
}

void PopoverView::refresh()
{
    Summary summary = m_tracker.summary(Period::today);
    if (summary.looksSame(m_summary))
        return; // nothing on screen would change
    m_summary = std::move(summary);
    rebuild();
}

QList<UsageItem> PopoverView::rows(const Summary& summary)
{
    if (summary.items.size() < fullListLimit)
        return summary.items;
    QList<UsageItem> rows;
    for (const UsageItem& item : summary.items)
        if (item.seconds >= shortestListedSeconds)
            rows.append(item);
    return rows;
}

int PopoverView::listHeight(qsizetype rowCount)
{
    return static_cast<int>(std::min<qsizetype>(rowCount, maxVisibleRows)) * ItemList::rowHeight;
}

void PopoverView::setDesktopNotice(const QString& text, const QString& buttonTitle)
{
    m_desktopNotice->setNotice(text, buttonTitle);
    fitToContent();
}

void PopoverView::setOpensAtLogin(bool on)
{
    m_options->setOpensAtLogin(on);
}

void PopoverView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        refresh();
}

void PopoverView::changeEvent(QEvent* event)
{
    // The symbol is a picture in the text colour; a light or dark desktop needs it drawn again.
    if (event->type() == QEvent::PaletteChange && m_optionsButton)
        paintOptionsSymbol();
    QWidget::changeEvent(event);
}

void PopoverView::paintOptionsSymbol()
{
    m_optionsButton->setIcon(
        Theme::symbol(Theme::Symbol::ellipsis, ellipsisSize, Theme::primary(palette()), devicePixelRatioF()));
}

void PopoverView::rebuild()
{
    const int count = Palette::effectiveColorCount(m_settings.chartColors());
    const QHash<ItemKey, AdaptiveColor> colors = m_icons.colors(m_summary, count);
    const LimitMarks limits = limitMarks(m_settings.dailyLimits(), {m_summary});
    m_ring->setBreakdown(Breakdown(m_summary, colors, limits));
    const QList<UsageItem> listed = rows(m_summary);
    m_list->setItems(listed, colors, limits);
    m_options->setExcludable(listed);
    m_list->setFixedHeight(listHeight(listed.size()));
    m_list->setVisible(!listed.isEmpty());
    fitToContent();
}

void PopoverView::showBlockedBrowser()
{
    m_notice->setBlockedBrowser(m_tracker.blockedBrowser());
    fitToContent();
}

void PopoverView::listHovered(const std::optional<ItemKey>& key)
{
    m_hoveredRow = key;
    m_ring->setImposedFocus(key ? std::optional<Focus>(Focus::item(*key)) : std::nullopt);
}

void PopoverView::ringHovered(const std::optional<Focus>& focus)
{
    m_ringFocus = focus;
    const bool onItem = focus && focus->kind == Focus::Kind::item;
    m_list->setHighlighted(onItem ? std::optional<ItemKey>(focus->key) : std::nullopt);
}

void PopoverView::checkForUpdates()
{
    // The answer shows in the settings' general tab, so that is where the user is taken first.
    m_settings.setSettingsTab(QStringLiteral("general"));
    emit settingsRequested();
    m_updates.check();
}

void PopoverView::fitToContent()
{
    if (isWindow())
        adjustSize();
    else
        updateGeometry();
}
