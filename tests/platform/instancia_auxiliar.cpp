// Started twice by tst_instanciaunica: the first copy keeps a minimised window and reports
// when a later start brings it back; the later copy reports and ends.
#include "platform/InstanciaUnica.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTextStream saida(stdout);
    InstanciaUnica instancia(app.arguments().value(1));
    if (!instancia.primeira()) {
        saida << "segunda" << Qt::endl;
        return 0;
    }
    QWidget janela;
    janela.showMinimized();
    QObject::connect(&instancia, &InstanciaUnica::ativacaoPedida, &app, [&] {
        janela.setWindowState(janela.windowState() & ~Qt::WindowMinimized);
        janela.show();
        saida << "ativada minimizada=" << (janela.isMinimized() ? 1 : 0) << Qt::endl;
        QTimer::singleShot(0, &app, &QApplication::quit);
    });
    saida << "primeira" << Qt::endl;
    QTimer::singleShot(20000, &app, &QApplication::quit);
    return app.exec();
}
