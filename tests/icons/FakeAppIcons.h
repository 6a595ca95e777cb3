// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppIcons.h"

#include <QHash>

// Application icons a test hands out, counting how often each identifier is asked for.
class FakeAppIcons final : public AppIcons
{
public:
    std::optional<QImage> icon(const QString& identifier) const override
    {
        ++m_asked[identifier];
        if (const auto found = m_icons.constFind(identifier); found != m_icons.cend())
            return *found;
        return std::nullopt;
    }
    QImage genericIcon() const override { return m_generic; }

    void setIcon(const QString& identifier, const QImage& image) { m_icons.insert(identifier, image); }
    int asked(const QString& identifier) const { return m_asked.value(identifier); }
    const QImage& generic() const { return m_generic; }

private:
    QHash<QString, QImage> m_icons;
    mutable QHash<QString, int> m_asked;
    QImage m_generic = [] {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(QColor(128, 128, 128));
        return image;
    }();
};
