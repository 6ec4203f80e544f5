// Production tickets of a comanda on the demo shop: what reaches each station, what is marked
// printed, the print queue and every failure.
#include "Fixtures.h"
#include "ImpressorasGravadas.h"
#include "printing/ImpressaoProducao.h"
#include "support/TestSupport.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

QString leArquivo(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

quint16 portaFechada()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    const quint16 p = s.serverPort();
    s.close();
    return p;
}

// The demo shop with its printers, terminal 1 (printing list SALÃO) and a fixed clock.
struct Loja {
    PastaTeste pasta;
    std::unique_ptr<TDMXAL> dm = abreBancoTeste(pasta);
    ImpressorasGravadas impressoras;
    TConfigGeral geral;
    ConfigAtendimento config;
    FixedClock relogio{QDateTime(QDate(2026, 12, 10), QTime(14, 35))};
    TDMImpressao impressao{impressoras, geral};
    ImpressaoProducao producao{*dm, impressao, config, relogio};

    Loja()
    {
        config.NumeroTerminal = 1;
        config.Imprime = true;
    }
    QString cozinha() const { return pasta.caminho(u("impressora-cozinha.txt")); }
    QString bar() const { return pasta.caminho(u("impressora-bar.txt")); }
    void porta(int codImp, const QString& porta)
    {
        dm->ExecutaSQL(u("UPDATE CMD_IMPRESSAO SET PORTA_IMPRESSAO = :p WHERE COD_IMP = :c"),
                       {{u("p"), porta}, {u("c"), codImp}});
    }
    int comanda(int numero, int mesa, const QList<NovoItem>& itens)
    {
        const int doc = novaComanda(*dm, numero);
        dm->executa(u("qrInsereMesa"),
                    {{u("pMesa"), mesa}, {u("pnum_ocupante"), 1}, {u("pDOC"), doc}});
        for (const NovoItem& i : itens)
            novoItem(*dm, doc, i);
        return doc;
    }
    QString falhaDe(int doc)
    {
        try {
            producao.ImprimeBrisvel(doc, u("C"));
        } catch (const Falha& f) {
            return f.mensagem();
        }
        return QString();
    }
};

NovoItem item(int produto, QVariant vendedor = QVariant(), QVariant obs = QVariant())
{
    NovoItem i;
    i.produto = produto;
    i.vendedor = vendedor;
    i.obs = obs;
    return i;
}
} // namespace

class TstProducao : public QObject
{
    Q_OBJECT

private slots:
    // The demo kitchen and bar print into files; every item the run read is marked, also the
    // one no station routes; a second run has nothing to print.
    void demoImprimeNosArquivosEMarca()
    {
        Loja loja;
        const int doc = loja.comanda(12, 5, {item(1, 2, u("SEM SAL")), item(20, 2), item(50)});
        loja.producao.ImprimeBrisvel(doc, u("C"));
        QCOMPARE(loja.producao.tickets().size(), 2);
        const QString cozinha = leArquivo(loja.cozinha());
        QCOMPARE(cozinha, u("========================================\n"
                            " Cartao..: 0012 Data....: 10/12/2026 14:35\n"
                            " Mesa....: 0005\n"
                            "----------------------------------------\n"
                            " Produto\n"
                            "----------------------------------------\n"
                            "\n"
                            " FUNC:0002-CARLOS EDUARDO LIM\n"
                            "0001-BATATA FRITA PORCAO\n"
                            "QTDE: 1\n"
                            "HORA:14:30\n"
                            "OBS: SEM SAL\n"
                            "\n"
                            "\n"
                            "========================================\n"));
        QVERIFY(leArquivo(loja.bar()).contains(u("0020-CAIPIRINHA DE LIMAO\n")));
        QCOMPARE(marcas(*loja.dm, doc), u("TTT"));

        loja.producao.ImprimeBrisvel(doc, u("C"));
        QVERIFY(loja.producao.tickets().isEmpty());
        QCOMPARE(leArquivo(loja.cozinha()), cozinha);
    }

    void soItensSemRotaNaoImprimemNemMarcam()
    {
        Loja loja;
        const int doc = loja.comanda(3, 0, {item(50), item(52)});
        loja.producao.ImprimeBrisvel(doc, u("C"));
        QVERIFY(loja.producao.tickets().isEmpty());
        QCOMPARE(marcas(*loja.dm, doc), u("--"));
        QVERIFY(!QFile::exists(loja.cozinha()));
    }

