#pragma once

#include "Identificacao.h"

// The rules of the customer identification: the person must prove to be the customer the
// caller names (codCli), by password or by print.
class IdentificaCliente : public IdentificacaoPessoa
{
public:
    IdentificaCliente(TDMXAL& dm, const TConfigGeral& config, int codLoja, Interacao& interacao,
                      int codCli);

    void defineVerificaPermissao(bool verifica, const QString& campo)
    {
        m_verificaPermissao = verifica;
        m_campoPermissao = campo;
    }
    int codCli() const { return m_codCli; }
    void defineCodCli(int codigo) { m_codCli = codigo; }
    // The customer verified (0: none).
    int Cliente() const { return m_cliente; }
    // Condominium mode with fingerprint: the capture opens as soon as the dialog shows.
    bool capturaAoMostrar() const { return biometriaHabilitada() && m_config.Condominio; }

    // The customer has a password at all; otherwise the dialog ends refused at once.
    Resposta verificaCadastro();
    // Captures a print on the customers' slot; only codCli's print is accepted.
    Resposta leitorIdentificou(const QString& identificador) override;

protected:
    Tipo tipo() const override;
    bool chaveBiometria() const override { return m_config.SoBioCli; }
    void aceitou(int codigo) override { m_cliente = codigo; }

private:
    Resposta tentaDigital() override;
    QString quem() const override;
    int m_codCli;
    int m_cliente = 0;
};
