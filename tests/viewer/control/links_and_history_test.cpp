// The viewer's history of the places it showed.
#include "control/links_and_history.h"

#include <gtest/gtest.h>

using namespace zorvel;

TEST(ViewerHistory, KeepsThePlacesLeftNewestFirstWithinItsLimit) {
    const THistoryItem a{QStringLiteral("/a.htm"), {0, 0}};
    const THistoryItem a2{QStringLiteral("/a.htm"), {3, 5}};
    const THistoryItem b{QStringLiteral("/b.htm"), {0, 0}};
    const THistoryItem c{QStringLiteral("/c.htm"), {1, 0}};
    TViewerHistory history;
    EXPECT_FALSE(history.Add(a, a, 5)) << "nothing moved";
    EXPECT_FALSE(history.Add({QString(), {}}, a, 5)) << "nothing shown before";
    EXPECT_FALSE(history.Add(a, b, 0)) << "no history kept";
    ASSERT_TRUE(history.Add(a, b, 5));
    EXPECT_EQ(history.Items(), (std::vector<THistoryItem>{b, a}));
    // Leaving b for a place further down a: b's entry takes the position it was left at.
    const THistoryItem bLeft{QStringLiteral("/b.htm"), {2, 7}};
    ASSERT_TRUE(history.Add(bLeft, a2, 5));
    EXPECT_EQ(history.Items(), (std::vector<THistoryItem>{a2, bLeft, a}));
    ASSERT_TRUE(history.Add(a2, c, 2));
    EXPECT_EQ(history.Items(), (std::vector<THistoryItem>{c, a2}));
    EXPECT_EQ(history.Index(), 0);
    EXPECT_TRUE(history.Clear());
    EXPECT_EQ(history.Count(), 0);
}

TEST(ViewerHistory, BackAndForwardMoveThroughThePlacesKeepingWhereEachWasLeft) {
    const THistoryItem a{QStringLiteral("/a.htm"), {0, 0}};
    const THistoryItem b{QStringLiteral("/b.htm"), {0, 0}};
    const THistoryItem bScrolled{QStringLiteral("/b.htm"), {4, 2}};
    const THistoryItem c{QStringLiteral("/c.htm"), {0, 0}};
    TViewerHistory history;
    EXPECT_FALSE(history.CanGoBack());
    EXPECT_FALSE(history.MoveTo(1, a));
    history.Add(a, b, 5);
    EXPECT_TRUE(history.CanGoBack());
    EXPECT_FALSE(history.CanGoForward());
    EXPECT_EQ(history.MoveTo(1, bScrolled), a);
    EXPECT_FALSE(history.CanGoBack());
    EXPECT_TRUE(history.CanGoForward());
    EXPECT_EQ(history.MoveTo(0, a), bScrolled) << "forward to where b was left";
    EXPECT_FALSE(history.MoveTo(0, bScrolled)) << "already there";
    // A new way from a place gone back to drops the places ahead of it.
    history.MoveTo(1, bScrolled);
    history.Add(a, c, 5);
    EXPECT_EQ(history.Items(), (std::vector<THistoryItem>{c, a}));
    EXPECT_FALSE(history.CanGoForward());
}
