#include "InteracaoComIdentificacao.h"

#include "TFrmSenhaCli.h"
#include "TFrmSenhaFun.h"

InteracaoComIdentificacao::InteracaoComIdentificacao(TDMXAL& dm, const TConfigGeral& config,
                                                     int codLoja, QWidget* parent)
    : InteracaoJanela(parent), m_dm(dm), m_config(config), m_codLoja(codLoja)
{
}

ResultadoIdentificacao
InteracaoComIdentificacao::identificaFuncionario(const PedidoIdentificacao& pedido)
{
    TFrmSenhaFun dlg(m_dm, m_config, m_codLoja, *this, pai());
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
    TFrmSenhaCli dlg(m_dm, m_config, m_codLoja, *this, pai());
    dlg.codCli = pedido.clienteEsperado;
    dlg.checkPermissao = !pedido.campoPermissao.isEmpty();
    dlg.sNivel = pedido.campoPermissao;
    dlg.setSolicitaSenha(pedido.pedeSenha);
    dlg.MudaCaption(pedido.titulo);
    const bool identificado = dlg.exec() == mrYes;
    return {identificado, identificado ? dlg.Cliente() : 0};
}
