// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// The titles of the program's commands, the same in every menu and window that offers them.
namespace CommandTitles {

inline QString showHistory()
{
    return QCoreApplication::translate("CommandTitles", "Show History");
}
inline QString settings()
{
    return QCoreApplication::translate("CommandTitles", "Settings…");
}
inline QString quit()
{
    return QCoreApplication::translate("CommandTitles", "Quit Horavane");
}
inline QString setDailyLimit()
{
    //: Opens a small window to choose how long an app or website may be used a day
    return QCoreApplication::translate("CommandTitles", "Set Daily Limit…");
}
inline QString changeDailyLimit()
{
    return QCoreApplication::translate("CommandTitles", "Change Daily Limit…");
}
inline QString removeDailyLimit()
{
    return QCoreApplication::translate("CommandTitles", "Remove Daily Limit");
}

} // namespace CommandTitles
