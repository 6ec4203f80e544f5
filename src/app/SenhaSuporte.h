#pragma once

#include <QDate>
#include <QString>

class TDMXAL;

// The service password of employee 1000: six characters made from the date alone, so every
// terminal agrees on it on the same day.
QString SenhaDoDia(const QDate& dia);

// Keeps the password of employee 1000 of the store equal to the code of the day. Raises
// "Problemas ao abrir tabela .: " + the cause.
void AtualizaSenhaSuporte(TDMXAL& dm, int codLoja, const QDate& hoje);
