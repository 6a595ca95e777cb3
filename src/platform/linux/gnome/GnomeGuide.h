#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class GnomeShellWorkspace;

// Leads a GNOME user to the shell extension through which Horavane sees the window in front: says that it is
// missing, enables it when asked (after asking first), tells that the shell loads it at the next log-in, and
// steps aside once the extension answers, with no restart of Horavane.
class GnomeGuide final : public QObject
{
    Q_OBJECT
public:
    static const QString missingText;
    static const QString enabledText;
    static const QString enableButtonTitle;
    static const QString question;

    // `ask` puts a yes-or-no question, `tell` a message; `enable` installs and enables the extension and says
    // what went wrong.
    GnomeGuide(GnomeShellWorkspace& shell, std::function<bool(const QString&)> ask,
               std::function<void(const QString&)> tell, std::function<std::optional<QString>()> enable,
               QObject* parent = nullptr);

    // What the notice says; empty once the extension answers.
    QString notice() const;
    // The notice's button; empty when there is nothing to do but log out and in.
    QString buttonTitle() const;

    // The user pressed the notice's button.
    void enableRequested();

signals:
    void changed();

private:
    GnomeShellWorkspace& m_shell;
    std::function<bool(const QString&)> m_ask;
    std::function<void(const QString&)> m_tell;
    std::function<std::optional<QString>()> m_enable;
    bool m_enabled = false; // in this session, waiting for the next log-in
};
