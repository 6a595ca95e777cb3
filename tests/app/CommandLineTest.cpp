// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"
#include "CommandLineOptions.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>
#include <span>

TEST(CommandLineTest, NoArgumentsRecords)
{
    const CommandLine command = CommandLine::parse({});
    EXPECT_EQ(command.action, CommandLine::Action::record);
    EXPECT_TRUE(command.error.isEmpty());
}

TEST(CommandLineTest, Actions)
{
    EXPECT_EQ(CommandLine::parse({"--help"}).action, CommandLine::Action::help);
    EXPECT_EQ(CommandLine::parse({"-h"}).action, CommandLine::Action::help);
    EXPECT_EQ(CommandLine::parse({"--version"}).action, CommandLine::Action::version);

    const CommandLine csv = CommandLine::parse({"--export-csv", "-"});
    EXPECT_EQ(csv.action, CommandLine::Action::exportCsv);
    EXPECT_EQ(csv.path, "-");
    EXPECT_EQ(CommandLine::parse({"--export-csv", "it's mine.csv"}).path, "it's mine.csv");

    EXPECT_EQ(CommandLine::parse({"--report"}).period, Period::today);
    const CommandLine week = CommandLine::parse({"--report", "week"});
    EXPECT_EQ(week.action, CommandLine::Action::report);
    EXPECT_EQ(week.period, Period::week);
    EXPECT_FALSE(week.allComputers);

    EXPECT_EQ(CommandLine::parse({"--backup"}).action, CommandLine::Action::backup);
    EXPECT_EQ(CommandLine::parse({"--gnome-extension", "install"}).action, CommandLine::Action::installGnomeExtension);
    const CommandLine all = CommandLine::parse({"--report", "month", "--all-computers"});
    EXPECT_EQ(all.period, Period::month);
    EXPECT_TRUE(all.allComputers);
    EXPECT_TRUE(CommandLine::parse({"--all-computers", "--report"}).allComputers);

    // Every other argument is the preview's own option, even one that means nothing elsewhere.
    const CommandLine preview = CommandLine::parse({"--window", "--preview", "--png", "shot.png", "--history"});
    EXPECT_TRUE(preview.error.isEmpty());
    EXPECT_EQ(preview.action, CommandLine::Action::preview);
    EXPECT_EQ(preview.preview.png, "shot.png");
}

TEST(CommandLineTest, OnlyRecordingPreviewsAndTheExtensionNeedTheDesktop)
{
    const QList<QStringList> desktop = {{}, {"--history"}, {"--preview"}, {"--gnome-extension", "install"}};
    for (const QStringList& arguments : desktop)
        EXPECT_TRUE(CommandLine::parse(arguments).needsDesktop()) << arguments.join(' ').toStdString();
    const QList<QStringList> terminal = {{"--help"}, {"--version"}, {"--report"}, {"--export-csv", "-"}, {"--backup"}};
    for (const QStringList& arguments : terminal)
        EXPECT_FALSE(CommandLine::parse(arguments).needsDesktop()) << arguments.join(' ').toStdString();
}

TEST(CommandLineTest, MistakesAreErrors)
{
    const QList<QStringList> rows = {
        {"--hepl"},
        {"-x"},
        {"record"},
        {""},
        {"--export-csv"},
        {"--export-csv", ""},
        {"--export-csv", "--report"},
        {"--report", "Week"},
        {"--report", "fortnight"},
        {"--report", "week", "extra"},
        {"--help", "--version"},
        {"--all-computers"},
        {"--backup", "--all-computers"},
        {"--backup", "now"},
        {"--gnome-extension"},
        {"--gnome-extension", "enable"},
    };
    for (const QStringList& arguments : rows)
        EXPECT_FALSE(CommandLine::parse(arguments).error.isEmpty()) << arguments.join(' ').toStdString();
}

TEST(CommandLineTest, HistoryAndLoginItem)
{
    struct Row
    {
        const char* name;
        QStringList arguments;
        CommandLine::Action action;
        QString loginItem;
        bool opensHistory;
    };
    const Row rows[] = {
        {"history", {"--history"}, CommandLine::Action::record, {}, true},
        {"login item on", {"--login-item", "on"}, CommandLine::Action::loginItem, "on", false},
        {"any other value only reports", {"--login-item", "maybe"}, CommandLine::Action::loginItem, "maybe", false},
        {"without a value it starts normally", {"--login-item"}, CommandLine::Action::record, {}, false},
        {"login item before history", {"--history", "--login-item", "on"}, CommandLine::Action::loginItem, "on", false},
        {"only the first counts",
         {"--login-item", "off", "--login-item", "on"},
         CommandLine::Action::loginItem,
         "off",
         false},
        {"a session restart", {"-session", "10d3f2a", "--history"}, CommandLine::Action::record, {}, true},
        {"Qt's own options",
         {"--style", "fusion", "-reverse", "-platformtheme=gtk3"},
         CommandLine::Action::record,
         {},
         false},
    };
    for (const Row& row : rows) {
        const CommandLine command = CommandLine::parse(row.arguments);
        EXPECT_TRUE(command.error.isEmpty()) << row.name;
        EXPECT_EQ(command.action, row.action) << row.name;
        EXPECT_EQ(command.loginItem, row.loginItem) << row.name;
        EXPECT_EQ(command.opensHistory, row.opensHistory) << row.name;
    }
    EXPECT_FALSE(CommandLine::parse({"--history", "--report"}).error.isEmpty());
    EXPECT_FALSE(CommandLine::parse({"-stylo", "fusion"}).error.isEmpty()) << "a mistyped option is no Qt option";
    EXPECT_FALSE(CommandLine::parse({"-session"}).error.isEmpty()) << "a session without its id";
}

TEST(CommandLineTest, HelpListsOptionsTheParserKnows)
{
    const QString unknown = CommandLine::parse({"--no-such-option"}).error;
    for (const CommandLineOptions::Option& option : CommandLineOptions::program)
        for (const QString& name : QString::fromLatin1(option.names).split(", ", Qt::SkipEmptyParts))
            EXPECT_NE(CommandLine::parse({name}).error, QString(unknown).replace("--no-such-option", name))
                << name.toStdString();
}

TEST(CommandLineTest, HelpIsTranslated)
{
    // Shouts every text of the command line's context, as a translation would replace it.
    struct Shouting : QTranslator
    {
        bool isEmpty() const override { return false; }
        QString translate(const char* context, const char* text, const char*, int) const override
        {
            return QByteArray(context) == "CommandLine" ? QString::fromUtf8(text).toUpper() : QString();
        }
    } shouting;
    QCoreApplication::installTranslator(&shouting);
    const QString help = CommandLine::usage();
    QCoreApplication::removeTranslator(&shouting);
    for (const auto options : {std::span<const CommandLineOptions::Option>(CommandLineOptions::program),
                               std::span<const CommandLineOptions::Option>(CommandLineOptions::preview)})
        for (const CommandLineOptions::Option& option : options)
            EXPECT_TRUE(help.contains(QString::fromUtf8(option.description).toUpper())) << option.description;
    EXPECT_TRUE(help.contains(QString::fromUtf8(CommandLineOptions::summary).toUpper()));
    EXPECT_TRUE(help.contains("--export-csv PATH")) << "option names stay as they are";
}
