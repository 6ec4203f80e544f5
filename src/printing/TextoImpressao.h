#pragma once

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The accented Portuguese letters "àâêôûãõáéíóúçüÀÂÊÔÛÃÕÁÉÍÓÚÇÜ" replaced by their plain letters;
// every other character unchanged, length unchanged.
QString RemoveAcentos(const QString& texto);

// Finishes the query and binds each value to the ":name" placeholder of that name (the query
// is prepared by the caller and not run here). Raises Falha when the lists differ in length.
void AtribuirParametros(QSqlQuery& query, const QStringList& nomes, const QVariantList& valores);
