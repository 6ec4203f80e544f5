#include "RoteamentoImpressao.h"

#include <QSqlRecord>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
} // namespace

QSqlQuery RoteamentoImpressao::executa(const char* nome, const Parametros& p)
{
    ++m_instrucoes;
    return m_dm.executa(u(nome), p);
}

QList<ImpressoraDocumento> RoteamentoImpressao::impressoras(int terminal, int documento,
                                                            const QString& tipoDoc)
{
    QSqlQuery q =
        executa("qrImpressorasCmd",
                {{u("ID_TERMINAL"), terminal}, {u("IDOC"), documento}, {u("STS"), tipoDoc}});
    QList<ImpressoraDocumento> r;
    while (q.next()) {
        ImpressoraDocumento d;
        d.numComanda = q.value(0).toInt();
        d.impressora = q.value(1).toString();
        d.mesa = q.value(2).toInt();
        d.ultimo = q.value(3).toLongLong();
        if (!q.value(1).isNull())
            r.append(d);
    }
    return r;
}

QList<FilaImpressora> RoteamentoImpressao::fila(int terminal, int documento, const QString& tipoDoc)
{
    QSqlQuery q =
        executa("qrQuorviPrinter",
                {{u("ID_TERMINAL"), terminal}, {u("IDOC"), documento}, {u("STS"), tipoDoc}});
    QList<FilaImpressora> r;
    while (q.next())
        r.append({q.value(0).toInt(), q.value(1).toString(), q.value(2)});
    return r;
}

Parametros RoteamentoImpressao::porta(int terminal, const QString& tipoDoc, int documento,
                                      const QString& impressora, qint64 ultimo) const
{
    return {{u("iTerminal"), terminal},
            {u("sTipoDoc"), tipoDoc},
            {u("pComanda"), documento},
            {u("sImpressora"), impressora},
            {u("pUltimo"), ultimo}};
}

QList<ItemTicket> RoteamentoImpressao::itens(int terminal, const QString& tipoDoc, int documento,
                                             const QString& impressora, qint64 ultimo)
{
    QSqlQuery q = executa("qrImpressao", porta(terminal, tipoDoc, documento, impressora, ultimo));
    const QSqlRecord rec = q.record();
    const int cProd = rec.indexOf(u("COD_PROD")), cCmd = rec.indexOf(u("NUM_COMANDA")),
              cObs = rec.indexOf(u("OBS")), cDesc = rec.indexOf(u("DESCRICAO")),
              cUn = rec.indexOf(u("UNIDADE")), cQt = rec.indexOf(u("QUANT")),
              cItem = rec.indexOf(u("NUM_ITEM")), cHora = rec.indexOf(u("HORA_ITEM")),
              cNome = rec.indexOf(u("NOME")), cFiltro = rec.indexOf(u("COD_VEND_FILTER")),
              cAuto = rec.indexOf(u("AUTONUM"));
    QList<ItemTicket> r;
    while (q.next()) {
        ItemTicket i;
        i.codProd = q.value(cProd).toInt();
        i.numComanda = q.value(cCmd).toInt();
        i.obs = q.value(cObs);
        i.descricao = q.value(cDesc).toString();
        i.unidade = q.value(cUn).toString();
        i.quant = q.value(cQt).toDouble();
        i.numItem = q.value(cItem).toInt();
        i.hora = TDMXAL::lerData(q.value(cHora)).toString(u("HH:mm"));
        i.nome = q.value(cNome).toString();
        i.codVendFiltro = q.value(cFiltro).toInt();
        i.autonum = q.value(cAuto).toLongLong();
        r.append(i);
    }
    return r;
}

QList<AtendenteTicket> RoteamentoImpressao::atendentes(int terminal, const QString& tipoDoc,
                                                       int documento, const QString& impressora,
                                                       qint64 ultimo)
{
    QSqlQuery q =
        executa("qrImpFuncionario", porta(terminal, tipoDoc, documento, impressora, ultimo));
    QList<AtendenteTicket> r;
    while (q.next())
        r.append({q.value(0).toInt(), q.value(1).toString()});
    return r;
}

void RoteamentoImpressao::marcaImpressos(int documento, qint64 ultimo)
{
    executa("qrUpdImpItens", {{u("pDOC"), documento}, {u("pUltimo"), ultimo}});
}
