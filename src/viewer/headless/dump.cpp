// The model as readable text, and `zorvel --dump`.
#include "headless/dump.h"

#include "canvas/fixed_canvas.h"
#include "model/form_controls.h"
#include "model/limits.h"
#include "model/tables.h"

#include <QHash>

namespace zorvel {

namespace {

const char* justifyName(Justification j) {
    switch (j) {
    case Justification::Left:
        return "left";
    case Justification::Center:
        return "center";
    case Justification::Right:
        return "right";
    case Justification::None:
        break;
    }
    return "none";
}
const char* valignName(VerticalAlign v) {
    switch (v) {
    case VerticalAlign::Top:
        return "top";
    case VerticalAlign::Bottom:
        return "bottom";
    case VerticalAlign::Middle:
        break;
    }
    return "middle";
}

QString quoted(const QString& s) {
    return u'"' + visibleText(s) + u'"';
}

QString styleName(const FontDescription& f) {
    QString s;
    if (f.bold)
        s += u'B';
    if (f.italic)
        s += u'I';
    if (f.underline)
        s += u'U';
    return s.isEmpty() ? QStringLiteral("-") : s;
}

class Dumper {
public:
    Dumper(QTextStream& out, bool withLines) : out_(out), withLines_(withLines) {}

    void cell(const TCell& cell, int depth, const QString& path) {
        for (int i = 0; i < cell.Count(); ++i)
            section(*cell.Item(i), depth, path.isEmpty() ? QString::number(i) : path + u'/' + QString::number(i));
    }

    QHash<const TSectionBase*, QString> paths;

private:
    void line(int depth, const QString& text) { out_ << QString(depth * 2, u' ') << text << '\n'; }

    void section(const TSectionBase& s, int depth, const QString& path) {
        paths.insert(&s, path);
        if (const auto* text = dynamic_cast<const TSection*>(&s)) {
            textSection(*text, depth);
        } else if (const auto* heading = dynamic_cast<const THeadingSpace*>(&s)) {
            line(depth,
                 QStringLiteral("HeadingSpace level=%1 height=%2").arg(heading->HeadingSize).arg(s.SectionHeight));
        } else if (const auto* table = dynamic_cast<const ThtmlTable*>(&s)) {
            tableSection(*table, depth, path);
        } else {
            line(depth, QStringLiteral("%1 height=%2").arg(QLatin1String(s.KindName())).arg(s.SectionHeight));
        }
    }

    void textSection(const TSection& s, int depth) {
        QString head = QStringLiteral("%1 level=%2 justify=%3")
                           .arg(QLatin1String(s.KindName()))
                           .arg(s.Level)
                           .arg(QLatin1String(justifyName(s.Justify)));
        if (s.ListType == ListKind::Ordered)
            head += QStringLiteral(" number=%1").arg(s.ListNumber);
        line(depth, head + u' ' + quoted(s.TextBuffer().toString()));
        for (const auto& f : s.Fonts) {
            const TMyFont& font = f->RunFont();
            QString run = QStringLiteral("font pos=%1 face=%2 size=%3 style=%4 color=%5")
                              .arg(f->Pos)
                              .arg(quoted(font.name))
                              .arg(font.NormalSize)
                              .arg(styleName(font), font.color.name());
            if (font.Fixed)
                run += QStringLiteral(" fixed");
            if (f->ScriptPosition != ScriptShift::Normal)
                run += f->ScriptPosition == ScriptShift::Sub ? QStringLiteral(" sub") : QStringLiteral(" sup");
            if (!f->LinkURL.isEmpty())
                run += QStringLiteral(" link=") + quoted(f->LinkURL.toString());
            line(depth + 1, run);
        }
        for (const auto& image : s.Images()) {
            QString text =
                QStringLiteral("image pos=%1 src=%2 alt=%3 align=%4")
                    .arg(image->Pos)
                    .arg(quoted(image->Source), quoted(image->Alt), QLatin1String(valignName(image->ImageAlign)));
            if (image->NoBorder)
                text += QStringLiteral(" noborder");
            line(depth + 1, text);
        }
        for (const TFormControlObj* c : s.FormControls())
            line(depth + 1, QStringLiteral("control pos=%1 %2 name=%3")
                                .arg(c->Pos)
                                .arg(QLatin1String(c->KindName()), quoted(c->Name)));
        if (!withLines_)
            return;
        int top = s.TopY;
        for (const auto& l : s.LineRecs) {
            line(depth + 1, QStringLiteral("line top=%1 indent=%2 height=%3 descent=%4 before=%5 after=%6 %7")
                                .arg(top)
                                .arg(l->LineIndent)
                                .arg(l->LineHeight)
                                .arg(l->Descent)
                                .arg(l->SpaceBefore)
                                .arg(l->SpaceAfter)
                                .arg(quoted(s.TextBuffer().mid(l->Start, l->CharCount).toString())));
            top = addExtent(top, TSection::LineSpan(*l));
        }
    }

