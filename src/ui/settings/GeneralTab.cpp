// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GeneralTab.h"

#include "ChartColorsPreview.h"
#include "ExcludedList.h"
#include "FormSection.h"
#include "LimitsSection.h"
#include "LoginItem.h"
#include "Palette.h"
#include "SegmentedControl.h"
#include "Settings.h"
#include "SettingsTexts.h"
#include "UpdateChecker.h"
#include "Updates.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

GeneralTab::GeneralTab(Tracker& tracker, Icons& icons, Settings& settings, UpdateChecker& updates, LoginItem& loginItem,
                       QWidget* parent)
    : QWidget(parent), m_settings(settings), m_updates(updates), m_loginItem(loginItem),
      m_openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    QVBoxLayout* layout = FormSection::pageLayout(this);
    layout->addWidget(makeBasics());
    layout->addWidget(makeColours());

    auto* notTracked = new FormSection(tr("Not Tracked"), this);
    m_excluded = new ExcludedList(tracker, icons, this);
    notTracked->addWidget(m_excluded);
    notTracked->setFooter(tr("To stop tracking an app or website, right-click it in the list or press the Menu key on "
                             "it and choose Don’t Track, or choose it under Don’t Track in the options menu. "
                             "Its time is hidden, and comes back if you track it again."));
    layout->addWidget(notTracked);

    m_limits = new LimitsSection(m_settings, tracker, icons, this);
    layout->addWidget(m_limits);
    layout->addWidget(makeUpdates());
    layout->addStretch(1);

    bindSettings();
    showUpdateState();
}

FormSection* GeneralTab::makeBasics()
{
    m_basics = new FormSection({}, this);
    m_openAtLogin = new QCheckBox(this);
    m_openAtLogin->setAccessibleName(tr("Open at Login"));
    m_openAtLogin->setChecked(m_loginItem.isEnabled());
    m_basics->addRow(tr("Open at Login"), m_openAtLogin);
    m_showsTime = new QCheckBox(this);
    //: The panel's tray area, where Horavane's ring sits
    m_showsTime->setAccessibleName(tr("Show Time in Menu Bar"));
    m_basics->addRow(tr("Show Time in Menu Bar"), m_showsTime);
    m_idle = new QComboBox(this);
    //: Followed by a choice such as "5 minutes idle"
    m_idle->setAccessibleName(tr("Stop counting after"));
    for (const int minutes : idleChoices)
        m_idle->addItem(SettingsTexts::idleChoice(minutes), minutes);
    m_basics->addRow(tr("Stop counting after"), m_idle);
    setPanelDrawsTime(true);

    connect(m_openAtLogin, &QCheckBox::clicked, this, &GeneralTab::setOpensAtLogin);
    connect(m_showsTime, &QCheckBox::clicked, &m_settings, &Settings::setShowsTimeInTray);
    connect(m_idle, &QComboBox::activated, this,
            [this](int index) { m_settings.setIdleMinutes(m_idle->itemData(index).toDouble()); });
    return m_basics;
}

FormSection* GeneralTab::makeColours()
{
    auto* colours = new FormSection({}, this);
    QList<SegmentedControl::Segment> counts;
    for (int count = 3; count <= 8; ++count)
        counts.append({count, QLocale().toString(count)});
    m_colours = new SegmentedControl(counts, 32, this);
    //: How many slices of the ring get a colour of their own
    m_colours->setAccessibleName(tr("Coloured Slices"));
    colours->addRow(tr("Coloured Slices"), m_colours);
    m_preview = new ChartColorsPreview(Palette::effectiveColorCount(m_settings.chartColors()), this);
    //: Label of a picture of the ring and the menu bar icon in the chosen colours
    colours->addRow(tr("Preview"), m_preview);
    //: "•••" is the options menu's button in the today window
    colours->setFooter(tr(
        "How many apps and websites get a slice and colour of their own. The rest share grey. The ring in the menu bar "
        "follows the same number, as far as it has room. This is also in the ••• menu."));

    connect(m_colours, &SegmentedControl::idChosen, &m_settings, &Settings::setChartColors);
    return colours;
}

