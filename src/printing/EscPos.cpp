#include "EscPos.h"

#include "platform/CodePage.h"

namespace
{
QByteArray bytes(std::initializer_list<int> b)
{
    QByteArray r;
    for (int c : b)
        r.append(static_cast<char>(c));
    return r;
}
} // namespace

ModeloEscPos modeloEscPos(const QString& nome)
{
    const QString m = nome.toUpper();
    if (m == QLatin1String("BEMATECH"))
        return ModeloEscPos::Bematech;
    if (m == QLatin1String("DARUMA"))
        return ModeloEscPos::Daruma;
    if (m == QLatin1String("GERTEC"))
        return ModeloEscPos::GPrinter;
    return ModeloEscPos::Epson;
}

QByteArray EncoderEscPos::inicio() const
{
    // ESC @ (initialise), ESC 3 n (line spacing), ESC t 2 (code page 850).
    return bytes({0x1B, 0x40, 0x1B, 0x33, espacoLinhas, 0x1B, 0x74, 0x02});
}

QByteArray EncoderEscPos::corte() const
{
    QByteArray r;
    const int n = qBound(0, linhasEntreCupons, 255);
    switch (modelo) {
    case ModeloEscPos::Daruma:
        // Daruma feeds with plain line feeds and has one cut command.
        r.fill('\n', n);
        r += bytes({0x1B, 0x6D});
        break;
    case ModeloEscPos::Bematech:
        r = bytes({0x1B, 0x64, n});
        r += corteTotal ? bytes({0x1B, 0x77}) : bytes({0x1B, 0x6D});
        break;
    case ModeloEscPos::GPrinter:
        r = bytes({0x1B, 0x64, n});
        r += bytes({0x1D, 0x56, corteTotal ? 0x30 : 0x31});
        break;
    case ModeloEscPos::Epson:
        r = bytes({0x1B, 0x64, n});
        r += bytes({0x1D, 0x56, corteTotal ? 0x00 : 0x01});
        break;
    }
    return r;
}

QByteArray EncoderEscPos::texto(const QString& linha) const
{
    // One '?' for each character CP850 lacks, including those outside the basic plane.
    QString simples;
    simples.reserve(linha.size());
    for (qsizetype i = 0; i < linha.size(); ++i) {
        const QChar c = linha[i];
        if (c.isHighSurrogate() && i + 1 < linha.size() && linha[i + 1].isLowSurrogate()) {
            simples.append(QLatin1Char('?'));
            ++i;
        } else if (c.unicode() < 0x20 && c != QLatin1Char('\t')) {
            // Control characters in stored text would be taken as printer commands.
            simples.append(QLatin1Char(' '));
        } else {
            simples.append(c);
        }
    }
    return CodePage::paraCp850(simples);
}

QByteArray EncoderEscPos::codifica(const QStringList& linhas) const
{
    QByteArray r = inicio();
    for (const QString& linha : linhas) {
        const QStringList partes = linha.split(kTagCorte);
        for (qsizetype i = 0; i < partes.size(); ++i) {
            if (i > 0)
                r += corte();
            r += texto(partes[i]);
        }
        if (!partes.last().isEmpty() || partes.size() == 1)
            r.append('\n');
    }
    return r;
}