    void tableSection(const ThtmlTable& t, int depth, const QString& path) {
        line(depth,
             QStringLiteral("Table border=%1 justify=%2 width=%3% padding=%4 spacing=%5 caption=%6")
                     .arg(t.Border ? 1 : 0)
                     .arg(QLatin1String(justifyName(t.Justify)))
                     .arg(t.WidthPercent)
                     .arg(t.CellPadding)
                     .arg(t.CellSpacing)
                     .arg(t.TopCaption ? QStringLiteral("top") : QStringLiteral("bottom")) +
                 (t.Background ? QStringLiteral(" bgcolor=") + QColor::fromRgb(t.Background).name() : QString()));
        if (withLines_) {
            QStringList widths;
            for (int k = 0; k < t.NumCols; ++k)
                widths << QString::number(t.Widths[k]);
            line(depth + 1, QStringLiteral("layout top=%1 height=%2 left=%3 columns=%4 width=%5 full=%6 caption=%7 "
                                           "body=%8 widths=%9")
                                .arg(t.TopY)
                                .arg(t.SectionHeight)
                                .arg(t.TableLeft)
                                .arg(t.ColumnsLeft)
                                .arg(t.TableWidth)
                                .arg(t.FullWidth)
                                .arg(t.CaptionHeight)
                                .arg(t.BodyHeight)
                                .arg(widths.join(u',')));
        }
        line(depth + 1, QStringLiteral("Caption"));
        cell(*t.Caption->Cell, depth + 2, path + QStringLiteral("/caption"));
        for (int r = 0; r < t.Rows.Count(); ++r) {
            const TCellList& row = *t.Rows.Item(r);
            line(depth + 1, withLines_ ? QStringLiteral("Row %1 height=%2").arg(r + 1).arg(row.RowHeight)
                                       : QStringLiteral("Row %1").arg(r + 1));
            for (int c = 0; c < row.Count(); ++c) {
                const TCellObj& obj = *row.Item(c);
                QString head = QStringLiteral("Cell colspan=%1 rowspan=%2 valign=%3 width=%4%")
                                   .arg(obj.ColSpan)
                                   .arg(obj.RowSpan)
                                   .arg(QLatin1String(valignName(obj.VAlign)))
                                   .arg(obj.WidthPercent);
                if (obj.Background)
                    head += QStringLiteral(" bgcolor=") + QColor::fromRgb(obj.Background).name();
                if (withLines_ && obj.ColSpan > 0)
                    head += QStringLiteral(" box=%1x%2 offset=%3")
                                .arg(obj.CellWidth)
                                .arg(obj.CellHeight)
                                .arg(obj.ContentOffset);
                line(depth + 2, head);
                cell(*obj.Cell, depth + 3, path + QStringLiteral("/r%1c%2").arg(r + 1).arg(c + 1));
            }
        }
    }

    QTextStream& out_;
    bool withLines_;
};

void dumpControl(const TFormControlObj& c, QTextStream& out) {
    out << "  " << c.KindName() << " name=" << quoted(c.Name) << " value=" << quoted(c.Value);
    if (const auto* e = dynamic_cast<const TEditFormControlObj*>(&c)) {
        out << " size=" << e->EditSize << " maxlength=" << e->MaxLength;
        if (e->Password)
            out << " password";
    } else if (const auto* b = dynamic_cast<const TButtonFormControlObj*>(&c)) {
        out << " caption=" << quoted(b->Caption());
    } else if (const auto* box = dynamic_cast<const TCheckBoxFormControlObj*>(&c)) {
        out << (box->IsChecked ? " checked" : "");
    } else if (const auto* radio = dynamic_cast<const TRadioButtonFormControlObj*>(&c)) {
        out << (radio->IsChecked ? " checked" : "");
    } else if (const auto* list = dynamic_cast<const TListBoxFormControlObj*>(&c)) {
        out << " rows=" << list->VisibleRows << (list->Multiple ? " multiple" : "") << '\n';
        for (const auto& [text, option] : list->OptionList)
            out << "    option " << quoted(text) << " value=" << quoted(option.Value)
                << (option.Selected ? " selected" : "") << '\n';
        return;
    } else if (const auto* area = dynamic_cast<const TTextAreaFormControlObj*>(&c)) {
        out << " rows=" << area->Rows << " cols=" << area->Cols << '\n';
        for (const QString& l : area->InitialText)
            out << "    line " << quoted(l) << '\n';
        return;
    }
    out << '\n';
}

} // namespace

QString visibleText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == kImageChar)
            out += QStringLiteral("[img]");
        else if (c == kControlChar)
            out += QStringLiteral("[ctl]");
        else if (c == u'\\' || c == u'"')
            out += u'\\' + QString(ch);
        else if (c < 32)
            out += QStringLiteral("\\x%1").arg(int(c), 2, 16, QLatin1Char('0'));
        else
            out += ch;
    }
    return out;
}

void dumpModel(const TSectionList& list, const TNameList& names, const TParseStrings& strings, QTextStream& out,
               bool withLines) {
    Dumper dumper(out, withLines);
    dumper.cell(list, 0, QString());
    for (const auto& form : list.FormList) {
        out << "Form method=" << form->Method << " action=" << quoted(form->Action) << '\n';
        for (const auto& control : form->ControlList)
            dumpControl(*control, out);
    }
    out << "Title " << quoted(strings.Title) << '\n';
    out << "Base " << quoted(strings.Base) << '\n';
    out << "Background " << list.Background.name();
    if (!list.BackgroundBitmapName.isEmpty())
        out << " image=" << quoted(list.BackgroundBitmapName);
    out << " text=" << list.FontColor.name() << " link=" << list.HotSpotColor.name() << '\n';
    for (int i = 0; i < names.Count(); ++i)
        out << "Anchor " << quoted(names.Name(i))
            << " section=" << dumper.paths.value(names.Section(i), QStringLiteral("none")) << '\n';
}

QString dumpModelText(const TSectionList& list, const TNameList& names, const TParseStrings& strings) {
    QString text;
    QTextStream out(&text);
    dumpModel(list, names, strings, out);
    out.flush();
    return text;
}

} // namespace zorvel
