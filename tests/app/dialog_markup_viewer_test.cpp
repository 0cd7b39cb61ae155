// What the authoring dialogs write, read by our viewer: a typed value holding
// every character that could end a value or a tag comes back whole (the
// viewer reads the character references the dialogs write, as browsers do),
// and the page around it is untouched.
#include "background_text.h"
#include "canvas/fixed_canvas.h"
#include "form_text.h"
#include "image_tag.h"
#include "links.h"
#include "markup.h"
#include "model/form_controls.h"
#include "parse/html_parse.h"

#include <gtest/gtest.h>

using namespace zorvel;

namespace {

const QString kTyped = QStringLiteral("a&b\"c<d>e");

struct Page {
    FixedMetricsCanvas canvas;
    TSectionList list{canvas};
    TNameList names;
    TParseStrings strings;
    explicit Page(const QString& html) { HtmlParseBuffer(list, names, html, strings); }
    QString text() const {
        QString all;
        for (const auto& s : list)
            if (const auto* t = dynamic_cast<const TSection*>(s.get()))
                all += t->TextBuffer().toString() + QLatin1Char('|');
        return all;
    }
};

} // namespace

TEST(DialogMarkupInTheViewer, EveryTypedValueComesBackWholeAndThePageAroundItStays) {
    using P = FormPage;
    const auto form = [](FormFields f) { return makeFormText(f).text; };
    // Text typed where the text area leaves the caret.
    const Insertion area = makeFormText({.page = P::MultilineText, .multiLineName = kTyped, .multiLineCols = "40"});
    const QString controls =
        form({.page = P::SingleText, .singleName = kTyped, .singleSize = "30", .singleMemo = "Name:"}) + "<BR>" +
        area.text.left(area.caret) + "Dear shop," + area.text.mid(area.caret) +
        form({.page = P::RadioButtons, .radioName = "r", .radioValue = kTyped, .radioMemo = "radio"}) +
        form({.page = P::CheckBoxes, .checkBoxName = kTyped, .checkBoxMemo = "check"}) +
        form({.page = P::Selections, .selectionName = kTyped, .selectionList = {kTyped, "two"}}) +
        form({.page = P::Buttons, .submit = true, .buttonMemo = kTyped});
    QString formText = form({.page = P::Skeleton, .scriptName = kTyped});
    formText.replace("\r\n\r\n\r\n", "\r\n" + controls + "\r\n");
    ImageFields image;
    image.fileName = kTyped;
    image.top = true;
    const QString html = "<BODY" + makeBackgroundText({.imageName = kTyped}) + ">" + formText + "<P>" +
                         externalLinkText(kTyped, "out") + bookMarkText(kTyped, "mark") +
                         bookMarkLinkText(kTyped, "back") + makeImageTag(image) + "<P>after";
    const Page page(html);

    EXPECT_EQ(page.list.BackgroundBitmapName, kTyped);
    ASSERT_EQ(page.list.FormList.Count(), 1);
    const ThtmlForm& f = *page.list.FormList.Item(0);
    EXPECT_EQ(f.Action, kTyped);
    EXPECT_EQ(f.Method, "Post");
    QStringList kinds;
    for (const auto& c : f.ControlList)
        kinds << QString::fromLatin1(c->KindName());
    ASSERT_EQ(kinds, QStringList({"Edit", "TextArea", "RadioButton", "CheckBox", "ComboBox", "Button"}));
    const auto control = [&f](int i) { return f.ControlList.Item(i); };
    for (int i : {0, 1, 3, 4})
        EXPECT_EQ(control(i)->Name, kTyped) << kinds[i].toStdString();
    EXPECT_EQ(control(2)->Value, kTyped);
    EXPECT_EQ(control(5)->Value, kTyped);
    EXPECT_EQ(dynamic_cast<const TEditFormControlObj&>(*control(0)).EditSize, 30); // read after the name
    const auto& textArea = dynamic_cast<const TTextAreaFormControlObj&>(*control(1));
    EXPECT_EQ(textArea.Cols, 40);
    EXPECT_EQ(textArea.InitialText, QStringList{"Dear shop,"}); // and nothing of the page after it
    const auto& options = dynamic_cast<const TListBoxFormControlObj&>(*control(4)).OptionList;
    ASSERT_EQ(options.size(), 2u);
    EXPECT_EQ(options[0].first, kTyped);
    EXPECT_EQ(options[1].first, "two");

    // Anchor names are kept in upper case.
    ASSERT_EQ(page.names.Count(), 1);
    EXPECT_EQ(page.names.Name(0).toLower(), kTyped);
    QStringList links, images;
    const TSectionBase* target = nullptr;
    for (const auto& s : page.list)
        if (const auto* t = dynamic_cast<const TSection*>(s.get())) {
            for (const auto& font : t->Fonts)
                if (const QStringView url = font->LinkURL.view(); !url.isEmpty()) {
                    links << url.toString();
                    if (url.startsWith(u'#'))
                        target = page.names.Find(url.mid(1).toString().toUpper());
                }
            for (int i = 0; i < t->Images().Count(); ++i)
                images << t->Images().Item(i)->Source + ' ' + QString::number(int(t->Images().Item(i)->ImageAlign));
        }
    EXPECT_EQ(links, QStringList({kTyped, '#' + kTyped}));
    EXPECT_NE(target, nullptr);                    // the link to the bookmark finds it
    EXPECT_EQ(images, QStringList{kTyped + " 0"}); // the alignment is read after the address
    EXPECT_TRUE(page.text().endsWith("after|")) << page.text().toStdString();
    EXPECT_TRUE(page.text().contains("Name: ")) << page.text().toStdString();
}
