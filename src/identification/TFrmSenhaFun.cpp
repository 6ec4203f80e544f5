#include "TFrmSenhaFun.h"

#include <QLineEdit>

TFrmSenhaFun::TFrmSenhaFun(TDMXAL& dm, const TConfigGeral& config, int codLoja,
                           Interacao& interacao, QWidget* parent)
    : TFrmSenhaBase(m_logica, interacao, QStringLiteral("Identifica Funcionário"), parent),
      m_logica(dm, config, codLoja, interacao)
{
    setObjectName(QStringLiteral("FrmSenhaFun"));
}

void TFrmSenhaFun::showEvent(QShowEvent* evento)
{
    m_logica.defineVerificaPermissao(VerificaPermissao, CampoPermissao);
    TFrmSenhaBase::showEvent(evento);
}

void TFrmSenhaFun::aoMostrar()
{
    edCodigo->clear();
    mostraAtalhoBiometria();
    if (m_logica.somenteBiometria()) {
        DesabilitaCampo(edCodigo);
        DesabilitaCampo(edSenha);
        executaBiometria();
        return;
    }
    HabilitaCampo(edCodigo);
    HabilitaCampo(edSenha);
    edCodigo->setFocus(Qt::OtherFocusReason);
}
