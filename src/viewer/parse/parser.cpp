// The body and inline levels of the builder: sections, fonts, links, images
// and form controls.
#include "parse/parser.h"

#include <bit>

namespace zorvel::html {

namespace {
// An anchor's name upper-cased, as links look it up. Nearly every name is
// ASCII, upper-cased here in one pass; Qt's full conversion, which gives the
// same for ASCII, costs some thirty times as much and is kept for the rest.
QString upperName(const QString& name) {
    if (name.isEmpty() || std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() >= 0x80; }))
        return name.toUpper();
    QString upper(name.size(), Qt::Uninitialized);
    std::transform(name.begin(), name.end(), upper.begin(),
                   [](QChar c) { return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c; });
    return upper;
}
} // namespace

HtmlParser::HtmlParser(TSectionList& master, TNameList& names, QStringView text, TParseStrings& strings)
    : master_(master), names_(names), strings_(strings), begin_(text.utf16()), pos_(begin_),
      end_(text.utf16() + text.size()), sectionList_(&master) {}

bool HtmlParser::IsStyleTag(int sy) {
    switch (sy) {
    case tB:
    case tSTRONG:
    case tI:
    case tEM:
    case tCITE:
    case tVAR:
    case tU:
    case tSUB:
    case tSUP:
    case endOf(tB):
    case endOf(tSTRONG):
    case endOf(tI):
    case endOf(tEM):
    case endOf(tCITE):
    case endOf(tVAR):
    case endOf(tU):
    case endOf(tSUB):
    case endOf(tSUP):
        return true;
    default:
        return false;
    }
}

bool HtmlParser::IsInlineToken(int sy) {
    if (IsStyleTag(sy))
        return true;
    switch (sy) {
    case tP:
    case tH:
    case endOf(tH):
    case tTT:
    case endOf(tTT):
    case tCODE:
    case endOf(tCODE):
    case tKBD:
    case endOf(tKBD):
    case tSAMP:
    case endOf(tSAMP):
    case tBR:
    case tADDRESS:
    case endOf(tADDRESS):
    case tPRE:
    case tIMG:
    case tCENTER:
    case endOf(tCENTER):
    case ParagraphEnd:
    case DivStart:
    case DivEnd:
    case BlockBreak:
    case tA:
    case endOf(tA):
    case TextToken:
    case tTABLE:
    case tINPUT:
    case tFORM:
    case endOf(tFORM):
    case tTEXTAREA:
    case tSELECT:
    case tFONT:
    case endOf(tFONT):
    case tBASEFONT:
        return true;
    default:
        return false;
    }
}

bool HtmlParser::IsListEnd(int sy) {
    return sy == endOf(tOL) || sy == endOf(tUL) || sy == endOf(tDIR) || sy == endOf(tMENU) || sy == endOf(tDL) ||
           sy == endOf(tBLOCKQUOTE);
}

bool HtmlParser::PushFont(FontOwner owner) {
    if (int(fontStack_.size()) >= kMaxFonts)
        return false;
    fontStack_.push_back({fontStack_.back().font, owner});
    return true;
}

bool HtmlParser::HasFont(FontOwner owner) const {
    return std::any_of(fontStack_.begin() + 1, fontStack_.end(),
                       [owner](const StackedFont& f) { return f.owner == owner; });
}

void HtmlParser::PopFont(FontOwner owner) {
    auto it = std::find_if(fontStack_.rbegin(), fontStack_.rend() - 1,
                           [owner](const StackedFont& f) { return f.owner == owner; });
    if (it == fontStack_.rend() - 1)
        return; // its tag put none there (the stack was full, or nothing to change)
    // The fonts above it were made from it: each keeps only what its own tag changed.
    const std::size_t k = std::size_t(fontStack_.rend() - it) - 1;
    TMyFont made = fontStack_[k - 1].font;
    for (std::size_t j = k + 1; j < fontStack_.size(); ++j) {
        const TMyFont& was = fontStack_[j - 1].font;
        const TMyFont& now = fontStack_[j].font;
        if (now.name != was.name)
            made.name = now.name;
        if (now.size != was.size || now.NormalSize != was.NormalSize) {
            made.size = now.size;
            made.NormalSize = now.NormalSize;
        }
        if (now.Fixed != was.Fixed)
            made.Fixed = now.Fixed;
        if (now.bold != was.bold)
            made.bold = now.bold;
        if (now.italic != was.italic)
            made.italic = now.italic;
        if (now.underline != was.underline)
            made.underline = now.underline;
        if (now.color != was.color)
            made.color = now.color;
        fontStack_[j - 1] = {made, fontStack_[j].owner};
    }
    fontStack_.pop_back();
}

