#pragma once

#include "FbConnection.h"

#include <QString>
#include <QStringList>

// The shop database as the project's scripts in db/ make it: the schema, and
// the demo shop that ./run starts with.
namespace ShopDatabase {

QString schemaScript();
QString demoScript();

// The statements of a script, split at semicolons outside quotes and comments.
QStringList splitScript(const QString& script);
// Runs every statement of the script, each committed on its own.
void runScript(FbConnection& db, const QString& script);
// Creates a new database at p's address with the schema (and the demo data).
void create(const FbConnection::Params& p, bool withDemo);

} // namespace ShopDatabase
