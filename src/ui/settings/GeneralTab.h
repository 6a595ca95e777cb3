// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>

class ChartColorsPreview;
class ExcludedList;
class FormSection;
class Icons;
class LimitsSection;
class LoginItem;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class SegmentedControl;
class Settings;
class Tracker;
class UpdateChecker;

// The settings' General tab: login, the time in the tray, idle time, the ring's colours, the items not tracked, the
// limits and the update check. Follows the preferences both ways.
class GeneralTab : public QWidget
{
    Q_OBJECT
public:
    static constexpr int idleChoices[] = {1, 2, 5, 10, 15, 30};

    using UrlOpener = std::function<void(const QUrl&)>;

    GeneralTab(Tracker& tracker, Icons& icons, Settings& settings, UpdateChecker& updates, LoginItem& loginItem,
               QWidget* parent = nullptr);

    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    // Whether the panel draws the time beside the tray ring (else the time is only in the item's tooltip).
    void setPanelDrawsTime(bool draws);
    // Reads the login item again: another window may have switched it.
    void showLoginItem();
    // The update row's label.
    QString updateStatus() const;

    QCheckBox* openAtLogin() const { return m_openAtLogin; }
    QCheckBox* showsTimeInTray() const { return m_showsTime; }
    QComboBox* idlePicker() const { return m_idle; }
    SegmentedControl* colourPicker() const { return m_colours; }
    ChartColorsPreview* preview() const { return m_preview; }
    ExcludedList* excludedList() const { return m_excluded; }
    LimitsSection* limits() const { return m_limits; }
    QLabel* updateLabel() const { return m_updateLabel; }
    QPushButton* checkButton() const { return m_checkButton; }
    QWidget* downloadRow() const { return m_downloadRow; }
    QPushButton* downloadButton() const { return m_downloadButton; }
    QLabel* updatesFooter() const;

private:
    FormSection* makeBasics();
    FormSection* makeColours();
    FormSection* makeUpdates();
    void bindSettings();
    void showUpdateState();
    void setOpensAtLogin(bool on);

    Settings& m_settings;
    UpdateChecker& m_updates;
    LoginItem& m_loginItem;
    UrlOpener m_openUrl;

    FormSection* m_basics = nullptr;
    QCheckBox* m_openAtLogin = nullptr;
    QCheckBox* m_showsTime = nullptr;
    QComboBox* m_idle = nullptr;
    SegmentedControl* m_colours = nullptr;
    ChartColorsPreview* m_preview = nullptr;
    ExcludedList* m_excluded = nullptr;
    LimitsSection* m_limits = nullptr;
    FormSection* m_updatesSection = nullptr;
    QLabel* m_updateLabel = nullptr;
    QPushButton* m_checkButton = nullptr;
    QWidget* m_downloadRow = nullptr;
    QPushButton* m_downloadButton = nullptr;
};
