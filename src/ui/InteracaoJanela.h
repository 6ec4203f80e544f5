#pragma once

#include "platform/Interacao.h"

class QWidget;

// The questions of the rules answered by the person at the counter, through the program's
// message boxes. Identification belongs to the identification dialogs, which override it.
class InteracaoJanela : public Interacao
{
public:
    explicit InteracaoJanela(QWidget* pai = nullptr) : m_pai(pai) {}

    void mensagem(const QString& texto) override;
    void atencao(const QString& texto) override;
    void erro(const QString& texto) override;
    bool pergunta(const QString& titulo, const QString& texto) override;
    std::optional<double> numero(const QString& titulo, const QString& rotulo,
                                 double inicial) override;
    // Refused here: nobody can be identified without the identification dialogs.
    ResultadoIdentificacao identificaFuncionario(const PedidoIdentificacao& pedido) override;
    ResultadoIdentificacao identificaCliente(const PedidoIdentificacao& pedido) override;

protected:
    QWidget* pai() const { return m_pai; }

private:
    QWidget* m_pai;
};
