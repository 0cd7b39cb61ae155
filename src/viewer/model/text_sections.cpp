// Text sections: the text buffer, font runs, images and list items.
#include "model/document.h"
#include "model/form_controls.h"

#include <algorithm>

namespace zorvel {

TSection::TSection(TSectionList& master, int Level_, Justification Justify_, const QString& URL, const TMyFont& Font,
                   TFontStyles styles)
    : TSectionBase(&master), Level(Level_), Indent(35 * Level_), Justify(Justify_) {
    TMyFont first = Font;
    addStyles(first, styles);
    Fonts.Add(master.Pool, TFontObj(0, first, TLinkText(master.Pool, URL)));
    BaseFont = first;
}

TSection::~TSection() = default;

TSection::TSection(const TSection& source, TSectionList* master)
    : TSectionBase(source, master), BaseFont(source.BaseFont), Level(source.Level), Indent(source.Indent),
      ListNumber(source.ListNumber), ListType(source.ListType), Justify(source.Justify) {
    text_ = master->TextStore.Keep(source.TextBuffer()).utf16();
    Len = source.Len;
    if (source.objects_)
        MakeObjects(); // the copy has the same placeholders
    // The copy keeps its links' text in its own pool, shared by its runs as
    // the source's runs share theirs.
    TLinkText sourceLink, link;
    for (const auto& f : source.Fonts) {
        if (!(f->LinkURL == sourceLink)) {
            sourceLink = f->LinkURL;
            link = TLinkText(master->Pool, sourceLink.view());
        }
        TFontObj* run = Fonts.Add(master->Pool, *f);
        run->LinkURL = link;
    }
    for (const auto& image : source.Images()) {
        TImageObj* copy = MakeObjects().Images.Add(std::make_unique<TImageObj>(*image));
        copy->ParentSectionList = master;
    }
    for (const auto& line : source.LineRecs)
        LineRecs.Add(master->Pool, *line);
    // The copy must never reach the original's window controls, which go with the original.
    for (const TFormControlObj* c : source.FormControls())
        MakeObjects().FormControls.push_back(master->ControlCopies.Add(c->CopyForPrint(master)));
}

std::unique_ptr<TSectionBase> TSection::Clone(TSectionList* MasterList) const {
    return makeModel<TSection>(MasterList->Pool, *this, MasterList);
}

const TImageList& TSection::Images() const {
    static const TImageList none;
    return objects_ ? objects_->Images : none;
}

const TFormControlList& TSection::FormControls() const {
    static const TFormControlList none;
    return objects_ ? objects_->FormControls : none;
}

TSection::Objects& TSection::MakeObjects() {
    if (!objects_)
        objects_ = std::make_unique<Objects>(ParentSectionList->Pool);
    return *objects_;
}

void TSection::Append(QStringView S) {
    // Layout looks for placeholders only in a section that has its objects:
    // an image's or control's, or one the page wrote itself.
    if (!objects_ && std::any_of(S.begin(), S.end(), isPlaceholder))
        MakeObjects();
    const QStringView grown = ParentSectionList->TextStore.Append(TextBuffer(), S);
    text_ = grown.utf16();
    Len = int(grown.size());
}

void TSection::AddText(QStringView S) {
    if (S.isEmpty())
        return;
    if (S.front() == u' ' && (Len == 0 || TextBuffer().at(Len - 1) == u' '))
        S = S.mid(1);
    Append(S);
}

TRunMetrics TSection::RunMetrics(const TFontObj& run) const {
    return run.Metrics(*ParentSectionList->ScreenCanvas);
}

void TSection::ChangeFont(TSectionList& MasterList, const TMyFont& Font, TFontStyles styles, ScriptShift subSup) {
    TMyFont font = Font;
    addStyles(font, styles);
    if (subSup != ScriptShift::Normal)
        font.SetNominalSize(MasterList, mulDiv(font.NormalSize, 3, 4));
    TFontObj* last = Fonts.Item(Fonts.Count() - 1);
    if (last->Pos == Len)
        last->SetFont(font);
    else
        last = Fonts.Add(ParentSectionList->Pool, TFontObj(Len, font, last->LinkURL));
    last->ScriptPosition = subSup;
}

void TSection::SetLink(bool start, TSectionList& MasterList, const TMyFont& Font, const QString& URL,
                       TFontStyles styles, ScriptShift subSup) {
    ChangeFont(MasterList, Font, styles, subSup);
    Fonts.Item(Fonts.Count() - 1)->LinkURL = start ? TLinkText(ParentSectionList->Pool, URL) : TLinkText();
}

void TSection::AddImage(const TAttributeList& Attributes) {
    TImageObj* image = MakeObjects().Images.Add(std::make_unique<TImageObj>(Len, Attributes));
    image->ParentSectionList = ParentSectionList;
    Append(QStringView(&kImageChar, 1));
}

void TSection::UpdateFonts() {
    TSectionList& master = *ParentSectionList;
    for (const auto& f : Fonts) {
        TMyFont font = f->RunFont();
        font.UpdateFont(master, f->LinkURL.isEmpty() ? master.FontColor : master.HotSpotColor);
        f->SetFont(font);
    }
    TMyFont base = BaseFont;
    base.UpdateFont(master, master.FontColor);
    BaseFont = base;
    UpdateSpacing();
}

std::unique_ptr<TSectionBase> TPreFormated::Clone(TSectionList* MasterList) const {
    return makeModel<TPreFormated>(MasterList->Pool, *this, MasterList);
}

void TPreFormated::AddText(QStringView S) {
    static const char16_t space = u' ';
    Append(S.isEmpty() ? QStringView(&space, 1) : S);
}

TUListItem::TUListItem(TSectionList& master, int Level_, const QString& URL, const TMyFont& Font, TFontStyles styles)
    : TSection(master, Level_, Justification::Left, URL, Font, styles) {
    ListType = ListKind::Unordered;
}

std::unique_ptr<TSectionBase> TUListItem::Clone(TSectionList* MasterList) const {
    return makeModel<TUListItem>(MasterList->Pool, *this, MasterList);
}

TDListItem::TDListItem(TSectionList& master, int Level_, const QString& URL, const TMyFont& Font, TFontStyles styles)
    : TUListItem(master, Level_, URL, Font, styles) {
    ListType = ListKind::Definition;
}

std::unique_ptr<TSectionBase> TDListItem::Clone(TSectionList* MasterList) const {
    return makeModel<TDListItem>(MasterList->Pool, *this, MasterList);
}

TOListItem::TOListItem(TSectionList& master, int Level_, int Number, const QString& URL, const TMyFont& Font,
                       TFontStyles styles)
    : TUListItem(master, Level_, URL, Font, styles) {
    ListType = ListKind::Ordered;
    ListNumber = Number;
}

std::unique_ptr<TSectionBase> TOListItem::Clone(TSectionList* MasterList) const {
    return makeModel<TOListItem>(MasterList->Pool, *this, MasterList);
}

} // namespace zorvel
