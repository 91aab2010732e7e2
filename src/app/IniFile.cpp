#include "IniFile.h"

#include <QFile>
#include <QStringList>

IniFile IniFile::load(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return fromText(QString::fromUtf8(f.readAll()));
}

IniFile IniFile::fromText(const QString& text)
{
    IniFile ini;
    QString section;
    for (QString line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            const int close = int(line.indexOf(u']'));
            section = line.mid(1, close < 0 ? -1 : close - 1).trimmed().toLower();
            continue;
        }
        const int eq = int(line.indexOf(u'='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toLower();
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.mid(1, value.size() - 2);
        const QString k = section + u'\n' + key;
        if (!ini.m_values.contains(k)) // the first occurrence wins, as in Windows
            ini.m_values.insert(k, value);
    }
    return ini;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const auto it = m_values.constFind(section.toLower() + u'\n' + key.toLower());
    return it == m_values.constEnd() ? defaultValue : *it;
}
