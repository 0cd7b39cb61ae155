// Lists, preformatted text, selection options, text areas and tables.
#include "parse/parser.h"

#include <bit>

namespace zorvel::html {

namespace {
constexpr char16_t kEnd = 26;
constexpr int kMaxOptionText = 80;
constexpr int kPendingPreText = 200;

// At most n characters of s, one fewer where the cut would part a character
// beyond U+FFFF from its second half.
QString leftWhole(QStringView s, qsizetype n) {
    n = std::clamp<qsizetype>(n, 0, s.size());
    if (n > 0 && n < s.size() && s[n - 1].isHighSurrogate())
        --n;
    return s.first(n).toString();
}

TokenSet cellTerminators() {
    TokenSet set;
    for (int t : {endOf(tTABLE), int(tTD), endOf(tTD), int(tTR), int(tTH), endOf(tTH), int(tCAPTION), endOf(tCAPTION)})
        set.set(std::size_t(t));
    return set;
}
} // namespace

// Returns with the list's end tag consumed; a terminator or the end of input
// is left for the caller.
void HtmlParser::ParseList(int depth, int listKind, const TokenSet& terminators) {
    int counter = 1;
    if (listKind == tOL)
        if (const TAttribute* start = attributes_.Find(AttrKind::Start); start && start->NumericValue >= 0)
            counter = start->NumericValue;
    int itemIndent = depth;
    EndParagraph();
    NextToken();
    // A list with nothing in it leaves the open section open: "A<UL></UL>B" is one line.
    if (IsListEnd(Sy)) {
        NextToken();
        return;
    }
    while (!IsListEnd(Sy) && Sy != EofToken) {
        if (terminators.test(std::size_t(Sy)))
            return;
        switch (Sy) {
        case tOL:
        case tUL:
        case tDIR:
        case tMENU:
        case tDL:
        case tBLOCKQUOTE:
            if (depth >= kMaxListDepth) {
                NextToken();
                break;
            }
            if (Sy == tBLOCKQUOTE)
                CloseSection();
            ParseList(depth + 1, Sy, terminators);
            break;
        case tLI:
            CloseSection();
            if (listKind == tOL) {
                section_ =
                    makeModel<TOListItem>(master_.Pool, master_, depth, counter, currentURL_, TopFont(), styleFlags_);
                // The page chooses where counting starts; at the largest number it stays there.
                if (counter < std::numeric_limits<int>::max())
                    ++counter;
            } else
                section_ = makeModel<TUListItem>(master_.Pool, master_, depth, currentURL_, TopFont(), styleFlags_);
            subSup_ = ScriptShift::Normal;
            itemIndent = depth;
            NextToken();
            break;
        case tDT:
        case tDD:
            CloseSection();
            itemIndent = Sy == tDT ? depth - 1 : depth;
            section_ = makeModel<TDListItem>(master_.Pool, master_, itemIndent, currentURL_, TopFont(), styleFlags_);
            subSup_ = ScriptShift::Normal;
            NextToken();
            break;
        default:
            if (Sy != tTABLE && IsInlineToken(Sy))
                ParseInline(itemIndent);
            else
                NextToken();
            break;
        }
    }
    CloseSection();
    if (IsListEnd(Sy))
        NextToken();
}

void HtmlParser::ParsePreformatted() {
    EndParagraph();
    CloseSection();
    if (PushFont(FontOwner::Pre)) {
        TopFont().name = master_.PreFontName;
        TopFont().SetNominalSize(master_, 10);
        TopFont().Fixed = true;
    }
    auto newLine = [this] {
        subSup_ = ScriptShift::Normal;
        section_ =
            makeModel<TPreFormated>(master_.Pool, master_, 0, Justification::Left, currentURL_, TopFont(), styleFlags_);
    };
    newLine();
    inPre_ = true;
    QString pending;
    // A line's end always adds its text (an empty line holds one space); other
    // flushes add only what is pending.
    auto flush = [&](bool lineEnd) {
        if (!pending.isEmpty() || (lineEnd && section_->Len == 0))
            section_->AddText(pending);
        pending.resize(0); // keeps its capacity for the next line
    };
    auto endLine = [&] {
        flush(true);
        CloseSection();
        newLine();
    };
    bool done = false;
    while (!done && CurChar != kEnd) {
        if (CurChar == u'\r') {
            endLine();
            ReadChar();
        } else if (CurChar == u'&') {
            ReadEntity(true);
            if (TokenText() == QStringView(u"\r"))
                endLine();
            else
                pending += TokenText();
        } else if (CurChar == u'<') {
            ReadTag();
            if (!section_)
                newLine();
            if (IsStyleTag(Sy) && Sy != tSUB && Sy != tSUP && Sy != endOf(tSUB) && Sy != endOf(tSUP)) {
                // Only bold, italic and underline: SUB and SUP are ignored here like every other tag.
                flush(false);
                DoStyleTag();
                continue;
            }
            switch (Sy) {
            case tP:
            case tBR:
                endLine();
                if (CurChar == u'\r')
                    ReadChar();
                break;
            case endOf(tPRE):
                done = true;
                break;
            case tIMG:
                flush(false);
                DoImage(0);
                break;
            case tA:
                flush(false);
                DoAnchor(0);
                break;
            case endOf(tA):
                flush(false);
                DoAnchorEnd();
                break;
            case tINPUT:
            case tSELECT:
            case tTEXTAREA:
                flush(false);
                DoFormControl(0, false);
                break;
            case tFORM:
                currentForm_ = ThtmlForm::Create(master_, attributes_);
                break;
            case endOf(tFORM):
                currentForm_ = nullptr;
                break;
            case tFONT:
            case tBASEFONT:
                flush(false);
                DoFont(false);
                break;
            case endOf(tFONT):
                flush(false);
                PopFont(FontOwner::Font);
                ChangeFont();
                break;
            default:
                break;
            }
        } else {
            // Plain characters up to the next line end, entity or tag, in one go.
            char16_t run[64];
            int n = 0;
            const qsizetype room = std::min<qsizetype>(64, kPendingPreText + 1 - pending.size());
            do {
                run[n++] = CurChar;
                n = TakePlain(run, n, room, false);
                ReadChar();
            } while (n < room && CurChar != u'\r' && CurChar != u'&' && CurChar != u'<' && CurChar != kEnd);
            pending.append(reinterpret_cast<const QChar*>(run), n);
            if (pending.size() > kPendingPreText)
                flush(false);
        }
    }
    flush(false);
    CloseSection();
    inPre_ = false;
    PopFont(FontOwner::Pre);
    NextToken();
}

void HtmlParser::ParseSelectOptions(TListBoxFormControlObj* control) {
    bool open = false;
    bool selected = false;
    QString text;
    QString value;
    auto complete = [&] {
        qsizetype from = 0, to = text.size();
        while (from < to && text[from].unicode() <= 32)
            ++from;
        while (to > from && text[to - 1].unicode() <= 32)
            --to;
        const QString trimmed = text.mid(from, to - from);
        if (open && !trimmed.isEmpty() && control)
            control->AddOption(trimmed, value, selected);
        open = false;
        text.clear();
    };
    NextToken();
    while (Sy != EofToken && Sy != endOf(tSELECT)) {
        if (Sy == TextToken && open) {
            text += leftWhole(TokenText(), kMaxOptionText - text.size());
        } else if (Sy == tOPTION || Sy == endOf(tOPTION)) {
            complete();
            if (Sy == tOPTION) {
                open = true;
                selected = attributes_.Find(AttrKind::Selected) != nullptr;
                value = leftWhole(attributes_.Text(AttrKind::Value), kMaxOptionText);
            }
        }
        NextToken();
    }
    complete();
    if (control)
        control->RestoreInitialValue();
}

void HtmlParser::ParseTextAreaText(TTextAreaFormControlObj* control, bool readNext) {
    QString line;
    for (;;) {
        NextTextAreaToken();
        if (Sy == TextAreaEnd || Sy == EofToken)
            break;
        if (Sy == LineEnd) {
            if (control)
                control->AddLine(line);
            line.clear();
        } else {
            line += TokenText();
        }
    }
    while (CurChar != u'>' && CurChar != kEnd)
        ReadChar();
    if (Sy == TextAreaEnd)
        Record(LexicalRange::Tag, textAreaEndStart_, CurChar == u'>' ? pos_ : end_);
    if (CurChar == u'>')
        ReadChar();
    if (control) {
        if (!line.isEmpty())
            control->AddLine(line);
        control->RestoreInitialValue();
    }
    if (readNext)
        NextToken();
}

void HtmlParser::ParseTable() {
    CloseSection();
    if (tableDepth_ >= kMaxTableDepth) {
        NextToken();
        return;
    }
    const TokenSet terminators = cellTerminators();
    TCell* const outer = sectionList_;
    const Justification savedJustify = justify_;
    const TFontStyles savedStyles = styleFlags_;
    // The cells are aligned by themselves: a paragraph or DIV around the table is not theirs.
    const Justification savedParagraphJustify = std::exchange(paragraphJustify_, Justification::None);
    const bool savedParagraphOpen = std::exchange(paragraphOpen_, false);
    const std::size_t savedDivs = divJustify_.size();
    const int savedDivOverflow = std::exchange(divOverflow_, 0);
    const auto savedDepths = styleDepth_;
    auto table = makeModel<ThtmlTable>(master_.Pool, &master_, justify_, attributes_);
    auto row = makeModel<TCellList>(master_.Pool, &master_.Pool);
    std::unique_ptr<TCellObj> cell;
    Justification rowAlign = Justification::None;
    QRgb rowBackground = 0;
    // A BGCOLOR the page gives, as an opaque colour; 0 where none is given.
    auto background = [this]() -> QRgb {
        QColor colour;
        const TAttribute* a = attributes_.Find(AttrKind::BgColor);
        return a && ColorFromString(a->ValueText, colour) ? colour.rgb() | 0xFF000000u : 0;
    };
    table->Background = background();
    VerticalAlign rowVAlign = VerticalAlign::Middle;
    // Only the table's first TR before any cell opens the first row; every
    // later one ends the row before it, even an empty one.
    bool firstRowMarker = true;
    ++tableDepth_;

    auto finishCell = [&] {
        CloseSection();
        if (cell)
            row->Add(std::move(cell));
    };
    // Also on the way out of a parse error, so that the part read is kept.
    auto finishTable = [&] {
        finishCell();
        table->Rows.Add(std::move(row));
        sectionList_ = outer;
        outer->Add(std::move(table));
        justify_ = savedJustify;
        styleFlags_ = savedStyles;
        styleDepth_ = savedDepths;
        paragraphJustify_ = savedParagraphJustify;
        paragraphOpen_ = savedParagraphOpen;
        divJustify_.resize(savedDivs);
        divOverflow_ = savedDivOverflow;
        --tableDepth_;
    };
    try {
        NextToken();
        while (Sy != endOf(tTABLE) && Sy != EofToken) {
            switch (Sy) {
            case TextToken: {
                // Text outside the cells is shown before the table.
                CloseSection();
                TCell* inside = sectionList_;
                sectionList_ = outer;
                ParseBody(terminators);
                CloseSection();
                sectionList_ = inside;
                break;
            }
            case tTD:
            case tTH: {
                finishCell();
                firstRowMarker = false;
                Justification align = rowAlign != Justification::None ? rowAlign
                                      : Sy == tTD                     ? Justification::Left
                                                                      : Justification::Center;
                // A heading cell is bold, another is not, whatever stands around the table.
                styleDepth_[std::size_t(std::countr_zero(kStyleBold))] = 0;
                styleFlags_ &= ~kStyleBold;
                if (Sy == tTH)
                    OpenStyle(kStyleBold);
                if (const Justification own = GetAlign(attributes_); own != Justification::None)
                    align = own;
                cell = makeModel<TCellObj>(master_.Pool, &master_, attributes_, GetVAlign(attributes_, rowVAlign));
                cell->Background = background();
                if (!cell->Background)
                    cell->Background = rowBackground;
                sectionList_ = cell->Cell.get();
                justify_ = align;
                NextToken();
                ParseBody(terminators);
                break;
            }
            case endOf(tTD):
            case endOf(tTH):
                finishCell();
                NextToken();
                break;
            case tTR:
                finishCell();
                if (!firstRowMarker) {
                    table->Rows.Add(std::move(row));
                    row = makeModel<TCellList>(master_.Pool, &master_.Pool);
                }
                firstRowMarker = false;
                rowAlign = GetAlign(attributes_);
                rowBackground = background();
                rowVAlign = GetVAlign(attributes_, VerticalAlign::Middle);
                NextToken();
                break;
            case tCAPTION:
                finishCell();
                table->TopCaption = attributes_.Text(AttrKind::Align).toLower() != QLatin1String("bottom");
                sectionList_ = table->Caption->Cell.get();
                justify_ = Justification::Center;
                NextToken();
                ParseBody(terminators);
                CloseSection();
                if (Sy == endOf(tCAPTION))
                    NextToken();
                break;
            default:
                NextToken();
                break;
            }
        }
    } catch (...) {
        finishTable();
        throw;
    }
    finishTable();
    NextToken();
}

} // namespace zorvel::html
