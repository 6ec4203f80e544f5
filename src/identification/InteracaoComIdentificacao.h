#pragma once

#include "app/Configuracao.h"
#include "ui/InteracaoJanela.h"

class QWidget;
class TDMXAL;

// The interaction of the running program: the program's message boxes, and employees and
// customers identified through their dialogs.
class InteracaoComIdentificacao : public InteracaoJanela
{
public:
    InteracaoComIdentificacao(TDMXAL& dm, const TConfigGeral& config, int codLoja,
                              QWidget* parent = nullptr);

    ResultadoIdentificacao identificaFuncionario(const PedidoIdentificacao& pedido) override;
    ResultadoIdentificacao identificaCliente(const PedidoIdentificacao& pedido) override;

private:
    TDMXAL& m_dm;
    const TConfigGeral& m_config;
    int m_codLoja;
};