void HtmlParser::OpenStyle(TFontStyles style) {
    const int i = std::countr_zero(style);
    if (styleDepth_[std::size_t(i)] < 255)
        ++styleDepth_[std::size_t(i)];
    styleFlags_ |= style;
}

void HtmlParser::CloseStyle(TFontStyles style) {
    const int i = std::countr_zero(style);
    if (styleDepth_[std::size_t(i)] > 0 && --styleDepth_[std::size_t(i)] > 0)
        return; // an outer tag of the same style is still open
    styleFlags_ &= ~style;
}

std::unique_ptr<TSection> HtmlParser::NewSection(int indent, Justification justify, const TMyFont& font) {
    subSup_ = ScriptShift::Normal;
    return makeModel<TSection>(master_.Pool, master_, indent, justify, currentURL_, font, styleFlags_);
}

void HtmlParser::OpenSection(int indent) {
    if (!section_)
        section_ = NewSection(indent, LineJustify(), TopFont());
}

Justification HtmlParser::LineJustify() const {
    return paragraphJustify_ != Justification::None ? paragraphJustify_ : justify_;
}

void HtmlParser::BreakLine(int indent) {
    CloseSection();
    section_ = NewSection(indent, LineJustify(), TopFont());
}

void HtmlParser::EndParagraph() {
    paragraphOpen_ = false;
    paragraphJustify_ = Justification::None;
}

void HtmlParser::CloseParagraph(int indent) {
    // Only a paragraph that is open ends, with space after it.
    if (!paragraphOpen_)
        return;
    EndParagraph();
    CloseSection();
    sectionList_->Add(makeModel<TParagraphSpace>(master_.Pool, &master_));
    section_ = NewSection(indent, justify_, TopFont());
}

bool HtmlParser::AfterParagraphSpace() const {
    return (!section_ || section_->Len == 0) && sectionList_->Count() > 0 &&
           dynamic_cast<const TParagraphSpace*>(sectionList_->Item(sectionList_->Count() - 1)) != nullptr;
}

void HtmlParser::CloseSection() {
    if (section_) {
        // A section's font runs are complete: room left for more would stay
        // unused for the page's life (a few hundred KB on a large page).
        section_->Fonts.Squeeze(master_.Pool);
        sectionList_->Add(std::move(section_));
    }
}

void HtmlParser::ChangeFont() {
    if (section_)
        section_->ChangeFont(master_, TopFont(), styleFlags_, subSup_);
}

void HtmlParser::Run() {
    TMyFont base;
    base.name = master_.FontName;
    base.color = master_.FontColor;
    base.SetNominalSize(master_, 12);
    fontStack_.assign(1, {base, FontOwner::Base});
    section_ = NewSection(0, Justification::Left, base);
    auto finish = [this] {
        attributes_.clear();
        CloseSection();
        fontStack_.clear();
    };
    try {
        ReadChar();
        NextToken();
        ParseBody(TokenSet());
    } catch (...) {
        finish();
        throw;
    }
    finish();
    // Everything before the open comment has been built, as if the page ended there.
    if (commentOpen_)
        throw EParseError("Open Comment at End of HTML File");
}

void HtmlParser::ParseBody(const TokenSet& terminators) {
    while (Sy != EofToken && Sy != endOf(tBODY)) {
        if (terminators.test(std::size_t(Sy)))
            return;
        switch (Sy) {
        case tTITLE:
            NextToken();
            while (Sy == TextToken) {
                strings_.Title += TokenText();
                NextToken();
            }
            break;
        case tBODY:
            DoBody();
            NextToken();
            break;
        case tHR:
            EndParagraph();
            CloseSection();
            sectionList_->Add(makeModel<THorzLine>(master_.Pool, &master_));
            NextToken();
            break;
        case tBASE:
            if (strings_.Base.isEmpty())
                if (const TAttribute* href = attributes_.Find(AttrKind::Href))
                    strings_.Base = href->ValueText;
            NextToken();
            break;
        case tOL:
        case tUL:
        case tDIR:
        case tMENU:
        case tDL:
            ParseList(1, Sy, terminators);
            break;
        case tBLOCKQUOTE:
            CloseSection();
            ParseList(1, tBLOCKQUOTE, terminators);
            break;
        default:
            if (IsInlineToken(Sy))
                ParseInline(0);
            else
                NextToken();
            break;
        }
    }
    NextToken();
}

