#include "Esquema.h"

#include "data/TDMXAL.h"
#include "platform/Falha.h"

#include <QRegularExpression>

namespace
{
// A name that could be an identifier at all; anything else is refused without asking the server.
bool nomeValido(const QString& nome)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]{0,127}$"));
    return re.match(nome).hasMatch();
}
} // namespace

QStringList Esquema::colunas(const QString& tabela) const
{
    if (!nomeValido(tabela))
        return {};
    QSqlQuery q =
        m_dm.executa(QStringLiteral("EsquemaColunas"), {{QStringLiteral("tabela"), tabela}});
    QStringList nomes;
    while (q.next())
        nomes << q.value(0).toString();
    return nomes;
}

bool Esquema::temColuna(const QString& tabela, const QString& nome) const
{
    if (!nomeValido(nome))
        return false;
    return colunas(tabela).contains(nome, Qt::CaseInsensitive);
}

QString Esquema::tabela(const QString& nome) const
{
    if (colunas(nome).isEmpty())
        throw Falha(QStringLiteral("Tabela inexistente: ") + nome);
    return nome;
}

QString Esquema::coluna(const QString& tabela, const QString& nome) const
{
    const QStringList lista = colunas(tabela);
    if (lista.isEmpty())
        throw Falha(QStringLiteral("Tabela inexistente: ") + tabela);
    if (nomeValido(nome))
        for (const QString& c : lista)
            if (c.compare(nome, Qt::CaseInsensitive) == 0)
                return c;
    throw Falha(QStringLiteral("Coluna inexistente: ") + tabela + QLatin1Char('.') + nome);
}

QString escapaLike(const QString& texto)
{
    QString r;
    r.reserve(texto.size() * 2);
    for (const QChar c : texto) {
        // '[' is a wildcard on SQL Server; escaping it is harmless on SQLite.
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_') ||
            c == QLatin1Char('['))
            r.append(QLatin1Char('\\'));
        r.append(c);
    }
    return r;
}
