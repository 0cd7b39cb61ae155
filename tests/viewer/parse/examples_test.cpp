// Our own sample pages, parsed from their files and inspected.
#include "parse/parse_helper.h"

using namespace zorvel;
using zorvel::testing::cellText;

namespace {

struct FilePage {
    FixedMetricsCanvas canvas;
    TSectionList list{canvas};
    TNameList names;
    TParseStrings strings;

    explicit FilePage(const char* name) {
        HtmlParseFile(list, names, QStringLiteral(ZORVEL_EXAMPLES_DIR "/") + QLatin1String(name), strings);
    }
    // Non-empty text sections anywhere in the document, tables included.
    std::vector<const TSection*> allTexts() const {
        std::vector<const TSection*> out;
        collect(list, out);
        return out;
    }
    const TSection* find(const QString& start) const {
        for (const TSection* t : allTexts())
            if (t->TextBuffer().startsWith(start))
                return t;
        return nullptr;
    }

private:
    static void collect(const TCell& cell, std::vector<const TSection*>& out) {
        for (const auto& s : cell) {
            if (const auto* t = dynamic_cast<const TSection*>(s.get()); t && !t->TextBuffer().isEmpty())
                out.push_back(t);
            if (const auto* table = dynamic_cast<const ThtmlTable*>(s.get())) {
                collect(*table->Caption->Cell, out);
                for (const auto& row : table->Rows)
                    for (const auto& c : *row)
                        collect(*c->Cell, out);
            }
        }
    }
};

} // namespace

TEST(Examples, GardenTour) {
    const FilePage page("tour.htm");
    EXPECT_EQ(page.strings.Title, "Marta's Garden Notes");
    EXPECT_EQ(page.strings.Base, "file:///home/marta/garden/");
    EXPECT_EQ(page.list.Background, QColor(0xFF, 0xFF, 0xF0));
    EXPECT_EQ(page.list.HotSpotColor, QColor(0, 0x80, 0));
    ASSERT_EQ(page.names.Count(), 3);
    EXPECT_EQ(page.names.Find("SPRING"), page.find("Spring"));
    EXPECT_EQ(page.names.Find("SUMMER"), page.find("Summer"));

    const TSection* heading = page.find("Marta's Garden Notes");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->Justify, Justification::Center);
    EXPECT_EQ(heading->Fonts.Item(0)->RunFont().NormalSize, 24);
    EXPECT_TRUE(heading->Fonts.Item(0)->RunFont().bold);

    const TSection* picture = page.find(QString(QChar(kImageChar)));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Images().Item(0)->Source, "images/greenhouse.jpg");
    EXPECT_EQ(picture->Images().Item(0)->Alt, "The greenhouse in May");

    const TSection* welcome = page.find("Welcome!");
    ASSERT_NE(welcome, nullptr);
    EXPECT_TRUE(welcome->TextBuffer().contains(u"what went in, what came up")); // the comment and line ends vanish
    QStringList links;
    for (const auto& f : welcome->Fonts)
        if (!f->LinkURL.isEmpty())
            links << f->LinkURL.toString();
    EXPECT_EQ(links, (QStringList{"#spring", "#summer", "tools.htm"}));

    QStringList list;
    for (const TSection* t : page.allTexts())
        if (t->ListType != ListKind::Plain)
            list << QStringLiteral("%1%2")
                        .arg(t->ListType == ListKind::Ordered ? QString::number(t->ListNumber) : "*")
                        .arg(t->Level);
    EXPECT_EQ(list, (QStringList{"*1", "*1", "*1", "11", "21", "31"}));
    EXPECT_EQ(page.find("Onion sets")->TextBuffer().toString(), "Onion sets & shallots ");
    EXPECT_EQ(page.find("Water early")->TextBuffer().toString(),
              QString("Water early, before 8") + QChar(160) + "am. ");
    EXPECT_EQ(page.find("Photos by Tom")->Justify, Justification::Right);
    EXPECT_EQ(page.find("Photos by Tom")->Fonts.Item(0)->RunFont().NormalSize, 10);
    EXPECT_EQ(page.find("\"A garden")->Level, 1);
    EXPECT_TRUE(page.find("Marta Kowalczyk")->Fonts.Item(0)->RunFont().italic);
}

TEST(Examples, SoupRecipes) {
    const FilePage page("recipes.htm");
    QStringList dl;
    for (const TSection* t : page.allTexts())
        if (t->ListType == ListKind::Definition)
            dl << QStringLiteral("%1 %2").arg(t->Level).arg(t->TextBuffer().left(6));
    EXPECT_EQ(dl, (QStringList{"0 Leek a", "1 3 leek", "0 Tomato", "1 1" + QString(QChar(160)) + "kg r", "0 Lentil",
                               "1 250" + QString(QChar(160)) + "g "}));
    EXPECT_EQ(page.find("Red lentils")->Level, 2);
    EXPECT_EQ(page.find("Simmer 20")->ListNumber, 3);
    QStringList pre;
    for (const auto& s : page.list)
        if (const auto* p = dynamic_cast<const TPreFormated*>(s.get()))
            pre << p->TextBuffer().toString();
    EXPECT_EQ(pre, (QStringList{" ", "Step        Minutes", "----        -------", "Onion          5",
                                "Simmer        20", "Total         25", ""}));
    const TSection* water = page.find("Recipe text");
    EXPECT_TRUE(water->TextBuffer().startsWith(QString("Recipe text ") + QChar(169)));
    int sub = -1, sup = -1;
    for (const auto& f : water->Fonts) {
        if (f->ScriptPosition == ScriptShift::Sub)
            sub = f->Pos;
        if (f->ScriptPosition == ScriptShift::Super)
            sup = f->Pos;
    }
    EXPECT_EQ(water->TextBuffer().mid(sub, 1).toString(), "2");
    EXPECT_EQ(water->TextBuffer().mid(sup, 1).toString(), "3");
}

