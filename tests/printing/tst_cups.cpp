// The installed-printer road and the raw queue through a real CUPS scheduler started by the
// test, with queues whose jobs the test reads back.
#include "ServidorCups.h"
#include "platform/Falha.h"
#include "printing/TDMImpressao.h"
#include "support/TestSupport.h"

#include <QStandardPaths>
#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

// The text of a PDF job, or "" when pdftotext is missing.
QString textoDoPdf(const QByteArray& pdf)
{
    const QString pdftotext = QStandardPaths::findExecutable(u("pdftotext"));
    if (pdftotext.isEmpty())
        return QString();
    QProcess p;
    p.start(pdftotext, {u("-layout"), u("-"), u("-")});
    p.write(pdf);
    p.closeWriteChannel();
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class TstCups : public QObject
{
    Q_OBJECT

    std::unique_ptr<ServidorCups> m_cups;
    std::unique_ptr<ImpressorasSistema> m_impressoras;
    TConfigGeral m_config;

private slots:
    void initTestCase()
    {
        m_cups = std::make_unique<ServidorCups>();
        if (!m_cups->erro().isEmpty())
            QSKIP(qPrintable(u("CUPS não pôde rodar nesta máquina; a impressão pela fila do "
                               "sistema não foi testada: ") +
                             m_cups->erro()));
        qputenv("CUPS_SERVER", m_cups->socket().toLocal8Bit());
        QVERIFY(m_cups->adicionaFila(u("BAR")));
        QVERIFY(m_cups->adicionaFila(u("COZINHA")));
        QVERIFY(m_cups->executa(u("/usr/sbin/lpadmin"), {u("-d"), u("BAR")}));
        m_impressoras = criaImpressorasCups();
        m_config.posprinter_modelo = u("EPSON");
        m_config.posprinter_corte = u("TOTAL");
        m_config.posprinter_avanco = 1;
    }

    void listaAsFilas()
    {
        const QStringList nomes = m_impressoras->nomes();
        QVERIFY2(nomes.contains(u("BAR")) && nomes.contains(u("COZINHA")),
                 qPrintable(nomes.join(u(","))));
    }

    // A UNC name finds the queue by its share name; the lines are drawn on the page.
    void ticketNaFila()
    {
        PastaTeste pasta;
        TDMImpressao dm(*m_impressoras, m_config);
        dm.ImprimeLinhas(u("\\\\SRV\\COZINHA"), {u(" Cartao..: 0012 Data....: 10/12/2026 14:35"),
                                                 u("0001-BATATA FRITA"), u("QTDE: 2")});
        const QByteArray pdf = m_cups->esperaSaida(u("COZINHA"));
        QVERIFY2(pdf.startsWith("%PDF"), pdf.left(40).constData());
        const QString texto = textoDoPdf(pdf);
        if (texto.isEmpty())
            QSKIP("pdftotext (poppler-utils) ausente: o texto da página não foi conferido");
        QVERIFY2(texto.contains(u("Cartao..: 0012 Data....: 10/12/2026 14:35")) &&
                     texto.contains(u("0001-BATATA FRITA")) && texto.contains(u("QTDE: 2")),
                 qPrintable(texto));
    }

    // A stored name with another letter case matches no queue: the default queue prints it.
    void semCorrespondenciaVaiParaAPadrao()
    {
        PastaTeste pasta;
        TDMImpressao dm(*m_impressoras, m_config);
        dm.ImprimeLinhas(u("cozinha"), {u("CONTA 77")}, u("Consolas"));
        const QByteArray pdf = m_cups->esperaSaida(u("BAR"));
        QVERIFY(pdf.startsWith("%PDF"));
        const QString texto = textoDoPdf(pdf);
        if (!texto.isEmpty())
            QVERIFY(texto.contains(u("CONTA 77")));
    }

    // A ticket longer than the page goes on in a new page; no line is lost past its end.
    void ticketLongoContinuaNaPagina()
    {
        PastaTeste pasta;
        QVERIFY(m_cups->adicionaFila(u("LONGA")));
        QStringList linhas;
        for (int i = 1; i <= 200; ++i)
            linhas << u("LINHA %1").arg(i, 3, 10, QLatin1Char('0'));
        TDMImpressao dm(*m_impressoras, m_config);
        dm.ImprimeLinhas(u("LONGA"), linhas);
        const QString texto = textoDoPdf(m_cups->esperaSaida(u("LONGA")));
        if (texto.isEmpty())
            QSKIP("pdftotext (poppler-utils) ausente: o texto da página não foi conferido");
        QVERIFY(texto.contains(u("LINHA 001")) && texto.contains(u("LINHA 200")));
        QVERIFY2(texto.count(QChar(0x0C)) >= 2, "one page only");
    }

    // The receipt road through a raw queue: the ESC/POS bytes arrive unchanged.
    void filaRaw()
    {
        PastaTeste pasta;
        QVERIFY(m_cups->adicionaFila(u("CAIXA")));
        TDMImpressao dm(*m_impressoras, m_config);
        dm.ConfigurarACBrPos(u("CAIXA"), u("RAW"), 40);
        QCOMPARE(dm.ImprimirACBrPos({u("PÃO")}), u("Impressão finalizada."));
        QCOMPARE(m_cups->esperaSaida(u("CAIXA")),
                 QByteArray::fromHex("1b40 1b3314 1b7402 50c74f0a 0a 1b6405 1d5600"));
    }

    // A queue that refuses jobs gives a message naming it.
    void filaRecusando()
    {
        PastaTeste pasta;
        QVERIFY(m_cups->adicionaFila(u("RECUSA")));
        QVERIFY(m_cups->executa(u("/usr/sbin/cupsreject"), {u("RECUSA")}));
        TDMImpressao dm(*m_impressoras, m_config);
        dm.ConfigurarACBrPos(u("RECUSA"), u("RAW"), 40);
        try {
            dm.ImprimirACBrPos({u("X")});
            QFAIL("no failure");
        } catch (const Falha& f) {
            QVERIFY2(f.mensagem().startsWith(
                         u("Erro ao imprimir ACBrPos: Não foi possível imprimir na fila RECUSA: ")),
                     qPrintable(f.mensagem()));
        }
    }

    // The installed-printer road refuses a queue that refuses jobs or is stopped, instead of
    // leaving the ticket where no one sees it.
    void filaParadaOuRecusando_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("recusando")
            << u("/usr/sbin/cupsreject") << u("A impressora PARADA não está aceitando trabalhos");
        QTest::newRow("parada") << u("/usr/sbin/cupsdisable")
                                << u("A impressora PARADA está parada (fora de linha)");
    }

    void filaParadaOuRecusando()
    {
        QFETCH(QString, comando);
        QFETCH(QString, mensagem);
        PastaTeste pasta;
        QVERIFY(m_cups->adicionaFila(u("PARADA")));
        QVERIFY(m_cups->executa(comando, {u("PARADA")}));
        TDMImpressao dm(*m_impressoras, m_config);
        try {
            dm.ImprimeLinhas(u("PARADA"), {u("X")});
            QFAIL("no failure");
        } catch (const Falha& f) {
            QCOMPARE(f.mensagem(), mensagem);
        }
    }

    void cleanupTestCase()
    {
        m_impressoras.reset();
        m_cups.reset();
    }
};

QTEST_MAIN(TstCups)
#include "tst_cups.moc"
