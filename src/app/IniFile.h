#pragma once

#include <QHash>
#include <QString>

// A read-only INI file. Section and key names match regardless of case; a
// key present with an empty value reads as empty text, not as the default.
class IniFile {
public:
    // A missing or unreadable file reads as an empty one.
    static IniFile load(const QString& path);
    static IniFile fromText(const QString& text);

    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;

private:
    QHash<QString, QString> m_values; // "section\nkey", both folded to lower case
};
