// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CSV.h"

#include <gtest/gtest.h>

namespace {

struct FieldCase
{
    const char* name;
    QString input;
    QString expected;
};

class CSVField : public ::testing::TestWithParam<FieldCase>
{
};

TEST_P(CSVField, EscapesOnlyWhatASpreadsheetWouldSplit)
{
    EXPECT_EQ(CSV::field(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CSVField,
    ::testing::Values(FieldCase{"plain", QStringLiteral("Safari"), QStringLiteral("Safari")},
                      FieldCase{"empty", QString(), QString()},
                      FieldCase{"blanksKept", QStringLiteral("  Mail  "), QStringLiteral("  Mail  ")},
                      FieldCase{"comma", QStringLiteral("Foo, Inc."), QStringLiteral("\"Foo, Inc.\"")},
                      FieldCase{"quote", QStringLiteral("The \"Best\" App"),
                                QStringLiteral("\"The \"\"Best\"\" App\"")},
                      FieldCase{"onlyQuote", QStringLiteral("\""), QStringLiteral("\"\"\"\"")},
                      FieldCase{"lineFeed", QStringLiteral("two\nlines"), QStringLiteral("\"two\nlines\"")},
                      FieldCase{"crLfKeptWhole", QStringLiteral("a\r\nb"), QStringLiteral("\"a\r\nb\"")},
                      FieldCase{"verticalTab", QStringLiteral("a\vb"), QStringLiteral("\"a\vb\"")},
                      FieldCase{"formFeed", QStringLiteral("a\fb"), QStringLiteral("\"a\fb\"")},
                      FieldCase{"nextLine", QStringLiteral("a\u0085b"), QStringLiteral("\"a\u0085b\"")},
                      FieldCase{"lineSeparator", QStringLiteral("a\u2028b"), QStringLiteral("\"a\u2028b\"")},
                      FieldCase{"paragraphSeparator", QStringLiteral("a\u2029b"), QStringLiteral("\"a\u2029b\"")},
                      FieldCase{"tabIsNotABreak", QStringLiteral("a\tb"), QStringLiteral("a\tb")},
                      FieldCase{"semicolon", QStringLiteral("a;b"), QStringLiteral("a;b")},
                      FieldCase{"emojiUnchanged", QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467 Family"),
                                QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467 Family")},
                      // A reader splits at the comma scalar even when an accent makes it part of one character.
                      FieldCase{"commaWithAccent", QStringLiteral("a,\u0301b"), QStringLiteral("\"a,\u0301b\"")},
                      FieldCase{"quoteWithAccent", QStringLiteral("a\"\u0301b"), QStringLiteral("\"a\"\"\u0301b\"")},
                      FieldCase{"prependedComma", QStringLiteral("\u0600,"), QStringLiteral("\"\u0600,\"")}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

UsageRow row(const char* day, ItemKind kind, const char* id, const char* name, double seconds)
{
    return UsageRow{QString::fromUtf8(day), ItemKey{kind, QString::fromUtf8(id)}, QString::fromUtf8(name), seconds};
}

TEST(CSVExport, EmptyHistoryIsTheHeaderAndALineFeed)
{
    EXPECT_EQ(CSV::exportRows({}), QStringLiteral("Date,Type,Name,Identifier,Seconds\n"));
}

TEST(CSVExport, WritesOneLinePerRowInTheGivenOrder)
{
    const QList<UsageRow> rows = {
        row("2025-03-01", ItemKind::app, "com.apple.Safari", "Safari", 120),
        row("2025-03-01", ItemKind::site, "example.com", "example.com", 60.2),
        row("2025-02-28", ItemKind::app, "org.acme.Tool", "Acme, \"Pro\"", 5),
    };
    EXPECT_EQ(CSV::exportRows(rows), QStringLiteral("Date,Type,Name,Identifier,Seconds\n"
                                                    "2025-03-01,App,Safari,com.apple.Safari,120\n"
                                                    "2025-03-01,Website,example.com,example.com,60\n"
                                                    "2025-02-28,App,\"Acme, \"\"Pro\"\"\",org.acme.Tool,5\n"));
}

TEST(CSVExport, IdentifierIsEscapedToo)
{
    const QString text = CSV::exportRows({row("2025-03-01", ItemKind::app, "Tool, the", "Tool", 1)});
    EXPECT_TRUE(text.endsWith(QStringLiteral(",Tool,\"Tool, the\",1\n")));
}

struct SecondsCase
{
    const char* name;
    double seconds;
    const char* expected;
};

class CSVSeconds : public ::testing::TestWithParam<SecondsCase>
{
};

TEST_P(CSVSeconds, RoundsHalvesAwayFromZero)
{
    const QString text = CSV::exportRows({row("2025-03-01", ItemKind::app, "a", "a", GetParam().seconds)});
    EXPECT_EQ(text.section(QLatin1Char(','), -1).chopped(1), QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CSVSeconds,
    ::testing::Values(SecondsCase{"half", 59.5, "60"}, SecondsCase{"belowHalf", 0.4, "0"}, SecondsCase{"zero", 0, "0"},
                      SecondsCase{"evenHalf", 2.5, "3"}, SecondsCase{"negativeHalf", -2.5, "-3"},
                      SecondsCase{"tinyNegative", -0.4, "0"}, SecondsCase{"longDay", 86399.6, "86400"},
                      SecondsCase{"noGrouping", 1234567.0, "1234567"}),
    [](const ::testing::TestParamInfo<SecondsCase>& info) { return std::string(info.param.name); });

TEST(CSVExport, NoCarriageReturnOrByteOrderMarkOfItsOwn)
{
    const QByteArray utf8 = CSV::exportRows({row("2025-03-01", ItemKind::app, "a", "Zoë", 3)}).toUtf8();
    EXPECT_FALSE(utf8.startsWith("\xEF\xBB\xBF"));
    EXPECT_FALSE(utf8.contains('\r'));
    EXPECT_TRUE(utf8.contains("Zo\xC3\xAB"));
}

} // namespace
