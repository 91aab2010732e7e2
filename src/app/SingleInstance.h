#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per user and program name. A later copy finds the first
// through a local socket named after the program, asks it to come to the
// front, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    // True when another copy was running and has been asked to come forward.
    bool anotherCopyRunning() const { return m_other; }
    // The local socket a copy named `name` listens on.
    static QString socketName(const QString& name);

signals:
    void activationRequested();

private:
    QLocalServer* m_server = nullptr;
    bool m_other = false;
};
