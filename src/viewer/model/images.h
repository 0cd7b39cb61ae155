#pragma once
// Inline images of a text section.
#include "model/attributes.h"
#include "model/fonts.h"
#include "model/lists.h"

#include <QImage>

namespace zorvel {

class TSectionList;

class TImageObj {
public:
    enum class BitmapSource { None, Own, Error, Default };

    TImageObj(int pos, const TAttributeList& attributes);

    int Pos = 0;
    int ImageHeight = 0;
    int ImageWidth = 0;
    QString Source;
    QString Alt;
    VerticalAlign ImageAlign = VerticalAlign::Bottom;
    bool NoBorder = false;
    TSectionList* ParentSectionList = nullptr;

    // The picture to show: the image's own bitmap or one of the shared placeholders.
    const QImage& Bitmap() const;
    BitmapSource Kind() const { return Kind_; }
    void SetBitmap(QImage bitmap);

    // Loads the bitmap when needed and sets the image's box from it and the ALT
    // text (part of layout, in layout/line_breaking.cpp).
    void Measure(TSectionList& master, Canvas& canvas, const FontDescription& font);
    // Draws the picture at X on a line whose text baseline is Baseline and
    // whose text band starts at TextTop; Font is the run in force at the image.
    void Draw(Canvas& canvas, int X, int Baseline, int TextTop, const TFontObj& Font) const;

private:
    QImage Own_;
    BitmapSource Kind_ = BitmapSource::None;
};

class TImageList : public TFreeList<TImageObj> {
public:
    TImageObj* GetImageAt(int pos) const;
    // The first image at or after pos, as an index (Count() when there is none).
    int IndexAtOrAfter(int pos) const;
    // Distance from pos to the next image at or after it; 9999 when there is none.
    int GetImageCountAt(int pos) const;
};

} // namespace zorvel
