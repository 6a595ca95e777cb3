// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProcessInfo.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A child process that renamed itself and waits to be killed; the name is set before the parent goes on.
class NamedChild
{
public:
    explicit NamedChild(const char* name)
    {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::prctl(PR_SET_NAME, name);
            [[maybe_unused]] const ssize_t written = ::write(ready[1], "x", 1);
            for (;;)
                ::pause();
        }
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(ready[0], &byte, 1);
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~NamedChild()
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    pid_t pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
};

} // namespace

TEST(ProcessInfo, ParentOfKnownProcesses)
{
    EXPECT_EQ(ProcessInfo::parent(::getpid()), qint64(::getppid()));
    EXPECT_EQ(ProcessInfo::parent(1), qint64(0));
}

TEST(ProcessInfo, UnknownProcessesHaveNoParent)
{
    const struct
    {
        const char* name;
        qint64 pid;
    } rows[] = {
        {"zero", 0},
        {"negative", -5},
        {"beyond the largest pid", 1LL << 40},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ProcessInfo::parent(row.pid), std::nullopt) << row.name;
    }
}

TEST(ProcessInfo, NameWithParenthesesDoesNotShiftTheParent)
{
    // The name sits in parentheses in /proc/PID/stat; one that holds ") (" and digits must not be
    // mistaken for the fields after it.
    NamedChild child("a) (R 1 2) (x");
    ASSERT_GT(child.pid(), 0);
    EXPECT_EQ(ProcessInfo::parent(child.pid()), qint64(::getpid()));
}

TEST(ProcessInfo, GoneProcessIsUnknown)
{
    pid_t gone = -1;
    {
        NamedChild child("short-lived");
        gone = child.pid();
    }
    ASSERT_GT(gone, 0);
    EXPECT_EQ(ProcessInfo::parent(gone), std::nullopt);
}
