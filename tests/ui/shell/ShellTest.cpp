// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppPresence.h"
#include "PanelAppearance.h"
#include "PanelTone.h"
#include "PopupWindow.h"
#include "StatusItem.h"
#include "TrackerFixture.h"
#include "TrayItem.h"
#include "WindowKeys.h"
#include "WindowVisibilityReader.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
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

TEST(PanelAppearanceTest, TheDesktopsWordWinsAndAGuessGetsAHalo)
{
    QPalette light;
    light.setColor(QPalette::Window, QColor(0xf6, 0xf5, 0xf4));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x24, 0x24, 0x24));
    using PanelAppearance::Panel;
    EXPECT_EQ(PanelAppearance::of(true, light), (Panel{Appearance::dark, true}));
    EXPECT_EQ(PanelAppearance::of(false, dark), (Panel{Appearance::light, true}));
    EXPECT_EQ(PanelAppearance::of(std::nullopt, dark), (Panel{Appearance::dark, false}));
    EXPECT_FALSE(PanelAppearance::halo({Appearance::dark, true}).isValid());
    EXPECT_EQ(PanelAppearance::halo({Appearance::light, false}).lightness(), 255) << "a light halo for black ink";
}

TEST(TrayItemTest, DrawsTheRingAtEverySizeInThePanelsInkAndTheTimeInTheTooltip)
{
    struct DarkPanel : PanelTone
    {
        std::optional<bool> isDark() const override { return true; }
    } panel;
    TrackerFixture models;
    models.settings.setShowsTimeInTray(true);
    models.start({{"A", 3900}});
    TrayItem tray(*models.tracker, models.settings, nullptr, &panel);

    EXPECT_EQ(tray.toolTip(), "Horavane — 1h 5m");
    for (const int pixels : TrayItem::sizes) {
        const QImage image = tray.icon().pixmap(QSize(pixels, pixels)).toImage();
        EXPECT_EQ(image.size(), QSize(pixels, pixels)) << "drawn at " << pixels << ", not resampled";
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 200) {
                    ++inked;
                    EXPECT_GT(qGray(image.pixel(x, y)), 200) << "light ink on a dark panel";
                }
        EXPECT_GT(inked, pixels) << pixels;
    }
}

namespace {

// A panel's item that keeps what the tray item gives it.
class FakeStatusItem final : public StatusItem
{
public:
    void setIcons(const QList<Pixmap>& pixmaps) override { icons = pixmaps; }
    void setLabel(const QString&) override {}
    void setToolTip(const QString&, const QString&) override {}
    void setMenu(const QStringList& list) override { titles = list; }
    bool isShown() const override { return true; }
    bool panelIsDark() const override { return dark; }

    QList<Pixmap> icons;
    QStringList titles;
    bool dark = false;
};

} // namespace

TEST(TrayItemTest, TheItemsMenuAsksForEachCommandAndItsInkFollowsTheHostsPanel)
{
    TrackerFixture models;
    models.start({});
    FakeStatusItem item;
    struct LightPanel : PanelTone
    {
        std::optional<bool> isDark() const override { return false; }
    } panel;
    TrayItem tray(*models.tracker, models.settings, &item, &panel);
    EXPECT_EQ(item.titles, (QStringList{"Show History", "Settings…", "", "Quit Horavane"}));

    QSignalSpy history(&tray, &TrayItem::historyRequested);
    QSignalSpy settingsWindow(&tray, &TrayItem::settingsRequested);
    QSignalSpy quit(&tray, &TrayItem::quitRequested);
    const struct
    {
        int index;
        QList<int> counts; // history, settings, quit
    } choices[] = {{0, {1, 0, 0}}, {1, {1, 1, 0}}, {2, {1, 1, 0}}, {3, {1, 1, 1}}, {7, {1, 1, 1}}};
    for (const auto& choice : choices) {
        emit item.menuChosen(choice.index);
        EXPECT_EQ((QList<int>{int(history.size()), int(settingsWindow.size()), int(quit.size())}), choice.counts)
            << choice.index;
    }

    // The desktop says its panel is light, so only a host known to be dark gets light ink.
    for (const bool dark : {false, true}) {
        item.dark = dark;
        emit item.hostChanged();
        const StatusItem::Pixmap& icon = item.icons.constLast();
        int light = 0, inked = 0;
        for (int i = 0; i < icon.argb.size(); i += 4) {
            if (uchar(icon.argb[i]) > 200) { // alpha first, in network byte order
                ++inked;
                light += uchar(icon.argb[i + 1]) > 200;
            }
        }
        EXPECT_GT(inked, 0);
        EXPECT_EQ(light, dark ? inked : 0) << "dark panel: " << dark;
    }
}

TEST(WindowKeysTest, EscapeAndCtrlWCloseReturnPressesTheFocusedButton)
{
    struct Case
    {
        const char* name;
        QKeySequence keys;
        bool onButton;
        bool closes;
        int clicks;
    };
    const Case cases[] = {
        {"Escape closes", QKeySequence(Qt::Key_Escape), true, true, 0},
        {"Ctrl+W closes", QKeySequence(Qt::CTRL | Qt::Key_W), false, true, 0},
        {"Return presses the focused button", QKeySequence(Qt::Key_Return), true, false, 1},
        {"Enter too", QKeySequence(Qt::Key_Enter), true, false, 1},
        {"Return on a check box does not toggle it", QKeySequence(Qt::Key_Return), false, false, 0},
    };
    for (const Case& c : cases) {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* button = new QPushButton(QStringLiteral("Allow…"));
        auto* box = new QCheckBox(QStringLiteral("Open at Login"));
        layout->addWidget(button);
        layout->addWidget(box);
        WindowKeys::install(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QWidget* focus = c.onButton ? static_cast<QWidget*>(button) : box;
        focus->setFocus();
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::keySequence(focus, c.keys);
        EXPECT_EQ(window.isVisible(), !c.closes) << c.name;
        EXPECT_EQ(clicked.count(), c.clicks) << c.name;
        EXPECT_FALSE(box->isChecked()) << c.name;
    }
}
