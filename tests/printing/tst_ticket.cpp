// The text of a production ticket, to the character.
#include "printing/TextoImpressao.h"
#include "printing/TicketProducao.h"

#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

ItemTicket item(int prod, const char* desc, double quant, const char* hora, int vend,
                QVariant obs = QVariant())
{
    ItemTicket i;
    i.codProd = prod;
    i.descricao = u(desc);
    i.quant = quant;
    i.hora = u(hora);
    i.codVendFiltro = vend;
    i.obs = obs;
    return i;
}
} // namespace

class TstTicket : public QObject
{
    Q_OBJECT

private slots:
    void exemploDaComanda12()
    {
        const QString cab =
            TicketProducao::cabecalho(12, QDateTime(QDate(2026, 12, 10), QTime(14, 35)), 5);
        const QString corpo =
            TicketProducao::corpo({{7, u("JOÃO DA SILVA")}},
                                  {item(123, "X-BURGUER", 2, "14:30", 7),
                                   item(456, "SUCO DE LARANJA", 1, "14:31", 7, u("SEM GELO"))});
        const QStringList esperado = {
            u("========================================"),
            u(" Cartao..: 0012 Data....: 10/12/2026 14:35"),
            u(" Mesa....: 0005"),
            u("----------------------------------------"),
            u(" Produto"),
            u("----------------------------------------"),
            u(""),
            u(" FUNC:0007-JOAO DA SILVA"),
            u("0123-X-BURGUER"),
            u("QTDE: 2"),
            u("HORA:14:30"),
            u(""),
            u("0456-SUCO DE LARANJA"),
            u("QTDE: 1"),
            u("HORA:14:31"),
            u("OBS: SEM GELO"),
            u(""),
            u(""),
            u("========================================"),
        };
        QCOMPARE(TicketProducao::ticket(cab, corpo).split(QLatin1Char('\n')), esperado);
    }

    // Attendant 0 has no FUNC line and comes first; each attendant's line only once.
    void atendenteZeroAntesDoSete()
    {
        const QString corpo =
            TicketProducao::corpo({{0, QString()}, {7, u("ANA")}},
                                  {item(1, "A", 1, "10:00", 7), item(2, "B", 1, "10:01", 0),
                                   item(3, "C", 1, "10:02", 7)});
        QCOMPARE(corpo, u("\n0002-B\nQTDE: 1\nHORA:10:01\n"
                          "\n FUNC:0007-ANA\n0001-A\nQTDE: 1\nHORA:10:00\n"
                          "\n0003-C\nQTDE: 1\nHORA:10:02\n"));
    }

    void linhas_data()
    {
        QTest::addColumn<QString>("obtido");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("atendente cortado em 29")
            << TicketProducao::linhaAtendente(12, u("MARIA JOSÉ FERREIRA DA CONCEIÇÃO"))
            << u(" FUNC:0012-MARIA JOSE FERREIR");
        QTest::newRow("descricao de 50 vira 35 sem acentos")
            << TicketProducao::blocoItem(
                   item(7, "PÃO DE QUEIJO ÇÍÓÚ COM REQUEIJÃO E AÇÚCAR MASCAVOÜ", 1, "09:05", 0),
                   QString())
                   .section(QLatin1Char('\n'), 1, 1)
            << u("0007-PAO DE QUEIJO CIOU COM REQUEIJAO E ");
        QTest::newRow("observacao vazia")
            << TicketProducao::blocoItem(item(1, "A", 1, "09:05", 0, QVariant(QString(u("")))),
                                         QString())
            << u("\n0001-A\nQTDE: 1\nHORA:09:05\nOBS: \n\n");
        QTest::newRow("mesa 0") << TicketProducao::cabecalho(
                                       1, QDateTime(QDate(2026, 1, 2), QTime(3, 4)), 0)
                                       .section(QLatin1Char('\n'), 2, 2)
                                << u(" Mesa....: 0000");
        QTest::newRow("quantidade 2") << TicketProducao::quantidade(2) << u("2");
        QTest::newRow("quantidade 2.0") << TicketProducao::quantidade(2.0000001) << u("2");
        QTest::newRow("quantidade 0.35") << TicketProducao::quantidade(0.35) << u("0,350");
        QTest::newRow("quantidade 1234.5") << TicketProducao::quantidade(1234.5) << u("1234,500");
        QTest::newRow("acentos") << RemoveAcentos(u("àâêôûãõáéíóúçüÀÂÊÔÛÃÕÁÉÍÓÚÇÜ ñ€"))
                                 << u("aaeouaoaeioucuAAEOUAOAEIOUCU ñ€");
    }

    void linhas()
    {
        QFETCH(QString, obtido);
        QFETCH(QString, esperado);
        QCOMPARE(obtido, esperado);
    }

    void corpoVazioNaoImprime()
    {
        QVERIFY(!TicketProducao::temConteudo(TicketProducao::corpo({{0, QString()}}, {})));
        QVERIFY(!TicketProducao::temConteudo(u(" \n\n ")));
    }
};

QTEST_GUILESS_MAIN(TstTicket)
#include "tst_ticket.moc"
