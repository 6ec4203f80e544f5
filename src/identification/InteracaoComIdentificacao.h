#pragma once

#include "app/Configuracao.h"
#include "platform/Interacao.h"

class QWidget;
class TDMXAL;

// The interaction of the running program as far as identification goes: employees and
// customers are identified through their dialogs, messages are boxes titled "Orlix".
class InteracaoComIdentificacao : public Interacao
{
public:
    InteracaoComIdentificacao(TDMXAL& dm, const TConfigGeral& config, int codLoja,
                              QWidget* parent = nullptr);

    void mensagem(const QString& texto) override;
    void atencao(const QString& texto) override;
    void erro(const QString& texto) override;
    bool pergunta(const QString& titulo, const QString& texto) override;
    ResultadoIdentificacao identificaFuncionario(const PedidoIdentificacao& pedido) override;
    ResultadoIdentificacao identificaCliente(const PedidoIdentificacao& pedido) override;
    std::optional<double> numero(const QString& titulo, const QString& rotulo,
                                 double inicial) override;

private:
    TDMXAL& m_dm;
    const TConfigGeral& m_config;
    int m_codLoja;
    QWidget* m_parent;
};
