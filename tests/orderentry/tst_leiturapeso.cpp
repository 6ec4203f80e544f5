#include "app/Configuracao.h"
#include "orderentry/EntradaItem.h"
#include "orderentry/LeituraPeso.h"
#include "platform/Balanca.h"
#include "support/InteracaoRoteirizada.h"

#include <QtTest>

namespace
{
// A scale that gives the listed readings one after the other and records prices sent.
class BalancaFalsa : public Balanca
{
public:
    QList<std::optional<double>> leituras;
    QList<double> precos;
    bool abreOk = true;
    bool abre() override { return abreOk; }
    void fecha() override {}
    bool enviaPreco(double preco, int) override
    {
        precos << preco;
        return true;
    }
    std::optional<double> lePeso(int) override
    {
        return leituras.isEmpty() ? std::nullopt : leituras.takeFirst();
    }
};

ProdutoSelecionado produto(const char* unidade)
{
    ProdutoSelecionado p;
    p.COD_PROD = 13;
    p.VLR_PRECO = 139.9;
    p.FLG_UNIDADE_VENDA = QString::fromUtf8(unidade);
    return p;
}
} // namespace

class TstLeituraPeso : public QObject
{
    Q_OBJECT
private slots:
    void leitura()
    {
        ConfigAtendimento config;
        config.BalancaAtivo = true;
        config.BalancaENQ = true;
        BalancaFalsa balanca;
        InteracaoRoteirizada interacao;

        // Sold by unit: the scale is not touched.
        QCOMPARE(BuscaPeso(produto("UN"), config, balanca, interacao).tipo,
                 ResultadoPeso::Tipo::NaoSeAplica);
        QVERIFY(balanca.precos.isEmpty());

        balanca.leituras = {0.0, std::nullopt, 0.735};
        interacao.respostas = {true, true};
        const ResultadoPeso r = BuscaPeso(produto("kg"), config, balanca, interacao);
        QCOMPARE(r.tipo, ResultadoPeso::Tipo::Peso);
        QCOMPARE(r.peso, 0.735);
        QCOMPARE(balanca.precos, (QList<double>{139.9, 139.9, 139.9}));
        QCOMPARE(interacao.perguntas.size(), 2);
        QCOMPARE(interacao.perguntas.first(), QStringLiteral("Ler o peso novamente da balança?"));

        // No weight and the attendant gives up: the product is dropped.
        balanca.abreOk = false;
        interacao.respostas = {false};
        QCOMPARE(BuscaPeso(produto("KG"), config, balanca, interacao).tipo,
                 ResultadoPeso::Tipo::ProdutoDescartado);

        // Scale switched off: nothing happens.
        config.BalancaAtivo = false;
        QCOMPARE(BuscaPeso(produto("KG"), config, balanca, interacao).tipo,
                 ResultadoPeso::Tipo::NaoSeAplica);
    }

    void semEnqNaoEnviaPreco()
    {
        ConfigAtendimento config;
        config.BalancaAtivo = true;
        BalancaFalsa balanca;
        balanca.leituras = {1.0};
        InteracaoRoteirizada interacao;
        QCOMPARE(BuscaPeso(produto("KG"), config, balanca, interacao).peso, 1.0);
        QVERIFY(balanca.precos.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstLeituraPeso)
#include "tst_leiturapeso.moc"
