#pragma once

#include <QList>
#include <QString>

// The named statements of the program in one place, each in its SQL Server form and, where
// SQLite needs another text, in its SQLite form. Placeholders are ":name"; values are always
// bound, never written into the text.
struct InstrucaoSql {
    QString nome;
    QString sqlServer;
    QString sqlite; // empty: the SQL Server text runs unchanged on SQLite
};

enum class Motor { SqlServer, SQLite };

namespace Catalogo
{
// The statement of that name; raises Falha for an unknown name.
const InstrucaoSql& instrucao(const QString& nome);
QString texto(const QString& nome, Motor motor);
const QList<InstrucaoSql>& todas();
} // namespace Catalogo
