#pragma once

#include <QString>

class TDMXAL;

// What the terminal row of this machine says.
struct ResultadoTerminal {
    int codTerm = 0;        // 0: the machine has no terminal row
    bool inativo = false;   // CHK_ATIVO is 'F': the program must not be used here
    bool registrou = false; // the row was made by this start
};

// Finds the terminal row of the token, registering the machine as 'DESKTOP' with the next
// code from 256 upward when it has none. Raises Falha on database errors.
ResultadoTerminal IdentificaTerminal(TDMXAL& dm, const QString& token);
