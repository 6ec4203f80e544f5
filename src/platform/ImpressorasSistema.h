#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// The printers installed on the machine (the CUPS queues) and the plain-text page printing on
// one of them. Tests replace it with a double that records what would have been printed.
class ImpressorasSistema
{
public:
    virtual ~ImpressorasSistema() = default;
    // Installed printer names, in the order the system lists them.
    virtual QStringList nomes() const = 0;
    // Draws each line under the previous one, then 13 blank lines to feed the paper past the
    // tear bar, as one job. An empty printer name means the default printer; an empty font
    // keeps the printer's default font. Raises Falha when no job could be made.
    virtual void imprimeLinhas(const QString& impressora, const QStringList& linhas,
                               const QString& fonte) = 0;
};

// The CUPS queues seen through Qt PrintSupport.
std::unique_ptr<ImpressorasSistema> criaImpressorasCups();
