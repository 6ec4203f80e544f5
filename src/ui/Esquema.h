#pragma once

#include <QString>
#include <QStringList>

class TDMXAL;

// Table and column names that reach a statement as text are checked here first: only names
// that exist in the database pass, so typed or stored text never becomes SQL.
class Esquema
{
public:
    explicit Esquema(TDMXAL& dm) : m_dm(dm) {}

    // Columns of the table as the database names them; empty when the table does not exist.
    QStringList colunas(const QString& tabela) const;
    // The table name, or Falha "Tabela inexistente: X".
    QString tabela(const QString& nome) const;
    // The column name, or Falha "Coluna inexistente: T.X".
    QString coluna(const QString& tabela, const QString& nome) const;
    bool temColuna(const QString& tabela, const QString& nome) const;

private:
    TDMXAL& m_dm;
};

// The text as a LIKE pattern that matches it literally, for "LIKE :p ESCAPE '\'".
QString escapaLike(const QString& texto);
