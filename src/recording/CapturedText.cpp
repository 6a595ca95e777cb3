// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CapturedText.h"

namespace {

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c < 0xa0) || (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString CapturedText::withoutControls(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && !isControl(text[i].unicode()))
        ++i;
    if (i == text.size())
        return text;
    QString clean = text.left(i);
    for (; i < text.size(); ++i)
        if (!isControl(text[i].unicode()))
            clean += text[i];
    return clean;
}
