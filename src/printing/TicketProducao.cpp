#include "TicketProducao.h"

#include "TextoImpressao.h"

#include <QLocale>
#include <cmath>

namespace
{
const QString kIgual = QString(40, QLatin1Char('='));
const QString kTraco = QString(40, QLatin1Char('-'));

QString quatro(qint64 n)
{
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}
} // namespace

namespace TicketProducao
{

QString cabecalho(int numComanda, const QDateTime& agora, int mesa)
{
    return kIgual + QLatin1Char('\n') + QStringLiteral(" Cartao..: ") + quatro(numComanda) +
           QStringLiteral(" Data....: ") + agora.toString(QStringLiteral("dd/MM/yyyy HH:mm")) +
           QLatin1Char('\n') + QStringLiteral(" Mesa....: ") + quatro(mesa) + QLatin1Char('\n') +
           kTraco + QLatin1Char('\n') + QStringLiteral(" Produto") + QLatin1Char('\n') + kTraco +
           QLatin1Char('\n');
}

QString linhaAtendente(int codVend, const QString& nome)
{
    return (QStringLiteral(" FUNC:") + quatro(codVend) + QLatin1Char('-') +
            RemoveAcentos(nome.left(35)))
        .left(29);
}

QString quantidade(double quant)
{
    const double q = std::round(quant * 1000.0) / 1000.0;
    if (q == std::floor(q))
        return QString::number(static_cast<qint64>(q));
    QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    brasil.setNumberOptions(QLocale::OmitGroupSeparator);
    return brasil.toString(q, 'f', 3);
}

QString blocoItem(const ItemTicket& item, const QString& atendente)
{
    QString r = QStringLiteral("\n");
    if (!atendente.isEmpty())
        r += atendente + QLatin1Char('\n');
    r += quatro(item.codProd) + QLatin1Char('-') + RemoveAcentos(item.descricao.left(35)) +
         QLatin1Char('\n');
    r += QStringLiteral("QTDE: ") + quantidade(item.quant) + QLatin1Char('\n');
    r += QStringLiteral("HORA:") + item.hora + QLatin1Char('\n');
    if (!item.obs.isNull())
        r += QStringLiteral("OBS: ") + RemoveAcentos(item.obs.toString().left(35)) +
             QStringLiteral("\n\n");
    return r;
}

QString corpo(const QList<AtendenteTicket>& atendentes, const QList<ItemTicket>& itens)
{
    static const QString semAtendente = QStringLiteral(" FUNC:0000-");
    QString r;
    for (const AtendenteTicket& a : atendentes) {
        QString linha = linhaAtendente(a.codVend, a.nome);
        if (linha == semAtendente)
            linha.clear();
        for (const ItemTicket& item : itens) {
            if (item.codVendFiltro != a.codVend)
                continue;
            r += blocoItem(item, linha);
            linha.clear();
        }
    }
    return r;
}

QString ticket(const QString& cabecalho, const QString& corpo)
{
    return cabecalho + corpo + QLatin1Char('\n') + kIgual;
}

bool temConteudo(const QString& corpo)
{
    return !corpo.trimmed().isEmpty();
}

} // namespace TicketProducao
