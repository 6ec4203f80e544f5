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
    // Column positions once; each row then reads by position.
    const QSqlRecord r = q.record();
    const int cNum = r.indexOf(u("NUM_COMANDA")), cCli = r.indexOf(u("COD_CLI")),
              cData = r.indexOf(u("DATA")), cHora = r.indexOf(u("HORA")),
              cFinal = r.indexOf(u("HORA_FINAL")), cTipo = r.indexOf(u("FLG_TIPO_DOC")),
              cDoc = r.indexOf(u("CNPJ_CPF")), cContato = r.indexOf(u("CONTATO")),
              cFone = r.indexOf(u("TELEFONE")), cStatus = r.indexOf(u("status")),
              cKit = r.indexOf(u("TipoKit")), cEntrega = r.indexOf(u("DATA_ENTREGA")),
              cTotal = r.indexOf(u("TOTAL"));
    while (q.next()) {
        LinhaAberta l;
        l.NUM_COMANDA = q.value(cNum).toInt();
        l.COD_CLI = q.value(cCli).toInt();
        l.DATA = TDMXAL::lerData(q.value(cData)).date();
        l.HORA = TDMXAL::lerData(q.value(cHora)).time();
        l.HORA_FINAL = TDMXAL::lerData(q.value(cFinal)).time();
        l.FLG_TIPO_DOC = q.value(cTipo).toString();
        l.CNPJ_CPF = q.value(cDoc).toString();
        l.CONTATO = q.value(cContato).toString();
        l.TELEFONE = q.value(cFone).toString();
        l.status = q.value(cStatus).toString();
        l.TipoKit = q.value(cKit).toString();
        l.DATA_ENTREGA = TDMXAL::lerData(q.value(cEntrega)).date();
        l.TOTAL = q.value(cTotal).toDouble();
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
