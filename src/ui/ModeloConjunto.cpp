#include "ModeloConjunto.h"

#include "ConjuntoDados.h"

ModeloConjunto::ModeloConjunto(ConjuntoDados* conjunto, QObject* parent)
    : QAbstractTableModel(parent), m_conjunto(conjunto)
{
    // The sets behind the grids are reopened as a whole, so the grid reads them again.
    connect(conjunto, &ConjuntoDados::dadosMudaram, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

void ModeloConjunto::defineColunas(const QList<Coluna>& colunas)
{
    beginResetModel();
    m_colunas = colunas;
    endResetModel();
}

QList<ModeloConjunto::Coluna> ModeloConjunto::colunas() const
{
    if (!m_colunas.isEmpty() || !m_conjunto)
        return m_colunas;
    QList<Coluna> todas;
    for (const QString& c : m_conjunto->campos())
        todas.append({c, c});
    return todas;
}

int ModeloConjunto::rowCount(const QModelIndex& pai) const
{
    return pai.isValid() || !m_conjunto ? 0 : m_conjunto->quantidade();
}

int ModeloConjunto::columnCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(colunas().size());
}

QVariant ModeloConjunto::data(const QModelIndex& indice, int papel) const
{
    if (!indice.isValid() || !m_conjunto || papel != Qt::DisplayRole)
        return {};
    const QList<Coluna> c = colunas();
    if (indice.column() >= c.size())
        return {};
    return m_conjunto->texto(indice.row(), c[indice.column()].campo);
}

QVariant ModeloConjunto::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    const QList<Coluna> c = colunas();
    return secao < c.size() ? QVariant(c[secao].titulo) : QVariant();
}
