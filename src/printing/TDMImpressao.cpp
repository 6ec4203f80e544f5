#include "TDMImpressao.h"

#include "platform/Arquivos.h"
#include "platform/Clock.h"
#include "platform/Falha.h"

#include <QFile>

namespace
{
TDMImpressao* g_impressao = nullptr;

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

// The share name of a UNC path: the text after the last backslash, "" without one.
QString ultimaParte(const QString& nome)
{
    const qsizetype i = nome.lastIndexOf(QLatin1Char('\\'));
    return i < 0 ? QString() : nome.mid(i + 1);
}
} // namespace

TDMImpressao* DMImpressao()
{
    return g_impressao;
}
void defineDMImpressao(TDMImpressao* modulo)
{
    g_impressao = modulo;
}

TDMImpressao::TDMImpressao(ImpressorasSistema& impressoras, const TConfigGeral& config)
    : m_impressoras(impressoras), m_config(config)
{
}

TDMImpressao::~TDMImpressao()
{
    desativa();
    if (g_impressao == this)
        g_impressao = nullptr;
}

QString TDMImpressao::PortaRealImpressao(const QString& PortaBancoDados) const
{
    const QString alvo = PortaBancoDados.contains(QLatin1Char('\\')) ? ultimaParte(PortaBancoDados)
                                                                     : PortaBancoDados;
    for (const QString& instalada : m_impressoras.nomes()) {
        const QString n = instalada.left(50);
        if (alvo == ultimaParte(n) || alvo == n)
            return n;
    }
    return QString();
}

void TDMImpressao::registra(const QString& texto) const
{
    QFile log(PastaPrograma() + u("ACBrPosLog.txt"));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return; // a log that cannot be written never stops a print
    log.write((relogio().agora().toString(u("dd/MM/yyyy HH:mm:ss")) + u(" - ") + m_porta +
               u(" - ") + texto + QLatin1Char('\n'))
                  .toUtf8());
}

void TDMImpressao::desativa()
{
    if (m_destino)
        m_destino->fecha();
    m_destino.reset();
}

void TDMImpressao::ConfigurarACBrPos(const QString& nome, const QString& prefixo, int colunas)
{
    try {
        desativa();
        vModelo = m_config.posprinter_modelo.toUpper();
        vCorte = m_config.posprinter_corte.toUpper();
        vAvanco = m_config.posprinter_avanco;
        m_encoder.corteTotal = vCorte == QLatin1String("TOTAL");
        m_encoder.modelo = modeloEscPos(vModelo);
        m_encoder.linhasEntreCupons = 5;
        m_encoder.espacoLinhas = 20;
        m_colunas = colunas;
        m_porta = prefixo.isEmpty() ? nome : prefixo + QLatin1Char(':') + nome;
        auto destino = criaDestinoBytes(m_porta);
        destino->abre();
        m_destino = std::move(destino);
        registra(u("Ativada, modelo ") + vModelo + u(", colunas ") + QString::number(colunas));
    } catch (const Falha& f) {
        registra(u("Erro: ") + f.mensagem());
        throw Falha(u("Erro ao configurar ACBrPos: ") + f.mensagem());
    }
}

QString TDMImpressao::ImprimirACBrPos(const QStringList& texto)
{
    try {
        if (!m_destino)
            throw Falha(u("Impressora não configurada"));
        QStringList linhas = texto;
        for (int i = 0; i < vAvanco; ++i)
            linhas.append(QString());
        linhas.append(kTagCorte);
        const QByteArray bytes = m_encoder.codifica(linhas);
        m_destino->envia(bytes);
        registra(QString::number(bytes.size()) + u(" bytes enviados"));
    } catch (const Falha& f) {
        registra(u("Erro: ") + f.mensagem());
        throw Falha(u("Erro ao imprimir ACBrPos: ") + f.mensagem());
    }
    return u("Impressão finalizada.");
}

void TDMImpressao::portaEscPos(const QString& impressora, QString* nome, QString* prefixo)
{
    *nome = impressora;
    const bool serial =
        impressora.startsWith(u("COM"), Qt::CaseInsensitive) && impressora.size() < 6;
    *prefixo = serial || portaDireta(impressora) ? QString() : u("RAW");
}

QString TDMImpressao::ImprimeEscPos(const QStringList& linhas)
{
    QString nome, prefixo;
    portaEscPos(m_config.posprinter_impressora, &nome, &prefixo);
    ConfigurarACBrPos(nome, prefixo, 40);
    return ImprimirACBrPos(linhas);
}

void TDMImpressao::ImprimeLinhas(const QString& portaBanco, const QStringList& linhas,
                                 const QString& fonte)
{
    if (portaBanco.startsWith(u("file:"), Qt::CaseInsensitive)) {
        // A file stands for a text printer: the ticket is appended as it would read on paper.
        auto destino = criaDestinoBytes(portaBanco);
        destino->envia((linhas.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        destino->fecha();
        return;
    }
    if (portaDireta(portaBanco)) {
        ConfigurarACBrPos(portaBanco, QString(), 40);
        ImprimirACBrPos(linhas);
        return;
    }
    const QString nome = PortaRealImpressao(portaBanco);
    const QStringList instaladas = m_impressoras.nomes();
    qsizetype indice = -1;
    for (qsizetype i = 0; i < instaladas.size() && indice < 0; ++i)
        if (instaladas[i].left(50).compare(nome, Qt::CaseInsensitive) == 0)
            indice = i;
    m_impressoras.imprimeLinhas(indice >= 0 ? instaladas[indice] : QString(), linhas, fonte);
}
