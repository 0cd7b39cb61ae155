// The body and inline levels of the builder: sections, fonts, links, images
// and form controls.
#include "parse/parser.h"

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

bool HtmlParser::PushFont() {
    if (int(fontStack_.size()) >= kMaxFonts)
        return false;
    fontStack_.push_back(fontStack_.back());
    return true;
}

void HtmlParser::PopFont() {
    if (fontStack_.size() > 1)
        fontStack_.pop_back();
}

std::unique_ptr<TSection> HtmlParser::NewSection(int indent, int justify, const TMyFont& font) {
    subSup_ = 0;
    return makeModel<TSection>(master_.Pool, master_, indent, justify, currentURL_, font, styleFlags_);
}

void HtmlParser::OpenSection(int indent) {
    if (!section_)
        section_ = NewSection(indent, justify_, TopFont());
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
    fontStack_.assign(1, base);
    section_ = NewSection(0, 1, base);
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
    section_ = NewSection(0, justify_, fontStack_.front());
    // Anchors written before BODY now point into the section that replaces the discarded one.
    if (discarded)
        names_.Replace(discarded, section_.get());
}

void HtmlParser::DoStyleTag() {
    switch (Sy) {
    case tB:
    case tSTRONG:
        styleFlags_ |= kStyleBold;
        break;
    case endOf(tB):
    case endOf(tSTRONG):
        styleFlags_ &= ~kStyleBold;
        break;
    case tI:
    case tEM:
    case tCITE:
    case tVAR:
        styleFlags_ |= kStyleItalic;
        break;
    case endOf(tI):
    case endOf(tEM):
    case endOf(tCITE):
    case endOf(tVAR):
        styleFlags_ &= ~kStyleItalic;
        break;
    case tU:
        styleFlags_ |= kStyleUnderline;
        break;
    case endOf(tU):
        styleFlags_ &= ~kStyleUnderline;
        break;
    case tSUB:
        subSup_ = 1;
        break;
    case tSUP:
        subSup_ = 2;
        break;
    default:
        subSup_ = 0;
        break;
    }
    ChangeFont();
}

void HtmlParser::DoAnchor(int indent) {
    for (const TAttribute& a : attributes_) {
        if (a.Kind == AttrKind::Href && !a.ValueText.isEmpty()) {
            currentURL_ = a.ValueText;
            if (PushFont()) {
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
        PopFont();
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
            int n = a.NumericValue;
            if (a.ValueText.size() >= 2 && (a.ValueText.front() == u'+' || a.ValueText.front() == u'-'))
                n += baseFontSize_;
            if (n >= 1 && n <= 7) {
                size = n;
                if (baseFont)
                    baseFontSize_ = n;
            }
        } else if (a.Kind == AttrKind::Color && !baseFont) {
            QColor c;
            if (ColorFromString(a.ValueText, c))
                colour = c;
        } else if (a.Kind == AttrKind::Face && !baseFont && !a.ValueText.isEmpty()) {
            face = a.ValueText.left(50);
        }
    }
    if ((size == 0 && !colour && face.isEmpty()) || !PushFont())
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
        CloseSection();
        sectionList_->Add(makeModel<TParagraphSpace>(master_.Pool, &master_));
        const int align = GetAlign(attributes_);
        section_ = NewSection(indent, align ? align : justify_, TopFont());
        // A run of P tags makes one paragraph.
        do {
            SkipWhiteSpace();
            NextToken();
        } while (Sy == tP);
        return;
    }
    case tBR:
        CloseSection();
        section_ = NewSection(indent, justify_, TopFont());
        break;
    case tCENTER:
    case endOf(tCENTER):
        CloseSection();
        justify_ = Sy == tCENTER ? 2 : 1;
        section_ = NewSection(indent, justify_, TopFont());
        break;
    case tTT:
    case tCODE:
    case tKBD:
    case tSAMP:
        if (PushFont()) {
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
    case endOf(tFONT):
        PopFont();
        ChangeFont();
        break;
    case tFONT:
    case tBASEFONT:
        DoFont(true);
        break;
    case tH:
        if (int(fontStack_.size()) < kMaxFonts) {
            CloseSection();
            PushFont();
            TMyFont& font = TopFont();
            font.SetNominalSize(master_, headingFontSize(headingLevel_));
            if (headingLevel_ > 0) {
                font.bold = true;
                font.italic = false;
                font.underline = false;
            }
            sectionList_->Add(makeModel<THeadingSpace>(master_.Pool, &master_, headingLevel_));
            section_ = NewSection(indent, justify_, TopFont());
        }
        break;
    case endOf(tH):
        if (fontStack_.size() > 1) {
            CloseSection();
            sectionList_->Add(makeModel<THeadingSpace>(master_.Pool, &master_, headingLevel_));
            PopFont();
        }
        break;
    case tADDRESS:
        CloseSection();
        if (PushFont())
            TopFont().italic = true;
        section_ = NewSection(indent, justify_, TopFont());
        break;
    case endOf(tADDRESS):
        CloseSection();
        PopFont();
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
