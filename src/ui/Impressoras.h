#pragma once

#include <QStringList>
#include <functional>

// The printers installed on this workstation, behind a hook so tests choose them.
namespace Impressoras
{
QStringList instaladas();
QString padrao();
// Replaces the printer list (nullptr: the system's printers again).
void defineFonte(std::function<QStringList()> lista, std::function<QString()> padrao);

// True when at least one printer is installed.
bool verificaimpressora();
// " Impressora: " + the selected printer, as the status bar shows it.
QString NomeImpressora();
} // namespace Impressoras
