// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Focus.h"
#include "ItemKey.h"
#include "Summary.h"
#include "UsageItem.h"

#include <QList>
#include <QWidget>
#include <optional>

class Accessibility;
class FooterRow;
class Icons;
class ItemList;
class OptionsMenu;
class PermissionNotice;
class Notice;
class QLabel;
class QToolButton;
class RingView;
class Settings;
class Tracker;
class UpdateChecker;

// Today at a glance, in the window under the tray item: the ring, the list of items, a notice when a
// browser keeps its pages to itself, the options menu and the way to the history. Reads the tracker only
// while it is on screen.
class PopoverView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int fixedWidth = 300;
    static constexpr qreal ringDiameter = 156;
    static constexpr int maxVisibleRows = 7;
    // From this many items on, only those with a minute or more get a row.
    static constexpr int fullListLimit = 8;
    static constexpr double shortestListedSeconds = 60;

    PopoverView(Tracker& tracker, Icons& icons, Settings& settings, UpdateChecker& updates,
                Accessibility& accessibility, QWidget* parent = nullptr);
    ~PopoverView() override;

    // The window reports whether it is on screen; becoming visible refreshes.
    void setShown(bool visible);
    bool isShown() const { return m_visible; }
    // Takes today's summary from the tracker unless it would look the same as the one shown.
    void refresh();

    const Summary& summary() const { return m_summary; }
    std::optional<ItemKey> hoveredRow() const { return m_hoveredRow; }
    const std::optional<Focus>& ringFocus() const { return m_ringFocus; }

    // The items that get a row: all of them when there are fewer than 8, else those with at least a minute.
    static QList<UsageItem> rows(const Summary& summary);
    // The list shows at most 7 rows at once and scrolls for more.
    static int listHeight(qsizetype rowCount);

    RingView* ring() const { return m_ring; }
    ItemList* list() const { return m_list; }
    PermissionNotice* notice() const { return m_notice; }
    // A lasting notice about the desktop itself (one Horavane cannot read yet), with a button when there is a
    // way out; empty text hides it.
    void setDesktopNotice(const QString& text, const QString& buttonTitle = QString());
    Notice* desktopNotice() const { return m_desktopNotice; }
    OptionsMenu* optionsMenu() const { return m_options; }
    QToolButton* optionsButton() const { return m_optionsButton; }
    FooterRow* historyRow() const { return m_history; }

signals:
    void historyRequested();
    void settingsRequested();
    void quitRequested();
    // The user switched "Open at Login"; the owner registers or unregisters and answers with setOpensAtLogin.
    void openAtLoginToggled(bool on);

public slots:
    void setOpensAtLogin(bool on);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* makeHeader();
    void rebuild();
    void showBlockedBrowser();
    void listHovered(const std::optional<ItemKey>& key);
    void ringHovered(const std::optional<Focus>& focus);
    void checkForUpdates();
    void fitToContent();
    void paintOptionsSymbol();

    Tracker& m_tracker;
    Icons& m_icons;
    Settings& m_settings;
    UpdateChecker& m_updates;
    Accessibility& m_accessibility;

    Summary m_summary;
    std::optional<ItemKey> m_hoveredRow;
    bool m_visible = false;
    std::optional<Focus> m_ringFocus;

    OptionsMenu* m_options = nullptr;
    QToolButton* m_optionsButton = nullptr;
    RingView* m_ring = nullptr;
    ItemList* m_list = nullptr;
    PermissionNotice* m_notice = nullptr;
    Notice* m_desktopNotice = nullptr;
    FooterRow* m_history = nullptr;
};
