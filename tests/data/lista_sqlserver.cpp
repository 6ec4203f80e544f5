// Prints every SQL Server form of the program (named statements and upgrade steps) as JSON,
// for the T-SQL parser check.
#include "data/AtualizaBanco.h"
#include "data/Catalogo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

int main()
{
    QJsonArray lista;
    for (const InstrucaoSql& i : Catalogo::todas())
        lista.append(
            QJsonObject{{QStringLiteral("nome"), i.nome}, {QStringLiteral("sql"), i.sqlServer}});
    int n = 0;
    for (const PassoAtualizacao& p : passosAtualizacao()) {
        ++n;
        if (!p.sqlServer.isEmpty())
            lista.append(
                QJsonObject{{QStringLiteral("nome"), QStringLiteral("atualizacao %1").arg(n)},
                            {QStringLiteral("sql"), p.sqlServer}});
    }
    const QByteArray json = QJsonDocument(lista).toJson();
    fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return 0;
}
