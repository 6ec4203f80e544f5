#pragma once

#include "platform/Falha.h"
#include "platform/ImpressorasSistema.h"

#include <functional>

// Installed printers for tests: a fixed list, and every page job recorded instead of printed.
class ImpressorasGravadas : public ImpressorasSistema
{
public:
    struct Trabalho {
        QString impressora; // "" = the default printer
        QStringList linhas;
        QString fonte;
    };

    QStringList instaladas;
    QList<Trabalho> trabalhos;
    // Called before each job is recorded; a test may raise Falha from it (printer offline)
    // or change the database meanwhile.
    std::function<void(const Trabalho&)> aoImprimir;

    QStringList nomes() const override { return instaladas; }
    void imprimeLinhas(const QString& impressora, const QStringList& linhas,
                       const QString& fonte) override
    {
        Trabalho t{impressora, linhas, fonte};
        if (aoImprimir)
            aoImprimir(t);
        trabalhos.append(t);
    }
};
