#pragma once

#include "EscPos.h"
#include "app/Configuracao.h"
#include "platform/DestinoBytes.h"
#include "platform/ImpressorasSistema.h"

#include <QStringList>
#include <memory>

// The printer output module: the installed-printer road (plain text drawn line by line) and
// the receipt-printer road (ESC/POS bytes to a serial port, a raw CUPS queue, a network
// printer or a file), and the lookup of a stored printer name among the installed printers.
class TDMImpressao
{
public:
    TDMImpressao(ImpressorasSistema& impressoras, const TConfigGeral& config);
    ~TDMImpressao();

    // The installed printer that a stored name or UNC path stands for, or "" (the default
    // printer then takes the job).
    QString PortaRealImpressao(const QString& PortaBancoDados) const;

    // Settles model, cut, feed and port of the receipt printer and opens the port; raises
    // "Erro ao configurar ACBrPos: " + cause.
    void ConfigurarACBrPos(const QString& nome, const QString& prefixo, int colunas);
    // Prints the lines, the feed and the cut; "Impressão finalizada." or raises
    // "Erro ao imprimir ACBrPos: " + cause.
    QString ImprimirACBrPos(const QStringList& texto);

    // The installed-printer road for a stored port: the printer found by PortaRealImpressao
    // (the default one when none matches); a port that names a target itself (tcp://, a
    // device path, RAW:) gets the lines as a receipt, and "file:/path" gets the text appended.
    void ImprimeLinhas(const QString& portaBanco, const QStringList& linhas,
                       const QString& fonte = QString());

    // The receipt printer of the settings: a serial port COMn as it is, anything else through
    // a raw CUPS queue unless it names a target itself.
    QString ImprimeEscPos(const QStringList& linhas);
    static void portaEscPos(const QString& impressora, QString* nome, QString* prefixo);

    QString vCorte;
    QString vModelo;
    int vAvanco = 0;

    const EncoderEscPos& encoder() const { return m_encoder; }
    QString porta() const { return m_porta; }
    int colunas() const { return m_colunas; }

private:
    void registra(const QString& texto) const;
    void desativa();

    ImpressorasSistema& m_impressoras;
    const TConfigGeral& m_config;
    std::unique_ptr<DestinoBytes> m_destino;
    EncoderEscPos m_encoder;
    QString m_porta;
    int m_colunas = 40;
};

// The printer output module of the running program, set at start.
TDMImpressao* DMImpressao();
void defineDMImpressao(TDMImpressao* modulo);
