#include "waitu.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace zorvel {

namespace {

constexpr const char* kWaitText = "Please wait, removing Tags ..";
// Indexed by RemoveTagPass.
constexpr const char* kPassTexts[] = {
    "Processing <P> && <BR> tags", "Removing all tags",    "Processing &&amp tags",
    "Processing &&lt tags",        "Processing &&gt tags",
};

} // namespace

QLabel* makeBoldLabel(QWidget* parent, const char* name, const QString& text, Qt::GlobalColor colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void centreOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

TWaitFrm::TWaitFrm(QWidget* parent) : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("WaitFrm"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(24, 16, 24, 16);
    frame->setSizeConstraint(QLayout::SetFixedSize);
    QLabel* title = makeBoldLabel(this, "Label1", QString::fromLatin1(kWaitText), Qt::black);
    frame->addWidget(title);
    StatusLabel = makeBoldLabel(this, "StatusLabel", QString(), Qt::red);
    // Wide enough for the longest pass text, so the window keeps its size.
    int width = 0;
    for (const char* text : kPassTexts)
        width = std::max(width, StatusLabel->fontMetrics().horizontalAdvance(QString::fromLatin1(text)));
    StatusLabel->setMinimumWidth(width + 8);
    frame->addWidget(StatusLabel);
    // A borderless window needs an edge of its own.
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
}

QString TWaitFrm::passText(RemoveTagPass pass) {
    return QString::fromLatin1(kPassTexts[int(pass)]);
}

void TWaitFrm::showPass(RemoveTagPass pass) {
    // A label shows an ampersand as it is; the stored text doubles it.
    StatusLabel->setText(passText(pass).replace(QLatin1String("&&"), QLatin1String("&")));
    repaint();
}

void TWaitFrm::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    centreOnScreen(*this);
}

} // namespace zorvel