FormSection* GeneralTab::makeUpdates()
{
    m_updatesSection = new FormSection(tr("Updates"), this);
    m_checkButton = FormSection::rowButton(tr("Check for Updates…"), this);
    m_updatesSection->addRow(&m_updateLabel, m_checkButton);
    m_updateLabel->setTextFormat(Qt::PlainText);
    m_downloadButton = FormSection::rowButton(tr("Open Download Page…"), this);
    m_downloadRow = m_updatesSection->addRow(tr("Get the new version"), m_downloadButton);
    //: %1: the web site asked, such as "horavane.app"
    m_updatesSection->setFooter(tr("This is the only time Horavane goes online, and only when you click the button. "
                                   "It asks %1 for the latest version number. Nothing about you or what you use is "
                                   "sent.")
                                    .arg(Updates::feed().host()));

    connect(m_checkButton, &QPushButton::clicked, &m_updates, &UpdateChecker::check);
    connect(m_downloadButton, &QPushButton::clicked, this, [this] { m_openUrl(Updates::page()); });
    connect(&m_updates, &UpdateChecker::stateChanged, this, &GeneralTab::showUpdateState);
    return m_updatesSection;
}

void GeneralTab::bindSettings()
{
    const auto showTime = [this](bool on) { m_showsTime->setChecked(on); };
    const auto showIdle = [this](double minutes) {
        // Values off the list select nothing.
        const double effective = Settings::idleLimitMinutes(minutes);
        m_idle->setCurrentIndex(m_idle->findData(static_cast<int>(effective)));
        if (effective != static_cast<int>(effective))
            m_idle->setCurrentIndex(-1);
    };
    const auto showColours = [this](int stored) {
        const int count = Palette::effectiveColorCount(stored);
        m_colours->setCurrentId(count);
        m_preview->setCount(count);
    };
    showTime(m_settings.showsTimeInTray());
    showIdle(m_settings.idleMinutes());
    showColours(m_settings.chartColors());

    connect(&m_settings, &Settings::showsTimeInTrayChanged, this, showTime);
    connect(&m_settings, &Settings::idleMinutesChanged, this, showIdle);
    connect(&m_settings, &Settings::chartColorsChanged, this, showColours);
}

void GeneralTab::showLoginItem()
{
    const QSignalBlocker quiet(m_openAtLogin);
    m_openAtLogin->setChecked(m_loginItem.isEnabled());
}

QLabel* GeneralTab::updatesFooter() const
{
    return m_updatesSection->footer();
}

QString GeneralTab::updateStatus() const
{
    return m_updates.statusText();
}

void GeneralTab::showUpdateState()
{
    const bool available = m_updates.state().kind == UpdateChecker::State::Kind::available;
    m_updateLabel->setText(updateStatus());
    m_checkButton->setEnabled(m_updates.canCheck());
    m_downloadRow->setVisible(available);
}

void GeneralTab::setOpensAtLogin(bool on)
{
    const std::optional<QString> failure = on ? m_loginItem.enable() : m_loginItem.disable();
    if (!failure)
        return;
    // The toggle shows what is really so; the reason is not the user's to act on here.
    showLoginItem();
}

void GeneralTab::setPanelDrawsTime(bool draws)
{
    // Where the panel draws no text beside its items, the setting would change nothing visible.
    m_showsTime->setEnabled(draws);
    m_basics->setFooter(draws ? tr("Idle means no keyboard or mouse activity. Time keeps counting while the app in "
                                   "front is playing video.")
                              : tr("Your panel shows no text beside its items, so today's time is in the tooltip of "
                                   "Horavane's item. Idle means no keyboard or mouse activity. Time keeps counting "
                                   "while the app in front is playing video."));
}
