#pragma once

#include "RoteamentoImpressao.h"
#include "TDMImpressao.h"
#include "app/Configuracao.h"
#include "data/TDMXAL.h"
#include "platform/Clock.h"

#include <QStringList>

// Production tickets of a comanda or pre-sale: one ticket per kitchen or bar station with the
// items it has not printed yet, then those items marked printed; or, in queue mode, one row
// of IMP_CONTROLE per document for the outside print service.
class ImpressaoProducao
{
public:
    ImpressaoProducao(TDMXAL& dm, TDMImpressao& impressao, const ConfigAtendimento& config,
                      const Clock& clock);

    // Whether the order entry window prints on leaving the product field of a document of
    // this type.
    static bool imprimeAoSair(const ConfigAtendimento& config, const QString& tipoDoc);

    // Prints (or queues) the tickets of the document. Raises
    // "Problemas ao realizar impressão " + cause when printing fails; nothing is marked then.
    void ImprimeBrisvel(int documento, const QString& tipoDoc);

    // Marks printed the document's pending items up to item id iUltimoItem (those the run
    // read); raises "Problemas ao atualizar status de impressão " + cause.
    void AtualizaStatusImpressao(int iDoc, qint64 iUltimoItem);

    // Tickets printed by the last run, as the lines handed to the printer.
    const QList<QStringList>& tickets() const { return m_tickets; }
    int instrucoes() const { return m_roteamento.instrucoes(); }

private:
    void imprimeDireto(int documento, const QString& tipoDoc);
    void enfileira(int documento, const QString& tipoDoc);

    TDMXAL& m_dm;
    TDMImpressao& m_impressao;
    const ConfigAtendimento& m_config;
    const Clock& m_clock;
    RoteamentoImpressao m_roteamento;
    QList<QStringList> m_tickets;
};
