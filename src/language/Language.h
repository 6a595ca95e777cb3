// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Which language Horavane speaks: the one the desktop asks for, when Horavane has it, else English.
namespace Language {

// The languages the environment asks for, most wanted first, as gettext reads them: LANGUAGE's list, then the
// first of LC_ALL, LC_MESSAGES and LANG; each as given ("de_AT") and then without its country ("de"). A "C" or
// "POSIX" locale asks for none, whatever LANGUAGE says.
QStringList wanted(const QProcessEnvironment& environment);

// The languages Horavane is translated into ("de", "en", "fr"); English only carries its plural forms.
QStringList available();

// The first wanted language that Horavane is translated into, else "en".
QString chosen(const QStringList& wanted);

// Installs Horavane's texts in the language and Qt's own (for standard buttons and dialogs) in the
// application; false when Horavane's could not be loaded.
bool install(const QString& language);

// Installs the language the environment asks for and returns it.
QString installFromEnvironment();

} // namespace Language
