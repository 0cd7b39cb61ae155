#include "memo_text.h"

#include "markup.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace zorvel {

QString memoText(const QPlainTextEdit* memo) {
    // toPlainText() would turn non-breaking spaces into plain ones.
    QString text = memo->document()->toRawText();
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QLatin1Char('\n'))
            out += QLatin1String("\r\n");
        else
            out += c;
    }
    return out;
}

void setMemoText(QPlainTextEdit* memo, const QString& crlfText) {
    memo->setPlainText(fromCrLf(crlfText));
}

} // namespace zorvel
