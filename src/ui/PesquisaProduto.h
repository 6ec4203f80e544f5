#pragma once

#include "data/TDMXAL.h"

class ConjuntoDados;
class Clock;

// The product search list: active sale products whose code is the typed text or whose
// description, barcodes or reference contain it, with the price of the day.
class PesquisaProduto
{
public:
    PesquisaProduto(TDMXAL& dm, int codLoja, const Clock& relogio);

    // The statement's values for a typed text.
    Parametros parametros(const QString& texto) const;
    void busca(ConjuntoDados& lista, const QString& texto) const;
    // The row nearest to the text on the description order (-1 for an empty list).
    static int linhaMaisProxima(const ConjuntoDados& lista, const QString& texto);

private:
    TDMXAL& m_dm;
    int m_codLoja;
    const Clock& m_relogio;
};
