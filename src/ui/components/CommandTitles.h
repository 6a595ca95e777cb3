#pragma once

#include <QString>

// The titles of the program's commands, the same in every menu and window that offers them.
namespace CommandTitles {

inline QString showHistory()
{
    return QStringLiteral("Show History");
}
inline QString settings()
{
    return QStringLiteral("Settings…");
}
inline QString quit()
{
    return QStringLiteral("Quit Horavane");
}

} // namespace CommandTitles
