#pragma once
// Fly-by hints (tool tips) on or off for the whole application, and their colour.
#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QToolTip>

namespace zorvel {

class HintSwitch : public QObject {
public:
    explicit HintSwitch(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }
    QColor colour() const { return colour_; }
    void setColour(const QColor& colour) {
        colour_ = colour;
        QPalette palette = QToolTip::palette();
        palette.setColor(QPalette::ToolTipBase, colour);
        palette.setColor(QPalette::ToolTipText, Qt::black);
        QToolTip::setPalette(palette);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!enabled_ && event->type() == QEvent::ToolTip)
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    bool enabled_ = true;
    QColor colour_ = QColor(255, 255, 0);
};

} // namespace zorvel
