#include "PesquisaProduto.h"

#include "ConjuntoDados.h"
#include "Esquema.h"
#include "platform/Clock.h"

#include <QCollator>

PesquisaProduto::PesquisaProduto(TDMXAL& dm, int codLoja, const Clock& relogio)
    : m_dm(dm), m_codLoja(codLoja), m_relogio(relogio)
{
}

Parametros PesquisaProduto::parametros(const QString& texto) const
{
    bool digitos = !texto.isEmpty() && texto.size() <= 6;
    for (const QChar c : texto)
        digitos = digitos && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    bool imprimivel = false;
    for (const QChar c : texto)
        imprimivel = imprimivel || (c >= QLatin1Char(' ') && c <= QLatin1Char('z'));
    const QString contem =
        imprimivel ? QLatin1Char('%') + escapaLike(texto) + QLatin1Char('%') : QString();
    return {{QStringLiteral("Cod"), digitos ? texto.toInt() : 0},
            {QStringLiteral("Desc"), contem},
            {QStringLiteral("Barras"), contem},
            {QStringLiteral("BarrasEmb"), contem},
            {QStringLiteral("RefForn"), contem},
            {QStringLiteral("loja"), m_codLoja},
            {QStringLiteral("hoje"), m_relogio.hoje()}};
}

void PesquisaProduto::busca(ConjuntoDados& lista, const QString& texto) const
{
    lista.abre(Catalogo::texto(QStringLiteral("SqlPesquisa_Prod"), m_dm.motor()),
               parametros(texto));
    // The engines order accented letters apart; the list follows the language's order.
    lista.ordena(QStringLiteral("DESCRICAO"));
}

int PesquisaProduto::linhaMaisProxima(const ConjuntoDados& lista, const QString& texto)
{
    if (lista.vazio())
        return -1;
    QCollator collator(QLocale(QLocale::Portuguese, QLocale::Brazil));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (int i = 0; i < lista.quantidade(); ++i)
        if (collator.compare(lista.valor(i, QStringLiteral("DESCRICAO")).toString(), texto) >= 0)
            return i;
    return lista.quantidade() - 1;
}
