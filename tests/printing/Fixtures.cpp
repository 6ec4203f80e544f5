#include "Fixtures.h"

#include "support/NovosDocumentos.h"

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
    return novaNota(dm, numero, quando, tipo);
}

qint64 novoItem(TDMXAL& dm, int documento, const NovoItem& item)
{
    QSqlQuery n;
    dm.ExecutaSQL(u("SELECT NUM_COMANDA FROM CMD_NOTA WHERE DOCUMENTO = :d"), n,
                  {{u("d"), documento}});
    n.next();
    const int comanda = n.value(0).toInt();
    n.finish();
    DadosItem dados{item.produto, item.quant, 10.0, 0.0, item.vendedor, 1};
    dados.hora = item.hora;
    const qint64 autonum =
        ::novoItem(dm, documento, comanda, QDateTime(QDate(2026, 12, 10), item.hora), dados);
    if (autonum == 0)
        qFatal("item not inserted");
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
