#include "platform/Balanca.h"
#include "support/TestSupport.h"

#include <QThread>
#include <QtTest>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

// A pseudo-terminal that plays the scale: the program opens its slave side as a serial port.
class BalancaSimulada
{
public:
    BalancaSimulada()
    {
        m_mestre = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(m_mestre);
        unlockpt(m_mestre);
        m_escravo = QString::fromLocal8Bit(ptsname(m_mestre));
        termios t;
        tcgetattr(m_mestre, &t);
        cfmakeraw(&t);
        tcsetattr(m_mestre, TCSANOW, &t);
    }
    ~BalancaSimulada() { close(m_mestre); }
    const QString& porta() const { return m_escravo; }
    // Answers each request with the given bytes, from a thread, recording what it received.
    void responde(const QByteArray& resposta, int pedidos)
    {
        m_thread = QThread::create([this, resposta, pedidos] {
            int atendidos = 0;
            char buf[64];
            while (atendidos < pedidos) {
                const ssize_t n = read(m_mestre, buf, sizeof buf);
                if (n <= 0)
                    break;
                recebido.append(buf, n);
                if (recebido.endsWith('\x05') || recebido.endsWith("S11\r")) {
                    (void)!write(m_mestre, resposta.constData(), resposta.size());
                    ++atendidos;
                }
            }
        });
        m_thread->start();
    }
    void espera()
    {
        if (m_thread) {
            m_thread->wait(5000);
            delete m_thread;
            m_thread = nullptr;
        }
    }
    QByteArray recebido;

private:
    int m_mestre = -1;
    QString m_escravo;
    QThread* m_thread = nullptr;
};
} // namespace

class TstBalanca : public QObject
{
    Q_OBJECT
private slots:
    void respostas_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QByteArray>("resposta");
        QTest::addColumn<double>("peso");
        QTest::newRow("toledo") << u("Toledo")
                                << QByteArray("\x02"
                                              "00350\x03")
                                << 0.35;
        QTest::newRow("toledo instavel") << u("TOLEDO") << QByteArray("\x02IIIII\x03") << 0.0;
        QTest::newRow("filizola") << u("filizola")
                                  << QByteArray("\x02"
                                                "01234\x03")
                                  << 1.234;
        QTest::newRow("urano") << u("URANO") << QByteArray("PESO L:   2,500 kg\r") << 2.5;
        QTest::newRow("magellan") << u("Magellan") << QByteArray("S1100420\r") << 0.42;
        QTest::newRow("magellan em movimento") << u("MAGELLAN") << QByteArray("S141\r") << 0.0;
        QTest::newRow("ruido antes do quadro") << u("Toledo")
                                               << QByteArray("xx\x02"
                                                             "00100\x03")
                                               << 0.1;
    }
    void respostas()
    {
        QFETCH(QString, modelo);
        QFETCH(QByteArray, resposta);
        QFETCH(double, peso);
        const ModeloBalanca m = modeloBalanca(modelo);
        QByteArray buffer = resposta.left(resposta.size() - 1);
        QVERIFY(!ProtocoloBalanca::interpretaResposta(m, buffer)); // incomplete: wait
        buffer = resposta;
        QCOMPARE(ProtocoloBalanca::interpretaResposta(m, buffer).value(), peso);
    }

    void modeloDesconhecidoEToledo() { QCOMPARE(modeloBalanca(u("XPTO")), ModeloBalanca::Toledo); }

    void portaCom()
    {
        PastaTeste pasta;
        QCOMPARE(caminhoPorta(u("COM1")), u("/dev/ttyS0"));
        pasta.escreve(u("Atendimento.ini"), "[PORTAS]\nCOM3=/dev/ttyUSB0\n");
        QCOMPARE(caminhoPorta(u("com3")), u("/dev/ttyUSB0"));
        QCOMPARE(caminhoPorta(u("/dev/ttyACM0")), u("/dev/ttyACM0"));
    }

    void lePesoPelaPortaSerial()
    {
        BalancaSimulada simulada;
        simulada.responde(QByteArray("\x02"
                                     "00455\x03"),
                          1);
        auto balanca = criaBalancaSerial(simulada.porta(), ModeloBalanca::Toledo);
        QVERIFY(balanca->abre());
        QVERIFY(balanca->enviaPreco(89.9, 1000));
        const auto peso = balanca->lePeso(3000);
        balanca->fecha();
        simulada.espera();
        QCOMPARE(peso.value(), 0.455);
        QCOMPARE(simulada.recebido, QByteArray("\x02"
                                               "008990\x03\x05"));
    }

    void balancaMudaNaoTrava()
    {
        BalancaSimulada simulada;
        auto balanca = criaBalancaSerial(simulada.porta(), ModeloBalanca::Filizola);
        QVERIFY(balanca->abre());
        QElapsedTimer t;
        t.start();
        QVERIFY(!balanca->lePeso(300));
        QVERIFY(t.elapsed() < 2000);
        balanca->fecha();
    }

    void portaInexistente()
    {
        auto balanca = criaBalancaSerial(u("/dev/nao-existe"), ModeloBalanca::Toledo);
        QVERIFY(!balanca->abre());
        QVERIFY(!balanca->lePeso(100));
    }
};

QTEST_GUILESS_MAIN(TstBalanca)
#include "tst_balanca.moc"