    // Attendant 0 (none) first and without a FUNC line; items without attendant and those of
    // attendant 0 once each.
    void atendentesNaOrdem()
    {
        Loja loja;
        const int doc = loja.comanda(8, 0, {item(1, 4), item(2), item(3, 0)});
        loja.producao.ImprimeBrisvel(doc, u("C"));
        QCOMPARE(loja.producao.tickets().size(), 1);
        const QString t = loja.producao.tickets()[0].join(QLatin1Char('\n'));
        QVERIFY2(t.contains(u("------\n\n0002-MANDIOCA FRITA PORCAO\nQTDE: 1\nHORA:14:30\n\n"
                              "0003-CALABRESA ACEBOLADA\nQTDE: 1\nHORA:14:30\n\n"
                              " FUNC:0004-JOAO PEDRO ALVES\n0001-BATATA")),
                 qPrintable(t));
    }

    void falhaNaoMarcaNada_data()
    {
        QTest::addColumn<QString>("porta");
        QTest::addColumn<QString>("causa");
        QTest::newRow("impressora fora de linha") << u("COZINHA") << u("Impressora fora de linha");
        QTest::newRow("porta tcp fechada")
            << u("tcp://127.0.0.1:%1").arg(portaFechada())
            << u("Erro ao configurar ACBrPos: Não foi possível conectar a 127.0.0.1:");
        QTest::newRow("serial inexistente")
            << u("/dev/ttyBRISVEL9")
            << u("Erro ao configurar ACBrPos: Porta serial não encontrada: /dev/ttyBRISVEL9");
        QTest::newRow("arquivo cheio")
            << u("file:/dev/full") << u("Não foi possível gravar em /dev/full");
        QTest::newRow("arquivo sem pasta") << u("file:/nao/existe/cozinha.txt")
                                           << u("Não foi possível abrir /nao/existe/cozinha.txt");
    }

    // A station that fails stops the run: nothing is marked, and the next run prints the
    // earlier station again (a duplicate rather than a lost ticket).
    void falhaNaoMarcaNada()
    {
        QFETCH(QString, porta);
        QFETCH(QString, causa);
        Loja loja;
        // The bar is an installed printer whose name sorts first, so it prints before.
        loja.impressoras.instaladas = {u("#BAR"), u("COZINHA")};
        loja.impressoras.aoImprimir = [](const ImpressorasGravadas::Trabalho& t) {
            if (t.impressora == QLatin1String("COZINHA"))
                throw Falha(u("Impressora fora de linha"));
        };
        loja.porta(1, porta);
        loja.porta(2, u("#BAR"));
        const int doc = loja.comanda(12, 0, {item(20), item(1)});
        const QString erro = loja.falhaDe(doc);
        QVERIFY2(erro.startsWith(u("Problemas ao realizar impressão ") + causa), qPrintable(erro));
        QCOMPARE(marcas(*loja.dm, doc), u("--"));
        QCOMPARE(loja.impressoras.trabalhos.size(), 1);

        loja.porta(1, u("file:") + loja.cozinha());
        loja.producao.ImprimeBrisvel(doc, u("C"));
        QCOMPARE(loja.impressoras.trabalhos.size(), 2);
        QCOMPARE(loja.impressoras.trabalhos[1].impressora, u("#BAR"));
        QCOMPARE(leArquivo(loja.cozinha()).count(u("0001-")), 1);
        QCOMPARE(marcas(*loja.dm, doc), u("TT"));
    }

    void falhaAoMarcar()
    {
        Loja loja;
        const int doc = loja.comanda(12, 0, {item(1)});
        loja.dm->ExecutaSQL(u("CREATE TRIGGER trava BEFORE UPDATE ON CMD_ITEM BEGIN SELECT "
                              "RAISE(ABORT, 'tabela travada'); END"));
        const QString erro = loja.falhaDe(doc);
        QVERIFY2(erro.startsWith(u("Problemas ao realizar impressão Problemas ao atualizar status "
                                   "de impressão ")),
                 qPrintable(erro));
        QVERIFY(erro.contains(u("tabela travada")));
    }

    // An item another terminal adds while the tickets print is neither printed nor marked by
    // this run; the next run prints it.
    void itemDuranteAImpressaoFicaPendente()
    {
        Loja loja;
        loja.impressoras.instaladas = {u("BAR"), u("COZINHA")};
        loja.porta(1, u("COZINHA"));
        loja.porta(2, u("BAR"));
        const int doc = loja.comanda(12, 0, {item(20), item(2)});
        bool inseriu = false;
        loja.impressoras.aoImprimir = [&](const ImpressorasGravadas::Trabalho&) {
            if (!inseriu)
                novoItem(*loja.dm, doc, item(1));
            inseriu = true;
        };
        loja.producao.ImprimeBrisvel(doc, u("C"));
        QCOMPARE(loja.impressoras.trabalhos.size(), 2);
        QCOMPARE(loja.impressoras.trabalhos[0].impressora, u("BAR"));
        QCOMPARE(loja.impressoras.trabalhos[1].impressora, u("COZINHA"));
        const QString cozinha = loja.impressoras.trabalhos[1].linhas.join(QLatin1Char('\n'));
        QVERIFY(cozinha.contains(u("0002-")) && !cozinha.contains(u("0001-")));
        QCOMPARE(marcas(*loja.dm, doc), u("TT-"));

        loja.producao.ImprimeBrisvel(doc, u("C"));
        QCOMPARE(loja.impressoras.trabalhos.size(), 3);
        const QString segunda = loja.impressoras.trabalhos[2].linhas.join(QLatin1Char('\n'));
        QVERIFY(segunda.contains(u("0001-")) && !segunda.contains(u("0002-")));
        QCOMPARE(marcas(*loja.dm, doc), u("TTT"));
    }

