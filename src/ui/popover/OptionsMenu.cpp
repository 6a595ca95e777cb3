// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OptionsMenu.h"

#include "CommandTitles.h"
#include "Palette.h"
#include "Settings.h"

#include <QActionGroup>
#include <QLocale>

OptionsMenu::OptionsMenu(Settings& settings, QWidget* parent) : QMenu(parent)
{
    //: Shows today's time beside the program's icon in the panel's tray
    m_showsTime = addAction(tr("Show Time in Menu Bar"));
    m_showsTime->setCheckable(true);
    m_showsTime->setChecked(settings.showsTimeInTray());
    connect(m_showsTime, &QAction::toggled, &settings, &Settings::setShowsTimeInTray);
    connect(&settings, &Settings::showsTimeInTrayChanged, m_showsTime, &QAction::setChecked);

    m_opensAtLogin = addAction(tr("Open at Login"));
    m_opensAtLogin->setCheckable(true);
    // Only the user's choice is announced; the owner answers with the real state through setOpensAtLogin.
    connect(m_opensAtLogin, &QAction::triggered, this, &OptionsMenu::openAtLoginToggled);

    //: A submenu choosing how many items get a colour of their own in the ring and the chart
    m_colours = addMenu(tr("Coloured Slices"));
    m_colourChoices = new QActionGroup(m_colours);
    m_colourChoices->setExclusive(true);
    for (int count = fewestColors; count <= mostColors; ++count) {
        QAction* choice = m_colours->addAction(QLocale().toString(count));
        choice->setCheckable(true);
        choice->setData(count);
        m_colourChoices->addAction(choice);
        connect(choice, &QAction::triggered, &settings, [&settings, count] { settings.setChartColors(count); });
    }
    showColorCount(settings.chartColors());
    connect(&settings, &Settings::chartColorsChanged, this, &OptionsMenu::showColorCount);

    //: A submenu listing today's apps and websites; choosing one stops recording its time
    m_dontTrack = addMenu(tr("Don’t Track"));
    m_dontTrack->menuAction()->setVisible(false);

    addSeparator();
    m_checkForUpdates = addAction(tr("Check for Updates…"));
    connect(m_checkForUpdates, &QAction::triggered, this, &OptionsMenu::updateCheckRequested);
    m_settings = addAction(CommandTitles::settings());
    m_settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(m_settings, &QAction::triggered, this, &OptionsMenu::settingsRequested);

    addSeparator();
    m_quit = addAction(CommandTitles::quit());
    m_quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(m_quit, &QAction::triggered, this, &OptionsMenu::quitRequested);
}

void OptionsMenu::setOpensAtLogin(bool on)
{
    m_opensAtLogin->setChecked(on); // setChecked does not trigger
}

void OptionsMenu::setExcludable(const QList<UsageItem>& items)
{
    m_dontTrack->clear();
    for (const UsageItem& item : items)
        connect(m_dontTrack->addAction(item.name), &QAction::triggered, this,
                [this, item] { emit excludeRequested(item); });
    m_dontTrack->menuAction()->setVisible(!items.isEmpty());
}

void OptionsMenu::showColorCount(int stored)
{
    // The stored value may be anything a hand-edited file holds; the menu shows what the ring uses.
    const int effective = Palette::effectiveColorCount(stored);
    for (QAction* choice : m_colourChoices->actions())
        choice->setChecked(choice->data().toInt() == effective);
}
