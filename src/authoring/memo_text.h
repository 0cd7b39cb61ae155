#pragma once
// Multi-line fields of the dialogs hold the texts that go into the document:
// read back with CR LF line breaks and every other character exactly as typed.
#include <QString>

class QPlainTextEdit;

namespace zorvel {

QString memoText(const QPlainTextEdit* memo);
void setMemoText(QPlainTextEdit* memo, const QString& crlfText);

} // namespace zorvel