    // A receipt printer on the network gets the ticket in CP850; what CP850 lacks prints "?".
    void foraDoCp850NaRede()
    {
        Loja loja;
        QTcpServer servidor;
        QVERIFY(servidor.listen(QHostAddress::LocalHost, 0));
        loja.porta(1, u("tcp://127.0.0.1:%1").arg(servidor.serverPort()));
        loja.dm->ExecutaSQL(u("UPDATE PRODUTO SET DESCRICAO = 'BOLO € 😀 Ñ' WHERE COD_PROD = 1"));
        const int doc = loja.comanda(12, 0, {item(1)});
        loja.producao.ImprimeBrisvel(doc, u("C"));
        QVERIFY(servidor.waitForNewConnection(5000));
        QTcpSocket* s = servidor.nextPendingConnection();
        QByteArray bytes;
        while (s->waitForReadyRead(300))
            bytes += s->readAll();
        QVERIFY2(bytes.contains("0001-BOLO ? ? \xa5\n"), bytes.toHex().constData());
        QVERIFY(bytes.endsWith(QByteArray::fromHex("1b6405 1d5601")));
        QCOMPARE(marcas(*loja.dm, doc), u("T"));
    }

    void filaDuasVezes_data()
    {
        QTest::addColumn<bool>("comLista");
        QTest::newRow("terminal com lista") << true;
        QTest::newRow("terminal sem lista") << false;
    }

    // One queue row per document, set back to pending; nothing printed, nothing marked.
    void filaDuasVezes()
    {
        QFETCH(bool, comLista);
        Loja loja;
        loja.config.ImpQuorviPrinter = true;
        if (!comLista)
            loja.dm->ExecutaSQL(u("UPDATE CMD_TERMINAIS SET COD_IMPRESSAO = NULL"));
        const int doc = loja.comanda(12, 0, {item(1), item(20)});
        loja.producao.ImprimeBrisvel(doc, u("C"));
        loja.dm->ExecutaSQL(u("UPDATE IMP_CONTROLE SET FLG_IMPRESSAO = 'S'"));
        loja.producao.ImprimeBrisvel(doc, u("C"));

        QSqlQuery q;
        loja.dm->ExecutaSQL(u("SELECT ID_TABELA, TIPO_IMPRESSAO, DOCUMENTO, FLG_IMPRESSAO, "
                              "IMPRESSORA, COD_LISTA, DATA FROM IMP_CONTROLE"),
                            q);
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 3);
        QCOMPARE(q.value(1).toString(), u("COZINHA"));
        QCOMPARE(q.value(2).toString(), QString::number(doc));
        QCOMPARE(q.value(3).toString(), u("P"));
        if (comLista) {
            QVERIFY(q.value(4).isNull());
            QCOMPARE(q.value(5).toInt(), 1);
        } else {
            QCOMPARE(q.value(4).toString(), u("file:") + loja.cozinha());
            QVERIFY(q.value(5).isNull());
        }
        QCOMPARE(TDMXAL::lerData(q.value(6)), loja.relogio.agora());
        QVERIFY(!q.next());
        QVERIFY(!QFile::exists(loja.cozinha()) && !QFile::exists(loja.bar()));
        QCOMPARE(marcas(*loja.dm, doc), u("--"));
    }

    void imprimeAoSair_data()
    {
        QTest::addColumn<bool>("imprime");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<bool>("esperado");
        QTest::newRow("comanda") << true << u("C") << true;
        QTest::newRow("pre-venda") << true << u("P") << true;
        QTest::newRow("orcamento") << true << u("D") << false;
        QTest::newRow("kit") << true << u("K") << false;
        QTest::newRow("desligado") << false << u("C") << false;
    }

    void imprimeAoSair()
    {
        QFETCH(bool, imprime);
        QFETCH(QString, tipo);
        QFETCH(bool, esperado);
        ConfigAtendimento c;
        c.Imprime = imprime;
        QCOMPARE(ImpressaoProducao::imprimeAoSair(c, tipo), esperado);
    }
};

QTEST_GUILESS_MAIN(TstProducao)
#include "tst_producao.moc"
