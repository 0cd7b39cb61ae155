#pragma once
// The document model: a page is a list of sections (text, spaces, rules,
// tables), a table's cells are again lists of sections. What a section does
// at layout and in hit tests is defined in layout/, its drawing in draw/.
#include "canvas/canvas.h"
#include "model/attributes.h"
#include "model/fonts.h"
#include "model/image_cache.h"
#include "model/images.h"
#include "model/lists.h"
#include "model/pool.h"

#include <QObject>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

namespace zorvel {

class TCell;
class TSectionList;
class ThtmlForm;
class TFormControlObj;
class FormControlFactory;

class TSectionBase : public TModelStorage {
public:
    explicit TSectionBase(TSectionList* master) : ParentSectionList(master) {}
    virtual ~TSectionBase() = default;
    virtual const char* KindName() const = 0;

    TSectionList* ParentSectionList = nullptr;
    int SectionHeight = 0;
    int TopY = 0;
    int StartPos = 0;
    int Len = 0;

    // A copy of the same kind belonging to MasterList.
    virtual std::unique_ptr<TSectionBase> Clone(TSectionList* MasterList) const = 0;
    virtual int DrawLogic(Canvas& canvas, int Y, int Width, int& ScrollWidth, int& CharPos);
    virtual int Draw(Canvas& canvas, const QRect& DrawRect, int Width, int X, int Y);
    // Shifts what the last layout found down by dy pixels and on by dpos
    // character positions, as if laid out there again at the same width.
    virtual void MoveBy(int dy, int dpos);
    virtual bool GetURL(Canvas& canvas, int X, int Y, QString& URL);
    virtual int FindCursor(Canvas& canvas, int X, int Y, int& XR, int& YR, int& CaretHeight);
    virtual int FindString(int From, const QString& Text, bool MatchCase);
    virtual bool CursorToXY(Canvas& canvas, int Cursor, int& X, int& Y);
    virtual void UpdateFonts();
    virtual void UpdateSpacing();
    virtual void MinMaxWidth(Canvas& canvas, int& Min, int& Max);

protected:
    TSectionBase(const TSectionBase& source, TSectionList* master);
    // Height that scales with the document's default font size (value at size 12).
    int Scaled(int value) const;
};

class TParagraphSpace : public TSectionBase {
public:
    using PoolRecord = TParagraphSpace;
    using TSectionBase::TSectionBase;
    const char* KindName() const override { return "ParagraphSpace"; }
    std::unique_ptr<TSectionBase> Clone(TSectionList* MasterList) const override;
    void UpdateSpacing() override;
};

class THeadingSpace : public TSectionBase {
public:
    using PoolRecord = THeadingSpace;
    THeadingSpace(TSectionList* master, int level) : TSectionBase(master), HeadingSize(level) {}
    const char* KindName() const override { return "HeadingSpace"; }
    std::unique_ptr<TSectionBase> Clone(TSectionList* MasterList) const override;
    void UpdateSpacing() override;
    int HeadingSize = 0;
};

class THorzLine : public TSectionBase {
public:
    using PoolRecord = THorzLine;
    using TSectionBase::TSectionBase;
    const char* KindName() const override { return "HorzLine"; }
    std::unique_ptr<TSectionBase> Clone(TSectionList* MasterList) const override;
    int DrawLogic(Canvas& canvas, int Y, int Width, int& ScrollWidth, int& CharPos) override;
    int Draw(Canvas& canvas, const QRect& DrawRect, int Width, int X, int Y) override;
    void UpdateSpacing() override;
    int Width = 0; // from the last layout
};

// One laid-out line of a text section.
struct LineRec {
    int Start = 0; // offset of the first character in the section's text
    int SpaceBefore = 0;
    int SpaceAfter = 0;
    int LineHeight = 0;
    int CharCount = 0;
    int Descent = 0;
    int LineIndent = 0;
};

using TFormControlList = std::vector<TFormControlObj*>; // not owning: forms own their controls

// Characters that stand for an image and for a visible form control in a section's text.
inline constexpr char16_t kImageChar = 4;
inline constexpr char16_t kControlChar = 2;
inline bool isPlaceholder(QChar c) {
    return c.unicode() == kImageChar || c.unicode() == kControlChar;
}

enum class FormControlKind { Input, Select, TextArea };

// What kind of list item a section is, and so what mark its first line has.
enum class ListKind : std::int8_t { Plain, Ordered, Unordered, Definition };

class TSection : public TSectionBase {
public:
    using PoolRecord = TSection;

    TSection(TSectionList& master, int Level, Justification Justify, const QString& URL, const TMyFont& Font,
             TFontStyles styles);
    ~TSection() override;
    const char* KindName() const override { return "Section"; }
    std::unique_ptr<TSectionBase> Clone(TSectionList* MasterList) const override;

