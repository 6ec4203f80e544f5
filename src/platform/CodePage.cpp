#include "CodePage.h"

#include <QStringDecoder>
#include <array>

namespace
{
// 0x80..0x9F of Windows-1252; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kCp1252Alto = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// 0x80..0xFF of CP850.
constexpr std::array<char16_t, 128> kCp850Alto = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557,
    0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB,
    0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9,
    0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

template <size_t N> char procura(const std::array<char16_t, N>& tabela, char16_t c, int base)
{
    for (size_t i = 0; i < N; ++i)
        if (tabela[i] == c && c != 0)
            return static_cast<char>(base + static_cast<int>(i));
    return '?';
}
} // namespace

namespace CodePage
{

QByteArray paraWindows1252(const QString& texto)
{
    QByteArray saida;
    saida.reserve(texto.size());
    for (QChar qc : texto) {
        const char16_t c = qc.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
            saida.append(static_cast<char>(c));
        else
            saida.append(procura(kCp1252Alto, c, 0x80));
    }
    return saida;
}

QString deWindows1252(const QByteArray& bytes)
{
    QString saida;
    saida.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u <= 0x9F) {
            const char16_t c = kCp1252Alto[u - 0x80];
            saida.append(c ? QChar(c) : QChar(char16_t(u)));
        } else {
            saida.append(QChar(char16_t(u)));
        }
    }
    return saida;
}

QByteArray paraCp850(const QString& texto)
{
    QByteArray saida;
    saida.reserve(texto.size());
    for (QChar qc : texto) {
        const char16_t c = qc.unicode();
        saida.append(c < 0x80 ? static_cast<char>(c) : procura(kCp850Alto, c, 0x80));
    }
    return saida;
}

QString decodificaTexto(const QByteArray& bytes, bool* eraUtf8)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8.decode(bytes);
    const bool valido = !utf8.hasError();
    if (eraUtf8)
        *eraUtf8 = valido;
    if (!valido)
        return deWindows1252(bytes);
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    return texto;
}

} // namespace CodePage
