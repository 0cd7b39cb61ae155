// Form controls at work: their size in a line, their place on the page, their
// initial values and what each one submits.
#include "model/document.h"
#include "model/form_controls.h"
#include "model/limits.h"

#include <algorithm>

namespace zorvel {

namespace {

// Sizes come from the page (SIZE, COLS, ROWS) and may be absurd; a control
// is never larger than a few screens, which is all anyone can scroll through
// in it (a page of them would otherwise print thousands of sheets).
int extent(qint64 v) {
    return int(std::clamp<qint64>(v, 0, kMaxControlExtent));
}

QSize letterA(const FormWindowControl& w) {
    return w.textExtent(QStringLiteral("A"));
}

} // namespace

int TFormControlObj::ControlWidth() const {
    return WindowControl ? WindowControl->geometry().width() : 0;
}

int TFormControlObj::ControlHeight() const {
    return WindowControl ? WindowControl->geometry().height() : 0;
}

void TFormControlObj::HideControl() {
    if (WindowControl)
        WindowControl->setVisible(false);
}

void TFormControlObj::ShowControlAt(int x, int y) {
    if (!WindowControl)
        return;
    WindowControl->setGeometry(QRect(QPoint(x, y), WindowControl->geometry().size()));
    WindowControl->setVisible(true);
}

void TFormControlObj::Draw(Canvas&, int x, int y) {
    ShowControlAt(x, y);
}

void TFormControlObj::SetControlSize(qint64 width, qint64 height) {
    if (WindowControl)
        WindowControl->setGeometry(QRect(WindowControl->geometry().topLeft(), QSize(extent(width), extent(height))));
}

bool TFormControlObj::GetSubmission(int, QString&) {
    return false;
}

bool THiddenFormControlObj::GetSubmission(int Index, QString& S) {
    if (Index != 0)
        return false;
    S = Name + u'=' + Value;
    return true;
}

void TEditFormControlObj::RestoreInitialValue() {
    WindowControl->setText(Value);
}

bool TEditFormControlObj::GetSubmission(int Index, QString& S) {
    if (Index != 0)
        return false;
    S = Name + u'=' + WindowControl->text();
    return true;
}

void TEditFormControlObj::SizeControl(Canvas&) {
    const QSize a = letterA(*WindowControl);
    SetControlSize(qint64(a.width()) * EditSize + 5, a.height() + 3);
}

void TButtonFormControlObj::SizeControl(Canvas&) {
    SetControlSize(qint64(WindowControl->textExtent(Caption()).width()) + 20, letterA(*WindowControl).height() + 8);
}

void TCheckBoxFormControlObj::RestoreInitialValue() {
    WindowControl->setChecked(IsChecked);
}

bool TCheckBoxFormControlObj::GetSubmission(int Index, QString& S) {
    if (Index != 0 || !WindowControl->isChecked())
        return false;
    S = Name + u'=' + Value;
    return true;
}

void TRadioButtonFormControlObj::RestoreInitialValue() {
    WindowControl->setChecked(IsChecked);
}

void TRadioButtonFormControlObj::ShowControlAt(int x, int y) {
    TFormControlObj::ShowControlAt(x, y);
    WindowControl->refresh();
}

bool TRadioButtonFormControlObj::GetSubmission(int Index, QString& S) {
    if (Index != 0 || !WindowControl->isChecked())
        return false;
    S = Name + u'=' + Value;
    return true;
}

void TListBoxFormControlObj::RestoreInitialValue() {
    FormWindowControl& w = *WindowControl;
    QStringList texts;
    for (const auto& option : OptionList)
        texts << option.first;
    w.setItems(texts);
    // A list that takes one choice keeps the last of several marked ones.
    int last = -1;
    for (int i = 0; i < int(OptionList.size()); ++i) {
        if (!OptionList[std::size_t(i)].second.Selected)
            continue;
        if (Multiple)
            w.setSelected(i, true);
        last = i;
    }
    if (last >= 0)
        w.setSelected(last, true);
    else if (w.count() > 0)
        w.setSelected(0, true);
    w.scrollToTop();
}

bool TListBoxFormControlObj::GetSubmission(int Index, QString& S) {
    if (Index < 0 || Index >= WindowControl->count())
        return false;
    S.clear();
    if (WindowControl->isSelected(Index) && Index < int(OptionList.size())) {
        const auto& [text, option] = OptionList[std::size_t(Index)];
        S = Name + u'=' + (option.Value.isEmpty() ? text : option.Value);
    }
    return true;
}

void TListBoxFormControlObj::SizeControl(Canvas&) {
    // A list shows the rows asked for, or all its options up to eight.
    const int rows = VisibleRows > 0 ? VisibleRows : std::clamp(int(OptionList.size()), 1, 8);
    const QSize a = letterA(*WindowControl);
    SetControlSize(qint64(a.width()) * MaxChars + 15, qint64(rows) * a.height());
}

void TComboFormControlObj::SizeControl(Canvas&) {
    const int a = WindowControl->screenTextExtent(QStringLiteral("A")).width();
    SetControlSize(qint64(a) * MaxChars + 30, WindowControl->preferredSize().height());
}

void TTextAreaFormControlObj::RestoreInitialValue() {
    WindowControl->setText(InitialText.join(u'\n'));
    WindowControl->scrollToTop();
}

bool TTextAreaFormControlObj::GetSubmission(int Index, QString& S) {
    const QStringList lines = textLines(WindowControl->text());
    if (Index < 0 || Index >= lines.size())
        return false;
    S = Name + u'=' + lines[Index];
    return true;
}

void TTextAreaFormControlObj::SizeControl(Canvas&) {
    const QSize a = letterA(*WindowControl);
    SetControlSize(qint64(a.width()) * Cols + 5, qint64(a.height()) * Rows + 5);
}

std::unique_ptr<TFormControlObj> TFormControlObj::CopyForPrint(TSectionList* master) const {
    return std::make_unique<TPrintedFormControl>(master, *this);
}

TPrintedFormControl::TPrintedFormControl(TSectionList* master, const TFormControlObj& original)
    : TFormControlObj(master, original.Pos, TAttributeList{}), Kind(original.KindName()),
      Width(original.ControlWidth()), Height(original.ControlHeight()) {
    Value = original.Value;
    Name = original.Name;
    BaseLine = original.BaseLine;
}

void TPrintedFormControl::Draw(Canvas& canvas, int x, int y) {
    if (Width <= 0 || Height <= 0)
        return;
    const QColor color = MasterList && !MasterList->Printing ? MasterList->FontColor : QColor(Qt::black);
    canvas.drawRect(QRect(x, y, Width, Height), color);
}

} // namespace zorvel
