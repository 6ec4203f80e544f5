#include "Falha.h"
#include "ImpressorasSistema.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cups/cups.h>

namespace
{

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

// Qt spools a job on a queue that refuses it, or that is stopped, without a word: the ticket
// would count as printed and never reach the station. Such a queue is refused here.
void confereFila(const QString& nome)
{
    cups_dest_t* destino = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nome.toUtf8().constData(), nullptr);
    if (!destino)
        return; // not a CUPS queue Qt could not print to either; Qt reports it
    const char* aceita =
        cupsGetOption("printer-is-accepting-jobs", destino->num_options, destino->options);
    const char* estado = cupsGetOption("printer-state", destino->num_options, destino->options);
    const bool recusa = aceita && qstrcmp(aceita, "false") == 0;
    const bool parada = estado && qstrcmp(estado, "5") == 0;
    cupsFreeDests(1, destino);
    if (recusa)
        throw Falha(u("A impressora ") + nome + u(" não está aceitando trabalhos"));
    if (parada)
        throw Falha(u("A impressora ") + nome + u(" está parada (fora de linha)"));
}

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
        confereFila(nome);
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
        // The job is handed to CUPS when the painter ends, on this thread's CUPS connection.
        if (!p.end() || cupsLastError() > IPP_STATUS_OK_CONFLICTING)
            throw Falha(QStringLiteral("Não foi possível concluir a impressão em ") + nome +
                        (cupsLastError() > IPP_STATUS_OK_CONFLICTING
                             ? u(": ") + QString::fromUtf8(cupsLastErrorString())
                             : QString()));
    }
};

} // namespace

std::unique_ptr<ImpressorasSistema> criaImpressorasCups()
{
    return std::make_unique<ImpressorasCups>();
}
