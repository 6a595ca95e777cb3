#include "PeriodPicker.h"

namespace {

constexpr int choiceWidth = 84;

} // namespace

PeriodPicker::PeriodPicker(Period period, QWidget* parent)
    : SegmentedControl({{static_cast<int>(Period::week), QStringLiteral("7 Days")},
                        {static_cast<int>(Period::month), QStringLiteral("30 Days")}},
                       choiceWidth, parent),
      m_period(period)
{
    setAccessibleName(QStringLiteral("Period"));
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
