#include "Language.h"

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

} // namespace
