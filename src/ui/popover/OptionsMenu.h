#pragma once

#include <QMenu>

class QActionGroup;
class Settings;

// The popover's menu of preferences and commands, behind its ellipsis button. The toggles and the colour
// count follow the settings both ways; the commands are left to the owner.
class OptionsMenu : public QMenu
{
    Q_OBJECT
public:
    static constexpr int fewestColors = 3;
    static constexpr int mostColors = 8;

    explicit OptionsMenu(Settings& settings, QWidget* parent = nullptr);

    // Shows the login item's real state without announcing it.
    void setOpensAtLogin(bool on);

    QAction* showsTimeInTray() const { return m_showsTime; }
    QAction* opensAtLogin() const { return m_opensAtLogin; }
    QMenu* colouredSlices() const { return m_colours; }
    QAction* checkForUpdates() const { return m_checkForUpdates; }
    QAction* settingsAction() const { return m_settings; }
    QAction* quit() const { return m_quit; }

signals:
    void openAtLoginToggled(bool on);
    void updateCheckRequested();
    void settingsRequested();
    void quitRequested();

private:
    void showColorCount(int stored);

    QAction* m_showsTime = nullptr;
    QAction* m_opensAtLogin = nullptr;
    QMenu* m_colours = nullptr;
    QActionGroup* m_colourChoices = nullptr;
    QAction* m_checkForUpdates = nullptr;
    QAction* m_settings = nullptr;
    QAction* m_quit = nullptr;
};
