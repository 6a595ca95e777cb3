// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

QProcessEnvironment environment(std::initializer_list<std::pair<const char*, const char*>> variables)
{
    QProcessEnvironment result;
    for (const auto& [name, value] : variables)
        result.insert(QLatin1String(name), QLatin1String(value));
    return result;
}

// The language comes from the environment as desktops and gettext set it; Horavane speaks the first one it has.
TEST(Language, TheFirstWantedLanguageHoravaneHasElseEnglish)
{
    const struct
    {
        std::initializer_list<std::pair<const char*, const char*>> environment;
        QStringList wanted;
        const char* chosen;
    } cases[] = {
        {{{"LANG", "de_DE.UTF-8"}}, {"de_DE", "de"}, "de"},
        {{{"LANG", "fr_CA.UTF-8@euro"}}, {"fr_CA", "fr"}, "fr"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, {"fr_FR", "fr"}, "fr"},
        {{{"LC_MESSAGES", "fr_FR.UTF-8"}, {"LC_ALL", "de_AT.UTF-8"}}, {"de_AT", "de"}, "de"},
        {{{"LANGUAGE", "pt_BR:fr:de"}, {"LANG", "de_DE.UTF-8"}}, {"pt_BR", "pt", "fr", "de", "de_DE"}, "fr"},
        {{{"LANGUAGE", "fr"}, {"LANG", "C.UTF-8"}}, {}, "en"},
        {{{"LANGUAGE", "de"}, {"LC_ALL", "POSIX"}}, {}, "en"},
        {{{"LANG", "ja_JP.UTF-8"}}, {"ja_JP", "ja"}, "en"},
        {{{"LANG", "en_GB.UTF-8"}}, {"en_GB", "en"}, "en"},
        {{}, {}, "en"},
    };
    for (const auto& entry : cases) {
        const QStringList wanted = Language::wanted(environment(entry.environment));
        EXPECT_EQ(wanted, entry.wanted);
        EXPECT_EQ(Language::chosen(wanted), QLatin1String(entry.chosen)) << wanted.join(QLatin1Char(':')).toStdString();
    }
}

// Each language's own plural rule picks the form: French counts 0 as one, German and English as many.
TEST(Language, PluralFormsFollowEachLanguagesRule)
{
    const struct
    {
        const char* language;
        int count;
        const char* text;
    } cases[] = {
        {"en", 0, "0 minutes"}, {"en", 1, "1 minute"},
        {"en", 2, "2 minutes"}, {"de", 0, "0 Minuten"},
        {"de", 1, "1 Minute"},  {"de", 2, "2 Minuten"},
        {"fr", 0, "0 minute"},  {"fr", 1, "1 minute"},
        {"fr", 2, "2 minutes"}, {"fr", 1000, "1\u202f000 minutes"},
    };
    for (const auto& entry : cases) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/translations/horavane_%1.qm").arg(entry.language)));
        QCoreApplication::installTranslator(&translator);
        QLocale::setDefault(QLocale(QLatin1String(entry.language)));
        EXPECT_EQ(QCoreApplication::translate("DurationText", "%Ln minutes", nullptr, entry.count),
                  QString::fromUtf8(entry.text))
            << entry.language << " " << entry.count;
        QCoreApplication::removeTranslator(&translator);
    }
    QLocale::setDefault(QLocale::system());
}

} // namespace
