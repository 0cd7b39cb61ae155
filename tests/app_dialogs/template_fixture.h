#pragma once
// A program directory with a settings file, and a quick way to plant templates.
#include "ini_profile.h"
#include "temp_dir.h"
#include "template_index.h"

#include <QDir>

namespace zorvel::testing {

struct TemplateFixture {
    TempDir tmp;
    QString programDir = tmp.path() + QLatin1Char('/');
    IniProfile ini{programDir + QStringLiteral("zor-vel.ini")};

    // Template n with its file in the template directory, as the program stores one.
    QString plant(int n, const QString& name, const QString& descr = QString()) {
        QDir().mkpath(TemplateIndex::directory(programDir));
        const QString file = TemplateIndex::filePath(programDir, n);
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write("<HTML>" + name.toUtf8() + "</HTML>");
        const QString s = QStringLiteral("Templates");
        if (ini.readInteger(s, QStringLiteral("No_Templates"), 0) < n)
            ini.writeInteger(s, QStringLiteral("No_Templates"), n);
        ini.writeString(s, QStringLiteral("TempFile_%1").arg(n), file);
        ini.writeString(s, QStringLiteral("TempName_%1").arg(n), name);
        ini.writeString(s, QStringLiteral("TempDescr_%1").arg(n), descr);
        return file;
    }
    QString key(const QString& k) const {
        return ini.readString(QStringLiteral("Templates"), k, QStringLiteral("<none>"));
    }
};

} // namespace zorvel::testing
