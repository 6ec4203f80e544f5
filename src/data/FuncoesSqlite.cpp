#include "FuncoesSqlite.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QString>
#include <QVariant>
#include <sqlite3.h>

namespace
{

QString textoDe(sqlite3_value* v)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p, sqlite3_value_bytes(v)) : QString();
}

void devolveTexto(sqlite3_context* ctx, const QString& texto)
{
    const QByteArray utf8 = texto.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void funcaoUpper(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    // Numbers stay numbers so that UPPER(col) = 12 still compares as the server does.
    if (sqlite3_value_type(argv[0]) != SQLITE_TEXT) {
        sqlite3_result_value(ctx, argv[0]);
        return;
    }
    devolveTexto(ctx, textoDe(argv[0]).toUpper());
}

void funcaoLower(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) != SQLITE_TEXT) {
        sqlite3_result_value(ctx, argv[0]);
        return;
    }
    devolveTexto(ctx, textoDe(argv[0]).toLower());
}

// LIKE with % and _ over Unicode characters, ignoring case; an optional escape character.
bool casa(const QString& padrao, qsizetype p, const QString& texto, qsizetype t, QChar escape)
{
    while (p < padrao.size()) {
        QChar c = padrao[p];
        if (c == escape && p + 1 < padrao.size()) {
            if (t >= texto.size() || padrao[p + 1].toCaseFolded() != texto[t].toCaseFolded())
                return false;
            p += 2;
            ++t;
            continue;
        }
        if (c == QLatin1Char('%')) {
            while (p < padrao.size() && padrao[p] == QLatin1Char('%'))
                ++p;
            if (p == padrao.size())
                return true;
            for (qsizetype k = t; k <= texto.size(); ++k)
                if (casa(padrao, p, texto, k, escape))
                    return true;
            return false;
        }
        if (t >= texto.size())
            return false;
        if (c != QLatin1Char('_') && c.toCaseFolded() != texto[t].toCaseFolded())
            return false;
        ++p;
        ++t;
    }
    return t == texto.size();
}

void funcaoLike(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    QChar escape;
    if (argc == 3) {
        const QString e = textoDe(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e[0];
    }
    // like(pattern, text[, escape]) is how SQLite calls an overloaded LIKE.
    sqlite3_result_int(ctx, casa(textoDe(argv[0]), 0, textoDe(argv[1]), 0, escape) ? 1 : 0);
}

int colacaoPtBr(void*, int n1, const void* s1, int n2, const void* s2)
{
    const QString a = QString::fromUtf8(static_cast<const char*>(s1), n1);
    const QString b = QString::fromUtf8(static_cast<const char*>(s2), n2);
    const int r = QString::compare(a, b, Qt::CaseInsensitive);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

} // namespace

bool registraFuncoesSqlite(const QSqlDatabase& banco)
{
    const QVariant h = banco.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3* handle = *static_cast<sqlite3* const*>(h.constData());
    if (!handle)
        return false;
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    bool ok = sqlite3_create_function(handle, "upper", 1, flags, nullptr, funcaoUpper, nullptr,
                                      nullptr) == SQLITE_OK;
    ok &= sqlite3_create_function(handle, "lower", 1, flags, nullptr, funcaoLower, nullptr,
                                  nullptr) == SQLITE_OK;
    ok &= sqlite3_create_function(handle, "like", 2, flags, nullptr, funcaoLike, nullptr,
                                  nullptr) == SQLITE_OK;
    ok &= sqlite3_create_function(handle, "like", 3, flags, nullptr, funcaoLike, nullptr,
                                  nullptr) == SQLITE_OK;
    ok &= sqlite3_create_collation(handle, "PTBR", SQLITE_UTF8, nullptr, colacaoPtBr) == SQLITE_OK;
    return ok;
}
