#include "IdentificaFuncionario.h"

#include "data/TDMXAL.h"
#include "platform/Biometria.h"
#include "platform/Falha.h"

namespace
{
constexpr int kSlotFuncionarios = 1;
}

IdentificacaoPessoa::Tipo IdentificaFuncionario::tipo() const
{
    return {QStringLiteral("dspSenhaFun"), QStringLiteral("dspSH"), QStringLiteral("COD_FUNC"),
            true, false};
}

QString IdentificaFuncionario::quem() const
{
    return QStringLiteral("funcionário");
}

Resposta IdentificaFuncionario::tentaDigital()
{
    Resposta r;
    int id = 0;
    for (;;) {
        if (!AbreSensorBio(kSlotFuncionarios)) {
            refusa(QStringLiteral("Sensor de Biometria não encontrado!"));
            r.resultado = mrNo;
            return r;
        }
        if (!CapturaDigital(kSlotFuncionarios)) {
            refusa(QStringLiteral("Biometria cancelada!"));
            r.resultado = mrNo;
            return r;
        }
        r.foco = Resposta::Foco::Codigo;
        int erro = 0;
        id = IdentificaDigital(kSlotFuncionarios, erro);
        if (id > 0)
            break;
        // Fingerprint only: nothing else can identify, so the reader asks again.
        if (!somenteBiometria()) {
            refusa(QStringLiteral("Biometria inválida!"));
            r.resultado = mrNo;
            return r;
        }
    }
    m_encontrado = 0;
    m_digitalAceita = false;
    // A print identifies a person, not a right to work here: the same store and leaving-date
    // checks as a typed code.
    if (!procura(id, QStringLiteral("z"))) {
        refusa(QStringLiteral("Código não Encontrado!"));
        r.resultado = mrNo;
        return r;
    }
    r.codigo = QString::number(id);
    r.senha =
        m_dm.escalar(QStringLiteral("cdsSenhaFuncBio"), {{QStringLiteral("icod"), id}}).toString();
    m_encontrado = id;
    m_funcionario = id;
    leLinhaSenha(id);
    switch (confere()) {
    case Permissao::SemLinha:
        refusa(QStringLiteral("Senha não cadastrada!"));
        r.resultado = mrNo;
        return r;
    case Permissao::Negada:
        refusa(QStringLiteral("Funcionário não autorizado!"));
        r.resultado = mrNo;
        return r;
    case Permissao::Livre:
        break;
    }
    m_digitalAceita = true;
    r.aceitaAposPausa = true;
    return r;
}
