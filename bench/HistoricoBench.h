#pragma once

#include "data/TDMXAL.h"

#include <QTemporaryDir>

// A demo shop with a long history: settled comandas of 4 items each (cards 1 to 150 reused
// again and again) and open comandas of 3 items, made once per size.
class HistoricoBench
{
public:
    HistoricoBench(int comandasFechadas, int comandasAbertas);
    QString caminho() const { return m_dir.filePath(QStringLiteral("shop.db")); }
    static DescricaoConexao conexao(const QString& caminho)
    {
        DescricaoConexao c;
        c.texto = caminho;
        return c;
    }

private:
    QTemporaryDir m_dir;
};
