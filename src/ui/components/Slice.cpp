#include "Slice.h"

QString Slice::idOf(const ItemKey& key)
{
    return QString::number(rawValue(key.kind)) + u':' + key.id;
}
