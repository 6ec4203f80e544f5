#pragma once

#include <QString>
#include <optional>

class TDMXAL;
class Interacao;
class Clock;

// The product found by the product row of the order entry window.
struct ProdutoSelecionado {
    int COD_PROD = 0;
    QString DESCRICAO;
    double VLR_PRECO = 0;
    double VLR_ULTIMO_CUSTO = 0;
    QString FLG_UNIDADE_VENDA;
    int COD_DEPART = 0;
    double Estoque = 0;
    bool porUnidade() const { return FLG_UNIDADE_VENDA.trimmed().toUpper() == QLatin1String("UN"); }
};

// Result of a product lookup: the product, the text that replaces what was typed (the code of
// a scale label or a linked barcode, or the found product's code), and the quantity a scale
// label carries.
struct ResultadoBusca {
    std::optional<ProdutoSelecionado> produto;
    QString textoProduto;
    std::optional<double> quantidadeEtiqueta;
};

// Turns what the attendant types or scans into a product, a price and a checked quantity.
class EntradaItem
{
public:
    EntradaItem(TDMXAL& dm, Interacao& interacao, const Clock& relogio, int codLoja,
                int limiteQuantidadeVenda);

    // Code, barcode, scale label (with COD_BAL digits of code) or linked barcode.
    ResultadoBusca BuscaProduto(const QString& cod, int codCliente);
    // Customer price, then the promotion of the day, then the regular price.
    double ConsultaPrecoProduto(const ProdutoSelecionado& produto, int codCliente);
    // True when the quantity is not acceptable; the message is already shown.
    bool VerificaQuantidade(const QString& quantidadeTexto);
    double limiteQuantidade();
    int codBal();

private:
    std::optional<ProdutoSelecionado> abreProduto(const QString& nome, const QString& parametro,
                                                  const QVariant& valor);

    TDMXAL& m_dm;
    Interacao& m_interacao;
    const Clock& m_relogio;
    int m_codLoja;
    int m_limiteVenda;
};
