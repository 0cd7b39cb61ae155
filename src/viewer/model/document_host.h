#pragma once
// What a document asks of the program that shows it, all in one place: the
// window controls of its forms, its pictures, what its forms send, and a word
// when its background changes. The viewer control is one host, the modes
// without a window another (the page loader's); a document without one keeps
// its controls in memory, reads pictures from the files their names give,
// and sends nothing.
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

namespace zorvel {

class FormControlFactory;

class DocumentHost {
public:
    DocumentHost() = default;
    DocumentHost(const DocumentHost&) = delete;
    DocumentHost& operator=(const DocumentHost&) = delete;
    virtual ~DocumentHost() = default;

    // Makes the window controls of the forms' controls; none: they are kept in memory.
    virtual FormControlFactory* ControlFactory() { return nullptr; }
    // Asked for a picture before it is looked for on disk. True when the host
    // answered (bitmap left empty: there is no such picture), false to let the
    // document read the file ExpandImageName names.
    virtual bool OnBitmapRequest(const QString& /*name*/, std::optional<QImage>& /*bitmap*/) { return false; }
    // The file an image's name stands for; the plain URL rule by default.
    virtual QString ExpandImageName(const QString& name);
    // A form was sent: its ACTION, its METHOD and one "name=value" per entry.
    virtual void OnFormSubmit(const QString& /*action*/, const QString& /*method*/, const QStringList& /*results*/) {}
    virtual void OnBackgroundChange(const QColor& /*colour*/) {}
};

} // namespace zorvel
