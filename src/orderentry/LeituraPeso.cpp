#include "LeituraPeso.h"

#include "EntradaItem.h"
#include "app/Configuracao.h"
#include "platform/Balanca.h"
#include "platform/Interacao.h"

ResultadoPeso BuscaPeso(const ProdutoSelecionado& produto, const ConfigAtendimento& config,
                        Balanca& balanca, Interacao& interacao)
{
    ResultadoPeso r;
    if (!config.BalancaAtivo ||
        produto.FLG_UNIDADE_VENDA.trimmed().toUpper() != QLatin1String("KG"))
        return r;
    for (;;) {
        double peso = 0;
        if (balanca.abre()) {
            if (config.BalancaENQ)
                balanca.enviaPreco(produto.VLR_PRECO, 1000);
            peso = balanca.lePeso(3000).value_or(0);
            balanca.fecha();
        }
        if (peso >= 0.001) {
            r.tipo = ResultadoPeso::Tipo::Peso;
            r.peso = peso;
            return r;
        }
        if (!interacao.pergunta(QStringLiteral("Confirmação"),
                                QStringLiteral("Ler o peso novamente da balança?"))) {
            r.tipo = ResultadoPeso::Tipo::ProdutoDescartado;
            return r;
        }
    }
}
