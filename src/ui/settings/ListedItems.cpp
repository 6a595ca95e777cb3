// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListedItems.h"

#include "ItemIcon.h"
#include "Site.h"
#include "Theme.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

constexpr int iconSide = 20;

} // namespace

QString ListedItems::shownName(const ItemKey& key, const QString& name)
{
    const QString shown = name.isEmpty() ? key.id : name;
    return key.kind == ItemKind::site ? Site::displayHost(shown) : shown;
}

QHBoxLayout* ListedItems::startLine(QWidget* row, const QString& name, QLabel** icon)
{
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(8);
    *icon = new QLabel(row);
    (*icon)->setFixedSize(iconSide, iconSide);
    line->addWidget(*icon);
    auto* label = new QLabel(name, row);
    label->setFont(Theme::font(TextStyle::body));
    label->setTextFormat(Qt::PlainText);
    line->addWidget(label, 1);
    return line;
}

void ListedItems::paintIcon(QLabel* icon, Icons& icons, const ItemKey& key)
{
    const qreal ratio = icon->devicePixelRatioF();
    QPixmap image = ItemIcon::render(icons, key, icon->palette(), ratio)
                        .scaled(QSize(iconSide, iconSide) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    icon->setPixmap(image);
}
