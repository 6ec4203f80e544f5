#pragma once

#include "data/TDMXAL.h"

#include <QList>
#include <QString>
#include <QVariant>

// A port with live routed items of a document (printed or not).
struct ImpressoraDocumento {
    int numComanda = 0;
    QString impressora; // empty when the stored port is NULL
    int mesa = 0;
    qint64 ultimo = 0; // the document's highest item id when the ports were read
};

// A port of the document for the print queue, with the terminal's list (null: none).
struct FilaImpressora {
    int documento = 0;
    QString impressora;
    QVariant codLista;
};

struct ItemTicket {
    int codProd = 0;
    int numComanda = 0;
    QVariant obs;
    QString descricao;
    QString unidade;
    double quant = 0;
    int numItem = 0;
    QString hora; // "hh:mm"
    int codVendFiltro = 0;
    QString nome;
    qint64 autonum = 0;
};

struct AtendenteTicket {
    int codVend = 0;
    QString nome;
};

// Which printers have work for a document and which items go to each: the routing statements
// of the catalogue, with the terminal's printing list as an optional condition.
class RoteamentoImpressao
{
public:
    explicit RoteamentoImpressao(TDMXAL& dm) : m_dm(dm) {}

    QList<ImpressoraDocumento> impressoras(int terminal, int documento, const QString& tipoDoc);
    QList<FilaImpressora> fila(int terminal, int documento, const QString& tipoDoc);
    // Pending live items of the document read up to item id `ultimo` that the port serves,
    // in the order of their sale unit.
    QList<ItemTicket> itens(int terminal, const QString& tipoDoc, int documento,
                            const QString& impressora, qint64 ultimo);
    QList<AtendenteTicket> atendentes(int terminal, const QString& tipoDoc, int documento,
                                      const QString& impressora, qint64 ultimo);
    // Marks printed the pending items of the document up to item id `ultimo`.
    void marcaImpressos(int documento, qint64 ultimo);

    // Statements sent to the database so far.
    int instrucoes() const { return m_instrucoes; }

private:
    QSqlQuery executa(const char* nome, const Parametros& p);
    Parametros porta(int terminal, const QString& tipoDoc, int documento, const QString& impressora,
                     qint64 ultimo) const;

    TDMXAL& m_dm;
    int m_instrucoes = 0;
};
