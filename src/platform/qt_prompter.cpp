#include "prompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <algorithm>

namespace zorvel {

QString qtFileFilter(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns.replace(QLatin1String("*.*"), QLatin1String("*"));
        filters << parts[i] + QLatin1String(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QLatin1String(";;"));
}

static void prepare(QMessageBox& box, const QString& text, MessageIcon icon) {
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(text);
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
}

MessageAnswer QtPrompter::message(const QString& text, MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(parent_);
    prepare(box, text, icon);
    switch (buttons) {
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Cancel;
        }
    case MessageButtons::Ok:
    case MessageButtons::Choice:
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

int QtPrompter::choose(const QString& text, MessageIcon icon, const QStringList& buttons, int escape) {
    QMessageBox box(parent_);
    prepare(box, text, icon);
    QList<QAbstractButton*> made;
    for (const QString& caption : buttons)
        made << box.addButton(caption, made.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
    if (made.isEmpty())
        return -1;
    escape = std::clamp(escape, 0, int(made.size()) - 1);
    box.setDefaultButton(qobject_cast<QPushButton*>(made.first()));
    box.setEscapeButton(made[escape]);
    box.exec();
    const qsizetype pressed = made.indexOf(box.clickedButton());
    return pressed < 0 ? escape : int(pressed);
}

int QtPrompter::chooseWithDefault(const QString& text, MessageIcon icon, const QStringList& buttons, int defaultButton,
                                  int escape) {
    if (buttons.isEmpty())
        return -1;
    QMessageBox box(parent_);
    prepare(box, text, icon);
    const int last = int(buttons.size()) - 1;
    escape = std::clamp(escape, 0, last);
    QList<QAbstractButton*> made;
    for (int i = 0; i <= last; ++i)
        made << box.addButton(buttons[i], i == escape ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    box.setDefaultButton(qobject_cast<QPushButton*>(made[std::clamp(defaultButton, 0, last)]));
    box.setEscapeButton(made[escape]);
    box.exec();
    const qsizetype pressed = made.indexOf(box.clickedButton());
    return pressed < 0 ? escape : int(pressed);
}

static void prepare(QFileDialog& dialog, const FileDialogOptions& chooser) {
    dialog.setWindowTitle(chooser.title);
    dialog.setDirectory(chooser.directory);
    dialog.setNameFilter(chooser.filter);
    dialog.setDefaultSuffix(chooser.defaultSuffix);
    if (!chooser.fileName.isEmpty())
        dialog.selectFile(chooser.fileName);
}

std::optional<QString> QtPrompter::openFileName(const FileDialogOptions& chooser) {
    QFileDialog dialog(parent_);
    prepare(dialog, chooser);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtPrompter::saveFileName(const FileDialogOptions& chooser) {
    QFileDialog dialog(parent_);
    prepare(dialog, chooser);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QColor> QtPrompter::color(const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent_);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtPrompter::font(const QFont& initial) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent_);
    if (!ok)
        return std::nullopt;
    return chosen;
}

int QtPrompter::exec(QDialog& dialog) {
    return dialog.exec();
}

bool QtPrompter::printDialog(QPrinter& printer) {
    // Qt's dialog quietly offers only a PDF file when the print system knows
    // no printer; say so first, as a print dialog should.
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        message(QLatin1String(kNoPrinterWarning), MessageIcon::Warning, MessageButtons::Ok);
    QPrintDialog dialog(&printer, parent_);
    // Page numbers and the selection are offered, and printing to a PDF file.
    dialog.setOptions(QAbstractPrintDialog::PrintSelection | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, 9999);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrompter::pageSetupDialog(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zorvel

namespace zorvel {

namespace {

// Shows itself once a job has run for a moment, so that a short one does not flash it.
constexpr int kProgressDelayMs = 400;

class DialogProgress final : public Progress {
public:
    DialogProgress(QWidget* parent, const QString& title) : dialog_(parent) {
        dialog_.setWindowTitle(title);
        dialog_.setCancelButtonText(QStringLiteral("Cancel"));
        // While the job runs nothing else may start or change under it; the
        // windows still paint.
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setMinimumDuration(kProgressDelayMs);
        dialog_.setMinimumWidth(dialog_.fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
        dialog_.setValue(0);
    }

    bool step(const QString& text, int done, int total) override {
        dialog_.setMaximum(std::max(total, 1));
        dialog_.setLabelText(text);
        dialog_.setValue(std::clamp(done, 0, dialog_.maximum()));
        QCoreApplication::processEvents();
        return !dialog_.wasCanceled();
    }

private:
    QProgressDialog dialog_;
};

} // namespace

std::unique_ptr<Progress> QtPrompter::progress(const QString& title) {
    return std::make_unique<DialogProgress>(parent_, title);
}

} // namespace zorvel
