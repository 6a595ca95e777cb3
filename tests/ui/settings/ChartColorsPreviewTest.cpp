// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChartColorsPreview.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

QList<std::pair<int, double>> sharesOf(const QList<ChartColorsPreview::Piece>& pieces)
{
    QList<std::pair<int, double>> shares;
    for (const ChartColorsPreview::Piece& piece : pieces)
        shares.append({piece.id, piece.share});
    return shares;
}

TEST(ChartColorsPreviewTest, ThreeColoursLeaveAGreyRestOf42)
{
    const QList<ChartColorsPreview::Piece> pieces = ChartColorsPreview::pieces(3);
    EXPECT_EQ(sharesOf(pieces), (QList<std::pair<int, double>>{{0, 26}, {1, 18}, {2, 14}, {-1, 42}}));
    EXPECT_EQ(pieces[0].color, Palette::slices()[0]);
    EXPECT_EQ(pieces[2].color, Palette::slices()[2]);
    EXPECT_EQ(pieces.last().color, Palette::other());
}

TEST(ChartColorsPreviewTest, EightColoursLeaveAGreyRestOf4)
{
    const QList<ChartColorsPreview::Piece> pieces = ChartColorsPreview::pieces(8);
    ASSERT_EQ(pieces.size(), 9);
    EXPECT_EQ(pieces.last().share, 4);
    EXPECT_EQ(pieces[7].color, Palette::slices()[7]);
    EXPECT_EQ(ChartColorsPreview::pieces(12), pieces);
}

TEST(ChartColorsPreviewTest, ACountChangeSpringsToTheNewSharesAndIsDescribed)
{
    ChartColorsPreview preview(8);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    preview.setCount(3);
    EXPECT_TRUE(preview.isAnimating());
    EXPECT_EQ(preview.ring()->accessibleName(), QStringLiteral("Chart with 3 colours"));
    EXPECT_EQ(preview.trayIcon()->accessibleName(), QStringLiteral("Menu bar icon with 3 colours"));
    QTRY_VERIFY_WITH_TIMEOUT(!preview.isAnimating(), 30000);
    const QList<double> drawn = preview.drawnShares();
    const QList<double> expected{26, 18, 14, 0, 0, 0, 0, 0, 42};
    ASSERT_EQ(drawn.size(), expected.size());
    for (qsizetype i = 0; i < drawn.size(); ++i)
        EXPECT_NEAR(drawn[i], expected[i], 0.01) << i;
    EXPECT_EQ(preview.ring()->size(), QSize(52, 52));
    EXPECT_EQ(preview.trayIcon()->size(), QSize(44, 24));
}

} // namespace