    // A view of the section's Len characters of text, which the document's
    // TextStore holds: valid while the document is; take toString() for a
    // copy that must outlive it.
    QStringView TextBuffer() const { return QStringView(text_, Len); }
    int TextBufferSize() const { return Len; }
    // The section's images and visible controls, in text order.
    const TImageList& Images() const;
    const TFormControlList& FormControls() const;
    // What only a section with a placeholder character has; made with the
    // first. It owns pictures and names outside the pool, which deletes it
    // when the document goes.
    struct Objects : TModelPool::Owner {
        using Owner::Owner;
        TImageList Images;
        TFormControlList FormControls;
        int markFrom = -1, markAt = -1; // no placeholder from markFrom up to markAt
    };
    Objects& MakeObjects();
    TFontList Fonts;
    TValueList<LineRec> LineRecs;
    TSharedFont BaseFont;
    int Level = 0;
    int Indent = 0;
    int ListNumber = 0;
    // A page has tens of thousands of sections; these two take a byte each.
    ListKind ListType = ListKind::Plain;
    Justification Justify = Justification::Left;

    virtual void AddText(QStringView S);
    int DrawLogic(Canvas& canvas, int Y, int Width, int& ScrollWidth, int& CharPos) override;
    int Draw(Canvas& canvas, const QRect& DrawRect, int Width, int X, int Y) override;
    void MinMaxWidth(Canvas& canvas, int& Min, int& Max) override;
    // Hit tests take X from the section's left edge and Y in the coordinates
    // layout gave TopY in.
    bool GetURL(Canvas& canvas, int X, int Y, QString& URL) override;
    // XR and CaretHeight: the caret's x and its line's height; YR: the line's top
    // from the section's top.
    int FindCursor(Canvas& canvas, int X, int Y, int& XR, int& YR, int& CaretHeight) override;
    int FindString(int From, const QString& Text, bool MatchCase) override;
    bool CursorToXY(Canvas& canvas, int Cursor, int& X, int& Y) override;

