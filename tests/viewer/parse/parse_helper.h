#pragma once
// Parses a text into a fresh document with the viewer's defaults and fixed metrics.
#include "canvas/fixed_canvas.h"
#include "headless/dump.h"
#include "model/form_controls.h"
#include "model/tables.h"
#include "parse/html_parse.h"

#include <gtest/gtest.h>

#include <memory>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QColor& c, std::ostream* os) {
    *os << c.name(QColor::HexArgb).toStdString();
}

namespace zorvel::testing {

// A host that gives every picture asked for: a blank one of one size.
struct PictureHost : DocumentHost {
    explicit PictureHost(QSize size) : size(size) {}
    bool OnBitmapRequest(const QString&, std::optional<QImage>& bitmap) override {
        bitmap = QImage(size, QImage::Format_RGB32);
        return true;
    }
    QSize size;
};

// A host that makes the forms' window controls with a given factory.
struct ControlsHost : DocumentHost {
    FormControlFactory* ControlFactory() override { return factory; }
    FormControlFactory* factory = nullptr;
};

struct Parsed {
    FixedMetricsCanvas canvas;
    ControlsHost host; // outlives the list's controls
    TSectionList list{canvas};
    TNameList names;
    TParseStrings strings;

    // controls: the factory of the form controls' windows, none when null.
    explicit Parsed(const QString& html, int fontSize = 12, FormControlFactory* controls = nullptr) {
        if (controls) {
            host.factory = controls;
            list.Host = &host;
        }
        list.SetDefaults({.fontSize = fontSize});
        HtmlParseBuffer(list, names, html, strings);
    }
    QString dump() const { return dumpModelText(list, names, strings); }

    // Text sections only, in document order (top level).
    std::vector<const TSection*> texts() const {
        std::vector<const TSection*> out;
        for (const auto& s : list)
            if (const auto* t = dynamic_cast<const TSection*>(s.get()))
                out.push_back(t);
        return out;
    }
    // The texts of the non-empty top-level text sections.
    QStringList nonEmptyTexts() const {
        QStringList out;
        for (const TSection* t : texts())
            if (!t->TextBuffer().isEmpty())
                out << t->TextBuffer().toString();
        return out;
    }
    // The kinds of the top-level sections, empty text sections left out.
    QStringList kinds() const {
        QStringList out;
        for (const auto& s : list) {
            const auto* t = dynamic_cast<const TSection*>(s.get());
            if (t && t->TextBuffer().isEmpty())
                continue;
            out << QString::fromLatin1(s->KindName());
        }
        return out;
    }
    const ThtmlTable* table(int n = 0) const {
        for (const auto& s : list)
            if (const auto* t = dynamic_cast<const ThtmlTable*>(s.get()))
                if (n-- == 0)
                    return t;
        return nullptr;
    }
};

inline QString cellText(const TCell& cell) {
    QString text;
    for (const auto& s : cell)
        if (const auto* t = dynamic_cast<const TSection*>(s.get()))
            text += t->TextBuffer().toString();
    return text;
}

} // namespace zorvel::testing
