#include "platform/Falha.h"
#include "platform/InstanciaUnica.h"
#include "platform/TokenMaquina.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QUuid>
#include <QtTest>

class TstPlataformaInicio : public QObject
{
    Q_OBJECT

    static QString chaveNova()
    {
        return QStringLiteral("brisvel-teste-") +
               QUuid::createUuid().toString(QUuid::Id128).left(12);
    }

    static void iniciaAuxiliar(QProcess& p, const QString& chave)
    {
        p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        p.start(QStringLiteral(INSTANCIA_AUXILIAR), {chave});
        QVERIFY(p.waitForStarted());
    }

    static QByteArray linha(QProcess& p)
    {
        QDeadlineTimer prazo(10000);
        while (!p.canReadLine() && !prazo.hasExpired())
            p.waitForReadyRead(200);
        return p.readLine().trimmed();
    }

private slots:
    void tokenDerivadoEstavelECurto()
    {
        const QString a = tokenDerivado("0123456789abcdef0123456789abcdef\n");
        QCOMPARE(a, tokenDerivado("0123456789abcdef0123456789abcdef"));
        QCOMPARE(a.size(), kTamanhoToken);
        QVERIFY(a != tokenDerivado("fedcba9876543210fedcba9876543210"));
        QCOMPARE(tokenDerivado("  \n"), QString());
    }

    void semPluginUsaIdentidadeDaMaquina()
    {
        PastaTeste pasta;
        const QString token = TokenMaquina();
        QVERIFY(!token.isEmpty());
        QVERIFY(token.size() <= kTamanhoToken);
        QCOMPARE(TokenMaquina(), token);
    }

    void pluginDoFabricanteVence_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("Orlix_Func.so") << QStringLiteral("Orlix_Func.so");
        QTest::newRow("libOrlix_Func.so") << QStringLiteral("libOrlix_Func.so");
    }
    void pluginDoFabricanteVence()
    {
        QFETCH(QString, nome);
        PastaTeste pasta;
        QVERIFY(QFile::copy(QStringLiteral(PLUGIN_TOKEN), pasta.caminho(nome)));
        // Only the first 20 characters fit the terminal row.
        QCOMPARE(TokenMaquina(), QStringLiteral("MAQ-CAIXA-0001-XYZ-A"));
    }

    void pluginQueFalhaLevantaFalha_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<bool>("copiaSemToken");
        QTest::newRow("sem ID_Token") << QByteArray() << true;
        QTest::newRow("arquivo corrompido") << QByteArray("nao e uma biblioteca") << false;
    }
    void pluginQueFalhaLevantaFalha()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(bool, copiaSemToken);
        PastaTeste pasta;
        if (copiaSemToken)
            QVERIFY(QFile::copy(QStringLiteral(PLUGIN_SEM_TOKEN),
                                pasta.caminho(QStringLiteral("Orlix_Func.so"))));
        else
            pasta.escreve(QStringLiteral("Orlix_Func.so"), conteudo);
        QVERIFY_THROWS_EXCEPTION(Falha, TokenMaquina());
    }

    void segundaInstanciaTrazAPrimeiraESai()
    {
        const QString chave = chaveNova();
        QProcess primeira;
        iniciaAuxiliar(primeira, chave);
        QCOMPARE(linha(primeira), QByteArray("primeira"));

        QProcess segunda;
        iniciaAuxiliar(segunda, chave);
        QVERIFY(segunda.waitForFinished(10000));
        QCOMPARE(segunda.exitCode(), 0);
        QCOMPARE(segunda.readAllStandardOutput().trimmed(), QByteArray("segunda"));

        QCOMPARE(linha(primeira), QByteArray("ativada minimizada=0"));
        QVERIFY(primeira.waitForFinished(10000));
    }

    void socketDeCopiaQueCaiuNaoImpedeInicio()
    {
        const QString chave = chaveNova();
        QProcess caiu;
        iniciaAuxiliar(caiu, chave);
        QCOMPARE(linha(caiu), QByteArray("primeira"));
        caiu.kill(); // leaves its socket file behind
        QVERIFY(caiu.waitForFinished(10000));

        InstanciaUnica nova(chave);
        QVERIFY(nova.primeira());
    }
};

QTEST_GUILESS_MAIN(TstPlataformaInicio)
#include "tst_plataformainicio.moc"
