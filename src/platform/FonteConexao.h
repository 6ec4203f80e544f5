#pragma once

#include <QString>

// Where the shop database is. The maker plugin (Orlix_Con in the program folder, exporting
// StringConexaoBrisvel) wins when present; otherwise BRISVEL_DB, otherwise the key
// [Banco] Conexao of Conexao.ini in the program folder, otherwise shop.db in that folder.
struct DescricaoConexao {
    enum class Tipo { SQLite, Odbc };
    Tipo tipo = Tipo::SQLite;
    QString texto; // SQLite file path, or the ODBC connection string
};

// Interprets a connection text: "odbc:..." or a text holding DRIVER= or DSN= is an ODBC
// connection string; "sqlite:path" or anything else is an SQLite file (relative paths are
// taken from the program folder).
DescricaoConexao interpretaConexao(const QString& texto);

// Raises Falha with the plugin's failure when the plugin exists but cannot give the text.
DescricaoConexao StringConexaoBrisvel();
