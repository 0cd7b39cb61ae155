#include "find_replace.h"

#include <gtest/gtest.h>

#include <random>

namespace zorvel {
namespace {

using Offsets = std::vector<qsizetype>;

// Search next as written: scan for the first character, compare the whole
// text there, else step one character on.
// Whole word: no letter, digit or underscore on either side. Up: the
// candidates before the position, nearest first.
struct NaiveSearch {
    QString snapshot, search;
    qsizetype pos = -1;
    bool wholeWord = false, up = false;

    void start(const QString& doc, const QString& find, bool matchCase) {
        snapshot = matchCase ? doc : upperAscii(doc);
        search = matchCase ? find : upperAscii(find);
        pos = 0;
    }
    bool word(qsizetype i) const {
        return i >= 0 && i < snapshot.size() && (snapshot[i].isLetterOrNumber() || snapshot[i] == QLatin1Char('_'));
    }
    bool matchAt(qsizetype i) const {
        return QStringView(snapshot).mid(i).startsWith(search) &&
               (!wholeWord || (!word(i - 1) && !word(i + search.size())));
    }
    qsizetype next() {
        if (pos < 0 || search.isEmpty())
            return -1;
        if (up) {
            for (qsizetype i = pos - 1; i >= 0; --i)
                if (matchAt(i))
                    return pos = i;
            pos = 0;
            return -1;
        }
        for (;;) {
            qsizetype i = pos;
            while (i < snapshot.size() && snapshot[i] != search[0])
                ++i;
            if (i >= snapshot.size())
                return -1;
            pos = i;
            if (matchAt(pos)) {
                const qsizetype match = pos;
                pos = match + 1;
                return match;
            }
            ++pos;
        }
    }
};

// Replace All as written: search next, replace the selection in the
// document, new snapshot of the whole document, continue behind the insert.
ReplaceAllResult naiveReplaceAll(QString doc, const QString& find, const QString& repl, bool matchCase,
                                 bool wholeWord = false) {
    NaiveSearch s;
    s.start(doc, find, matchCase);
    s.wholeWord = wholeWord;
    ReplaceAllResult r;
    qsizetype shift = 0; // how far the document has moved against the original
    for (qsizetype at = s.next(); at >= 0; at = s.next()) {
        r.matches.push_back(at - shift);
        doc.replace(at, find.size(), repl);
        s.snapshot = matchCase ? doc : upperAscii(doc);
        s.pos = at + repl.size();
        r.caret = s.pos;
        shift += repl.size() - find.size();
    }
    r.text = doc;
    return r;
}

Offsets allMatches(SearchState& state) {
    Offsets found;
    while (const auto m = state.searchNext()) {
        EXPECT_EQ(m->length, state.searchText().size());
        found.push_back(m->offset);
    }
    return found;
}

TEST(UpperAscii, OnlyLatinLettersChange) {
    EXPECT_EQ(upperAscii(QString::fromUtf8("abz AZ é É ß ÿ [`{ 09")), QString::fromUtf8("ABZ AZ é É ß ÿ [`{ 09"));
}

TEST(SearchState, FindNextSequences) {
    struct Case {
        const char* name;
        const char* text;
        const char* find;
        bool matchCase;
        Offsets expected;
    };
    const Case cases[] = {
        {"case ignored", "Abc abc ABC", "abc", false, {0, 4, 8}},
        {"match case", "Abc abc ABC", "abc", true, {4}},
        {"overlapping", "aaa", "aa", false, {0, 1}},
        {"overlapping with a border", "ababab", "abab", true, {0, 2}},
        {"part of a word", "the", "he", false, {1}},
        {"accented letters are not folded", "É", "é", false, {}},
        {"accented letter itself", "xéé", "é", false, {1, 2}},
        {"line breaks count two", "a\r\nb\r\nb", "B", false, {3, 6}},
        {"empty find text", "abc", "", false, {}},
        {"longer than the text", "ab", "abc", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SearchState state;
        state.startSearch(QString::fromUtf8(c.text), QString::fromUtf8(c.find), c.matchCase);
        EXPECT_EQ(allMatches(state), c.expected);
        EXPECT_FALSE(state.searchNext()) << "stays not found";
    }
}

TEST(SearchState, NothingFoundBeforeAnySearch) {
    SearchState state;
    EXPECT_FALSE(state.searchNext());
    EXPECT_FALSE(state.position());
}

TEST(SearchState, NewStartSearchBeginsAtTheTop) {
    SearchState state;
    state.startSearch("x ab ab ab", "ab", true);
    state.searchNext();
    ASSERT_EQ(state.searchNext()->offset, 5);
    // Replace in the dialog starts a fresh search: the first match from the top.
    state.startSearch("x ab ab ab", "ab", true);
    EXPECT_EQ(state.searchNext(), (SearchMatch{2, 2}));
}

TEST(SearchState, SnapshotIsKeptAfterTheDocumentChanges) {
    SearchState state;
    state.startSearch("one two one", "one", false);
    ASSERT_EQ(state.searchNext()->offset, 0);
    // The document may be edited meanwhile; Find Next goes on in the snapshot.
    EXPECT_EQ(state.searchNext()->offset, 8);
}

TEST(SearchState, ReplaceMatchContinuesBehindTheInsertedText) {
    SearchState state;
    QString doc = "abcabc";
    state.startSearch(doc, "B", false);
    state.setReplaceText("bb");
    const auto m = state.searchNext();
    ASSERT_EQ(m->offset, 1);
    doc.replace(m->offset, m->length, state.replaceText());
    state.replaceMatch(doc, false);
    EXPECT_EQ(state.snapshot(), "ABBCABC");
    EXPECT_EQ(state.position(), 3);
    EXPECT_EQ(state.searchNext()->offset, 5);
}

TEST(ReplaceAll, Samples) {
    struct Case {
        const char* name;
        const char* text;
        const char* find;
        const char* repl;
        bool matchCase;
        const char* expected;
        Offsets matches;
        qsizetype caret;
    };
    const Case cases[] = {
        {"inserted text not searched again", "aXa", "a", "aa", false, "aaXaa", {0, 2}, 5},
        {"no match", "aXa", "b", "c", false, "aXa", {}, -1},
        {"empty find text", "aXa", "", "c", false, "aXa", {}, -1},
        {"case ignored, replacement kept as typed", "Abc abc ABC", "abc", "x", false, "x x x", {0, 4, 8}, 5},
        {"match case", "Abc abc ABC", "abc", "x", true, "Abc x ABC", {4}, 5},
        {"non-overlapping", "aaaa", "aa", "", false, "", {0, 2}, 0},
        {"odd overlap", "aaa", "aa", "b", false, "ba", {0}, 1},
        {"accented", "éÉé", "é", "e", false, "eÉe", {0, 2}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReplaceAllResult r =
            replaceAll(QString::fromUtf8(c.text), QString::fromUtf8(c.find), QString::fromUtf8(c.repl), c.matchCase);
        EXPECT_EQ(r.text, QString::fromUtf8(c.expected));
        EXPECT_EQ(r.matches, c.matches);
        EXPECT_EQ(r.caret, c.caret);
    }
}

TEST(ReplaceAll, LeavesTheSearchStateAsTheLoopWould) {
    SearchState state;
    const ReplaceAllResult r = state.replaceAll("aXa", "A", "aa", false);
    EXPECT_EQ(r.text, "aaXaa");
    EXPECT_EQ(state.snapshot(), "AAXAA");
    EXPECT_EQ(state.lastMatch(), 3);
    EXPECT_EQ(state.replaceText(), "aa");
    EXPECT_FALSE(state.searchNext()) << "Find Next after Replace All finds nothing more";
}

TEST(SearchState, WholeWordAndUpSequences) {
    struct Case {
        const char* name;
        const char* text;
        const char* find;
        SearchOptions options;
        qsizetype caret;
        Offsets expected;
    };
    const Case cases[] = {
        {"whole word skips a tag's start", "<body> bod", "bod", {false, true}, 0, {7}},
        {"whole word: digits and underscores are word characters",
         "he the he2 _he he",
         "he",
         {false, true},
         0,
         {0, 15}},
        {"whole word: accented letters too", "éhe he", "HE", {false, true}, 0, {4}},
        {"whole word at both ends of a line", "ab\r\nab", "ab", {true, true}, 0, {0, 4}},
        {"up from the end finds the last match first", "ab ab ab", "ab", {false, false, true}, 8, {6, 3, 0}},
        {"up from the caret skips what follows it", "ab ab ab", "ab", {false, false, true}, 4, {3, 0}},
        {"up: a match may run past the caret", "abc", "abc", {false, false, true}, 1, {0}},
        {"up overlapping", "aaa", "aa", {false, false, true}, 3, {1, 0}},
        {"up from the top finds nothing", "ab", "ab", {false, false, true}, 0, {}},
        {"up with whole word and case", "Ab ab xab AB", "ab", {true, true, true}, 12, {3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SearchState state;
        state.startSearch(QString::fromUtf8(c.text), QString::fromUtf8(c.find), c.options, c.caret);
        EXPECT_EQ(allMatches(state), c.expected);
        EXPECT_FALSE(state.searchNext()) << "stays not found";
    }
}

TEST(ReplaceAll, WholeWordLooksAtWhatAnEarlierReplacementPutIn) {
    EXPECT_EQ(replaceAll("cat catalog cat", "cat", "dog", false, true).text, "dog catalog dog");
    // The second "-" follows the inserted "x", a word character, so it stays.
    EXPECT_EQ(replaceAll("--", "-", "x", true, true).text, "x-");
}

QString randomText(std::mt19937& rng, const QString& alphabet, int maxLength) {
    std::uniform_int_distribution<int> len(0, maxLength), pick(0, int(alphabet.size()) - 1);
    QString s;
    for (int n = len(rng); n > 0; --n)
        s += alphabet[pick(rng)];
    return s;
}

// Generated texts over a small alphabet (so matches abound, overlap and
// cross case) against the written procedures.
TEST(ReplaceAll, OnePassEqualsRepeatedSearchAndReplace) {
    const QString alphabet = QString::fromUtf8("aAbBéÉ\r\n");
    std::mt19937 rng(2024);
    int replaced = 0;
    for (int round = 0; round < 20000; ++round) {
        const QString doc = randomText(rng, alphabet, 30);
        QString find = randomText(rng, alphabet, 4);
        const QString repl = randomText(rng, alphabet, 4);
        const bool matchCase = round % 2 == 0;
        const ReplaceAllResult expected = naiveReplaceAll(doc, find, repl, matchCase);
        const ReplaceAllResult actual = replaceAll(doc, find, repl, matchCase);
        ASSERT_EQ(actual.text, expected.text) << doc.toStdString() << " / " << find.toStdString();
        ASSERT_EQ(actual.matches, expected.matches) << doc.toStdString() << " / " << find.toStdString();
        ASSERT_EQ(actual.caret, expected.caret);
        replaced += !expected.matches.empty();

        NaiveSearch naive;
        naive.start(doc, find, matchCase);
        Offsets naiveFound;
        for (qsizetype at = naive.next(); at >= 0; at = naive.next())
            naiveFound.push_back(at);
        SearchState state;
        state.startSearch(doc, find, matchCase);
        ASSERT_EQ(allMatches(state), naiveFound) << doc.toStdString() << " / " << find.toStdString();
    }
    EXPECT_GT(replaced, 3000);
}

// Whole words and the upward search against the written procedure with their rule,
// over texts where words, separators and overlaps abound.
TEST(ReplaceAll, WholeWordAndUpEqualTheWrittenProcedureWithTheirRule) {
    const QString alphabet = QString::fromUtf8("aAb_ -\r\n");
    std::mt19937 rng(11);
    int found = 0;
    for (int round = 0; round < 20000; ++round) {
        const QString doc = randomText(rng, alphabet, 24);
        const QString find = randomText(rng, alphabet, 3);
        const QString repl = randomText(rng, alphabet, 3);
        const bool matchCase = round % 2 == 0;
        const ReplaceAllResult expected = naiveReplaceAll(doc, find, repl, matchCase, true);
        const ReplaceAllResult actual = replaceAll(doc, find, repl, matchCase, true);
        ASSERT_EQ(actual.text, expected.text) << doc.toStdString() << " / " << find.toStdString();
        ASSERT_EQ(actual.matches, expected.matches);
        ASSERT_EQ(actual.caret, expected.caret);

        const bool up = round % 3 != 0;
        const qsizetype caret = up ? std::uniform_int_distribution<qsizetype>(0, doc.size())(rng) : 0;
        NaiveSearch naive;
        naive.start(doc, find, matchCase);
        naive.wholeWord = round % 4 < 2;
        naive.up = up;
        naive.pos = caret;
        Offsets naiveFound;
        for (qsizetype at = naive.next(); at >= 0; at = naive.next())
            naiveFound.push_back(at);
        SearchState state;
        state.startSearch(doc, find, SearchOptions{matchCase, naive.wholeWord, up}, caret);
        ASSERT_EQ(allMatches(state), naiveFound) << doc.toStdString() << " / " << find.toStdString();
        found += !naiveFound.empty();
    }
    EXPECT_GT(found, 2000);
}

} // namespace
} // namespace zorvel
