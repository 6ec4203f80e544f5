#pragma once

#include "data/TDMXAL.h"

#include <QTemporaryDir>
#include <memory>

// A throwaway program folder (BRISVEL_HOME) for one test, with helpers to write its files.
class PastaTeste
{
public:
    PastaTeste();
    ~PastaTeste();
    QString caminho(const QString& arquivo = QString()) const;
    void escreve(const QString& arquivo, const QByteArray& conteudo) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_homeAnterior;
};

// A database module over a new SQLite file in the test folder: the demo shop when demo is
// true, otherwise an empty file that the test fills itself.
std::unique_ptr<TDMXAL> abreBancoTeste(const PastaTeste& pasta, bool demo = true,
                                       QString* erro = nullptr);
