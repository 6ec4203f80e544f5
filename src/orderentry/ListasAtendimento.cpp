#include "ListasAtendimento.h"

#include "data/TDMXAL.h"

#include <QSqlRecord>
#include <algorithm>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
bool ehKit(QChar tipo)
{
    return tipo == QLatin1Char('K') || tipo == QLatin1Char('T');
}
} // namespace

QList<LinhaAberta> ListasAtendimento::ComandasAbertas(QChar tipo, bool mostrarDelivery,
                                                      const QDate& inicio, const QDate& fim)
{
    QList<LinhaAberta> linhas;
    QSqlQuery q = m_dm.executa(u("cdsComandasAbertas"),
                               {{u("PLOJA"), m_codLoja},
                                {u("pDelivery"), mostrarDelivery ? 0 : 1},
                                {u("pIni"), QDateTime(inicio, QTime(0, 0))},
                                {u("pFim"), QDateTime(fim, QTime(23, 59, 59))},
                                {u("pTipo"), ehKit(tipo) ? u("K") : QString(tipo)},
                                {u("pTipo2"), ehKit(tipo) ? u("T") : QString(tipo)}});
    while (q.next()) {
        const QSqlRecord r = q.record();
        const QString t = r.value(u("FLG_TIPO_DOC")).toString();
        LinhaAberta l;
        l.NUM_COMANDA = r.value(u("NUM_COMANDA")).toInt();
        l.COD_CLI = r.value(u("COD_CLI")).toInt();
        l.DATA = TDMXAL::lerData(r.value(u("DATA"))).date();
        l.HORA = TDMXAL::lerData(r.value(u("HORA"))).time();
        l.HORA_FINAL = TDMXAL::lerData(r.value(u("HORA_FINAL"))).time();
        l.FLG_TIPO_DOC = t;
        l.CNPJ_CPF = r.value(u("CNPJ_CPF")).toString();
        l.CONTATO = r.value(u("CONTATO")).toString();
        l.TELEFONE = r.value(u("TELEFONE")).toString();
        l.status = r.value(u("status")).toString();
        l.TipoKit = r.value(u("TipoKit")).toString();
        l.DATA_ENTREGA = TDMXAL::lerData(r.value(u("DATA_ENTREGA"))).date();
        l.TOTAL = r.value(u("TOTAL")).toDouble();
        linhas.append(l);
    }
    return linhas;
}

QList<LinhaItem> ListasAtendimento::ShowItems(int documento, QChar tipo)
{
    QList<LinhaItem> itens;
    QSqlQuery q =
        m_dm.executa(u("qrCmdItensGrid"), {{u("PDOCUMENTO"), documento},
                                           {u("PLOJA"), m_codLoja},
                                           {u("sTipoDoc"), QString(tipo)},
                                           {u("sTipoDoc1"), ehKit(tipo) ? u("T") : QString(tipo)}});
    while (q.next()) {
        const QSqlRecord r = q.record();
        LinhaItem i;
        i.DOCUMENTO = r.value(u("DOCUMENTO")).toInt();
        i.NUM_ITEM = r.value(u("NUM_ITEM")).toInt();
        i.COD_PROD = r.value(u("COD_PROD")).toInt();
        i.DESCRICAO = r.value(u("DESCRICAO")).toString();
        i.VLR_QTDE = r.value(u("VLR_QTDE")).toDouble();
        i.VLR_PRECO = r.value(u("VLR_PRECO")).toDouble();
        i.VLR_TOTAL = r.value(u("VLR_TOTAL")).toDouble();
        i.CHK_CANCELADO = r.value(u("CHK_CANCELADO")).toString();
        i.COD_VEND = r.value(u("COD_VEND")).toInt();
        i.OBS = r.value(u("OBS")).toString();
        i.STS_IMP_ITENS = r.value(u("STS_IMP_ITENS")).toString();
        itens.append(i);
    }
    std::stable_sort(itens.begin(), itens.end(), [](const LinhaItem& a, const LinhaItem& b) {
        return QString::localeAwareCompare(a.DESCRICAO, b.DESCRICAO) < 0;
    });
    return itens;
}

double ListasAtendimento::total(QChar tipo, int numero)
{
    return m_dm.escalar(u("qrTotalizaCmd"), {{u("sTipoDoc"), QString(tipo)}, {u("psCart"), numero}})
        .toDouble();
}
