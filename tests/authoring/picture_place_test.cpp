// Naming a picture as the page finds it, and where browsing for one starts.
#include "picture_place.h"

#include <gtest/gtest.h>

using namespace zorvel;

TEST(PicturePlace, APictureIsNamedRelativeInsideThePagesFolderAndAbsoluteElsewhere) {
    const struct {
        const char* picture;
        const char* page;
        const char* name;
    } cases[] = {
        {"/site/garden.png", "/site/index.htm", "garden.png"},
        {"/site/img/a b.gif", "/site/index.htm", "img/a b.gif"},
        {"/site/img/../garden.png", "/site/index.htm", "garden.png"},
        {"/other/garden.png", "/site/index.htm", "/other/garden.png"},
        {"/site2/garden.png", "/site/index.htm", "/site2/garden.png"}, // a name that only starts alike
        {"/garden.png", "/site/index.htm", "/garden.png"},
        {"/site/garden.png", "", "/site/garden.png"}, // an untitled page finds absolute names only
        {"", "/site/index.htm", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pictureName(c.picture, c.page), c.name) << c.picture << " in " << c.page;
}

TEST(PicturePlace, BrowsingStartsInThePagesFolderOrWhereTheLastPictureWas) {
    const struct {
        const char* page;
        const char* last;
        const char* start;
    } cases[] = {
        {"/site/index.htm", "", "/site"},
        {"/site/index.htm", "/site/img/", "/site/img/"},
        {"/site/index.htm", "/elsewhere/", "/site"}, // another site's pictures
        {"", "/elsewhere/", "/elsewhere/"},
        {"", "", "/opt/zorvel/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pictureBrowseFolder({c.page, c.last, "/opt/zorvel/", {}}), c.start) << c.page << " " << c.last;
}
