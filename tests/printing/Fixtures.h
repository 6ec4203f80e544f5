#pragma once

#include "data/TDMXAL.h"

#include <QDateTime>
#include <QVariant>

// A comanda header of the demo shop (type "C" unless told), returning its DOCUMENTO.
int novaComanda(TDMXAL& dm, int numero, const QString& tipo = QStringLiteral("C"),
                const QDateTime& quando = QDateTime(QDate(2026, 12, 10), QTime(14, 30)));

struct NovoItem {
    int produto = 1;
    double quant = 1;
    QVariant vendedor; // COD_VEND; null: no attendant
    QVariant obs;      // OBS; null: none
    QTime hora = QTime(14, 30);
    QString cancelado; // CHK_CANCELADO when not empty
    QString impresso;  // STS_IMP_ITENS when not empty
};

// Inserts an item with the catalogue statement and returns its AUTONUM.
qint64 novoItem(TDMXAL& dm, int documento, const NovoItem& item);

// STS_IMP_ITENS of the items of a document, in item order ("T", "F" or "-" for NULL).
QString marcas(TDMXAL& dm, int documento);

int conta(TDMXAL& dm, const QString& sql, const Parametros& p = {});
