#pragma once

#include <QString>
#include <stdexcept>

// An error the database reported, carrying Firebird's own message text.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message)
        : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// A value that cannot be read as the asked type.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message)
        : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
