#include "SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

QString SingleInstance::socketName(const QString& name)
{
    // Per user: another user's copy is not this user's program.
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return name + u'-' + user;
}

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent)
{
    const QString sock = socketName(name);
    QLocalSocket probe;
    probe.connectToServer(sock);
    if (probe.waitForConnected(500)) {
        probe.write("raise\n");
        probe.waitForBytesWritten(500);
        probe.disconnectFromServer();
        m_other = true;
        return;
    }
    // Nobody answered: a socket file left by a crashed copy is stale.
    QLocalServer::removeServer(sock);
    m_server = new QLocalServer(this);
    m_server->listen(sock);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit activationRequested();
        }
    });
}
