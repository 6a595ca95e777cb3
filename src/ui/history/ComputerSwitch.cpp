// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ComputerSwitch.h"

#include "PlatformTexts.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>

ComputerSwitch::ComputerSwitch(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(tr("Computers"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    const QString titles[] = {PlatformTexts::thisComputer(), PlatformTexts::allComputers()};
    for (int id = 0; id < 2; ++id) {
        auto* button = new QPushButton(titles[id], this);
        button->setCheckable(true);
        button->setChecked(id == 0);
        m_group->addButton(button, id);
        row->addWidget(button);
    }
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) {
        if ((id == 1) == m_all)
            return;
        m_all = id == 1;
        emit allComputersChanged(m_all);
    });
}
