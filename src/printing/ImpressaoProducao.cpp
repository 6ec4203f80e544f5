#include "ImpressaoProducao.h"

#include "TicketProducao.h"
#include "platform/Falha.h"

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
} // namespace

ImpressaoProducao::ImpressaoProducao(TDMXAL& dm, TDMImpressao& impressao,
                                     const ConfigAtendimento& config, const Clock& clock)
    : m_dm(dm), m_impressao(impressao), m_config(config), m_clock(clock), m_roteamento(dm)
{
}

bool ImpressaoProducao::imprimeAoSair(const ConfigAtendimento& config, const QString& tipoDoc)
{
    return config.Imprime && (tipoDoc == QLatin1String("C") || tipoDoc == QLatin1String("P"));
}

void ImpressaoProducao::ImprimeBrisvel(int documento, const QString& tipoDoc)
{
    m_tickets.clear();
    if (m_config.ImpQuorviPrinter) {
        // Queue errors reach the user with the server's message alone.
        enfileira(documento, tipoDoc);
        return;
    }
    try {
        imprimeDireto(documento, tipoDoc);
    } catch (const Falha& f) {
        throw Falha(u("Problemas ao realizar impressão ") + f.mensagem());
    } catch (const std::exception& e) {
        throw Falha(u("Problemas ao realizar impressão ") + QString::fromUtf8(e.what()));
    }
}

void ImpressaoProducao::imprimeDireto(int documento, const QString& tipoDoc)
{
    const int terminal = m_config.NumeroTerminal;
    const QList<ImpressoraDocumento> portas =
        m_roteamento.impressoras(terminal, documento, tipoDoc);
    bool imprimiu = false;
    qint64 ultimo = 0;
    for (const ImpressoraDocumento& porta : portas) {
        ultimo = porta.ultimo;
        const QString cabecalho =
            TicketProducao::cabecalho(porta.numComanda, m_clock.agora(), porta.mesa);
        const QList<ItemTicket> itens =
            m_roteamento.itens(terminal, tipoDoc, documento, porta.impressora, porta.ultimo);
        const QList<AtendenteTicket> atendentes =
            m_roteamento.atendentes(terminal, tipoDoc, documento, porta.impressora, porta.ultimo);
        const QString corpo = TicketProducao::corpo(atendentes, itens);
        if (!TicketProducao::temConteudo(corpo))
            continue;
        const QStringList linhas =
            TicketProducao::ticket(cabecalho, corpo).split(QLatin1Char('\n'));
        imprimiu = true;
        m_impressao.ImprimeLinhas(porta.impressora, linhas);
        m_tickets.append(linhas);
    }
    if (imprimiu)
        AtualizaStatusImpressao(documento, ultimo);
}

void ImpressaoProducao::AtualizaStatusImpressao(int iDoc, qint64 iUltimoItem)
{
    try {
        m_roteamento.marcaImpressos(iDoc, iUltimoItem);
    } catch (const Falha& f) {
        throw Falha(u("Problemas ao atualizar status de impressão ") + f.mensagem());
    }
}

void ImpressaoProducao::enfileira(int documento, const QString& tipoDoc)
{
    const QList<FilaImpressora> linhas =
        m_roteamento.fila(m_config.NumeroTerminal, documento, tipoDoc);
    const QVariant semTexto{QMetaType::fromType<QString>()};
    const QVariant semNumero{QMetaType::fromType<int>()};
    for (const FilaImpressora& f : linhas) {
        const bool porLista = !f.codLista.isNull() && f.codLista.toInt() > 0;
        const Parametros p{{u("DATA"), m_clock.agora()},
                           {u("DOCUMENTO"), QString::number(f.documento)},
                           {u("IMPRESSORA"), porLista ? semTexto : QVariant(f.impressora)},
                           {u("COD_LISTA"), porLista ? QVariant(f.codLista.toInt()) : semNumero}};
        // Written or set back to pending in one step, so two terminals leave one row.
        m_dm.emTransacao([&] {
            QSqlQuery q = m_dm.executa(u("qrInsereImpControle"), p);
            if (q.numRowsAffected() <= 0)
                m_dm.executa(u("qrAtualizaImpControle"), p);
        });
    }
}
