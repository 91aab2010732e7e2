// quendal-mkdb PATH [--demo]: makes a new shop database from the project's
// scripts, through the embedded engine (or host:path through a server).

#include "data/FbError.h"
#include "data/ShopDatabase.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool demo = args.removeAll(QStringLiteral("--demo")) > 0;
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: quendal-mkdb PATH [--demo]\n");
        return 2;
    }
    QString address = args.front();
    QString server;
    const int colon = int(address.indexOf(u':'));
    if (colon > 1) { // host:path, but not a drive letter
        server = address.left(colon);
        address = address.mid(colon + 1);
    }
    if (server.isEmpty() && QFileInfo::exists(address)) {
        std::fprintf(stderr, "quendal-mkdb: %s exists already; nothing was changed\n", qPrintable(address));
        return 1;
    }
    try {
        ShopDatabase::create({QStringLiteral("sysdba"), QStringLiteral("plumtiger"), server, address}, demo);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quendal-mkdb: %s\n", e.what());
        return 1;
    }
    std::printf("made %s%s\n", qPrintable(args.front()), demo ? " with the demo shop" : "");
    return 0;
}
