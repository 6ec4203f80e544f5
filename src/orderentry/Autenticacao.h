#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVariant>

class TDMXAL;

// Record seals: every header and item this program writes carries in AUTENTICA a
// position-weighted sum of the characters of its significant columns, so the back office can
// tell a row changed outside the system.

// Seal of a single-byte text: the sum of each character's code times its position (from 1),
// over at most the first 255 characters.
double AutenticaRegPaf(const QByteArray& campos);

// The text of a value as the shops' regional settings write it: integers in plain digits,
// decimals with a comma, dates dd/mm/yyyy with " hh:mm:ss" when the time is not midnight,
// NULL empty. Date columns read from SQLite arrive as text: ehData says the column is a date.
QString textoRegional(const QVariant& valor, bool ehData = false);

// Seals item NUM_ITEM of a document; 0 when the item does not exist or the update fails.
double AutenticaCmdItem(TDMXAL& dm, int documento, int item);
// Seals the header of a document; 0 when it does not exist or the update fails.
double AutenticaCmdNota(TDMXAL& dm, int documento);
