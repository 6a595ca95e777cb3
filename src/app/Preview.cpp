// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Preview.h"

#include "AppPresence.h"
#include "AtspiAccessibility.h"
#include "Backup.h"
#include "BackupController.h"
#include "Clock.h"
#include "DesktopComposition.h"
#include "HistoryView.h"
#include "Icons.h"
#include "Language.h"
#include "LinuxAppIcons.h"
#include "OutlinedStyle.h"
#include "Platform.h"
#include "PopoverPanel.h"
#include "PopoverView.h"
#include "PreviewSample.h"
#include "Settings.h"
#include "SettingsView.h"
#include "Spring.h"
#include "Store.h"
#include "Theme.h"
#include "Tracker.h"
#include "TrayIcon.h"
#include "TrayLabel.h"
#include "UpdateChecker.h"
#include "WelcomeView.h"
#include "XdgAutostart.h"
#include "XdgPlaces.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QUuid>
#include <QVBoxLayout>
#include <cstdio>
#include <functional>

namespace {

constexpr int settleMs = 500;
constexpr int pointerDelayMs = 1200;
constexpr QSize historySize{680, 600};

QPalette paletteFor(PreviewOptions::Appearance appearance)
{
    QPalette palette = QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette();
    if (appearance != PreviewOptions::Appearance::dark)
        return palette;
    const QColor window(0x1e, 0x1e, 0x1e), base(0x28, 0x28, 0x28), text(0xf0, 0xf0, 0xf0);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Button, base);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::PlaceholderText, text.darker(160));
    return palette;
}

// One tray ring for every colour count, from the first shares of today's glance.
QWidget* ringSheet(const Glance& glance)
{
    auto* sheet = new QWidget;
    auto* row = new QHBoxLayout(sheet);
    row->setSpacing(22);
    row->setContentsMargins(24, 24, 24, 24);
    for (int count = 3; count <= 8; ++count) {
        auto* column = new QVBoxLayout;
        column->setSpacing(8);
        // Drawn at the shown size rather than enlarged, so the sheet stays sharp, in the text colour as a
        // panel would tint it.
        const qreal ratio = sheet->devicePixelRatioF();
        Glance first = glance;
        first.shares = glance.shares.mid(0, count);
        QPixmap pixmap = QPixmap::fromImage(TrayLabel::image(
            first, false, count, sheet->palette().color(QPalette::WindowText), 68 / TrayIcon::side * ratio));
        pixmap.setDevicePixelRatio(ratio);
        auto* image = new QLabel;
        image->setPixmap(pixmap);
        auto* number = new QLabel(QLocale().toString(count));
        number->setFont(Theme::font(TextStyle::caption));
        number->setForegroundRole(QPalette::PlaceholderText);
        column->addWidget(image, 0, Qt::AlignHCenter);
        column->addWidget(number, 0, Qt::AlignHCenter);
        row->addLayout(column);
    }
    return sheet;
}

// Puts the window's top-right corner 24 points left of and 12 points below the screen's top-right corner; for
// the popover panel, the panel's corner rather than its shadow's. Only windows without a size of their own are
// fitted to their content first.
void placeTopRight(QWidget& window, bool fit)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    if (fit)
        window.adjustSize();
    const int right = available.right() + 1 - 24;
    const int top = available.top() + 12;
    if (const auto* panel = qobject_cast<const PopoverPanel*>(&window)) {
        const QRect drawn = panel->panelRect();
        window.move(right - drawn.right() - 1, top - drawn.top());
    } else {
        window.move(right - window.frameGeometry().width(), top);
    }
}

// Runs `then` once no animation is moving any more, so a picture never catches a spring half way. The first
// look comes after the events already queued, such as the repaint for the pointer.
void whenSettled(QObject* context, const std::function<void()>& then)
{
    QTimer::singleShot(0, context, [context, then] {
        if (SpringDriver::runningCount() == 0)
            return then();
        auto* poll = new QTimer(context);
        QObject::connect(poll, &QTimer::timeout, context, [poll, then] {
            if (SpringDriver::runningCount() > 0)
                return;
            poll->stop();
            poll->deleteLater();
            then();
        });
        poll->start(16);
    });
}

