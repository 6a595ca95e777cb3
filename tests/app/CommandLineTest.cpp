#include "CommandLine.h"

#include <gtest/gtest.h>

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
    const CommandLine all = CommandLine::parse({"--report", "month", "--all-computers"});
    EXPECT_EQ(all.period, Period::month);
    EXPECT_TRUE(all.allComputers);
    EXPECT_TRUE(CommandLine::parse({"--all-computers", "--report"}).allComputers);
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
    };
    for (const QStringList& arguments : rows)
        EXPECT_FALSE(CommandLine::parse(arguments).error.isEmpty()) << arguments.join(' ').toStdString();
}

TEST(CommandLineTest, HistoryAndLoginItem)
{
    const CommandLine history = CommandLine::parse({"--history"});
    EXPECT_EQ(history.action, CommandLine::Action::record);
    EXPECT_TRUE(history.opensHistory);

    const CommandLine on = CommandLine::parse({"--login-item", "on"});
    EXPECT_EQ(on.action, CommandLine::Action::loginItem);
    EXPECT_EQ(on.loginItem, "on");
    EXPECT_EQ(CommandLine::parse({"--login-item", "maybe"}).loginItem, "maybe");

    const CommandLine alone = CommandLine::parse({"--login-item"}); // without a value: starts normally
    EXPECT_EQ(alone.action, CommandLine::Action::record);
    EXPECT_TRUE(alone.error.isEmpty());

    EXPECT_FALSE(CommandLine::parse({"--history", "--report"}).error.isEmpty());
}
