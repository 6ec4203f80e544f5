#pragma once

class QSqlDatabase;

// SQLite compares and upper-cases only ASCII letters; the shops' texts are Portuguese.
// Registers Unicode upper/lower, a LIKE that ignores case beyond ASCII (as the back office
// database does) and the collation PTBR on the connection's handle.
bool registraFuncoesSqlite(const QSqlDatabase& banco);
