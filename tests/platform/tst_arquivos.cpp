#include "platform/Arquivos.h"
#include "platform/CodePage.h"
#include "platform/Falha.h"
#include "platform/IniFile.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QtTest>

class TstArquivos : public QObject
{
    Q_OBJECT
private slots:
    void pastaProgramaSegueBrisvelHome()
    {
        PastaTeste pasta;
        QCOMPARE(PastaPrograma(), pasta.caminho() + QLatin1Char('/'));
    }

    void iniSemDistinguirMaiusculas()
    {
        PastaTeste pasta;
        pasta.escreve(QStringLiteral("a.ini"),
                      "; comentario\r\n[Atendimento]\r\n  CartaoMax = 250 \r\n"
                      "Vazia=\r\nAspas=\"  com espacos \"\r\n");
        IniFile ini(pasta.caminho(QStringLiteral("a.ini")));
        QCOMPARE(ini.valor(QStringLiteral("ATENDIMENTO"), QStringLiteral("cartaomax")).value(),
                 QStringLiteral("250"));
        QCOMPARE(ini.valor(QStringLiteral("atendimento"), QStringLiteral("Aspas")).value(),
                 QStringLiteral("  com espacos "));
        QVERIFY(!ini.valor(QStringLiteral("atendimento"), QStringLiteral("comentario")));
        QVERIFY(!ini.valor(QStringLiteral("outra"), QStringLiteral("CartaoMax")));
    }

    void secaoAcentuadaNasDuasCodificacoes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("utf-8") << QStringLiteral("[ORÇAMENTO]\nMostrarPreço=Sim\n").toUtf8();
        QTest::newRow("windows-1252")
            << CodePage::paraWindows1252(QStringLiteral("[ORÇAMENTO]\nMostrarPreço=Sim\n"));
    }
    void secaoAcentuadaNasDuasCodificacoes()
    {
        QFETCH(QByteArray, bytes);
        PastaTeste pasta;
        pasta.escreve(QStringLiteral("Atendimento.ini"), bytes);
        QCOMPARE(LeIni(QStringLiteral("Atendimento.ini"), QStringLiteral("orçamento"),
                       QStringLiteral("MOSTRARPREÇO"), QStringLiteral("x")),
                 QStringLiteral("Sim"));
    }

    void gravaIniPreservaOResto()
    {
        PastaTeste pasta;
        const QByteArray original = CodePage::paraWindows1252(
            QStringLiteral("[KIT]\r\nSEQUENCIAL_KIT=3\r\n\r\n[ORÇAMENTO]\r\nMostrarPreco=Sim\r\n"));
        pasta.escreve(QStringLiteral("Atendimento.ini"), original);
        GravaIni(QStringLiteral("Atendimento.ini"), QStringLiteral("kit"), QStringLiteral("Modelo"),
                 QStringLiteral("Bematech"));
        QFile f(pasta.caminho(QStringLiteral("Atendimento.ini")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        // Still Windows-1252, the new key inside its section, the other section untouched.
        QCOMPARE(f.readAll(), CodePage::paraWindows1252(QStringLiteral(
                                  "[KIT]\r\nSEQUENCIAL_KIT=3\r\nModelo=Bematech\r\n\r\n[ORÇAMENTO]"
                                  "\r\nMostrarPreco=Sim\r\n")));
    }

    void gravaIniCriaArquivoESecao()
    {
        PastaTeste pasta;
        GravaIni(QStringLiteral("Zulo_Control.ini"), QStringLiteral("Data_Verifica"),
                 QStringLiteral("Data"), QStringLiteral("10/12/2026"));
        GravaIni(QStringLiteral("Zulo_Control.ini"), QStringLiteral("Data_Verifica"),
                 QStringLiteral("Data"), QStringLiteral("11/12/2026"));
        QCOMPARE(LeIni(QStringLiteral("Zulo_Control.ini"), QStringLiteral("Data_Verifica"),
                       QStringLiteral("Data"), QString()),
                 QStringLiteral("11/12/2026"));
    }

    void chaveVaziaExisteMasLeIniDaOPadrao()
    {
        PastaTeste pasta;
        pasta.escreve(QStringLiteral("Atendimento.ini"), "[KIT]\nModelo=\n");
        QVERIFY(ExisteChaveIni(QStringLiteral("Atendimento.ini"), QStringLiteral("KIT"),
                               QStringLiteral("MODELO")));
        QVERIFY(!ExisteChaveIni(QStringLiteral("Atendimento.ini"), QStringLiteral("KIT"),
                                QStringLiteral("Outra")));
        QCOMPARE(LeIni(QStringLiteral("Atendimento.ini"), QStringLiteral("KIT"),
                       QStringLiteral("Modelo"), QStringLiteral("DARUMA")),
                 QStringLiteral("DARUMA"));
        QCOMPARE(LeIniString(QStringLiteral("Atendimento.ini"), QStringLiteral("KIT"),
                             QStringLiteral("Modelo"), QStringLiteral("DARUMA")),
                 QString());
    }

    void leIniStringSemArquivoNaoCriaArquivo()
    {
        PastaTeste pasta;
        QCOMPARE(LeIniString(QStringLiteral("Atendimento.ini"), QStringLiteral("POSPRINTER"),
                             QStringLiteral("modelo"), QStringLiteral("EPSON")),
                 QStringLiteral("EPSON"));
        QVERIFY(!QFile::exists(pasta.caminho(QStringLiteral("Atendimento.ini"))));
    }

    void parteTexto_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("depois");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("antes") << QStringLiteral("ABC|DEF") << false << QStringLiteral("ABC");
        QTest::newRow("depois") << QStringLiteral("ABC|DEF") << true << QStringLiteral("DEF");
        QTest::newRow("sem separador, antes")
            << QStringLiteral("ABC") << false << QStringLiteral("ABC");
        QTest::newRow("sem separador, depois")
            << QStringLiteral("ABC") << true << QStringLiteral("ABC");
        QTest::newRow("so a primeira") << QStringLiteral("A|B|C") << true << QStringLiteral("B|C");
    }
    void parteTexto()
    {
        QFETCH(QString, texto);
        QFETCH(bool, depois);
        QFETCH(QString, esperado);
        QCOMPARE(ParteTexto(texto, QLatin1Char('|'), depois), esperado);
    }

    void paginasDeCodigo()
    {
        const QString texto = QStringLiteral("Ação €5 çÇãõ");
        QCOMPARE(CodePage::deWindows1252(CodePage::paraWindows1252(texto)), texto);
        QCOMPARE(CodePage::paraWindows1252(QStringLiteral("€")), QByteArray("\x80"));
        QCOMPARE(CodePage::paraCp850(QStringLiteral("çÇ")), QByteArray("\x87\x80"));
        QCOMPARE(CodePage::paraCp850(QStringLiteral("€")), QByteArray("?"));
    }
};

QTEST_GUILESS_MAIN(TstArquivos)
#include "tst_arquivos.moc"
