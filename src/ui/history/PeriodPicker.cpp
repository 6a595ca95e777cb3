// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PeriodPicker.h"

namespace {

constexpr int choiceWidth = 84;

} // namespace

PeriodPicker::PeriodPicker(Period period, QWidget* parent)
    //: One of two choices in a narrow segmented control
    : SegmentedControl({{static_cast<int>(Period::week), tr("%Ln Days", nullptr, 7)},
                        {static_cast<int>(Period::month), tr("%Ln Days", nullptr, 30)}},
                       choiceWidth, parent),
      m_period(period)
{
    setAccessibleName(tr("Period"));
    setCurrentId(static_cast<int>(period));
    connect(this, &SegmentedControl::idChosen, this, [this](int id) {
        m_period = static_cast<Period>(id);
        emit periodChosen(m_period);
    });
}

void PeriodPicker::setPeriod(Period period)
{
    m_period = period;
    setCurrentId(static_cast<int>(period));
}
