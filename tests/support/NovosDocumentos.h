#pragma once

#include "data/TDMXAL.h"

// Headers and items written straight through the catalogue statements, for tests and
// benchmarks that need documents without the order entry rules.

inline int novaNota(TDMXAL& dm, int numero, const QDateTime& quando,
                    const QString& tipo = QStringLiteral("C"))
{
    auto u = [](const char* t) { return QString::fromUtf8(t); };
    return dm
        .escalar(u("qrInsereCmdNota"), {{u("NUM_COMANDA"), numero},
                                        {u("COD_LOJA"), 1},
                                        {u("FLG_TIPO_DOC"), tipo},
                                        {u("DATA"), quando.date()},
                                        {u("HORA"), quando.time()},
                                        {u("COD_CLI"), QVariant()},
                                        {u("CNPJ_CPF"), QVariant()},
                                        {u("CONTATO"), QVariant()},
                                        {u("TELEFONE"), QVariant()},
                                        {u("DATA_ENTREGA"), QVariant()},
                                        {u("COD_CONDICAO_PRECO"), QVariant()}})
        .toInt();
}

struct DadosItem {
    DadosItem(int produto_ = 24, double quantidade_ = 2, double preco_ = 11.9,
              double acrescimo_ = 2.38, QVariant vendedor_ = QVariant(), int terminal_ = 0)
        : produto(produto_), quantidade(quantidade_), preco(preco_), acrescimo(acrescimo_),
          vendedor(std::move(vendedor_)), terminal(terminal_)
    {
    }
    int produto;
    double quantidade;
    double preco;
    double acrescimo;
    QVariant vendedor;
    int terminal;
    QTime hora; // invalid: the time of "quando"
};

// The new item's AUTONUM (0 when nothing was written).
inline qint64 novoItem(TDMXAL& dm, int documento, int numero, const QDateTime& quando,
                       const DadosItem& item = {})
{
    auto u = [](const char* t) { return QString::fromUtf8(t); };
    QSqlQuery q = dm.executa(u("qrInsereCmdItem"),
                             {{u("DOCUMENTO"), documento},
                              {u("PLOJA"), 1},
                              {u("NUM_COMANDA"), numero},
                              {u("COD_PROD"), item.produto},
                              {u("VLR_QTDE"), item.quantidade},
                              {u("VLR_PRECO"), item.preco},
                              {u("VLR_TOTAL"), item.preco * item.quantidade},
                              {u("DATA"), quando.date()},
                              {u("HORA"), item.hora.isValid() ? item.hora : quando.time()},
                              {u("COD_VEND"), item.vendedor},
                              {u("FLG_STATUS"), u("N")},
                              {u("ACRESCIMO"), item.acrescimo},
                              {u("TERMINAL"), item.terminal}});
    const qint64 autonum = q.next() ? q.value(0).toLongLong() : 0;
    q.finish();
    return autonum;
}
