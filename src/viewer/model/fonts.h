#pragma once
// Fonts of the document model: a font with its nominal size, one font run of
// a text section and the list of runs.
#include "canvas/canvas.h"
#include "model/link_text.h"
#include "model/lists.h"

#include <cstdint>

namespace zorvel {

class TSectionList;

// Style flags the parser adds to every new font run.
using TFontStyles = unsigned;
inline constexpr TFontStyles kStyleBold = 1;
inline constexpr TFontStyles kStyleItalic = 2;
inline constexpr TFontStyles kStyleUnderline = 4;

void addStyles(FontDescription& font, TFontStyles styles);
TFontStyles stylesOf(const FontDescription& font);

// A font plus the size it was asked for before scaling by the document's
// default size, and whether it uses the fixed-pitch face.
struct TMyFont : FontDescription {
    int NormalSize = 12;
    bool Fixed = false;

    // From the document's defaults (with the document, in model/document.cpp).
    void SetNominalSize(const TSectionList& MasterList, int N);
    void UpdateFont(const TSectionList& MasterList, const QColor& Colour);
};

// A TMyFont held by the model. A page has tens of thousands of sections and
// font runs in a handful of fonts, so each holds its font as a pointer into a
// table of every font the model has used (kept for the program's life): the
// records are smaller and freeing them touches no font name.
class TSharedFont {
public:
    TSharedFont();
    TSharedFont(const TMyFont& font); // NOLINT: stands for the font
    const TMyFont& operator*() const { return entry_->font; }
    const TMyFont* operator->() const { return &entry_->font; }
    operator const TMyFont&() const { return entry_->font; } // NOLINT
    FontId Id() const { return entry_->id; }

    struct Entry {
        TMyFont font;
        FontId id;
    };

private:
    const Entry* entry_;
};

// What a run's font measures on the screen canvas of its document, where
// layout places everything (a print copy too: it is laid out in screen
// pixels and only drawn on paper).
struct TRunMetrics {
    int FontHeight = 0; // text height plus external leading
    int TextHeight = 0;
    int Overhang = 0;
    int Descent = 0;
};

// Where a run's text sits: on the line's baseline, or below or above it.
enum class ScriptShift : std::int8_t { Normal, Sub, Super };

// One font run of a section. A page has tens of thousands of runs in a few
// fonts: a run holds only what differs between runs of one font, and takes
// its metrics from the canvas (which keeps them per font), so they always
// follow its font.
class TFontObj {
public:
    TFontObj(int pos, const TMyFont& font, TLinkText link = {});

    int Pos = 0;
    const TMyFont& RunFont() const { return *RunFont_; }
    void SetFont(const TMyFont& font) { RunFont_ = font; }
    FontId Id() const { return RunFont_.Id(); } // the run's font, interned, for measuring and drawing
    TRunMetrics Metrics(Canvas& screen) const;
    ScriptShift ScriptPosition = ScriptShift::Normal;
    TLinkText LinkURL; // empty outside links

private:
    TSharedFont RunFont_;
};

class TFontList : public TValueList<TFontObj> {
public:
    // The run in force at a position and its index; nullptr when the list is empty.
    TFontObj* GetFontObjAt(int pos, int* index = nullptr) const;
    const TMyFont* GetFontAt(int pos) const;
    // Characters from pos to the next run start, or to textLength when no run follows.
    int GetFontCountAt(int pos, int textLength) const;
};

} // namespace zorvel
