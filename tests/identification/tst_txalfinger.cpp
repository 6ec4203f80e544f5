// The reader picture: its sensor loop with a simulated sensor, and how prompts are laid out.
#include "identification/TXALFinger.h"
#include "platform/SensorDigital.h"

#include <QSignalSpy>
#include <QtTest>
#include <cstring>

class TstTXALFinger : public QObject
{
    Q_OBJECT

private:
    SensorSimulado* m_sensor = nullptr;

    static quint32 le32(const QByteArray& b, int offset)
    {
        quint32 v = 0;
        std::memcpy(&v, b.constData() + offset, 4);
        return v;
    }

private slots:
    void init()
    {
        auto sensor = std::make_unique<SensorSimulado>();
        m_sensor = sensor.get();
        defineSensorDigital(std::move(sensor));
    }
    void cleanup() { defineSensorDigital(nullptr); }

    void mensagemEmTresLinhas()
    {
        QFont fonte;
        const QFontMetrics fm(fonte);
        const QSize tamanho(80, 80);
        const auto linhas =
            TXALFinger::dispoeMensagem(QStringLiteral("Posicione;o dedo;no Sensor."), fm, tamanho);
        QCOMPARE(linhas.size(), 3);
        QCOMPARE(linhas[0].y, 40 - fm.height());
        QCOMPARE(linhas[1].y, 40);
        QCOMPARE(linhas[2].y, 40 + fm.height());
        QCOMPARE(linhas[1].texto.trimmed(), QStringLiteral("o dedo"));
        for (const auto& l : linhas) {
            QCOMPARE(l.x, 1);
            QVERIFY(fm.horizontalAdvance(l.texto) >= tamanho.width());
        }
        const auto uma = TXALFinger::dispoeMensagem(QStringLiteral("Aguarde..."), fm, tamanho);
        QCOMPARE(uma.size(), 1);
        QCOMPARE(uma[0].y, 40);
    }

    void lacoDoSensor()
    {
        TXALFinger leitor;
        leitor.resize(80, 80);
        leitor.CaminhoDB = QStringLiteral("/tmp/BioXal.dat");
        // Pauses long enough to see what is shown during them.
        leitor.definePausas(300, 300, 10);
        leitor.timerSensor().setInterval(5);
        QSignalSpy identificou(&leitor, &TXALFinger::OnIdentify);

        QVERIFY(!leitor.aberto());
        leitor.Open();
        QVERIFY(leitor.aberto());
        QCOMPARE(
            m_sensor->chamadas,
            (QList<QString>{QStringLiteral("ATInit"), QStringLiteral("ATOpenSensorW"),
                            QStringLiteral("ATOpenDatabaseA"), QStringLiteral("ATBeginIdentify")}));
        QCOMPARE(m_sensor->caminhoBanco, QByteArray("/tmp/BioXal.dat"));
        QCOMPARE(leitor.mensagemExibida(), QStringLiteral("Aguarde..."));

        m_sensor->mensagens = {{2, 0}};
        QTRY_COMPARE(leitor.mensagemExibida(), QStringLiteral("Posicione;o dedo;no Sensor."));
        m_sensor->mensagens = {{1, 0}};
        QTRY_COMPARE(leitor.mensagemExibida(), QStringLiteral("Analisando..."));

        // An image: each byte is a pixel's colour value, 128 bytes a row of x.
        QByteArray pixels(SensorDigital::kTamanhoImagem, '\0');
        pixels[3 * 128 + 5] = char(200);
        m_sensor->imagem = pixels;
        m_sensor->mensagens = {{0, 7}};
        QTRY_COMPARE(leitor.imagem().pixelColor(3, 5), QColor(200, 0, 0));

        m_sensor->identificador = "42";
        m_sensor->mensagens = {{9, 0}};
        QTRY_COMPARE(identificou.size(), 1);
        QCOMPARE(identificou[0][1].toString(), QStringLiteral("42"));
        QCOMPARE(le32(m_sensor->blocoRecebido, 0), 92u);
        QCOMPARE(le32(m_sensor->blocoRecebido, 4), 16u);
        QCOMPARE(le32(m_sensor->blocoRecebido, 20), 16u);
        // The bright pixels of the identified print take the found colour.
        QCOMPARE(leitor.imagem().pixelColor(3, 5), leitor.CorQuandoAchar);
        QCOMPARE(leitor.imagem().pixelColor(3, 6), QColor(0, 0, 0));
        // After the pause the loop starts a new identification by itself.
        QTRY_COMPARE(leitor.mensagemExibida(), QStringLiteral("Aguarde..."));

        m_sensor->resultadoFim = 3;
        m_sensor->mensagens = {{9, 0}};
        QTRY_COMPARE(leitor.mensagemExibida(), QStringLiteral("Usuário não;encontrado!"));
        QTRY_COMPARE(leitor.mensagemExibida(), QStringLiteral("Aguarde..."));
        QCOMPARE(identificou.size(), 1);

        leitor.Close();
        QVERIFY(!leitor.aberto());
        QCOMPARE(m_sensor->chamadas.last(), QStringLiteral("ATClose"));
    }

    void semSensorFicaOcultoEParado()
    {
        defineSensorDigital(nullptr);
        TXALFinger leitor;
        leitor.resize(80, 80);
        leitor.show();
        leitor.Open();
        QVERIFY(leitor.isHidden());
        QVERIFY(leitor.mensagemExibida().isEmpty());
        leitor.Close();
        QVERIFY(!leitor.aberto());
        // Close without Open is allowed.
        TXALFinger outro;
        outro.Close();
    }
};

QTEST_MAIN(TstTXALFinger)
#include "tst_txalfinger.moc"
