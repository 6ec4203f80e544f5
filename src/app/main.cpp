#include "Configuracao.h"
#include "TfrmBrisvel.h"
#include "data/TDMXAL.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    ConfigGeral.Appname = QStringLiteral("Brisvel");
    ConfigGeral.SiglaApp = QStringLiteral("ZLO");
    ConfigGeral.VerApp = QStringLiteral("%1%2%3%4")
                             .arg(BRISVEL_VERSION_MAJOR)
                             .arg(BRISVEL_VERSION_MINOR)
                             .arg(BRISVEL_VERSION_PATCH)
                             .arg(BRISVEL_VERSION_TWEAK)
                             .toInt();

    TDMXAL dmxal;
    defineDMXAL(&dmxal);
    const QString erro = dmxal.DataModuleCreate();
    if (!erro.isEmpty())
        QMessageBox::critical(nullptr, QStringLiteral("Brisvel"), erro);

    TfrmBrisvel principal;
    principal.show();
    return app.exec();
}
