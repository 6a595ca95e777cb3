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

} // namespace CommandTitles