TEST(Examples, PriceListTables) {
    const FilePage page("price_list.htm");
    std::vector<const ThtmlTable*> tables;
    for (const auto& s : page.list)
        if (const auto* t = dynamic_cast<const ThtmlTable*>(s.get()))
            tables.push_back(t);
    ASSERT_EQ(tables.size(), 2u);
    const ThtmlTable& prices = *tables[0];
    EXPECT_TRUE(prices.Border);
    EXPECT_EQ(prices.WidthPercent, 90);
    EXPECT_EQ(prices.Justify, Justification::Center);
    EXPECT_FALSE(prices.TopCaption);
    EXPECT_EQ(cellText(*prices.Caption->Cell), "Prices include parts unless marked *");
    ASSERT_EQ(prices.Rows.Count(), 4);
    QStringList grid;
    for (const auto& row : prices.Rows) {
        QStringList cells;
        for (const auto& c : *row)
            cells << QStringLiteral("%1(%2x%3)").arg(cellText(*c->Cell)).arg(c->ColSpan).arg(c->RowSpan);
        grid << cells.join(" | ");
    }
    EXPECT_EQ(grid, (QStringList{"Job(1x1) | Price(2x1)", "Puncture repair(1x1) | 4.50(1x1) | per wheel(1x2)",
                                 "New tube *(1x1) | 7.00(1x1)", "Full service(1x1) | 35.00(1x1) | offer!(1x1)"}));
    const TSection* offer = page.find("offer!");
    EXPECT_EQ(offer->Fonts.Item(0)->RunFont().color, QColor(Qt::red));
    EXPECT_EQ(page.find("4.50")->Justify, Justification::Center);
    EXPECT_EQ(page.find("Puncture")->Justify, Justification::Left);

    const ThtmlTable& hours = *tables[1];
    const TCell& saturday = *hours.Rows.Item(1)->Item(1)->Cell;
    bool nested = false;
    for (const auto& s : saturday)
        nested = nested || dynamic_cast<const ThtmlTable*>(s.get()) != nullptr;
    EXPECT_TRUE(nested);
    EXPECT_EQ(page.find("Mon")->TextBuffer().toString(), QString::fromUtf8("Mon\u2013Fri"));
}

TEST(Examples, FeedbackForm) {
    const FilePage page("feedback.htm");
    ASSERT_EQ(page.list.FormList.Count(), 2);
    const ThtmlForm& form = *page.list.FormList.Item(0);
    EXPECT_EQ(form.Method, "Post");
    EXPECT_EQ(form.ControlList.Count(), 11);
    EXPECT_EQ(form.VisibleCount, 10);
    const auto* source = dynamic_cast<const TComboFormControlObj*>(form.ControlList.Item(3));
    ASSERT_NE(source, nullptr);
    ASSERT_EQ(source->OptionList.size(), 3u);
    EXPECT_EQ(source->OptionList[1].first, "A friend");
    EXPECT_TRUE(source->OptionList[1].second.Selected);
    const auto* topics = dynamic_cast<const TListBoxFormControlObj*>(form.ControlList.Item(4));
    EXPECT_TRUE(topics->Multiple);
    EXPECT_EQ(topics->VisibleRows, 3);
    const auto* comments = dynamic_cast<const TTextAreaFormControlObj*>(form.ControlList.Item(8));
    ASSERT_NE(comments, nullptr);
    EXPECT_EQ(comments->InitialText, (QStringList{"", "Dear shop,", "", "I liked & disliked..."}));
    const TSection* radios = page.find(QString(QChar(kControlChar)) + " by mail");
    ASSERT_NE(radios, nullptr);
    ASSERT_EQ(radios->FormControls().size(), 2u);
    EXPECT_EQ(radios->FormControls()[1]->Pos, 10);
    EXPECT_EQ(page.list.FormList.Item(1)->Action, "/search");
}

TEST(Examples, Latin1PageIsDecoded) {
    const FilePage page("cafe_latin1.htm");
    EXPECT_EQ(page.strings.Title, QString::fromUtf8("Caf\xC3\xA9 M\xC3\xBCller"));
    EXPECT_EQ(page.find("Kuchen")->TextBuffer().toString(),
              QString::fromUtf8("Kuchen & Torten, t\xC3\xA4glich frisch. \xC3\x9C"
                                "ber 30 Sorten! "));
    EXPECT_TRUE(page.find("Preise")->TextBuffer().contains(QString::fromUtf8("\u20AC \xC2\xBD St\xC3\xBC"
                                                                             "ck")));
}
