#pragma once

#include <QString>

class TDMXAL;

// The checks of the login panel that guards card blocking.

// Name of the employee of the typed code; empty when the text is empty, not a number, or
// nobody has the code. Raises Falha on database errors.
QString NomeFuncionario(TDMXAL& dm, const QString& codigoDigitado);

struct ResultadoLogin {
    bool aceito = false;
    QString mensagem; // "Senha Inválida" or "Funcionário sem permissão" when refused
};

// Compares the typed password with the employee's SENHA row (exact comparison) and demands
// CHK_SANGRIAS = 'T'. Database errors count as no row.
ResultadoLogin ConfereLogin(TDMXAL& dm, const QString& codigoDigitado, const QString& senha);
