// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LoginItem.h"

#include <QCoreApplication>

// Opening at login through an XDG autostart entry, $XDG_CONFIG_HOME/autostart/app.corvani.Horavane.desktop.
class XdgAutostart final : public LoginItem
{
    Q_DECLARE_TR_FUNCTIONS(XdgAutostart)

public:
    // The entry starts `executable`; it lives in autostartFolder (normally $XDG_CONFIG_HOME/autostart).
    XdgAutostart(QString autostartFolder, QString executable);
    // The user's autostart folder and this process's own executable.
    XdgAutostart();

    bool isEnabled() const override;
    std::optional<QString> enable() override;
    std::optional<QString> disable() override;

    QString entryPath() const;
    // An Exec= value that runs exactly this program, quoted as desktop entries require.
    static QString execValue(const QString& executable);

private:
    QString m_folder;
    QString m_executable;
};
