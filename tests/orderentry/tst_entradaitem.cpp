#include "orderentry/EntradaItem.h"
#include "platform/Clock.h"
#include "support/InteracaoRoteirizada.h"
#include "support/TestSupport.h"

#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
} // namespace

class TstEntradaItem : public QObject
{
    Q_OBJECT

    struct Ambiente {
        PastaTeste pasta;
        std::unique_ptr<TDMXAL> dm = abreBancoTeste(pasta);
        InteracaoRoteirizada interacao;
        FixedClock relogio{QDateTime(QDate::currentDate(), QTime(20, 0))};
        EntradaItem entrada{*dm, interacao, relogio, 1, 0};
    };

private slots:
    void busca_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<int>("produto");
        QTest::addColumn<QString>("texto");
        QTest::newRow("codigo") << u("24") << 24 << QString();
        QTest::newRow("codigo com zeros") << u("0024") << 24 << QString();
        QTest::newRow("barras") << u("7894900011517") << 30 << u("30");
        QTest::newRow("barras vinculada") << u("7894900011500") << 30 << u("30");
        QTest::newRow("R nao usa vinculada") << u("R7894900011500") << 0 << QString();
        QTest::newRow("codigo com letra") << u("R12") << 0 << QString();
        QTest::newRow("inexistente") << u("999") << 0 << QString();
        QTest::newRow("vazio") << u("  ") << 0 << QString();
    }
    void busca()
    {
        QFETCH(QString, digitado);
        QFETCH(int, produto);
        QFETCH(QString, texto);
        Ambiente a;
        const ResultadoBusca r = a.entrada.BuscaProduto(digitado, 0);
        QCOMPARE(r.produto ? r.produto->COD_PROD : 0, produto);
        if (!texto.isEmpty())
            QCOMPARE(r.textoProduto, texto);
        QVERIFY(a.interacao.atencoes.isEmpty());
    }

    void etiquetaDeBalanca()
    {
        Ambiente a;
        a.dm->ExecutaSQL(
            u("UPDATE PRODUTO SET COD_PROD = 123, VLR_PRECO = 15 WHERE COD_PROD = 51"));
        // "2", code 0123, amount 0004509 (R$ 45,09), check digit not verified.
        const ResultadoBusca r = a.entrada.BuscaProduto(u("2012300045097"), 0);
        QVERIFY(r.produto);
        QCOMPARE(r.produto->COD_PROD, 123);
        QCOMPARE(r.textoProduto, u("0123"));
        QCOMPARE(*r.quantidadeEtiqueta, 3.006);
    }

    void etiquetaComCodigoInvalido()
    {
        Ambiente a;
        const ResultadoBusca r = a.entrada.BuscaProduto(u("20A1200045097"), 0);
        QVERIFY(!r.produto);
        QCOMPARE(a.interacao.atencoes, QStringList{u("Código de Barras Inválido!")});
    }

    void precoACobrar()
    {
        Ambiente a;
        // Product 25 has a special price for customer 2; product 24 is on promotion.
        ProdutoSelecionado chope500 = *a.entrada.BuscaProduto(u("25"), 0).produto;
        QCOMPARE(a.entrada.ConsultaPrecoProduto(chope500, 0), 16.9);
        QCOMPARE(a.entrada.ConsultaPrecoProduto(chope500, 2), 14.9);
        a.dm->ExecutaSQL(u("UPDATE PRODUTO SET VLR_PRECO_PROMOCAO = 12.5, DATA_PROM_INICIAL = :i, "
                           "DATA_PROM_FINAL = :f WHERE COD_PROD = 25"),
                         {{u("i"), QDate::currentDate().addDays(-1)},
                          {u("f"), QDate::currentDate().addDays(1)}});
        QCOMPARE(a.entrada.ConsultaPrecoProduto(chope500, 2), 14.9); // the customer price wins
        QCOMPARE(a.entrada.ConsultaPrecoProduto(chope500, 3), 12.5);
        // Promotion over: the regular price.
        a.relogio.define(QDateTime(QDate::currentDate().addDays(2), QTime(20, 0)));
        QCOMPARE(a.entrada.ConsultaPrecoProduto(chope500, 3), 16.9);
    }

    void precoZeroComPromocaoEAceito()
    {
        Ambiente a;
        a.dm->ExecutaSQL(u("UPDATE PRODUTO SET VLR_PRECO = 0 WHERE COD_PROD = 24"));
        const ResultadoBusca r = a.entrada.BuscaProduto(u("24"), 0);
        QVERIFY(r.produto);
        QCOMPARE(a.entrada.ConsultaPrecoProduto(*r.produto, 0), 8.9);
        a.dm->ExecutaSQL(u("UPDATE PRODUTO SET VLR_PRECO = 0 WHERE COD_PROD = 1"));
        QVERIFY(!a.entrada.BuscaProduto(u("1"), 0).produto);
        QCOMPARE(a.interacao.atencoes, QStringList{u("Preço Inválido!")});
    }

    void limiteDeQuantidade_data()
    {
        QTest::addColumn<int>("limiteIni");
        QTest::addColumn<QString>("quantidade");
        QTest::addColumn<bool>("recusada");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("vazia") << 0 << QString() << true << u("Quantidade inválida!");
        QTest::newRow("no limite da loja") << 0 << u("1000") << false << QString();
        QTest::newRow("acima do limite da loja")
            << 0 << u("1000,5") << true << u("Quantidade Acima do Limite !!!");
        QTest::newRow("limite do terminal")
            << 5 << u("6") << true << u("Quantidade Acima do Limite !!!");
        QTest::newRow("dentro do terminal") << 5 << u("4,5") << false << QString();
    }
    void limiteDeQuantidade()
    {
        QFETCH(int, limiteIni);
        QFETCH(QString, quantidade);
        QFETCH(bool, recusada);
        QFETCH(QString, mensagem);
        Ambiente a;
        EntradaItem entrada(*a.dm, a.interacao, a.relogio, 1, limiteIni);
        QCOMPARE(entrada.VerificaQuantidade(quantidade), recusada);
        QCOMPARE(a.interacao.atencoes.value(0), mensagem);
    }
};

QTEST_GUILESS_MAIN(TstEntradaItem)
#include "tst_entradaitem.moc"
