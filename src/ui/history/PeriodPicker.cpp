#include "PeriodPicker.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>

namespace {

const std::pair<Period, const char*> choices[] = {{Period::week, "7 Days"}, {Period::month, "30 Days"}};

} // namespace

PeriodPicker::PeriodPicker(Period period, QWidget* parent) : QWidget(parent), m_period(period)
{
    setAccessibleName(QStringLiteral("Period"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    for (const auto& [choice, title] : choices) {
        auto* button = new QPushButton(QString::fromLatin1(title), this);
        button->setCheckable(true);
        button->setChecked(choice == period);
        m_group->addButton(button, static_cast<int>(choice));
        row->addWidget(button);
    }
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) {
        const auto chosen = static_cast<Period>(id);
        if (chosen == m_period)
            return;
        m_period = chosen;
        emit periodChosen(chosen);
    });
}

void PeriodPicker::setPeriod(Period period)
{
    m_period = period;
    if (QAbstractButton* button = m_group->button(static_cast<int>(period)))
        button->setChecked(true);
    else if (QAbstractButton* checked = m_group->checkedButton()) {
        // A period the picker does not offer: neither choice is on.
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
}
