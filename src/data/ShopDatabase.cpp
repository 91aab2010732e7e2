#include "ShopDatabase.h"

#include "FbError.h"
#include "FbTransaction.h"

#include <QFile>

namespace ShopDatabase {

namespace {

QString resourceText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("Cannot read the database script %1").arg(path));
    return QString::fromUtf8(f.readAll());
}

} // namespace

QString schemaScript() { return resourceText(QStringLiteral(":/db/schema.sql")); }
QString demoScript() { return resourceText(QStringLiteral(":/db/demo.sql")); }

QStringList splitScript(const QString& script)
{
    QStringList out;
    QString current;
    const int n = int(script.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = script[i];
        if (c == u'\'' || c == u'"') {
            const int end = script.indexOf(c, i + 1);
            const int stop = end < 0 ? n - 1 : end;
            current += script.mid(i, stop - i + 1);
            i = stop;
        } else if (c == u'-' && i + 1 < n && script[i + 1] == u'-') {
            const int end = script.indexOf(u'\n', i);
            i = end < 0 ? n - 1 : end;
            current += u'\n';
        } else if (c == u'/' && i + 1 < n && script[i + 1] == u'*') {
            const int end = script.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? n - 1 : end + 1;
        } else if (c == u';') {
            if (!current.trimmed().isEmpty())
                out << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        out << current.trimmed();
    return out;
}

void runScript(FbConnection& db, const QString& script)
{
    for (const QString& statement : splitScript(script)) {
        // DDL must be committed before later statements can use it.
        FbTransaction tr(db);
        tr.execute(statement);
        tr.commit();
    }
}

void create(const FbConnection::Params& p, bool withDemo)
{
    FbConnection::createDatabase(p);
    FbConnection db;
    db.setParams(p);
    db.open();
    runScript(db, schemaScript());
    if (withDemo)
        runScript(db, demoScript());
}

} // namespace ShopDatabase
