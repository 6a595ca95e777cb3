// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Period.h"
#include "SegmentedControl.h"

// One segmented control, "7 Days" and "30 Days", that chooses the span the history shows.
class PeriodPicker : public SegmentedControl
{
    Q_OBJECT
public:
    explicit PeriodPicker(Period period, QWidget* parent = nullptr);

    Period period() const { return m_period; }
    // Shows the period as chosen, without announcing it; a period the picker does not offer chooses neither.
    void setPeriod(Period period);

signals:
    // The user chose another period.
    void periodChosen(Period period);

private:
    Period m_period;
};
