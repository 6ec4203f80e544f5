#include "app/Configuracao.h"
#include "platform/CodePage.h"
#include "support/TestSupport.h"

#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
} // namespace

class TstConfiguracao : public QObject
{
    Q_OBJECT
private slots:
    void semArquivoTudoDesligado()
    {
        PastaTeste pasta;
        TConfigGeral geral;
        geral.HabilitaBrisvel = true;
        ConfigAtendimento at;
        at.CartaoMax = 55;
        QCOMPARE(LeConfigGeral(geral), QString());
        QCOMPARE(LeConfigAtendimento(at), QString());
        QVERIFY(!geral.HabilitaBrisvel);
        QVERIFY(!geral.HabilitaKitProd);
        QVERIFY(!geral.HabilitaBiometria);
        QCOMPARE(geral.posprinter_modelo, QString());
        QCOMPARE(at.CartaoMIn, 0);
        QCOMPARE(at.CartaoMax, 0);
        QCOMPARE(at.TaxaServico, 0.0);
        QVERIFY(!at.BloquearItemMesaFechada);
    }

    void arquivoVazioDaOsPadroes()
    {
        PastaTeste pasta;
        pasta.escreve(u("Atendimento.ini"), "");
        TConfigGeral g;
        ConfigAtendimento a;
        QCOMPARE(LeConfigGeral(g), QString());
        QCOMPARE(LeConfigAtendimento(a), QString());
        QVERIFY(g.HabilitaBrisvel);
        QVERIFY(!g.HabilitaOrcamento);
        QVERIFY(g.HabilitaKitProd);
        QVERIFY(g.HabilitaBiometria && g.SoBioIni && g.SoBioFun && g.SoBioCli);
        QCOMPARE(g.posprinter_modelo, u("EPSON"));
        QCOMPARE(g.posprinter_corte, u("PARCIAL"));
        QCOMPARE(g.posprinter_avanco, 2);
        QCOMPARE(g.posprinter_qrcode, 25);
        QCOMPARE(a.CartaoMIn, 1);
        QCOMPARE(a.CartaoMax, 100);
        QCOMPARE(a.HoraInicial, -1);
        QCOMPARE(a.HoraFinal, 1000);
        QCOMPARE(a.TaxaServico, 10.0);
        QVERIFY(a.BloquearItemMesaFechada && a.GerenciaComanda && a.QuantidadePadraoAutomatica &&
                a.MostrarPedidoDelivery && a.BalancaENQ);
        QVERIFY(!a.Imprime && !a.CartaoMesa && !a.ImpColunas && !a.MostrarPreco);
        QCOMPARE(a.BalancaModelo, u("Toledo"));
        QCOMPARE(a.BalancaPorta, 1);
        QCOMPARE(a.ImpFonteNome, u("Consolas"));
        QCOMPARE(a.ImpFonteTamanho, 8);
        QCOMPARE(a.KitModelo, u("BEMATECH"));
        QCOMPARE(a.Qtde_Espaco_Imp, 1);
    }

    void simNao_data()
    {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<bool>("ligado");
        QTest::newRow("SIM") << u("SIM") << true;
        QTest::newRow("Sim") << u("Sim") << true;
        QTest::newRow("sim") << u("sim") << true;
        QTest::newRow("Não") << u("Não") << false;
        QTest::newRow("Nao") << u("Nao") << false;
        QTest::newRow("S") << u("S") << false;
        QTest::newRow("vazio") << QString() << false;
        QTest::newRow("Sim com espaço") << u(" Sim ") << true;
    }
    void simNao()
    {
        QFETCH(QString, valor);
        QFETCH(bool, ligado);
        PastaTeste pasta;
        pasta.escreve(u("Atendimento.ini"),
                      (u("[ATENDIMENTO]\nImprime=") + valor + u("\nBloquearItemMesaFechada=") +
                       valor + u("\n[ORÇAMENTO]\nMostrarPreco=") + valor + u("\n"))
                          .toUtf8());
        ConfigAtendimento a;
        QCOMPARE(LeConfigAtendimento(a), QString());
        QCOMPARE(a.Imprime, ligado);
        QCOMPARE(a.BloquearItemMesaFechada, ligado);
        QCOMPARE(a.MostrarPreco, ligado);
    }

    void numeroInvalidoParaALeitura_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("erro");
        QTest::addColumn<int>("cartaoMax");
        QTest::addColumn<bool>("imprime");
        QTest::newRow("CartaoMax") << QByteArray("[ATENDIMENTO]\nImprime=Sim\nCartaoMax=cem\n")
                                   << u("'cem' não é um valor inteiro válido") << 0 << false;
        QTest::newRow("HoraFinal depois de Imprime")
            << QByteArray(
                   "[ATENDIMENTO]\nImprime=Sim\nCartaoMax=300\n[SEM_ACRESCIMO]\nHoraFinal=x\n")
            << u("'x' não é um valor inteiro válido") << 300 << true;
        QTest::newRow("TaxaServico")
            << QByteArray("[ATENDIMENTO]\nTaxaServico=dez\n")
            << u("'dez' não é um valor de ponto flutuante válido") << 100 << false;
    }
    void numeroInvalidoParaALeitura()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, erro);
        QFETCH(int, cartaoMax);
        QFETCH(bool, imprime);
        PastaTeste pasta;
        pasta.escreve(u("Atendimento.ini"), conteudo);
        ConfigAtendimento a;
        QCOMPARE(LeConfigAtendimento(a), erro);
        QCOMPARE(a.CartaoMax, cartaoMax);
        QCOMPARE(a.Imprime, imprime);
        // Keys after the bad one are not read.
        QCOMPARE(a.BalancaModelo, QString());
    }

    void inteirosDoLeitorVoltamAoPadrao()
    {
        PastaTeste pasta;
        pasta.escreve(u("Atendimento.ini"),
                      "[ATENDIMENTO]\nNumeroTerminal=abc\nCodigoCliente=7\nTaxaServico=12,5\n"
                      "[KIT]\nSEQUENCIAL_KIT=\n");
        ConfigAtendimento a;
        QCOMPARE(LeConfigAtendimento(a), QString());
        QCOMPARE(a.NumeroTerminal, 0);
        QCOMPARE(a.CodigoCliente, 7);
        QCOMPARE(a.TaxaServico, 12.5);
        QCOMPARE(a.SEQUENCIAL_KIT, 0);
    }

    void secaoOrcamentoNasDuasCodificacoes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString texto = u("[orçamento]\r\nMostrarEstoque=sim\r\n[Kit]\r\nmodelo=daruma\r\n");
        QTest::newRow("utf-8") << texto.toUtf8();
        QTest::newRow("windows-1252") << CodePage::paraWindows1252(texto);
    }
    void secaoOrcamentoNasDuasCodificacoes()
    {
        QFETCH(QByteArray, bytes);
        PastaTeste pasta;
        pasta.escreve(u("Atendimento.ini"), bytes);
        ConfigAtendimento a;
        QCOMPARE(LeConfigAtendimento(a), QString());
        QVERIFY(a.MostrarEstoque);
        QCOMPARE(a.KitModelo, u("daruma"));
    }
};

QTEST_GUILESS_MAIN(TstConfiguracao)
#include "tst_configuracao.moc"
