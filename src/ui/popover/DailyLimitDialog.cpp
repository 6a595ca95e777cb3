// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DailyLimitDialog.h"

#include "Settings.h"
#include "Theme.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int minuteStep = 5;
constexpr int newLimitMinutes = 60;

} // namespace

DailyLimitDialog::DailyLimitDialog(const QString& itemName, int minutes, QWidget* parent) : QDialog(parent)
{
    //: Title of the small window that sets how long an app or website may be used a day
    setWindowTitle(tr("Daily Limit"));
    auto* layout = new QVBoxLayout(this);

    //: %1: an app's or website's name
    auto* question = new QLabel(tr("How long may you use “%1” each day?").arg(itemName), this);
    question->setTextFormat(Qt::PlainText);
    question->setWordWrap(true);
    question->setFont(Theme::font(TextStyle::headline));
    layout->addWidget(question);

    auto* form = new QFormLayout;
    m_hours = new QSpinBox(this);
    m_hours->setRange(0, DailyLimit::mostMinutes / 60);
    //: Label of a number box; a count of hours
    m_hours->setAccessibleName(tr("Hours"));
    form->addRow(tr("Hours"), m_hours);
    m_minutes = new QSpinBox(this);
    m_minutes->setSingleStep(minuteStep);
    //: Label of a number box; a count of minutes
    m_minutes->setAccessibleName(tr("Minutes"));
    form->addRow(tr("Minutes"), m_minutes);
    layout->addLayout(form);

    auto* note = new QLabel(tr("Horavane tells you when the time is up. Nothing is blocked."), this);
    note->setWordWrap(true);
    Theme::useSecondaryText(note);
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const int chosen = std::clamp(minutes, DailyLimit::fewestMinutes, DailyLimit::mostMinutes);
    m_hours->setValue(chosen / 60);
    fitMinutesToHours();
    m_minutes->setValue(chosen % 60);
    connect(m_hours, &QSpinBox::valueChanged, this, &DailyLimitDialog::fitMinutesToHours);
    m_hours->setFocus();
}

int DailyLimitDialog::minutes() const
{
    return std::clamp(m_hours->value() * 60 + m_minutes->value(), DailyLimit::fewestMinutes, DailyLimit::mostMinutes);
}

void DailyLimitDialog::fitMinutesToHours()
{
    // The minutes keep the whole within 5 minutes and 12 hours whatever the hours say.
    const int hours = m_hours->value();
    m_minutes->setRange(hours == 0 ? DailyLimit::fewestMinutes : 0, hours * 60 >= DailyLimit::mostMinutes ? 0 : 59);
}

DailyLimitDialog* DailyLimitDialog::ask(Settings& settings, const ItemKey& key, const QString& itemName,
                                        QWidget* parent)
{
    const DailyLimit limit{rawValue(key.kind), key.id, newLimitMinutes};
    const auto& limits = settings.dailyLimits();
    const auto existing = std::find_if(limits.cbegin(), limits.cend(), [&limit](const DailyLimit& other) {
        return other.kind == limit.kind && other.id == limit.id;
    });
    auto* dialog =
        new DailyLimitDialog(itemName, existing != limits.cend() ? existing->minutes : limit.minutes, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, &settings, [&settings, dialog, limit] {
        settings.setDailyLimit(DailyLimit{limit.kind, limit.id, dialog->minutes()});
    });
    dialog->open();
    return dialog;
}
