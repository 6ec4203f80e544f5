#pragma once

#include <QString>
#include <exception>

// An operation that fails raises this with the Portuguese text the user sees
// ("Erro ao executar comando\r..."); windows catch it and show it in the error dialog.
class Falha : public std::exception
{
public:
    explicit Falha(QString mensagem) : m_mensagem(std::move(mensagem)), m_utf8(m_mensagem.toUtf8())
    {
    }
    const QString& mensagem() const noexcept { return m_mensagem; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_mensagem;
    QByteArray m_utf8;
};
