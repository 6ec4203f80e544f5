#include "Impressoras.h"

#include <QPrinterInfo>

namespace
{
std::function<QStringList()> g_lista;
std::function<QString()> g_padrao;
} // namespace

namespace Impressoras
{
QStringList instaladas()
{
    return g_lista ? g_lista() : QPrinterInfo::availablePrinterNames();
}

QString padrao()
{
    return g_padrao ? g_padrao() : QPrinterInfo::defaultPrinterName();
}

void defineFonte(std::function<QStringList()> lista, std::function<QString()> padraoAtual)
{
    g_lista = std::move(lista);
    g_padrao = std::move(padraoAtual);
}

bool verificaimpressora()
{
    return !instaladas().isEmpty();
}

QString NomeImpressora()
{
    return QStringLiteral(" Impressora: ") + padrao();
}
} // namespace Impressoras
