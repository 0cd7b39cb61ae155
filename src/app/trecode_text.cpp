#include "trecode_text.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace zorvel::storedtext {

namespace {

bool needsStandIn(char16_t c) {
    return c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
}

BreakKind kindOf(LineEnding ending) {
    switch (ending) {
    case LineEnding::CrLf:
        return CrLf;
    case LineEnding::Lf:
        return Lf;
    case LineEnding::Cr:
        return Cr;
    }
    return CrLf;
}

// Where to cut a piece of a long line that starts at start: near kPiece, after a
// blank or a tag's end when one is close, never inside a surrogate pair.
qsizetype pieceEnd(QStringView line, qsizetype start) {
    qsizetype end = start + kPiece;
    for (qsizetype i = end; i > end - kPiece / 4; --i)
        if (line[i - 1] == u' ' || line[i - 1] == u'>') {
            end = i;
            break;
        }
    if (line[end - 1].isHighSurrogate())
        --end;
    return end;
}

QTextBlockFormat formatFor(BreakKind kind) {
    QTextBlockFormat format;
    if (kind != Default)
        format.setProperty(kBreakProperty, int(kind));
    return format;
}

// Gives the blocks after first (the breaks' blocks) their kinds, and marks the stand-ins.
void applyFormats(QTextDocument& document, const Prepared& prepared, int firstPosition, bool defaultsToo) {
    QTextCursor cursor(&document);
    // One change for the layout to follow, not one per block.
    cursor.beginEditBlock();
    QTextBlock block = document.findBlock(firstPosition);
    for (const BreakKind kind : prepared.breaks) {
        block = block.next();
        if (kind == Default && !defaultsToo)
            continue;
        cursor.setPosition(block.position());
        cursor.setBlockFormat(formatFor(kind));
    }
    for (std::size_t i = 0; i < prepared.standIns.size(); i += 2) {
        cursor.setPosition(firstPosition + prepared.standIns[i]);
        cursor.setPosition(firstPosition + prepared.standIns[i] + 1, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setProperty(kStandInProperty, prepared.standIns[i + 1]);
        cursor.setCharFormat(format);
    }
    cursor.endEditBlock();
}

} // namespace

Prepared prepare(QStringView text, LineEnding documentEnding, bool keepEndings) {
    Prepared out;
    out.flat.reserve(text.size());
    const BreakKind own = kindOf(documentEnding);
    auto addLine = [&](QStringView line) {
        qsizetype start = 0;
        if (line.size() > kLongLine) {
            while (line.size() - start > kPiece) {
                const qsizetype end = pieceEnd(line, start);
                out.flat += line.mid(start, end - start);
                out.flat += u'\n';
                out.breaks.push_back(Soft);
                start = end;
            }
            out.hasSoftBreaks = true;
        }
        out.flat += line.mid(start);
    };
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        BreakKind kind = c == u'\n' ? Lf : Cr;
        addLine(text.mid(lineStart, i - lineStart));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            kind = CrLf;
            ++i;
        }
        out.flat += u'\n';
        out.breaks.push_back(keepEndings && kind != own ? kind : Default);
        lineStart = i + 1;
    }
    addLine(text.mid(lineStart));
    for (qsizetype i = 0; i < out.flat.size(); ++i)
        if (needsStandIn(out.flat[i].unicode())) {
            out.standIns.push_back(int(i));
            out.standIns.push_back(out.flat[i].unicode());
            out.flat[i] = QChar(kStandIn);
        }
    return out;
}

void load(QTextDocument& document, const Prepared& prepared) {
    // Loading is no edit to take back; keeping no undo record is also much faster.
    document.setUndoRedoEnabled(false);
    document.setPlainText(prepared.flat);
    applyFormats(document, prepared, 0, false);
    document.setUndoRedoEnabled(true);
    document.setModified(false);
}

void insert(QTextCursor& cursor, const Prepared& prepared) {
    cursor.removeSelectedText();
    const int start = cursor.position();
    cursor.insertText(prepared.flat, QTextCharFormat());
    const int end = cursor.position();
    // Qt gives new blocks the format of the block they were split from; every
    // break inserted here says itself what it is.
    applyFormats(*cursor.document(), prepared, start, true);
    cursor.setPosition(end);
}

BreakKind breakBefore(const QTextBlock& block) {
    return BreakKind(block.blockFormat().intProperty(kBreakProperty));
}

QString endingText(BreakKind kind, LineEnding documentEnding) {
    switch (kind) {
    case Default:
        return lineEndingText(documentEnding);
    case CrLf:
        return QStringLiteral("\r\n");
    case Lf:
        return QStringLiteral("\n");
    case Cr:
        return QStringLiteral("\r");
    case Soft:
        return QString();
    }
    return lineEndingText(documentEnding);
}

QString read(const QTextDocument& document, int from, int to, const Separators& separators) {
    QString out;
    if (to <= from)
        return out;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to; block = block.next()) {
        if (block.position() > from) {
            const BreakKind kind = breakBefore(block);
            out += kind == Soft             ? QString()
                   : separators.fileEndings ? endingText(kind, separators.documentEnding)
                                            : separators.hard;
        }
        const int begin = std::max(from, block.position());
        const int end = std::min(to, block.position() + block.length() - 1);
        if (end <= begin)
            continue;
        const QString text = block.text();
        const QStringView part = QStringView(text).mid(begin - block.position(), end - begin);
        if (!part.contains(QChar(kStandIn))) {
            out += part;
            continue;
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int fBegin = std::max(begin, fragment.position());
            const int fEnd = std::min(end, fragment.position() + fragment.length());
            if (fEnd <= fBegin)
                continue;
            QString piece = fragment.text().mid(fBegin - fragment.position(), fEnd - fBegin);
            if (const int original = fragment.charFormat().intProperty(kStandInProperty); original != 0)
                piece.replace(QChar(kStandIn), QChar(char16_t(original)));
            out += piece;
        }
    }
    return out;
}

} // namespace zorvel::storedtext
