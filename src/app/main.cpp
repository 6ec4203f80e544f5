#include "TfrmBrisvel.h"
#include "data/TDMXAL.h"
#include "platform/InstanciaUnica.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    // A second start only brings the running copy to the front.
    InstanciaUnica instancia;
    if (!instancia.primeira())
        return 0;

    TDMXAL dmxal;
    defineDMXAL(&dmxal);
    const QString erro = dmxal.DataModuleCreate();
    if (!erro.isEmpty())
        QMessageBox::critical(nullptr, QStringLiteral("Brisvel"), erro);

    TfrmBrisvel principal;
    if (!principal.FormCreate(&dmxal))
        return 0;
    QObject::connect(&instancia, &InstanciaUnica::ativacaoPedida, &principal,
                     [&principal] { TrazParaFrente(principal); });
    QObject::connect(&principal, &TfrmBrisvel::fechada, &app, &QApplication::quit);
    principal.show();
    return app.exec();
}
