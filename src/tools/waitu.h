#pragma once
// The progress window shown while Remove Tags runs its passes.
#include "remtags_engine.h"

#include <QFrame>

class QLabel;

namespace zorvel {

class TWaitFrm : public QFrame {
    Q_OBJECT
public:
    explicit TWaitFrm(QWidget* parent = nullptr);

    // Names the pass under way and repaints at once.
    void showPass(RemoveTagPass pass);
    // The pass text as stored ("&&" for one ampersand).
    static QString passText(RemoveTagPass pass);

    QLabel* StatusLabel;

protected:
    void showEvent(QShowEvent* event) override;
};

// A bold, centred plain-text label in the given colour ("<P>" stays text).
QLabel* makeBoldLabel(QWidget* parent, const char* name, const QString& text, Qt::GlobalColor colour);

// Puts a window in the middle of the screen it is on (or the primary one).
void centreOnScreen(QWidget& window);

} // namespace zorvel
