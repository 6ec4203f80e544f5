#include "IdentificaCliente.h"

#include "data/TDMXAL.h"
#include "platform/Biometria.h"
#include "platform/Falha.h"

namespace
{
constexpr int kSlotClientes = 2;
}

IdentificaCliente::IdentificaCliente(TDMXAL& dm, const TConfigGeral& config, int codLoja,
                                     Interacao& interacao, int codCli)
    : IdentificacaoPessoa(dm, config, codLoja, interacao), m_codCli(codCli)
{
}

IdentificacaoPessoa::Tipo IdentificaCliente::tipo() const
{
    // The code field holds the caller's customer: it is never read as a badge, which could
    // accept someone else's card without naming the customer.
    return {QStringLiteral("dspSenhaCli"), QStringLiteral("dspSenha"), QStringLiteral("COD_CLI"),
            false, true};
}

Resposta IdentificaCliente::verificaCadastro()
{
    Resposta r;
    if (!m_dm.escalar(QStringLiteral("CdsVerifica"), {{QStringLiteral("codCli"), m_codCli}})
             .isValid()) {
        m_interacao.mensagem(QStringLiteral("Senha não cadastrada para este cliente!"));
        r.resultado = mrNo;
    }
    return r;
}

QString IdentificaCliente::quem() const
{
    return QStringLiteral("cliente");
}

Resposta IdentificaCliente::tentaDigital()
{
    Resposta r;
    for (;;) {
        // No reader or a cancelled capture: the password is still there to be typed.
        if (!AbreSensorBio(kSlotClientes) || !CapturaDigital(kSlotClientes))
            return r;
        int erro = 0;
        const int id = IdentificaDigital(kSlotClientes, erro);
        if (id > 0 && id == m_codCli)
            break;
        if (!somenteBiometria()) {
            m_interacao.mensagem(QStringLiteral("Biometria inválida!"));
            return r;
        }
    }
    m_encontrado = 0;
    m_digitalAceita = false;
    if (!procura(m_codCli, QStringLiteral("z"))) {
        refusa(QStringLiteral("Código não Encontrado!"));
        r.resultado = mrNo;
        return r;
    }
    r.codigo = QString::number(m_codCli);
    r.senha = m_dm.escalar(QStringLiteral("cdsSenhaCliBio"), {{QStringLiteral("icod"), m_codCli}})
                  .toString();
    m_encontrado = m_codCli;
    m_cliente = m_codCli;
    leLinhaSenha(m_codCli);
    // A demanded permission holds for a print as for a password.
    switch (confere()) {
    case Permissao::SemLinha:
        refusa(QStringLiteral("Senha não Cadastrada!"));
        r.resultado = mrNo;
        return r;
    case Permissao::Negada:
        refusa(QStringLiteral("Senha não Autorizada!"));
        r.resultado = mrNo;
        return r;
    case Permissao::Livre:
        break;
    }
    m_digitalAceita = true;
    r.aceitaAposPausa = true;
    return r;
}

Resposta IdentificaCliente::leitorIdentificou(const QString& identificador)
{
    bool ok = false;
    const int id = identificador.trimmed().toInt(&ok);
    if (!ok || id != m_codCli) {
        // Someone else's print never stands for the customer the caller named.
        m_interacao.mensagem(QStringLiteral("Biometria inválida!"));
        return {};
    }
    return IdentificacaoPessoa::leitorIdentificou(identificador);
}
