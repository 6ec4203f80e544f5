#pragma once

#include <optional>

class Balanca;
class Interacao;
struct ConfigAtendimento;
struct ProdutoSelecionado;

// Reading the scale for a weighed product (BuscaPeso).
struct ResultadoPeso {
    enum class Tipo { NaoSeAplica, Peso, ProdutoDescartado } tipo = Tipo::NaoSeAplica;
    double peso = 0;
};

// Only for a product sold by kg with the scale switched on: sends the price per kg when ENQ is
// on, reads the weight and, when none comes, asks "Ler o peso novamente da balança?"; No drops
// the product. Scale failures never stop the attendant.
ResultadoPeso BuscaPeso(const ProdutoSelecionado& produto, const ConfigAtendimento& config,
                        Balanca& balanca, Interacao& interacao);
