#include "GnomeGuide.h"

#include "GnomeShellWorkspace.h"

const QString GnomeGuide::missingText =
    QStringLiteral("Horavane needs its GNOME Shell extension to see which application is in front, and records "
                   "nothing until the extension runs. Enable it, then log out and back in.");
const QString GnomeGuide::enabledText =
    QStringLiteral("Horavane's GNOME Shell extension is enabled. GNOME Shell starts it when you log in: log out "
                   "and back in, and recording starts.");
const QString GnomeGuide::enableButtonTitle = QStringLiteral("Enable Extension…");
const QString GnomeGuide::question =
    QStringLiteral("Enable Horavane's GNOME Shell extension?\n\nIt tells Horavane which application is in front "
                   "(never a window's title). GNOME Shell starts it when you log in, so log out and back in "
                   "afterwards.");

GnomeGuide::GnomeGuide(GnomeShellWorkspace& shell, std::function<bool(const QString&)> ask,
                       std::function<void(const QString&)> tell, std::function<std::optional<QString>()> enable,
                       QObject* parent)
    : QObject(parent), m_shell(shell), m_ask(std::move(ask)), m_tell(std::move(tell)), m_enable(std::move(enable))
{
    connect(&m_shell, &GnomeShellWorkspace::extensionAnswersChanged, this, &GnomeGuide::changed);
}

QString GnomeGuide::notice() const
{
    if (m_shell.extensionAnswers())
        return QString();
    return m_enabled ? enabledText : missingText;
}

QString GnomeGuide::buttonTitle() const
{
    return m_shell.extensionAnswers() || m_enabled ? QString() : enableButtonTitle;
}

void GnomeGuide::enableRequested()
{
    if (!m_ask(question))
        return;
    if (const std::optional<QString> problem = m_enable()) {
        m_tell(QStringLiteral("Horavane could not enable its GNOME Shell extension: ") + *problem);
        return;
    }
    m_enabled = true;
    emit changed();
}
