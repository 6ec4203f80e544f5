#pragma once

#include <QString>
#include <QStringList>

// What the record window tells the user when the server refuses a save: the server's
// message turned into a hint for the two refusals a user can mend himself.
struct DicaGravacao {
    enum class Tipo { Nenhuma, CampoObrigatorio, ChavePrimaria };
    Tipo tipo = Tipo::Nenhuma;
    QString campo;    // the column without a value (CampoObrigatorio)
    QString mensagem; // the text to show; empty when there is no hint
};

// Reads a refusal of SQL Server (Portuguese messages, with or without the driver's
// "[...]" prefixes) or of SQLite. chavePrimaria lists the key columns of the table written,
// so that SQLite's "UNIQUE constraint failed" on exactly those columns counts as a key
// violation. Any other message gives no hint.
DicaGravacao traduzErroGravacao(const QString& mensagemServidor,
                                const QStringList& chavePrimaria = {});
