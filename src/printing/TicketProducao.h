#pragma once

#include "RoteamentoImpressao.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// The text of a production ticket: 40 columns, accents removed from names.
namespace TicketProducao
{
QString cabecalho(int numComanda, const QDateTime& agora, int mesa);
// " FUNC:0007-NAME" cut to 29 characters.
QString linhaAtendente(int codVend, const QString& nome);
// "2" for whole quantities, "0,350" otherwise (three decimals, decimal comma).
QString quantidade(double quant);
QString blocoItem(const ItemTicket& item, const QString& atendente);
// The items under their attendants, attendants in the given order and the items of each in
// the order read; an attendant line only for a known attendant.
QString corpo(const QList<AtendenteTicket>& atendentes, const QList<ItemTicket>& itens);
QString ticket(const QString& cabecalho, const QString& corpo);
// True when the body holds something to print.
bool temConteudo(const QString& corpo);
} // namespace TicketProducao
