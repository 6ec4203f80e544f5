// The printer output module: the installed-printer lookup and the receipt-printer bytes on a
// network socket, a pseudo-terminal and a file.
#include "ImpressorasGravadas.h"
#include "printing/TDMImpressao.h"
#include "printing/TextoImpressao.h"
#include "support/TestSupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

QByteArray hex(const char* h)
{
    return QByteArray::fromHex(h);
}

// ESC @, ESC 3 20, ESC t 2.
const QByteArray kInicio = hex("1b40 1b3314 1b7402");

// The bytes a client sent to a listener until it stopped sending.
QByteArray recebido(QTcpServer& servidor)
{
    if (!servidor.hasPendingConnections() && !servidor.waitForNewConnection(5000))
        return "sem conexao";
    QTcpSocket* s = servidor.nextPendingConnection();
    QByteArray r;
    while (s->waitForReadyRead(300))
        r += s->readAll();
    r += s->readAll();
    return r;
}

quint16 portaFechada()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    const quint16 p = s.serverPort();
    s.close();
    return p;
}
} // namespace

class TstTDMImpressao : public QObject
{
    Q_OBJECT

    ImpressorasGravadas m_impressoras;
    TConfigGeral m_config;

private slots:
    void init()
    {
        m_impressoras = ImpressorasGravadas();
        m_config = TConfigGeral();
        m_config.posprinter_modelo = u("EPSON");
        m_config.posprinter_corte = u("PARCIAL");
        m_config.posprinter_avanco = 2;
    }

    void portaReal_data()
    {
        QTest::addColumn<QStringList>("instaladas");
        QTest::addColumn<QString>("gravada");
        QTest::addColumn<QString>("esperada");
        const QString longa = QString(60, QLatin1Char('L'));
        QTest::newRow("nome local acha a impressora de rede")
            << QStringList{u("PDF"), u("\\\\SRV\\KITCHEN")} << u("KITCHEN")
            << u("\\\\SRV\\KITCHEN");
        QTest::newRow("mesmo compartilhamento em outro servidor")
            << QStringList{u("\\\\SRV\\KITCHEN")} << u("\\\\OTHER\\KITCHEN")
            << u("\\\\SRV\\KITCHEN");
        QTest::newRow("caixa diferente nao casa")
            << QStringList{u("KITCHEN")} << u("kitchen") << QString();
        QTest::newRow("nome vazio pega a primeira sem barra")
            << QStringList{u("\\\\SRV\\A"), u("LOCAL"), u("OUTRA")} << QString() << u("LOCAL");
        QTest::newRow("nome de mais de 50 nao se escolhe")
            << QStringList{longa} << longa << QString();
        QTest::newRow("primeira na ordem do sistema")
            << QStringList{u("\\\\A\\BAR"), u("BAR")} << u("BAR") << u("\\\\A\\BAR");
        QTest::newRow("nenhuma instalada") << QStringList{} << u("BAR") << QString();
    }

    void portaReal()
    {
        QFETCH(QStringList, instaladas);
        QFETCH(QString, gravada);
        QFETCH(QString, esperada);
        m_impressoras.instaladas = instaladas;
        QCOMPARE(TDMImpressao(m_impressoras, m_config).PortaRealImpressao(gravada), esperada);
    }

    // The line road draws on the matching printer, or on the default one when none matches.
    void linhasNaImpressoraOuNaPadrao()
    {
        m_impressoras.instaladas = {u("PDF"), u("COZINHA")};
        TDMImpressao dm(m_impressoras, m_config);
        dm.ImprimeLinhas(u("\\\\SRV\\COZINHA"), {u("A")}, u("Consolas"));
        dm.ImprimeLinhas(u("cozinha"), {u("B")});
        QCOMPARE(m_impressoras.trabalhos.size(), 2);
        QCOMPARE(m_impressoras.trabalhos[0].impressora, u("COZINHA"));
        QCOMPARE(m_impressoras.trabalhos[0].fonte, u("Consolas"));
        QCOMPARE(m_impressoras.trabalhos[1].impressora, QString());
        QCOMPARE(m_impressoras.trabalhos[1].linhas, QStringList{u("B")});
    }