void HtmlParser::DoBody() {
    if (!sectionList_->empty())
        return;
    const TSection* discarded = section_.get();
    section_.reset();
    QColor colour;
    for (const TAttribute& a : attributes_) {
        switch (a.Kind) {
        case AttrKind::Text:
            if (ColorFromString(a.ValueText, colour)) {
                TopFont().color = colour;
                master_.FontColor = colour;
            }
            break;
        case AttrKind::Link:
            if (ColorFromString(a.ValueText, colour))
                master_.HotSpotColor = colour;
            break;
        case AttrKind::BgColor:
            if (ColorFromString(a.ValueText, colour))
                master_.SetBackground(colour);
            break;
        case AttrKind::Background:
            master_.SetBackgroundBitmap(a.ValueText);
            break;
        default:
            break;
        }
    }
    section_ = NewSection(0, justify_, fontStack_.front().font);
    // Anchors written before BODY now point into the section that replaces the discarded one.
    if (discarded)
        names_.Replace(discarded, section_.get());
}

void HtmlParser::DoStyleTag() {
    switch (Sy) {
    case tB:
    case tSTRONG:
        OpenStyle(kStyleBold);
        break;
    case endOf(tB):
    case endOf(tSTRONG):
        CloseStyle(kStyleBold);
        break;
    case tI:
    case tEM:
    case tCITE:
    case tVAR:
        OpenStyle(kStyleItalic);
        break;
    case endOf(tI):
    case endOf(tEM):
    case endOf(tCITE):
    case endOf(tVAR):
        CloseStyle(kStyleItalic);
        break;
    case tU:
        OpenStyle(kStyleUnderline);
        break;
    case endOf(tU):
        CloseStyle(kStyleUnderline);
        break;
    case tSUB:
        subSup_ = ScriptShift::Sub;
        break;
    case tSUP:
        subSup_ = ScriptShift::Super;
        break;
    default:
        subSup_ = ScriptShift::Normal;
        break;
    }
    ChangeFont();
}

void HtmlParser::DoAnchor(int indent) {
    for (const TAttribute& a : attributes_) {
        if (a.Kind == AttrKind::Href && !a.ValueText.isEmpty()) {
            currentURL_ = a.ValueText;
            if (PushFont(FontOwner::Link)) {
                TopFont().underline = true;
                TopFont().color = master_.HotSpotColor;
            }
            if (section_)
                section_->SetLink(true, master_, TopFont(), a.ValueText, styleFlags_, subSup_);
        } else if (a.Kind == AttrKind::Name) {
            OpenSection(indent);
            names_.Add(upperName(a.ValueText), section_.get());
        }
    }
}

void HtmlParser::DoAnchorEnd() {
    if (!currentURL_.isEmpty()) {
        currentURL_.clear();
        PopFont(FontOwner::Link);
    }
    if (section_)
        section_->SetLink(false, master_, TopFont(), QString(), styleFlags_, subSup_);
}

void HtmlParser::DoImage(int indent) {
    OpenSection(indent);
    section_->AddImage(attributes_);
}

void HtmlParser::DoFormControl(int indent, bool readNextAfterTextArea) {
    OpenSection(indent);
    const FormControlKind kind = Sy == tINPUT    ? FormControlKind::Input
                                 : Sy == tSELECT ? FormControlKind::Select
                                                 : FormControlKind::TextArea;
    TFormControlObj* control = section_->AddFormControl(kind, master_, attributes_, currentForm_);
    if (kind == FormControlKind::Select)
        ParseSelectOptions(dynamic_cast<TListBoxFormControlObj*>(control));
    else if (kind == FormControlKind::TextArea)
        ParseTextAreaText(dynamic_cast<TTextAreaFormControlObj*>(control), readNextAfterTextArea);
}

void HtmlParser::DoFont(bool normalText) {
    if (ParseFontTag(Sy, normalText))
        ChangeFont();
}

bool HtmlParser::ParseFontTag(int kind, bool normalText) {
    const bool baseFont = kind == tBASEFONT;
    int size = 0;
    std::optional<QColor> colour;
    QString face;
    for (const TAttribute& a : attributes_) {
        if (a.Kind == AttrKind::Size) {
            // Summed wide: "+2147483647" is as much out of range as any other.
            qint64 n = a.NumericValue;
            if (a.ValueText.size() >= 2 && (a.ValueText.front() == u'+' || a.ValueText.front() == u'-'))
                n += baseFontSize_;
            if (n >= 1 && n <= 7) {
                size = int(n);
                if (baseFont)
                    baseFontSize_ = size;
            }
        } else if (a.Kind == AttrKind::Color && !baseFont) {
            QColor c;
            if (ColorFromString(a.ValueText, c))
                colour = c;
        } else if (a.Kind == AttrKind::Face && !baseFont && !a.ValueText.isEmpty()) {
            face = a.ValueText.left(50);
        }
    }
    // A FONT that changes nothing is still one its end tag takes off; a
    // BASEFONT has no end tag.
    if ((baseFont && size == 0) || !PushFont(baseFont ? FontOwner::BaseFont : FontOwner::Font))
        return false;
    TMyFont& font = TopFont();
    if (colour)
        font.color = *colour;
    if (size)
        font.SetNominalSize(master_, fontSizeFor(size, !normalText));
    if (!face.isEmpty())
        font.name = face;
    return true;
}