    // Width of Count characters from Start (an offset in TextBuffer), less the
    // trailing spaces when asked.
    int RunWidth(Canvas& canvas, int Start, int Count, bool NoTrailingSpaces = false) const;
    // How many characters from Start fit into Width pixels; at most Max.
    int FitCount(Canvas& canvas, int Width, int Max, int Start) const;
    // The visible form control whose placeholder is at pos, or nullptr.
    TFormControlObj* ControlAt(int pos) const;
    // The height a line takes: its text band and the extra space above and below.
    static int LineSpan(const LineRec& line) { return line.SpaceBefore + line.LineHeight + line.SpaceAfter; }
    void ChangeFont(TSectionList& MasterList, const TMyFont& Font, TFontStyles styles, ScriptShift subSup);
    void SetLink(bool start, TSectionList& MasterList, const TMyFont& Font, const QString& URL, TFontStyles styles,
                 ScriptShift subSup);
    void AddImage(const TAttributeList& Attributes);
    // Creates the control; it joins currentForm, which is made when there is none.
    TFormControlObj* AddFormControl(FormControlKind Kind, TSectionList& MasterList, const TAttributeList& Attributes,
                                    ThtmlForm*& currentForm);
    void UpdateFonts() override;

protected:
    template <typename T, typename... Args> friend std::unique_ptr<T> makeModel(TModelPool& pool, Args&&... args);
    TSection(const TSection& source, TSectionList* master);
    void Append(QStringView S);

protected:
    // What layout measures as one unit: an image, a control, a placeholder
    // with nothing behind it, or a stretch of text in one font.
    struct Piece {
        enum Kind { Text, Image, Control, Nothing } kind = Nothing;
        int count = 1;
        TFontObj* font = nullptr;
        TImageObj* image = nullptr;
        TFormControlObj* control = nullptr;
    };
    // A run's metrics, as layout measures on the document's screen canvas.
    TRunMetrics RunMetrics(const TFontObj& run) const;
    // The piece at pos, ending at limit at the latest.
    Piece PieceAt(int pos, int limit) const;
    int PieceWidth(Canvas& canvas, const Piece& piece, int pos) const;
    // The largest k <= N such that k characters of text in font F from pos take at most Room pixels; their width in
    // Used.
    int FitText(Canvas& canvas, const TFontObj& F, int pos, int N, int Room, int& Used) const;
    // The first placeholder character at or after pos, or Len when there is none.
    int NextPlaceholder(int pos) const;
    void ForgetPlaceholders() {
        if (objects_)
            objects_->markFrom = objects_->markAt = -1;
    }
    // Layout's first step: the section's place, its images measured and its
    // controls hidden. False for an empty section, which takes no room.
    bool StartLayout(Canvas& canvas, int Y, int Width, int& ScrollWidth, int& CharPos);
    int BreakLine(Canvas& canvas, int P, int Rest, int Width, bool& Overflow) const;
    void FinishLine(Canvas& canvas, int P, int n, int Width);
    // The line holding Y (from the section's top) and that line's top; -1 when none.
    int LineAt(int Y, int& LineTop) const;
    void DrawListMark(Canvas& canvas, int X, const LineRec& line, int Bottom) const;
    // Left and Right: what of the line is to be painted; a long run is drawn only there.
    void DrawLinePieces(Canvas& canvas, const LineRec& line, int X, int Bottom, int SelStart, int SelEnd, int Left,
                        int Right) const;

private:
    const char16_t* text_ = nullptr; // where TextBuffer starts; Len is its length
    // Nearly every section has no placeholder, so these take a pointer's room.
    std::unique_ptr<Objects> objects_;
};

class TPreFormated : public TSection {
public:
    using PoolRecord = TPreFormated;
    using TSection::TSection;
    const char* KindName() const override { return "PreFormated"; }
    std::unique_ptr<TSectionBase> Clone(TSectionList* MasterList) const override;
    void AddText(QStringView S) override;
    // A preformatted line never wraps: it is laid out in this width and widens the page instead.
    static constexpr int kNoWrapWidth = 32000;
    int DrawLogic(Canvas& canvas, int Y, int Width, int& ScrollWidth, int& CharPos) override;
    void MinMaxWidth(Canvas& canvas, int& Min, int& Max) override;

protected:
    template <typename T, typename... Args> friend std::unique_ptr<T> makeModel(TModelPool& pool, Args&&... args);
    TPreFormated(const TPreFormated& source, TSectionList* master) : TSection(source, master) {}
};

class TUListItem : public TSection {
public:
    using PoolRecord = TUListItem;
    TUListItem(TSectionList& master, int Level, const QString& URL, const TMyFont& Font, TFontStyles styles);
    const char* KindName() const override { return "UListItem"; }
    std::unique_ptr<TSectionBase> Clone(TSectionList* MasterList) const override;

protected:
    template <typename T, typename... Args> friend std::unique_ptr<T> makeModel(TModelPool& pool, Args&&... args);
    TUListItem(const TUListItem& source, TSectionList* master) : TSection(source, master) {}
};

class TDListItem : public TUListItem {
public:
    using PoolRecord = TDListItem;
    TDListItem(TSectionList& master, int Level, const QString& URL, const TMyFont& Font, TFontStyles styles);
    const char* KindName() const override { return "DListItem"; }
    std::unique_ptr<TSectionBase> Clone(TSectionList* MasterList) const override;

private:
    template <typename T, typename... Args> friend std::unique_ptr<T> makeModel(TModelPool& pool, Args&&... args);
    TDListItem(const TDListItem& source, TSectionList* master) : TUListItem(source, master) {}
};

class TOListItem : public TUListItem {
public:
    using PoolRecord = TOListItem;
    TOListItem(TSectionList& master, int Level, int Number, const QString& URL, const TMyFont& Font,
               TFontStyles styles);
    const char* KindName() const override { return "OListItem"; }
    std::unique_ptr<TSectionBase> Clone(TSectionList* MasterList) const override;

private:
    template <typename T, typename... Args> friend std::unique_ptr<T> makeModel(TModelPool& pool, Args&&... args);
    TOListItem(const TOListItem& source, TSectionList* master) : TUListItem(source, master) {}
};

// A list of sections: the contents of a table cell, or of the whole document.
class TCell : public TFreeList<TSectionBase>, public TModelStorage {
public:
    using PoolRecord = TCell;
    explicit TCell(TSectionList* master);
    TCell(const TCell& source, TSectionList* master);
    virtual ~TCell() = default;
    TCell(const TCell&) = delete;
    TCell& operator=(const TCell&) = delete;

    TSectionList* MasterList = nullptr;
    int FontSize = 12;
    int TopY = 0;
    int StartPos = 0;
    int Len = 0;

    virtual int DoLogic(Canvas& canvas, int Y, int Width, int& ScrollWidth, int& CharPos);
    virtual void MinMaxWidth(Canvas& canvas, int& Min, int& Max);
    virtual bool GetURL(Canvas& canvas, int X, int Y, QString& URL);

    void Add(std::unique_ptr<TSectionBase> Section);
    void UpdateFonts();
    // Draws the sections from Y down with their left edge at X; returns the Y
    // below them. DrawRect is the area to paint, in the same coordinates (its
    // bottom edge excluded); sections wholly outside it draw nothing. Width is
    // the width the sections may draw in: preformatted lines are clipped to it.
    int Draw(Canvas& canvas, const QRect& DrawRect, int Width, int X, int Y);
    // The first section whose running sum of heights exceeds Y, with its top and index.
    TSectionBase* FindSectionAtPosition(int Y, int& Top, int& Index) const;
    // Hit tests: X from the cell's left edge, Y in the coordinates of the last
    // layout. FindCursor gives the document position under (X, Y) or -1, with
    // the caret's x, its line's top (YR) and height; CursorToXY the top-left of
    // a position's character; FindString the first match at or after From, or -1.
    int FindCursor(Canvas& canvas, int X, int Y, int& XR, int& YR, int& CaretHeight);
    bool CursorToXY(Canvas& canvas, int Cursor, int& X, int& Y);
    int FindString(int From, const QString& Text, bool MatchCase);
};

} // namespace zorvel
