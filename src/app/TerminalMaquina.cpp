#include "TerminalMaquina.h"

#include "data/TDMXAL.h"
#include "platform/Falha.h"

#include <QSqlQuery>

namespace
{

// Two terminals registering at the same instant may still clash on the key on the server;
// the one that loses draws again.
constexpr int kTentativas = 5;

bool busca(TDMXAL& dm, const QString& token, ResultadoTerminal& r)
{
    QSqlQuery q = dm.executa(QStringLiteral("qrTerminalToken"), {{QStringLiteral("TOKEN"), token}});
    if (!q.next())
        return false;
    r.codTerm = q.value(0).toInt();
    r.inativo = q.value(1).toString().trimmed() == QLatin1String("F");
    while (q.next()) {
    }
    return true;
}

} // namespace

ResultadoTerminal IdentificaTerminal(TDMXAL& dm, const QString& token)
{
    ResultadoTerminal r;
    if (token.isEmpty() || busca(dm, token, r))
        return r;
    for (int tentativa = 1;; ++tentativa) {
        try {
            dm.emTransacao([&] {
                dm.executa(QStringLiteral("qrRegistraTerminal"),
                           {{QStringLiteral("TOKEN"), token}});
                busca(dm, token, r);
            });
            r.registrou = true;
            return r;
        } catch (const Falha&) {
            if (tentativa == kTentativas)
                throw;
        }
    }
}
