#pragma once

#include <QByteArray>
#include <QString>

// The identity of this machine, used to find its terminal row.

// At most this many characters of the token are kept (the width of CMD_TERMINAIS.TOKEN).
inline constexpr int kTamanhoToken = 20;

// The token of the maker plugin (Orlix_Func.so or libOrlix_Func.so in the program folder,
// exporting ID_Token) when the plugin is there; otherwise a value derived from the machine's
// identity (/etc/machine-id). Raises Falha when the plugin is there but cannot give a token.
QString TokenMaquina();

// A stable token of at most kTamanhoToken characters for an identity text; empty for none.
QString tokenDerivado(const QByteArray& identidade);
