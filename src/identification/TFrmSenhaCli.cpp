#include "TFrmSenhaCli.h"

#include <QLineEdit>

TFrmSenhaCli::TFrmSenhaCli(TDMXAL& dm, const TConfigGeral& config, int codLoja,
                           Interacao& interacao, QWidget* parent)
    : TFrmSenhaBase(m_logica, interacao, QStringLiteral("Identifica CLIENTE"), parent),
      m_logica(dm, config, codLoja, interacao, 0)
{
    setObjectName(QStringLiteral("FrmSenhaCli"));
    // No border icons: the dialog ends only through its own rules.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    edCodigo->setReadOnly(true);
}

void TFrmSenhaCli::reject()
{
    // Without a close button the window manager's close still refuses, never "closed".
    done(mrNo);
}

void TFrmSenhaCli::showEvent(QShowEvent* evento)
{
    m_logica.defineCodCli(codCli);
    m_logica.defineVerificaPermissao(checkPermissao, sNivel);
    TFrmSenhaBase::showEvent(evento);
}

void TFrmSenhaCli::aoMostrar()
{
    const Resposta cadastro = m_logica.verificaCadastro();
    if (cadastro.resultado != mrNone) {
        done(cadastro.resultado);
        return;
    }
    mostraAtalhoBiometria();
    bool biometriaFeita = false;
    if (m_logica.somenteBiometria()) {
        DesabilitaCampo(edCodigo);
        DesabilitaCampo(edSenha);
        executaBiometria();
        biometriaFeita = true;
    } else {
        HabilitaCampo(edCodigo);
        HabilitaCampo(edSenha);
        // The caller's customer is looked up at once; the field itself never takes the focus.
        edCodigo->setText(QString::number(codCli));
        aplica(m_logica.saiCodigo(edCodigo->text()));
    }
    if (result() != mrNone)
        return;
    // Condominium mode reads the print at once; a print already read is not asked again.
    if (m_logica.capturaAoMostrar() && !biometriaFeita) {
        executaBiometria();
        if (result() != mrNone)
            return;
    }
    DesabilitaCampo(edCodigo);
}
