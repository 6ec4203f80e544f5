#include "InteracaoComIdentificacao.h"

#include "TFrmSenhaCli.h"
#include "TFrmSenhaFun.h"

#include <QInputDialog>
#include <QMessageBox>

namespace
{
const QString kTitulo = QStringLiteral("Orlix");
}

InteracaoComIdentificacao::InteracaoComIdentificacao(TDMXAL& dm, const TConfigGeral& config,
                                                     int codLoja, QWidget* parent)
    : m_dm(dm), m_config(config), m_codLoja(codLoja), m_parent(parent)
{
}

void InteracaoComIdentificacao::mensagem(const QString& texto)
{
    QMessageBox::information(m_parent, kTitulo, texto);
}

void InteracaoComIdentificacao::atencao(const QString& texto)
{
    QMessageBox::warning(m_parent, kTitulo, texto);
}

void InteracaoComIdentificacao::erro(const QString& texto)
{
    QMessageBox::critical(m_parent, kTitulo, texto);
}

bool InteracaoComIdentificacao::pergunta(const QString& titulo, const QString& texto)
{
    return QMessageBox::question(m_parent, titulo, texto, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

ResultadoIdentificacao
InteracaoComIdentificacao::identificaFuncionario(const PedidoIdentificacao& pedido)
{
    TFrmSenhaFun dlg(m_dm, m_config, m_codLoja, *this, m_parent);
    dlg.VerificaPermissao = !pedido.campoPermissao.isEmpty();
    dlg.CampoPermissao = pedido.campoPermissao;
    dlg.setSolicitaSenha(pedido.pedeSenha);
    dlg.MudaCaption(pedido.titulo);
    // Only mrYes identifies: mrNo and the close button (mrCancel) both refuse.
    const bool identificado = dlg.exec() == mrYes;
    return {identificado, identificado ? dlg.Funcionario() : 0};
}

ResultadoIdentificacao
InteracaoComIdentificacao::identificaCliente(const PedidoIdentificacao& pedido)
{
    TFrmSenhaCli dlg(m_dm, m_config, m_codLoja, *this, m_parent);
    dlg.codCli = pedido.clienteEsperado;
    dlg.checkPermissao = !pedido.campoPermissao.isEmpty();
    dlg.sNivel = pedido.campoPermissao;
    dlg.setSolicitaSenha(pedido.pedeSenha);
    dlg.MudaCaption(pedido.titulo);
    const bool identificado = dlg.exec() == mrYes;
    return {identificado, identificado ? dlg.Cliente() : 0};
}

std::optional<double> InteracaoComIdentificacao::numero(const QString& titulo,
                                                        const QString& rotulo, double inicial)
{
    bool ok = false;
    const double valor =
        QInputDialog::getDouble(m_parent, titulo, rotulo, inicial, -1e12, 1e12, 3, &ok);
    if (!ok)
        return std::nullopt;
    return valor;
}
