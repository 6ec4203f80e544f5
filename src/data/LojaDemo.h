#pragma once

class TDMXAL;

// The embedded demo shop: a small bar-restaurant made when the SQLite file does not exist,
// so that a newcomer can open a comanda at once.
namespace LojaDemo
{
// The back-office tables this program reads, with their keys and indexes (before the upgrade).
void criaEstrutura(TDMXAL& dm);
// The shop's rows (after the upgrade, which creates the printing tables).
void preenche(TDMXAL& dm);
} // namespace LojaDemo
