#pragma once

#include <QString>

// Check digits of the Brazilian tax ids; ".", "/" and "-" are ignored.
bool ValidaCPF(const QString& cpf);
bool ValidaCNPJ(const QString& cnpj);
