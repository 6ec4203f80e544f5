#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>

class ConjuntoDados;

// The rows of a record set as a read-only table for a grid, with the columns the window
// chooses (every column of the set when none is chosen).
class ModeloConjunto : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Coluna {
        QString campo;
        QString titulo;
    };

    explicit ModeloConjunto(ConjuntoDados* conjunto, QObject* parent = nullptr);
    void defineColunas(const QList<Coluna>& colunas);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;

private:
    QList<Coluna> colunas() const;

    QPointer<ConjuntoDados> m_conjunto;
    QList<Coluna> m_colunas;
};