    void bytesEscPos_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("corte");
        QTest::addColumn<int>("avanco");
        QTest::addColumn<QByteArray>("fim"); // after the text lines
        QTest::newRow("epson parcial, 2 linhas")
            << u("EPSON") << u("") << 2 << hex("0a0a 1b6405 1d5601");
        QTest::newRow("epson total")
            << u("qualquer") << u("total") << 2 << hex("0a0a 1b6405 1d5600");
        QTest::newRow("gertec minusculo")
            << u("gertec") << u("PARCIAL") << 1 << hex("0a 1b6405 1d5631");
        QTest::newRow("bematech total") << u("BEMATECH") << u("TOTAL") << 0 << hex("1b6405 1b77");
        QTest::newRow("daruma") << u("DARUMA") << u("TOTAL") << 0 << hex("0a0a0a0a0a 1b6d");
    }

    void bytesEscPos()
    {
        QFETCH(QString, modelo);
        QFETCH(QString, corte);
        QFETCH(int, avanco);
        QFETCH(QByteArray, fim);
        PastaTeste pasta;
        m_config.posprinter_modelo = modelo;
        m_config.posprinter_corte = corte;
        m_config.posprinter_avanco = avanco;
        QTcpServer servidor;
        QVERIFY(servidor.listen(QHostAddress::LocalHost, 0));
        TDMImpressao dm(m_impressoras, m_config);
        dm.ConfigurarACBrPos(u("tcp://127.0.0.1:%1").arg(servidor.serverPort()), QString(), 40);
        QCOMPARE(dm.ImprimirACBrPos({u("CAFÉ"), u("PÃO €😀")}), u("Impressão finalizada."));
        QCOMPARE(recebido(servidor), kInicio + QByteArray("CAF\x90\nP\xc7O ??\n") + fim);
        QVERIFY(QFile::exists(pasta.caminho(u("ACBrPosLog.txt"))));
    }

    // A serial port: the bytes reach the other end of a pseudo-terminal unchanged.
    void portaSerial()
    {
        PastaTeste pasta;
        const int mestre = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(mestre >= 0);
        QVERIFY(grantpt(mestre) == 0 && unlockpt(mestre) == 0);
        const QString escravo = QString::fromLocal8Bit(ptsname(mestre));
        TDMImpressao dm(m_impressoras, m_config);
        dm.ConfigurarACBrPos(escravo, QString(), 40);
        dm.ImprimirACBrPos({u("AÇÃO"), u("x\ny")});
        QByteArray lido;
        pollfd p{mestre, POLLIN, 0};
        char buf[512];
        while (poll(&p, 1, 500) > 0) {
            const ssize_t n = read(mestre, buf, sizeof buf);
            if (n <= 0)
                break;
            lido.append(buf, n);
        }
        ::close(mestre);
        QCOMPARE(lido, kInicio + QByteArray("A\x80\xc7O\nx y\n\n\n") + hex("1b6405 1d5601"));
    }

    void arquivoAcrescenta()
    {
        PastaTeste pasta;
        const QString arquivo = pasta.caminho(u("nota fiscal's.prn"));
        TDMImpressao dm(m_impressoras, m_config);
        m_config.posprinter_avanco = 0;
        dm.ConfigurarACBrPos(u("file:") + arquivo, QString(), 40);
        dm.ImprimirACBrPos({u("1")});
        dm.ImprimirACBrPos({u("2")});
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray um = kInicio + "1\n" + hex("1b6405 1d5601");
        QCOMPARE(f.readAll(), um + QByteArray(um).replace('1', '2'));
    }

    void falhas_data()
    {
        QTest::addColumn<QString>("porta");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("porta tcp fechada")
            << u("tcp://127.0.0.1:%1").arg(portaFechada())
            << u("Erro ao configurar ACBrPos: Não foi possível conectar a 127.0.0.1:");
        QTest::newRow("serial inexistente")
            << u("/dev/ttyBRISVEL9")
            << u("Erro ao configurar ACBrPos: Porta serial não encontrada: /dev/ttyBRISVEL9");
        QTest::newRow("arquivo em pasta inexistente")
            << u("file:/nao/existe/cupom.prn")
            << u("Erro ao configurar ACBrPos: Não foi possível abrir /nao/existe/cupom.prn");
        QTest::newRow("disco cheio") << u("file:/dev/full")
                                     << u("Erro ao imprimir ACBrPos: Não foi possível gravar em "
                                          "/dev/full");
        QTest::newRow("endereco sem host")
            << u("tcp://:9100") << u("Erro ao configurar ACBrPos: Endereço de impressora inválido");
    }

    void falhas()
    {
        QFETCH(QString, porta);
        QFETCH(QString, mensagem);
        PastaTeste pasta;
        TDMImpressao dm(m_impressoras, m_config);
        try {
            dm.ConfigurarACBrPos(porta, QString(), 40);
            dm.ImprimirACBrPos({u("X")});
            QFAIL("no failure");
        } catch (const Falha& f) {
            QVERIFY2(f.mensagem().startsWith(mensagem), qPrintable(f.mensagem()));
        }
        QFile log(pasta.caminho(u("ACBrPosLog.txt")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("Erro: "));
    }

    void atribuirParametros()
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u("QSQLITE"), u("param"));
            db.setDatabaseName(u(":memory:"));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.prepare(u("SELECT :b || :a")));
            AtribuirParametros(q, {u("a"), u(":b")}, {u("2"), u("1")});
            QVERIFY(q.exec() && q.next());
            QCOMPARE(q.value(0).toString(), u("12"));
            QVERIFY_THROWS_EXCEPTION(Falha, AtribuirParametros(q, {u("a")}, {}));
        }
        QSqlDatabase::removeDatabase(u("param"));
    }

    void semConfigurar()
    {
        TDMImpressao dm(m_impressoras, m_config);
        QVERIFY_THROWS_EXCEPTION(Falha, dm.ImprimirACBrPos({u("X")}));
    }

    void formaDaPorta_data()
    {
        QTest::addColumn<QString>("impressora");
        QTest::addColumn<QString>("prefixo");
        QTest::addColumn<QString>("serial");
        QTest::newRow("COM1") << u("COM1") << QString() << u("/dev/ttyS0");
        QTest::newRow("COM10") << u("COM10") << QString() << u("/dev/ttyS9");
        QTest::newRow("COM100") << u("COM100") << u("RAW") << QString();
        QTest::newRow("LPT1") << u("LPT1") << u("RAW") << QString();
        QTest::newRow("fila") << u("CAIXA") << u("RAW") << QString();
        QTest::newRow("rede") << u("tcp://10.0.0.9") << QString() << QString();
        QTest::newRow("dispositivo") << u("/dev/usb/lp0") << QString() << QString();
    }

    void formaDaPorta()
    {
        QFETCH(QString, impressora);
        QFETCH(QString, prefixo);
        QFETCH(QString, serial);
        QString nome, p;
        TDMImpressao::portaEscPos(impressora, &nome, &p);
        QCOMPARE(nome, impressora);
        QCOMPARE(p, prefixo);
        QCOMPARE(caminhoPortaSerial(impressora), serial);
    }
};

QTEST_GUILESS_MAIN(TstTDMImpressao)
#include "tst_tdmimpressao.moc"
