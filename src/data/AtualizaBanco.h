#pragma once

#include <QList>
#include <QString>
#include <functional>

class TDMXAL;

// One step of the schema upgrade: the batch run on SQL Server and what the step means on
// SQLite (nothing for logins, users, grants and the table function, which SQLite cannot have).
struct PassoAtualizacao {
    QString sqlServer;
    std::function<void(TDMXAL&)> sqlite;
};

// The steps in the order they run, on every start of every terminal.
const QList<PassoAtualizacao>& passosAtualizacao();

// Runs every step; the first failure stops the sequence and raises
// "Erro ao atualizar banco de dados " + the message of ExecutaSQL.
void AtualizaBanco(TDMXAL& dm);
