#pragma once

#include <QString>

class TDMXAL;

// Writes KIT/Modelo = "Bematech" into Atendimento.ini only when the key is missing (a key
// present with an empty value is left alone).
void GaranteModeloKit();

// COD_LOJA of the first LOJA row; 0 when the table has no row. Raises Falha on database errors.
int PrimeiraLoja(TDMXAL& dm);

struct EstadoLoja {
    QString Estado;  // LOJA.UF, "PB" when empty
    QString RSOCIAL; // LOJA.RAZAO_SOCIAL, read only when the state is not "PB"
};
// Raises Falha on database errors.
EstadoLoja LeEstadoLoja(TDMXAL& dm, int codLoja);
