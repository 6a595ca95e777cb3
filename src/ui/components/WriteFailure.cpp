// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WriteFailure.h"

#include <QCoreApplication>
#include <QMessageBox>

void WriteFailure::tell(QWidget* parent)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Horavane"),
                                QCoreApplication::translate("WriteFailure", "Horavane couldn't save that change."),
                                QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(QCoreApplication::translate("WriteFailure",
                                                        "The history file is in use by another program or can't be "
                                                        "written, so nothing was changed. Try again in a moment."));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
