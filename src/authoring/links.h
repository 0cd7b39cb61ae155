#pragma once
// Link texts, address composition and the bookmark list of a document.
#include <QString>
#include <QStringList>
#include <optional>

namespace zorvel {

// The address shown as "URL to be used": protocol "://" domain "/" file, with
// the protocol and domain left out when the protocol is blank.
QString composeUrl(const QString& protocol, const QString& domain, const QString& file);

struct UrlParts {
    QString protocol;
    QString domain;
    QString file;
};
// A stored address split back into the three fields; nullopt when it has no "//".
std::optional<UrlParts> splitUrl(const QString& address);

// The three kinds of link: the address or name escaped in its quotes, memo
// texts inserted unchanged (CR LF line breaks), being the user's own markup.
QString externalLinkText(const QString& url, const QString& memo);
QString bookMarkText(const QString& name, const QString& memo);
QString bookMarkLinkText(const QString& name, const QString& memo);

// Bookmark lists are sorted without regard to case in the locale's order, and
// a name that differs from a listed one only in case counts as listed.
bool bookMarkLess(const QString& a, const QString& b);
bool containsBookMark(const QStringList& sorted, const QString& name);
// Inserts the name in its sorted place unless it is already listed.
void addBookMark(QStringList& sorted, const QString& name);

// The anchor names of a text: every "<A NAME=" form in upper case, read up to
// the next ">", with the entities the links dialog writes there turned back
// into characters, first spelling kept, sorted. One pass over the text.
QStringList scanBookMarks(const QString& text);
// Refills a document's list from its text; an empty text leaves the list alone.
void findAllBookMarks(const QString& text, QStringList& bookMarks);

} // namespace zorvel
