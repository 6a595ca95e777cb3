#pragma once

#include "Period.h"

#include <QWidget>

class QButtonGroup;

// Two joined buttons, "7 Days" and "30 Days", that choose the span the history shows.
class PeriodPicker : public QWidget
{
    Q_OBJECT
public:
    explicit PeriodPicker(Period period, QWidget* parent = nullptr);

    Period period() const { return m_period; }
    // Shows the period as chosen, without announcing it.
    void setPeriod(Period period);

signals:
    // The user chose another period.
    void periodChosen(Period period);

private:
    QButtonGroup* m_group = nullptr;
    Period m_period;
};
