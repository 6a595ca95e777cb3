// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString ownFolder = QStringLiteral(":/translations");
const QString ownPrefix = QStringLiteral("horavane_");

// "de_DE.UTF-8@euro" as "de_DE".
QString withoutCodesetOrModifier(const QString& locale)
{
    qsizetype end = locale.size();
    for (const QChar mark : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = locale.indexOf(mark);
        if (at >= 0)
            end = std::min(end, at);
    }
    return locale.left(end);
}

bool installTranslator(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList Language::wanted(const QProcessEnvironment& environment)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QLatin1String(name));
        if (!locale.isEmpty())
            break;
    }
    if (locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) || locale == QLatin1String("POSIX"))
        return {};

    QStringList wanted;
    QStringList asked = environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    asked.append(locale);
    for (const QString& entry : std::as_const(asked)) {
        const QString language = withoutCodesetOrModifier(entry);
        if (language.isEmpty())
            continue;
        for (const QString& form : {language, language.section(QLatin1Char('_'), 0, 0)}) {
            if (!wanted.contains(form))
                wanted.append(form);
        }
    }
    return wanted;
}

QStringList Language::available()
{
    QStringList languages;
    const QStringList files = QDir(ownFolder).entryList({ownPrefix + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString& file : files)
        languages.append(file.mid(ownPrefix.size()).chopped(3));
    return languages;
}

QString Language::chosen(const QStringList& wanted)
{
    const QStringList translated = available();
    for (const QString& language : wanted) {
        if (translated.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

bool Language::install(const QString& language)
{
    const bool own = installTranslator(ownPrefix + language, ownFolder);
    if (language != QLatin1String("en"))
        installTranslator(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return own;
}

QString Language::installFromEnvironment()
{
    const QString language = chosen(wanted(QProcessEnvironment::systemEnvironment()));
    install(language);
    return language;
}
