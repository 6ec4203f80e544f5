#pragma once

#include "data/TDMXAL.h"

#include <QList>
#include <QPair>
#include <QSqlRecord>

class ConjuntoDados;
class Interacao;

// What ProcuraProd found and what it learnt on the way.
struct ProdutoEncontrado {
    QVariant valor = 0;        // the asked column of the row found; 0 when nothing was found
    int passo = 0;             // 1 code, 2 scale label, 3 barcode, 4 reference, 5 linked
                               // barcode, 6 package barcode; 0 nothing
    QSqlRecord linha;          // the row found
    double valorEtiqueta = 0;  // the value printed on a scale label
    double fatorEmbalagem = 0; // units in the package read (0: not a package barcode)
    bool encontrado() const { return passo != 0; }
};

// The lookups and checks that every record window offers, apart from any window: the store
// is the main window's, messages go through the Interacao. Table and column names are
// checked against the schema before a statement runs; values are always bound.
class RotinasPadrao
{
public:
    RotinasPadrao(TDMXAL& dm, int codLoja, Interacao& interacao);

    // The next code of a column: the highest + 1, or 1 for an empty table. Not reserved.
    int AutoInc(const QString& tabela, const QString& coluna);
    // True when a row of the table holds the value in that column (the value is in use).
    bool VerificaDelete(const QString& tabela, const QString& campo, const QVariant& valor);
    // Duplicate test of a new record: the first (column, value) already present in the table
    // is told to the user and returned; empty when none repeats.
    QString VerificaSeExiste(const QString& tabela, const QList<QPair<QString, QVariant>>& campos);
    // Fills the set with the rows whose column starts with the text (case ignored); when none
    // does, tells the user and lists the whole table.
    void Pesquisa(ConjuntoDados& conjunto, const QString& tabela, const QString& campo,
                  const QString& igual);
    // Employees of the store with that code (up to 6 characters) or badge barcode.
    QList<QSqlRecord> ProcuraFunc(const QString& strParam);
    // Product lookup by code, scale label, barcode, supplier reference ("R"), linked barcode
    // and package barcode, in that order.
    ProdutoEncontrado ProcuraProd(const QString& tabela, const QString& campo,
                                  const QString& strParam, int intParam);

    // "#,##0.00" for a store with 2 decimals; empty for 0.
    QString Casas_Decimais();
    static QString Conta_Casas(int decimais);
    // Gives every real column of the set the store's decimal format.
    void FormataField(ConjuntoDados& conjunto);
    QString Caption_MargMark();

    static QString mensagemNenhumRegistro(const QString& valor);

private:
    QVariant configuracao(const QString& coluna);
    QList<QSqlRecord> linhas(const QString& sql, const Parametros& parametros);

    TDMXAL& m_dm;
    int m_codLoja;
    Interacao& m_interacao;
};
