#pragma once

#include "platform/Interacao.h"

#include <QList>
#include <QStringList>

// An Interacao that answers from a script and records every text it was shown.
class InteracaoRoteirizada : public Interacao {
public:
    QStringList mensagens;  // information texts
    QStringList atencoes;   // warnings
    QStringList erros;      // error dialogs
    QStringList perguntas;  // question texts
    QList<PedidoIdentificacao> pedidos;

    QList<bool> respostas;                        // next answers to questions (default: No)
    QList<ResultadoIdentificacao> identificacoes; // next identifications (default: refused)
    QList<std::optional<double>> numeros;         // next numbers (default: cancelled)

    void mensagem(const QString& texto) override { mensagens << texto; }
    void atencao(const QString& texto) override { atencoes << texto; }
    void erro(const QString& texto) override { erros << texto; }
    bool pergunta(const QString&, const QString& texto) override
    {
        perguntas << texto;
        return respostas.isEmpty() ? false : respostas.takeFirst();
    }
    ResultadoIdentificacao identificaFuncionario(const PedidoIdentificacao& p) override
    {
        pedidos << p;
        return identificacoes.isEmpty() ? ResultadoIdentificacao{} : identificacoes.takeFirst();
    }
    ResultadoIdentificacao identificaCliente(const PedidoIdentificacao& p) override
    {
        pedidos << p;
        return identificacoes.isEmpty() ? ResultadoIdentificacao{} : identificacoes.takeFirst();
    }
    std::optional<double> numero(const QString&, const QString&, double) override
    {
        return numeros.isEmpty() ? std::nullopt : numeros.takeFirst();
    }
};