void HtmlParser::ParseInline(int indent) {
    if (IsStyleTag(Sy)) {
        DoStyleTag();
        NextToken();
        return;
    }
    switch (Sy) {
    case TextToken:
        OpenSection(indent);
        section_->AddText(TokenText());
        break;
    case tP: {
        // A paragraph straight after one that was ended has the one space between them.
        const bool spaced = AfterParagraphSpace();
        CloseSection();
        if (!spaced)
            sectionList_->Add(makeModel<TParagraphSpace>(master_.Pool, &master_));
        paragraphOpen_ = true;
        paragraphJustify_ = GetAlign(attributes_);
        section_ = NewSection(indent, LineJustify(), TopFont());
        // A run of P tags makes one paragraph.
        do {
            SkipWhiteSpace();
            NextToken();
        } while (Sy == tP);
        return;
    }
    case tBR:
        BreakLine(indent);
        break;
    case ParagraphEnd:
        CloseParagraph(indent);
        break;
    case DivStart:
        CloseParagraph(indent);
        if (divJustify_.size() < kMaxDivDepth) {
            divJustify_.push_back(justify_);
            if (const Justification align = GetAlign(attributes_); align != Justification::None)
                justify_ = align;
        } else {
            ++divOverflow_;
        }
        BreakLine(indent);
        break;
    case DivEnd:
        if (divOverflow_ > 0) {
            --divOverflow_;
        } else if (!divJustify_.empty()) {
            EndParagraph();
            justify_ = divJustify_.back();
            divJustify_.pop_back();
            BreakLine(indent);
        }
        break;
    case BlockBreak:
        CloseParagraph(indent);
        BreakLine(indent);
        break;
    case tCENTER:
    case endOf(tCENTER):
        EndParagraph();
        CloseSection();
        justify_ = Sy == tCENTER ? Justification::Center : Justification::Left;
        section_ = NewSection(indent, justify_, TopFont());
        break;
    case tTT:
    case tCODE:
    case tKBD:
    case tSAMP:
        if (PushFont(FontOwner::Fixed)) {
            TopFont().name = master_.PreFontName;
            TopFont().SetNominalSize(master_, 10);
            TopFont().Fixed = true;
        }
        ChangeFont();
        break;
    case endOf(tTT):
    case endOf(tCODE):
    case endOf(tKBD):
    case endOf(tSAMP):
        PopFont(FontOwner::Fixed);
        ChangeFont();
        break;
    case endOf(tFONT):
        PopFont(FontOwner::Font);
        ChangeFont();
        break;
    case tFONT:
    case tBASEFONT:
        DoFont(true);
        break;
    case tH:
        if (int(fontStack_.size()) < kMaxFonts) {
            CloseSection();
            PushFont(FontOwner::Heading);
            TMyFont& font = TopFont();
            font.SetNominalSize(master_, headingFontSize(headingLevel_));
            if (headingLevel_ > 0) {
                font.bold = true;
                font.italic = false;
                font.underline = false;
            }
            EndParagraph();
            sectionList_->Add(makeModel<THeadingSpace>(master_.Pool, &master_, headingLevel_));
            const Justification align = GetAlign(attributes_);
            section_ = NewSection(indent, align != Justification::None ? align : justify_, TopFont());
        }
        break;
    case endOf(tH):
        if (HasFont(FontOwner::Heading)) {
            CloseSection();
            sectionList_->Add(makeModel<THeadingSpace>(master_.Pool, &master_, headingLevel_));
            PopFont(FontOwner::Heading);
        }
        break;
    case tADDRESS:
        CloseSection();
        if (PushFont(FontOwner::Address))
            TopFont().italic = true;
        section_ = NewSection(indent, justify_, TopFont());
        break;
    case endOf(tADDRESS):
        CloseSection();
        PopFont(FontOwner::Address);
        break;
    case tPRE:
        ParsePreformatted();
        return;
    case tIMG:
        DoImage(indent);
        break;
    case tA:
        DoAnchor(indent);
        break;
    case endOf(tA):
        DoAnchorEnd();
        break;
    case tINPUT:
    case tSELECT:
        DoFormControl(indent, true);
        break;
    case tTEXTAREA:
        DoFormControl(indent, true);
        return;
    case tFORM:
        currentForm_ = ThtmlForm::Create(master_, attributes_);
        break;
    case endOf(tFORM):
        currentForm_ = nullptr;
        break;
    case tTABLE:
        ParseTable();
        return;
    default:
        break;
    }
    NextToken();
}

} // namespace zorvel::html
