#include "Fixtures.h"

#include <QSqlQuery>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
} // namespace

int novaComanda(TDMXAL& dm, int numero, const QString& tipo, const QDateTime& quando)
{
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

qint64 novoItem(TDMXAL& dm, int documento, const NovoItem& item)
{
    QSqlQuery n;
    dm.ExecutaSQL(u("SELECT NUM_COMANDA FROM CMD_NOTA WHERE DOCUMENTO = :d"), n,
                  {{u("d"), documento}});
    n.next();
    const int comanda = n.value(0).toInt();
    n.finish();
    QSqlQuery q = dm.executa(u("qrInsereCmdItem"), {{u("DOCUMENTO"), documento},
                                                    {u("PLOJA"), 1},
                                                    {u("NUM_COMANDA"), comanda},
                                                    {u("COD_PROD"), item.produto},
                                                    {u("VLR_QTDE"), item.quant},
                                                    {u("VLR_PRECO"), 10.0},
                                                    {u("VLR_TOTAL"), 10.0 * item.quant},
                                                    {u("DATA"), QDate(2026, 12, 10)},
                                                    {u("HORA"), item.hora},
                                                    {u("COD_VEND"), item.vendedor},
                                                    {u("FLG_STATUS"), u("N")},
                                                    {u("ACRESCIMO"), 0.0},
                                                    {u("TERMINAL"), 1}});
    if (!q.next())
        qFatal("item not inserted");
    const qint64 autonum = q.value(0).toLongLong();
    q.finish();
    dm.ExecutaSQL(u("UPDATE CMD_ITEM SET OBS = :o, CHK_CANCELADO = :c, STS_IMP_ITENS = :s "
                    "WHERE AUTONUM = :a"),
                  {{u("o"), item.obs},
                   {u("c"), item.cancelado.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                                     : QVariant(item.cancelado)},
                   {u("s"), item.impresso.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                                    : QVariant(item.impresso)},
                   {u("a"), autonum}});
    return autonum;
}

QString marcas(TDMXAL& dm, int documento)
{
    QSqlQuery q;
    dm.ExecutaSQL(u("SELECT STS_IMP_ITENS FROM CMD_ITEM WHERE DOCUMENTO = :d ORDER BY NUM_ITEM"), q,
                  {{u("d"), documento}});
    QString r;
    while (q.next())
        r += q.value(0).isNull() ? u("-") : q.value(0).toString();
    return r;
}

int conta(TDMXAL& dm, const QString& sql, const Parametros& p)
{
    QSqlQuery q;
    dm.ExecutaSQL(sql, q, p);
    return q.next() ? q.value(0).toInt() : -1;
}
