#include "CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLineTest, NoArgumentsRecords)
{
    const CommandLine command = CommandLine::parse({});
    EXPECT_EQ(command.action, CommandLine::Action::record);
    EXPECT_TRUE(command.error.isEmpty());
}

TEST(CommandLineTest, HelpAndVersion)
{
    EXPECT_EQ(CommandLine::parse({"--help"}).action, CommandLine::Action::help);
    EXPECT_EQ(CommandLine::parse({"-h"}).action, CommandLine::Action::help);
    EXPECT_EQ(CommandLine::parse({"--version"}).action, CommandLine::Action::version);
}

TEST(CommandLineTest, UnknownOptionsAreErrors)
{
    for (const char* argument : {"--hepl", "-x", "record", ""})
        EXPECT_FALSE(CommandLine::parse({argument}).error.isEmpty()) << argument;
}
