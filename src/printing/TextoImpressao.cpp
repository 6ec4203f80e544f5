#include "TextoImpressao.h"

#include "platform/Falha.h"

QString RemoveAcentos(const QString& texto)
{
    static const QString com = QStringLiteral("àâêôûãõáéíóúçüÀÂÊÔÛÃÕÁÉÍÓÚÇÜ");
    static const QString sem = QStringLiteral("aaeouaoaeioucuAAEOUAOAEIOUCU");
    QString r = texto;
    for (QChar& c : r) {
        const qsizetype i = com.indexOf(c);
        if (i >= 0)
            c = sem[i];
    }
    return r;
}

void AtribuirParametros(QSqlQuery& query, const QStringList& nomes, const QVariantList& valores)
{
    if (nomes.size() != valores.size())
        throw Falha(QStringLiteral("Quantidade de parâmetros e valores diferente"));
    query.finish();
    for (qsizetype i = 0; i < nomes.size(); ++i) {
        const QString nome =
            nomes[i].startsWith(QLatin1Char(':')) ? nomes[i] : QLatin1Char(':') + nomes[i];
        query.bindValue(nome, valores[i]);
    }
}
