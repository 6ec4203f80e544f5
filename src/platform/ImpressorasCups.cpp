#include "Falha.h"
#include "ImpressorasSistema.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace
{

class ImpressorasCups : public ImpressorasSistema
{
public:
    QStringList nomes() const override { return QPrinterInfo::availablePrinterNames(); }

    void imprimeLinhas(const QString& impressora, const QStringList& linhas,
                       const QString& fonte) override
    {
        const QString nome = impressora.isEmpty() ? QPrinterInfo::defaultPrinterName() : impressora;
        if (nome.isEmpty())
            throw Falha(QStringLiteral("Nenhuma impressora instalada"));
        if (QPrinterInfo::printerInfo(nome).isNull())
            throw Falha(QStringLiteral("Impressora não encontrada: ") + nome);
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(nome);
        printer.setDocName(QStringLiteral("Brisvel"));
        printer.setFullPage(true);
        QPainter p;
        if (!p.begin(&printer))
            throw Falha(QStringLiteral("Não foi possível iniciar a impressão em ") + nome);
        if (!fonte.isEmpty())
            p.setFont(QFont(fonte));
        const QFontMetrics fm = p.fontMetrics();
        const int altura = fm.height();
        const int fimPagina = printer.pageLayout().paintRectPixels(printer.resolution()).height();
        int y = 0;
        // A long ticket goes on in a new page rather than being drawn past the paper's end.
        auto desenha = [&](const QString& texto) {
            if (y > 0 && y + altura > fimPagina) {
                printer.newPage();
                y = 0;
            }
            p.drawText(QPoint(0, y + fm.ascent()), texto);
        };
        for (const QString& linha : linhas) {
            desenha(linha);
            y += altura;
        }
        for (int i = 0; i < 13; ++i) {
            y += altura;
            desenha(QStringLiteral("   "));
        }
        if (!p.end())
            throw Falha(QStringLiteral("Não foi possível concluir a impressão em ") + nome);
    }
};

} // namespace

std::unique_ptr<ImpressorasSistema> criaImpressorasCups()
{
    return std::make_unique<ImpressorasCups>();
}
