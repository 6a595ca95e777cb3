#include "FooterRow.h"
#include "HistoryFixture.h"
#include "HistoryView.h"
#include "PopoverFixture.h"
#include "PopoverView.h"
#include "SettingsFixture.h"
#include "WelcomeFixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

// What a push button needs for its text and icon, without the style's least width for short titles.
int pushButtonNeed(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    QSize contents = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    if (!button.icon().isNull())
        contents.rwidth() += button.iconSize().width() + 4;
    return button.style()->sizeFromContents(QStyle::CT_PushButton, &option, contents, &button).width();
}

// The texts of the window's visible labels and buttons that do not fit them or the window's width. Footer rows
// are left out: they elide their text by design, as the item rows and the ring's labels (drawn, not widgets) do.
QStringList clippedTexts(const QWidget& window)
{
    QStringList clipped;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || qobject_cast<const FooterRow*>(widget))
            continue;
        bool fits = true;
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
            if (label->wordWrap())
                fits = label->height() >= label->heightForWidth(label->width());
            else
                fits =
                    label->width() >= label->sizeHint().width() && label->height() >= label->minimumSizeHint().height();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text();
            const auto* push = qobject_cast<const QPushButton*>(button);
            fits = button->width() >= (push ? pushButtonNeed(*push) : button->sizeHint().width()) &&
                   button->height() >= button->fontMetrics().height();
        }
        // Nor may it run past the window's right edge (into a scroll area's hidden part).
        fits = fits && widget->mapTo(&window, QPoint(widget->width(), 0)).x() <= window.width();
        if (!fits && !text.isEmpty())
            clipped.append(QStringLiteral("%1 \"%2\" %3x%4")
                               .arg(widget->metaObject()->className(), text)
                               .arg(widget->width())
                               .arg(widget->height()));
    }
    return clipped;
}

// The application font grown by `factor`, until the object goes away.
struct ScaledFont
{
    explicit ScaledFont(qreal factor)
    {
        QFont font = before;
        if (font.pixelSize() > 0)
            font.setPixelSize(qRound(font.pixelSize() * factor));
        else
            font.setPointSizeF(font.pointSizeF() * factor);
        QApplication::setFont(font);
    }
    ~ScaledFont() { QApplication::setFont(before); }
    const QFont before = QApplication::font();
};

void expose(QWidget& window)
{
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
}

// Each window opened on the offscreen screen at its default size (the history window at its least), checked
// while it is open.
void checkPopover(const std::function<void(QWidget&)>& check)
{
    PopoverFixture fixture;
    fixture.start({{QStringLiteral("Text Editor"), 5400}, {QStringLiteral("Terminal"), 1800}});
    PopoverView view(*fixture.tracker, fixture.icons, fixture.settings, fixture.updates, fixture.fake.accessibility);
    expose(view);
    view.setShown(true);
    check(view);
}

void checkHistory(const std::function<void(QWidget&)>& check)
{
    HistoryFixture fixture;
    fixture.record(5, QStringLiteral("org.example.Editor"), 3600);
    fixture.record(4, QStringLiteral("org.example.Terminal"), 1200);
    HistoryView view(*fixture.tracker, fixture.icons, fixture.settings);
    view.resize(view.minimumSizeHint());
    expose(view);
    view.setShown(true);
    check(view);
}

void checkSettings(const std::function<void(QWidget&)>& check)
{
    SettingsFixture fixture;
    check(fixture.shown());
}

void checkWelcome(const std::function<void(QWidget&)>& check)
{
    WelcomeFixture fixture;
    check(fixture.open());
}

TEST(Windows, NoTextIsClippedAtTheDefaultAndALargerFont)
{
    const struct
    {
        const char* window;
        void (*open)(const std::function<void(QWidget&)>&);
    } windows[] = {
        {"popover", checkPopover},
        {"history", checkHistory},
        {"settings", checkSettings},
        {"welcome", checkWelcome},
    };
    for (const auto& entry : windows)
        for (qreal factor : {1.0, 1.5}) {
            const ScaledFont font(factor);
            entry.open([&](QWidget& view) {
                QApplication::processEvents(); // the layouts settle
                EXPECT_EQ(clippedTexts(view), QStringList()) << entry.window << " at " << factor << "x";
            });
        }
}

} // namespace
