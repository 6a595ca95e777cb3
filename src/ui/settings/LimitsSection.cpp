// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LimitsSection.h"

#include "CommandTitles.h"
#include "DailyLimitDialog.h"
#include "DurationText.h"
#include "ListedItems.h"
#include "Settings.h"
#include "Tracker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <algorithm>

namespace {

// The names the history and the exclusions know; a limit may outlive the item's last use.
QHash<ItemKey, QString> knownNames(const Tracker& tracker)
{
    QHash<ItemKey, QString> names = tracker.excluded();
    for (const UsageItem& item : tracker.summary(Period::month).items)
        names.insert(item.key, item.name);
    return names;
}

// A choice for each of the durations, plus the stored one when it is none of them.
void fillMinutes(QComboBox* box, QList<int> choices, int stored)
{
    if (!choices.contains(stored) && stored > 0) {
        choices.append(stored);
        std::sort(choices.begin(), choices.end());
    }
    box->clear();
    for (const int minutes : choices)
        box->addItem(DurationText::spoken(minutes * 60.0), minutes);
    box->setCurrentIndex(box->findData(stored));
}

} // namespace

LimitsSection::LimitsSection(Settings& settings, Tracker& tracker, Icons& icons, QWidget* parent)
    : FormSection(tr("Limits"), parent), m_settings(settings), m_tracker(tracker)
{
    m_list = new ListedItems(icons, tr("No app or website has a daily limit."), this);
    addWidget(m_list);

    m_warns = new QCheckBox(this);
    //: A choice: also tell the user 5 minutes before an app or website reaches its daily limit
    m_warns->setAccessibleName(tr("Warn 5 minutes before"));
    addRow(m_warns->accessibleName(), m_warns);
    m_allComputers = new QCheckBox(this);
    //: A choice: limits add up the time on the user's other computers, read from the backup folder
    m_allComputers->setAccessibleName(tr("Count time on all my computers"));
    addRow(m_allComputers->accessibleName(), m_allComputers);
    m_breaks = new QCheckBox(this);
    m_breaks->setAccessibleName(tr("Remind me to take breaks"));
    addRow(m_breaks->accessibleName(), m_breaks);
    m_breakAfter = new QComboBox(this);
    //: Followed by a duration such as "50 minutes": how long the user is present before a break is suggested
    m_breakAfter->setAccessibleName(tr("Suggest a break after"));
    addRow(m_breakAfter->accessibleName(), m_breakAfter);
    m_breakIdle = new QComboBox(this);
    //: Followed by a duration such as "5 minutes": how long away from the computer counts as a break
    m_breakIdle->setAccessibleName(tr("A break is a pause of"));
    addRow(m_breakIdle->accessibleName(), m_breakIdle);
    setFooter(tr("To set a limit, right-click an app or website in the list or press the Menu key on it and choose "
                 "Set Daily Limit. Horavane tells you when the time is up, and once more five minutes before if you "
                 "like. Nothing is blocked. Time on your other computers is read from their copies in the backup "
                 "folder."));

    connect(m_warns, &QCheckBox::clicked, &m_settings, &Settings::setWarnsBeforeLimit);
    connect(m_allComputers, &QCheckBox::clicked, &m_settings, &Settings::setLimitsCountAllComputers);
    connect(m_breaks, &QCheckBox::clicked, &m_settings, &Settings::setRemindsOfBreaks);
    connect(m_breakAfter, &QComboBox::activated, this,
            [this](int index) { m_settings.setBreakAfterMinutes(m_breakAfter->itemData(index).toInt()); });
    connect(m_breakIdle, &QComboBox::activated, this,
            [this](int index) { m_settings.setBreakIdleMinutes(m_breakIdle->itemData(index).toInt()); });
    connect(&m_settings, &Settings::warnsBeforeLimitChanged, m_warns, &QCheckBox::setChecked);
    connect(&m_settings, &Settings::limitsCountAllComputersChanged, m_allComputers, &QCheckBox::setChecked);
    connect(&m_settings, &Settings::remindsOfBreaksChanged, this, &LimitsSection::showBreaks);
    connect(&m_settings, &Settings::breakAfterMinutesChanged, this, &LimitsSection::showBreaks);
    connect(&m_settings, &Settings::breakIdleMinutesChanged, this, &LimitsSection::showBreaks);
    connect(&m_settings, &Settings::dailyLimitsChanged, this, &LimitsSection::rebuild);
    m_warns->setChecked(m_settings.warnsBeforeLimit());
    m_allComputers->setChecked(m_settings.limitsCountAllComputers());
    showBreaks();
    rebuild();
}

QPushButton* LimitsSection::changeButton(const ItemKey& key) const
{
    return m_list->button(key, 0);
}

QPushButton* LimitsSection::removeButton(const ItemKey& key) const
{
    return m_list->button(key, 1);
}

void LimitsSection::showBreaks()
{
    m_breaks->setChecked(m_settings.remindsOfBreaks());
    fillMinutes(m_breakAfter, QList<int>(std::begin(breakAfterChoices), std::end(breakAfterChoices)),
                m_settings.breakAfterMinutes());
    fillMinutes(m_breakIdle, QList<int>(std::begin(breakIdleChoices), std::end(breakIdleChoices)),
                m_settings.breakIdleMinutes());
    m_breakAfter->setEnabled(m_settings.remindsOfBreaks());
    m_breakIdle->setEnabled(m_settings.remindsOfBreaks());
}

void LimitsSection::rebuild()
{
    const QHash<ItemKey, QString> known = knownNames(m_tracker);
    QHash<ItemKey, QString> names;
    QHash<ItemKey, int> minutes;
    for (const DailyLimit& limit : m_settings.dailyLimits()) {
        if (const std::optional<ItemKind> kind = itemKindFromRaw(limit.kind)) {
            const ItemKey key{*kind, limit.id};
            minutes.insert(key, limit.minutes);
            names.insert(key, known.value(key));
        }
    }
    m_list->setItems(names, [this, &minutes](const ItemKey& key, const QString& name, QWidget* row) {
        return makeButtons(key, name, minutes.value(key), row);
    });
}

QList<QPushButton*> LimitsSection::makeButtons(const ItemKey& key, const QString& name, int minutes, QWidget* row)
{
    const double seconds = minutes * 60.0;
    auto* change = new QPushButton(DurationText::string(seconds), row);
    //: A button showing an item's daily limit, which opens the window to change it; %1: name, %2: the limit in words
    change->setAccessibleName(tr("Daily limit of %1: %2").arg(name, DurationText::spoken(seconds)));
    change->setAccessibleDescription(CommandTitles::changeDailyLimit());
    //: Takes an app's or website's daily limit away
    auto* remove = new QPushButton(tr("Remove"), row);
    //: %1: an app's or website's name
    remove->setAccessibleName(tr("Remove the daily limit of %1").arg(name));

    connect(change, &QPushButton::clicked, this,
            [this, key, name] { DailyLimitDialog::ask(m_settings, key, name, this); });
    ListedItems::afterClick(remove, this, [this, key] { m_settings.removeDailyLimit(rawValue(key.kind), key.id); });
    return {change, remove};
}