// Moves a simulated pointer to the point (from the content's top left): every pointer tracker under it sees it.
void placePointer(QWidget& window, QPointF point)
{
    if (const auto* panel = qobject_cast<const PopoverPanel*>(&window))
        point += panel->panelRect().topLeft(); // the content starts inside the shadow's margin
    QWidget* target = window.childAt(point.toPoint());
    if (!target)
        target = &window;
    const QPointF local = target->mapFrom(&window, point);
    QMouseEvent move(QEvent::MouseMove, local, window.mapToGlobal(point), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

} // namespace

int Preview::run(int argc, char** argv, const PreviewOptions& options)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // pictures need no display
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Horavane"));
    Language::installFromEnvironment(); // pictures in the desktop's language, as the program shows it
    AppPresence::setPreviewMode(true);
    if (options.appearance != PreviewOptions::Appearance::system) {
        QApplication::setStyle(new OutlinedStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
        QApplication::setPalette(paletteFor(options.appearance));
    } else {
        QApplication::setStyle(new OutlinedStyle);
    }

    const XdgPlaces places;
    const QString temporary = QDir::tempPath() + QStringLiteral("/horavane-preview-") +
                              QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".sqlite");
    std::unique_ptr<Store> store = Store::open(options.real ? places.databasePath() : temporary);
    SystemClock clock;
    if (store && !options.real && !options.empty)
        store->add(PreviewSample::entries(options.minutes, clock.now(), clock.timeZone()));

    // The preview works on a private copy of the preferences: what it sets (the colour count, the tab
    // shown) never reaches the user's own.
    const QString preferences = QDir::tempPath() + QStringLiteral("/horavane-preview-") +
                                QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".conf");
    if (QFile::copy(places.settingsFile(), preferences))
        QFile::setPermissions(preferences, QFile::ReadOwner | QFile::WriteOwner);
    const auto removeTemporaries = [&] {
        QFile::remove(temporary);
        QFile::remove(preferences);
    };
    Settings settings(preferences);
    if (options.colors)
        settings.setChartColors(*options.colors);
    else
        settings.removeChartColors();
    AtspiAccessibility accessibility;
    Platform platform;
    platform.clock = &clock;
    platform.accessibility = &accessibility; // the welcome window asks it how each browser may be read
    Tracker tracker(Tracker::Sampling::whenTold, platform, settings, std::move(store));
    LinuxAppIcons appIcons;
    Icons icons(appIcons, places);
    UpdateChecker updates;
    Backup backup(settings, places, clock);
    BackupController backupController(tracker, settings, backup, places);
    XdgAutostart loginItem;

    // One window, holding the view in a plain layout; the popover has its panel instead.
    std::unique_ptr<QWidget> window;
    const auto plainWindow = [&window](const QString& title, QWidget* content) {
        window = std::make_unique<QWidget>();
        window->setWindowTitle(title);
        auto* layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(content);
    };
    bool fit = true;
    switch (options.view) {
    case PreviewOptions::View::icons:
        //: The title of a sheet showing the tray ring with each number of colours.
        plainWindow(QCoreApplication::translate("Preview", "Menu bar ring at each setting"),
                    ringSheet(tracker.glance()));
        break;
    case PreviewOptions::View::settings:
        if (!options.real)
            for (const UsageItem& item : PreviewSample::exclusions())
                tracker.exclude(item);
        plainWindow(QCoreApplication::translate("HoravaneWindows", "Horavane Settings"), // as the program titles it
                    new SettingsView(tracker, icons, settings, updates, backupController, loginItem, places));
        break;
    case PreviewOptions::View::welcome:
        plainWindow(QString(), new WelcomeView(tracker, icons, settings, accessibility, loginItem,
                                               [] { return PreviewSample::runningApplications(); }));
        window->layout()->setSizeConstraint(QLayout::SetFixedSize); // sized to its content, as the app does
        break;
    case PreviewOptions::View::history: {
        auto* view = new HistoryView(tracker, icons, settings, options.period);
        if (options.hover)
            view->setPreviewHover(PreviewHover{3, 1});
        plainWindow(QStringLiteral("Horavane"), view);
        window->resize(historySize); // the window's own size, not its content's
        fit = false;
        view->setShown(true);
        break;
    }
    case PreviewOptions::View::popover: {
        auto* view = new PopoverView(tracker, icons, settings, updates, accessibility);
        window = std::make_unique<PopoverPanel>(view, Qt::Tool, &DesktopComposition::active);
        view->setShown(true);
        break;
    }
    }
    placeTopRight(*window, fit);
    window->show();

    const auto save = [&] {
        if (options.png.isEmpty())
            return;
        const bool saved = window->grab().save(options.png, "PNG");
        if (!saved)
            std::fprintf(stderr, "horavane: %s\n",
                         qUtf8Printable(QCoreApplication::translate("Preview", "cannot save %1").arg(options.png)));
        removeTemporaries();
        QCoreApplication::exit(saved ? 0 : 1);
    };
    QTimer::singleShot(settleMs, window.get(), [&] {
        if (options.view == PreviewOptions::View::popover)
            placeTopRight(*window, true); // content that grew while loading is shown whole
        std::printf("window %llu\n", static_cast<unsigned long long>(window->winId()));
        std::fflush(stdout);
        if (!options.pointer) {
            whenSettled(window.get(), save);
            return;
        }
        QTimer::singleShot(pointerDelayMs, window.get(), [&] {
            placePointer(*window, *options.pointer);
            whenSettled(window.get(), save); // the pointer's emphasis and rolling digits end first
        });
    });
    QTimer::singleShot(qRound(options.seconds * 1000), &app, [&] {
        removeTemporaries();
        QCoreApplication::exit(0);
    });
    const int status = app.exec();
    removeTemporaries();
    return status;
}
