#pragma once
#include "qt_printers.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zorvel::testing {

// A fresh directory for one test, removed afterwards; paths end without a separator.
struct TempDir {
    QTemporaryDir dir;
    QString path() const { return dir.path(); }
    QString file(const QString& name) const { return dir.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile f(file(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    QByteArray read(const QString& name) const {
        QFile f(file(name));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

} // namespace zorvel::testing
