#pragma once

#include "Identificacao.h"

// The rules of the employee identification: who is this employee, in this store, still
// working here, allowed the permission the caller demands.
class IdentificaFuncionario : public IdentificacaoPessoa
{
public:
    using IdentificacaoPessoa::IdentificacaoPessoa;

    // The caller demands the SENHA column CampoPermissao to hold 'T'.
    void defineVerificaPermissao(bool verifica, const QString& campo)
    {
        m_verificaPermissao = verifica;
        m_campoPermissao = campo;
    }
    // The employee found or identified (0: none).
    int Funcionario() const { return m_funcionario; }
    void setFuncionario(int codigo) { m_funcionario = codigo; }

    // Captures a print on the employees' slot and checks the employee it matches.

protected:
    Tipo tipo() const override;
    bool chaveBiometria() const override { return m_config.SoBioFun; }
    void encontrou(int codigo) override { m_funcionario = codigo; }
    void aceitou(int codigo) override { m_funcionario = codigo; }

private:
    Resposta tentaDigital() override;
    QString quem() const override;
    int m_funcionario = 0;
};
