// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the KWin script reports, as any window in KWin may shape it: the window in front (desktop file name,
// resource class and pid as texts) and the JSON list of normal windows, through the workspace that receives
// them. The workspace is a real one, its script loaded into a stand-in KWin on a private bus; each input is a
// series of calls to its slots, in the order the script might make them.
#include "BusDaemon.h"
#include "FuzzSupport.h"
#include "KWinWorkspace.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QThread>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// KWin's scripting service, enough of it to load and run a script. It answers from a thread of its own, since
// the workspace waits for each answer.
class FakeKWin : public QDBusVirtualObject
{
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QString& member = message.member();
        QVariantList answer;
        if (member == QLatin1String("loadScript"))
            answer = {0};
        else if (member == QLatin1String("isScriptLoaded") || member == QLatin1String("unloadScript"))
            answer = {false};
        return connection.send(message.createReply(answer));
    }
};

struct Session
{
    BusDaemon daemon;
    QThread kwinThread;
    FakeKWin kwin;
    QDBusConnection kwinBus{QDBusConnection::connectToBus(daemon.address(), QStringLiteral("kwin"))};
    QDBusConnection bus{QDBusConnection::connectToBus(daemon.address(), QStringLiteral("horavane"))};
    std::unique_ptr<KWinWorkspace> workspace;

    Session()
    {
        kwinThread.start();
        kwin.moveToThread(&kwinThread);
        if (!kwinBus.registerVirtualObject(QStringLiteral("/"), &kwin, QDBusConnection::SubPath) ||
            !kwinBus.registerService(QStringLiteral("org.kde.KWin")))
            Fuzz::broken("a stand-in KWin is on a private bus");
        QString whyNot;
        workspace = KWinWorkspace::create(bus, &whyNot);
        if (!workspace)
            Fuzz::broken("the workspace loads its script");
    }
};

// A few installed applications, the only ones the workspace can find.
void installEntries()
{
    const QString home = Fuzz::scratchFolder();
    QDir().mkpath(home + QStringLiteral("/share/applications"));
    Fuzz::writeScratchFile(QStringLiteral("share/applications/org.kde.dolphin.desktop"),
                           "[Desktop Entry]\nType=Application\nName=Dolphin\nExec=dolphin %u\n");
    Fuzz::writeScratchFile(QStringLiteral("share/applications/firefox-esr.desktop"),
                           "[Desktop Entry]\nType=Application\nName=Firefox\nExec=firefox-esr %u\n"
                           "StartupWMClass=Firefox-esr\n");
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/share")).toUtf8());
    qputenv("XDG_DATA_DIRS", (home + QStringLiteral("/none")).toUtf8());
}

Session* session = nullptr;

QString text(FuzzedDataProvider& input)
{
    static const QStringList known{QStringLiteral("org.kde.dolphin"), QStringLiteral("firefox-esr.desktop"),
                                   QStringLiteral("Firefox-esr"), QStringLiteral("app.corvani.Horavane")};
    if (input.ConsumeBool())
        return known.at(input.ConsumeIntegralInRange<qsizetype>(0, known.size() - 1));
    return QString::fromStdString(input.ConsumeRandomLengthString(48));
}

QString pid(FuzzedDataProvider& input)
{
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return QStringLiteral("0");
    case 1:
        return QString::number(QCoreApplication::applicationPid());
    case 2:
        return QString::number(input.ConsumeIntegral<qint64>());
    default:
        return QString::fromStdString(input.ConsumeRandomLengthString(12));
    }
}

// A window list: mostly rows of three texts as the script sends them, sometimes any JSON value or none.
QString windowList(FuzzedDataProvider& input)
{
    if (input.ConsumeIntegralInRange(0, 3) == 0)
        return QString::fromStdString(input.ConsumeRandomLengthString(96));
    QJsonArray rows;
    const int count = input.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < count; ++i) {
        QJsonArray row{text(input), text(input), pid(input)};
        if (input.ConsumeIntegralInRange(0, 7) == 0)
            row.replace(input.ConsumeIntegralInRange(0, 2), QJsonValue(input.ConsumeFloatingPoint<double>()));
        if (input.ConsumeIntegralInRange(0, 7) == 0)
            row.removeLast();
        rows.append(row);
    }
    return QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Compact));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    installEntries();
    Fuzz::startCoreApplication();
    session = new Session; // lives to the end, as the workspace does in the program
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    KWinWorkspace& workspace = *session->workspace;
    workspace.activated({}, {}, QStringLiteral("0"));
    workspace.windows(QStringLiteral("[]"));
    FUZZ_REQUIRE(!workspace.frontmostApplication() && workspace.runningApplications().isEmpty());

    FuzzedDataProvider input(data, size);
    while (input.remaining_bytes() > 0) {
        if (input.ConsumeBool()) {
            const QString desktopFile = text(input), resourceClass = text(input), windowPid = pid(input);
            workspace.activated(desktopFile, resourceClass, windowPid);
            const std::optional<RunningApp> front = workspace.frontmostApplication();
            if (desktopFile.isEmpty() && resourceClass.isEmpty() && windowPid.toLongLong() <= 0)
                FUZZ_REQUIRE(!front);
            if (front)
                FUZZ_REQUIRE(!front->desktopId.isEmpty() && front->pid >= 0);
        } else {
            workspace.windows(windowList(input));
            QSet<QString> seen;
            for (const RunningApp& app : workspace.runningApplications()) {
                FUZZ_REQUIRE(!app.desktopId.isEmpty() && app.pid >= 0);
                FUZZ_REQUIRE(!seen.contains(app.desktopId));
                seen.insert(app.desktopId);
            }
        }
    }
    return 0;
}
