// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Slice.h"

#include <QCoreApplication>

QString Slice::idOf(const ItemKey& key)
{
    return QString::number(rawValue(key.kind)) + u':' + key.id;
}

QString Slice::otherName()
{
    //: The ring's and the chart's grey slice: the time of all items without a colour of their own
    return QCoreApplication::translate("Slice", "Everything else");
}
