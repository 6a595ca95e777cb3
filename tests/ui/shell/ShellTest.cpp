#include "AppPresence.h"
#include "FakeClock.h"
#include "PanelAppearance.h"
#include "Period.h"
#include "PopupWindow.h"
#include "Settings.h"
#include "Store.h"
#include "Tracker.h"
#include "TrayItem.h"
#include "WindowVisibilityReader.h"

#include <QTemporaryDir>

#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(WindowVisibilityReaderTest, FollowsShowMinimiseAndHide)
{
    QWidget window;
    auto* content = new QLabel("content", &window);
    WindowVisibilityReader reader(content);
    QSignalSpy changes(&reader, &WindowVisibilityReader::changed);
    EXPECT_FALSE(reader.isVisible());

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(reader.isVisible());

    window.showMinimized();
    QTRY_VERIFY(!reader.isVisible());
    window.showNormal();
    QTRY_VERIFY(reader.isVisible());

    window.hide();
    QTRY_VERIFY(!reader.isVisible());
    for (const QList<QVariant>& change : changes)
        EXPECT_EQ(change.size(), 1);
    EXPECT_EQ(changes.count(), 4); // only changes are reported
}

TEST(WindowVisibilityReaderTest, AContentRemovedFromItsWindowIsNotVisible)
{
    QWidget window;
    auto* content = new QLabel("content", &window);
    auto* reader = new WindowVisibilityReader(content); // goes with the content
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(reader->isVisible());
    content->setParent(nullptr); // a parentless, hidden widget now
    QTRY_VERIFY(!reader->isVisible());
    delete content;
}

TEST(AppPresenceTest, CountsWindowsAndNeverGoesBelowZero)
{
    AppPresence::setPreviewMode(true);
    const int before = AppPresence::openWindows();
    AppPresence::windowAppeared();
    AppPresence::windowAppeared();
    AppPresence::windowDisappeared();
    EXPECT_EQ(AppPresence::openWindows(), before + 1);
    for (int i = 0; i < 5; ++i)
        AppPresence::windowDisappeared();
    EXPECT_EQ(AppPresence::openWindows(), 0);
    AppPresence::setPreviewMode(false);
}

TEST(PopupWindowTest, PlacementBesideTheItemAwayFromThePanelOrAtTheTopRight)
{
    const QRect screen(0, 0, 1280, 800);
    const QSize size(300, 400);
    const struct
    {
        const char* name;
        QRect anchor;
        QRect available; // the screen less the panel's reserved room
        QPoint expected;
    } rows[] = {
        {"tray at the top", QRect(1000, 0, 24, 24), screen, QPoint(862, 28)},
        {"tray at the bottom", QRect(1000, 776, 24, 24), screen, QPoint(862, 372)},
        {"near the right edge", QRect(1250, 0, 24, 24), screen, QPoint(980, 28)},
        {"near the left edge", QRect(0, 0, 24, 24), screen, QPoint(0, 28)},
        {"click point in a top panel", QRect(1100, 10, 1, 1), QRect(0, 28, 1280, 772), QPoint(951, 28)},
        {"click point in a bottom panel at the left", QRect(100, 790, 1, 1), QRect(0, 0, 1280, 772), QPoint(0, 372)},
        {"item in a left panel", QRect(8, 300, 32, 32), QRect(48, 0, 1232, 800), QPoint(48, 116)},
        {"item in a right panel near the bottom", QRect(1240, 780, 32, 20), QRect(0, 0, 1232, 800), QPoint(932, 400)},
        {"tray does not say", QRect(), screen, QPoint(976, 4)},
        {"tray on another screen", QRect(3000, 0, 24, 24), screen, QPoint(976, 4)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PopupWindow::placement(row.anchor, size, screen, row.available), row.expected) << row.name;
}

TEST(PopupWindowTest, RoundedAndShadowedWhereTheDesktopCompositesSquareElsewhere)
{
    for (const bool composites : {true, false}) {
        auto* content = new QWidget;
        content->setFixedSize(300, 200);
        PopupWindow popup(content, [composites] { return composites; });
        popup.popUp(QRect());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
        const QRect panel = popup.panelRect();
        EXPECT_EQ(panel.size(), QSize(300, 200)) << composites;
        EXPECT_EQ(popup.isRounded(), composites);
        const QRect available = popup.screen()->availableGeometry();
        EXPECT_EQ(popup.pos() + panel.topLeft(), PopupWindow::placement(QRect(), panel.size(), available, available))
            << "the panel, not its shadow, keeps its distance to the screen's edges";

        const QImage picture = popup.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QColor window = popup.palette().color(QPalette::Window);
        const QColor corner = picture.pixelColor(panel.topLeft());
        const QColor middle = picture.pixelColor(panel.center());
        if (composites) {
            EXPECT_EQ(picture.size(), panel.size() + QSize(2, 2) * PopoverPanel::shadowMargin);
            EXPECT_LT(corner.alpha(), 128) << "cut by the corner radius: only the shadow is there";
            EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0) << "the shadow fades out";
            EXPECT_GT(picture.pixelColor(panel.center().x(), panel.bottom() + 3).alpha(), 0)
                << "shadow under the panel";
            EXPECT_NEAR(middle.alphaF(), PopoverPanel::panelOpacity, 0.01) << "translucent";
        } else {
            EXPECT_EQ(picture.size(), panel.size());
            EXPECT_EQ(corner.rgba(), window.rgba()) << "square and opaque";
            EXPECT_EQ(middle.rgba(), window.rgba());
        }
    }
}

