#include "Identificacao.h"

#include "data/TDMXAL.h"
#include "platform/Biometria.h"
#include "platform/Falha.h"

#include <QRegularExpression>
#include <climits>

namespace
{
// The code field: up to 6 characters is a code, more is a badge.
constexpr int kMaxCodigo = 6;
// A badge value that matches no badge, for lookups by code.
const QString kSemCracha = QStringLiteral("z");
} // namespace

IdentificacaoPessoa::IdentificacaoPessoa(TDMXAL& dm, const TConfigGeral& config, int codLoja,
                                         Interacao& interacao)
    : m_dm(dm), m_config(config), m_codLoja(codLoja), m_interacao(interacao)
{
}

bool IdentificacaoPessoa::biometriaHabilitada() const
{
    return m_config.HabilitaBiometria && chaveBiometria() && backendBiometria().temDispositivo();
}

bool IdentificacaoPessoa::somenteBiometria() const
{
    return biometriaHabilitada() && m_config.SoBioIni;
}

void IdentificacaoPessoa::refusa(const QString& mensagem)
{
    m_interacao.atencao(mensagem);
}

std::optional<int> IdentificacaoPessoa::procura(int codigo, const QString& barras)
{
    QSqlQuery q = m_dm.executa(tipo().consultaPessoa, {{QStringLiteral("piCodFun"), codigo},
                                                       {QStringLiteral("psBar"), barras},
                                                       {QStringLiteral("piCodLoja"), m_codLoja}});
    std::optional<int> achado;
    if (q.next()) {
        achado = q.value(tipo().colunaCodigo).toInt();
        m_nome = q.value(QStringLiteral("NOME")).toString();
    }
    while (q.next()) {
    }
    return achado;
}

void IdentificacaoPessoa::leLinhaSenha(int codigo)
{
    QSqlQuery q = m_dm.executa(tipo().consultaSenha, {{QStringLiteral("piCodFun"), codigo},
                                                      {QStringLiteral("piCodLoja"), m_codLoja}});
    m_senha.reset();
    if (q.next())
        m_senha = q.record();
    while (q.next()) {
    }
}

IdentificacaoPessoa::Permissao IdentificacaoPessoa::confere() const
{
    if (!m_verificaPermissao || m_campoPermissao.isEmpty())
        return Permissao::Livre;
    if (!m_senha)
        return Permissao::SemLinha;
    // The caller names the column: it is only looked up among the row's own columns, so a
    // name that is not a column of SENHA refuses like a column holding 'F'.
    const int coluna = m_senha->indexOf(m_campoPermissao.trimmed());
    if (coluna < 0 || m_senha->value(coluna).toString().trimmed() != QStringLiteral("T"))
        return Permissao::Negada;
    return Permissao::Livre;
}

QString IdentificacaoPessoa::senhaDaLinha() const
{
    return m_senha ? m_senha->value(QStringLiteral("SENHA")).toString() : QString();
}

Resposta IdentificacaoPessoa::saiCodigo(const QString& texto)
{
    Resposta r;
    m_encontrado = 0;
    m_nome.clear();
    m_senha.reset();
    m_digitalAceita = false;
    const QString t = texto.trimmed();
    // Only a number with a digit other than 0 is a value; anything else stays in the field.
    static const QRegularExpression numero(QStringLiteral("^-?[0-9]+$"));
    static const QRegularExpression semValor(QStringLiteral("^-?0+$"));
    if (!numero.match(t).hasMatch() || semValor.match(t).hasMatch()) {
        r.foco = Resposta::Foco::Codigo;
        return r;
    }
    const bool cracha = tipo().aceitaCracha && t.size() > kMaxCodigo;
    const qlonglong valor = t.toLongLong();
    if (!cracha && (valor > INT_MAX || valor < INT_MIN)) {
        r.foco = Resposta::Foco::Codigo;
        return r;
    }
    // The badge travels whole: cut to the column's size it could match another badge.
    const std::optional<int> achado =
        cracha ? procura(0, t) : procura(static_cast<int>(valor), kSemCracha);
    if (!achado) {
        refusa(QStringLiteral("Código não Encontrado!"));
        r.resultado = mrNo;
        r.foco = Resposta::Foco::Codigo;
        return r;
    }
    m_encontrado = *achado;
    encontrou(m_encontrado);
    leLinhaSenha(m_encontrado);
    if (cracha) {
        // A badge identifies without a password.
        r.resultado = mrYes;
        aceitou(m_encontrado);
    }
    switch (confere()) {
    case Permissao::SemLinha:
        refusa(QStringLiteral("Senha não Cadastrada!"));
        r.resultado = mrNo;
        break;
    case Permissao::Negada:
        refusa(QStringLiteral("Senha não Autorizada!"));
        r.resultado = mrNo;
        break;
    case Permissao::Livre:
        break;
    }
    r.foco = Resposta::Foco::Senha;
    return r;
}

Resposta IdentificacaoPessoa::confirmaSenha(const QString& senha)
{
    Resposta r;
    if (m_digitalAceita) {
        r.resultado = mrYes;
        aceitou(m_encontrado);
        return r;
    }
    if (m_encontrado == 0) {
        // Nobody looked up yet: there is no one to accept.
        r.foco = Resposta::Foco::Codigo;
        return r;
    }
    if (SolicitaSenha) {
        if (!m_senha) {
            refusa(QStringLiteral("Senha não Cadastrada!"));
            r.resultado = mrNo;
            return r;
        }
        if (senhaDaLinha() != senha) {
            refusa(QStringLiteral("Senha Inválida!"));
            r.foco = Resposta::Foco::Senha;
            r.limpaSenha = tipo().limpaSenhaErrada;
            return r;
        }
    }
    r.resultado = mrYes;
    aceitou(m_encontrado);
    return r;
}

Resposta IdentificacaoPessoa::leitorIdentificou(const QString& identificador)
{
    bool ok = false;
    const int id = identificador.trimmed().toInt(&ok);
    Resposta r = saiCodigo(ok ? QString::number(id) : QString());
    r.codigo = ok ? QString::number(id) : QString();
    if (m_encontrado != 0 && r.resultado == mrNone)
        r.senha = senhaDaLinha();
    return r;
}

Resposta IdentificacaoPessoa::biometria()
{
    if (!biometriaHabilitada())
        return {};
    const QString prefixo =
        QStringLiteral("Erro ao identificar ") + quem() + QStringLiteral(" por biometria! ");
    try {
        return tentaDigital();
    } catch (const Falha& f) {
        m_interacao.erro(prefixo + f.mensagem());
    } catch (const std::exception& e) {
        m_interacao.erro(prefixo + QString::fromLocal8Bit(e.what()));
    }
    return {};
}
