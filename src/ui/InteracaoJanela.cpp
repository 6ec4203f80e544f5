#include "InteracaoJanela.h"

#include "CaixaMensagem.h"

void InteracaoJanela::mensagem(const QString& texto)
{
    Mensagem(texto, m_pai);
}

void InteracaoJanela::atencao(const QString& texto)
{
    MensagemAtencao(texto, m_pai);
}

void InteracaoJanela::erro(const QString& texto)
{
    CaixaMensagem::mostra(m_pai, QMessageBox::Critical, QStringLiteral("Orlix"), texto);
}

bool InteracaoJanela::pergunta(const QString& titulo, const QString& texto)
{
    return CaixaMensagem::mostra(m_pai, QMessageBox::Question, titulo, texto,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<double> InteracaoJanela::numero(const QString& titulo, const QString& rotulo,
                                              double inicial)
{
    return CaixaMensagem::numero(m_pai, titulo, rotulo, inicial);
}

ResultadoIdentificacao InteracaoJanela::identificaFuncionario(const PedidoIdentificacao&)
{
    return {};
}

ResultadoIdentificacao InteracaoJanela::identificaCliente(const PedidoIdentificacao&)
{
    return {};
}