TEST(PopupWindowTest, ClosingIsAnnounced)
{
    PopupWindow popup(new QLabel("today"));
    QSignalSpy closed(&popup, &PopupWindow::closed);
    popup.popUp(QRect());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
    QTest::keyClick(&popup, Qt::Key_Escape);
    QTRY_COMPARE(closed.count(), 1);
}

TEST(PanelAppearanceTest, FollowsThePanelNotTheApplication)
{
    QPalette light;
    light.setColor(QPalette::Window, QColor(0xf6, 0xf5, 0xf4));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x24, 0x24, 0x24));
    struct Case
    {
        const char* name;
        QString desktop;
        std::optional<QColor> plasma;
        QPalette palette;
        Appearance expected;
    };
    const Case cases[] = {
        {"GNOME's top bar is dark under a light theme", "GNOME", std::nullopt, light, Appearance::dark},
        {"Ubuntu's session names GNOME second", "ubuntu:GNOME", std::nullopt, light, Appearance::dark},
        {"Plasma with a dark colour scheme", "KDE", QColor(0x31, 0x36, 0x3b), light, Appearance::dark},
        {"Plasma with a light colour scheme", "KDE", QColor(0xde, 0xe0, 0xe2), dark, Appearance::light},
        {"Plasma without a colour scheme file", "KDE", std::nullopt, dark, Appearance::dark},
        {"Xfce follows the theme", "XFCE", std::nullopt, light, Appearance::light},
        {"no desktop named", "", std::nullopt, dark, Appearance::dark},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PanelAppearance::of(c.desktop, c.plasma, c.palette), c.expected) << c.name;
}

TEST(TrayItemTest, DrawsTheRingAtEverySizeInThePanelsInkAndTheTimeInTheTooltip)
{
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    QTemporaryDir dir;
    Settings settings(dir.filePath("Horavane.conf"));
    settings.setShowsTimeInTray(true);
    FakeClock clock;
    Platform platform;
    platform.clock = &clock;
    auto store = Store::open(dir.filePath("usage.sqlite"));
    store->add({UsageRow{Day::string(clock.now(), clock.timeZone()), ItemKey{ItemKind::app, "a"}, "A", 3900}});
    Tracker tracker(Tracker::Sampling::whenTold, platform, settings, std::move(store));
    TrayItem tray(tracker, settings);
    qunsetenv("XDG_CURRENT_DESKTOP");

    EXPECT_EQ(tray.toolTip(), "Horavane — 1h 5m");
    for (const int pixels : TrayItem::sizes) {
        const QImage image = tray.icon().pixmap(QSize(pixels, pixels)).toImage();
        EXPECT_EQ(image.size(), QSize(pixels, pixels)) << "drawn at " << pixels << ", not resampled";
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 200) {
                    ++inked;
                    EXPECT_GT(qGray(image.pixel(x, y)), 200) << "light ink on GNOME's dark bar";
                }
        EXPECT_GT(inked, pixels) << pixels;
    }
}
