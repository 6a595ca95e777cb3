// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FooterRow.h"
#include "HistoryFixture.h"
#include "HistoryView.h"
#include "PopoverFixture.h"
#include "PopoverView.h"
#include "SettingsFixture.h"
#include "WelcomeFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTranslator>
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

// In English, German and French; each window's tabs too.
TEST(Windows, NoTextIsClippedAtTheDefaultAndALargerFontInEachLanguage)
{
    for (const char* language : {"en", "de", "fr"}) {
        QTranslator translation;
        ASSERT_TRUE(translation.load(QStringLiteral(":/translations/horavane_%1.qm").arg(QLatin1String(language))));
        QApplication::installTranslator(&translation);
        for (const auto& entry : windows)
            for (qreal factor : {1.0, 1.5}) {
                const ScaledFont font(factor);
                entry.open([&](QWidget& view) {
                    auto* tabs = view.findChild<QTabWidget*>();
                    for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
                        if (tabs)
                            tabs->setCurrentIndex(tab);
                        QApplication::processEvents(); // the layouts settle
                        EXPECT_EQ(clippedTexts(view), QStringList())
                            << language << ", " << entry.window << " tab " << tab << " at " << factor << "x";
                    }
                });
            }
        QApplication::removeTranslator(&translation);
    }
}

// Every text a user reads or hears in the window: the accessible tree's names and descriptions (labels,
// buttons, drawn parts such as ring slices and chart days), the window's title, tooltips, placeholders and
// the items of closed lists.
QStringList shownTexts(QWidget& window)
{
    QStringList texts{window.windowTitle()};
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || node->state().invisible)
            return;
        texts << node->text(QAccessible::Name) << node->text(QAccessible::Description);
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(&window));
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        texts << widget->toolTip();
        if (const auto* line = qobject_cast<QLineEdit*>(widget))
            texts << line->placeholderText();
        if (const auto* list = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
    }
    texts.removeAll(QString());
    return texts;
}

// What is left of a text once its translated parts (between ‹ and ›), markup and the data it shows (names of
// applications and computers, folders, numbers, the locale's day and month names) are taken out: words that
// escaped translation.
QString untranslatedPart(QString text, const QStringList& data)
{
    static const QRegularExpression translated(QStringLiteral("\\x{2039}[^\\x{2039}\\x{203a}]*\\x{203a}"));
    static const QRegularExpression markup(QStringLiteral("<[^>]*>|&\\w+;"));
    static const QRegularExpression folder(QStringLiteral("(^|\\s)[~/]\\S*"));
    text.remove(markup);
    text.remove(folder);
    while (text.contains(translated))
        text.remove(translated);
    for (const QString& shown : data)
        text.remove(shown);
    text.remove(QRegularExpression(QStringLiteral("[^\\p{L}]")));
    return text;
}

// The sample data the windows show, Horavane's own name (the version beside it) and the locale's names for days,
// months and times of day.
QStringList dataTexts()
{
    QStringList data{QStringLiteral("Text Editor"), QStringLiteral("Terminal"), QStringLiteral("Editor"),
                     QStringLiteral("Desk"),        QStringLiteral("example"),  QStringLiteral("org"),
                     QStringLiteral("Horavane")};
    const QLocale locale;
    for (int i = 1; i <= 12; ++i)
        for (auto format : {QLocale::LongFormat, QLocale::ShortFormat})
            data << locale.monthName(i, format) << locale.standaloneMonthName(i, format);
    for (int i = 1; i <= 7; ++i)
        for (auto format : {QLocale::LongFormat, QLocale::ShortFormat, QLocale::NarrowFormat})
            data << locale.dayName(i, format) << locale.standaloneDayName(i, format);
    data << locale.amText() << locale.pmText();
    // Longest first, so that "Text Editor" goes before "Editor" can split it.
    std::sort(data.begin(), data.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return data;
}

// Every window, and each of the settings' tabs, in a pseudo-language made from the translation files at build
// time: each text within ‹ › and a third longer. A text without the markers escaped translation; a text cut
// off is one a longer language (German) would lose.
TEST(Windows, EveryTextIsTranslatedAndFitsInALongerLanguage)
{
    QTranslator pseudo;
    ASSERT_TRUE(pseudo.load(QStringLiteral(HORAVANE_PSEUDO_QM)));
    QApplication::installTranslator(&pseudo);
    const QStringList data = dataTexts();
    const auto check = [&](QWidget& window, const QString& name) {
        QApplication::processEvents(); // the layouts settle
        EXPECT_EQ(clippedTexts(window), QStringList()) << name.toStdString();
        QStringList escaped;
        for (const QString& text : shownTexts(window))
            if (!untranslatedPart(text, data).isEmpty() && !escaped.contains(text))
                escaped << text;
        EXPECT_EQ(escaped, QStringList()) << name.toStdString();
    };
    for (const auto& entry : windows)
        entry.open([&](QWidget& window) {
            auto* tabs = window.findChild<QTabWidget*>();
            for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
                if (tabs)
                    tabs->setCurrentIndex(tab);
                check(window, QStringLiteral("%1, tab %2").arg(QLatin1String(entry.window)).arg(tab));
            }
        });
    QApplication::removeTranslator(&pseudo);
}

} // namespace
