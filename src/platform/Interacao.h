#pragma once

#include <QString>
#include <optional>

// What a rule asks of the person at the counter. The windows answer with message boxes and
// the identification dialogs; tests answer with a script (tests/support/InteracaoRoteirizada.h).

struct PedidoIdentificacao {
    QString titulo;          // caption of the dialog ("Identifica Funcionário" when empty)
    QString campoPermissao;  // SENHA column that must hold 'T' (e.g. CHK_EXCLUIR_ITEM); empty: none
    bool pedeSenha = true;   // the password is asked and compared
    int clienteEsperado = 0; // customer dialog: the customer the caller names (0: any)
};

struct ResultadoIdentificacao {
    bool identificado = false; // the dialog ended with mrYes
    int codigo = 0;            // employee or customer code
};

class Interacao {
public:
    virtual ~Interacao() = default;
    // Information, titled "Orlix".
    virtual void mensagem(const QString& texto) = 0;
    // Warning, titled "Orlix".
    virtual void atencao(const QString& texto) = 0;
    // The error dialog of a failed operation.
    virtual void erro(const QString& texto) = 0;
    // A Yes/No question with its own title; true for Yes.
    virtual bool pergunta(const QString& titulo, const QString& texto) = 0;
    virtual ResultadoIdentificacao identificaFuncionario(const PedidoIdentificacao& pedido) = 0;
    virtual ResultadoIdentificacao identificaCliente(const PedidoIdentificacao& pedido) = 0;
    // A number typed by the user; nothing when cancelled.
    virtual std::optional<double> numero(const QString& titulo, const QString& rotulo,
                                         double inicial) = 0;
};
