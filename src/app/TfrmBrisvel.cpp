#include "TfrmBrisvel.h"

#include "Configuracao.h"

#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

TfrmBrisvel::TfrmBrisvel(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmBrisvel"));
    setWindowTitle(QStringLiteral("Brisvel"));
    resize(1024, 700);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addStretch();
    lbVersao = new QLabel(QString::number(ConfigGeral.VerApp), central);
    lbVersao->setObjectName(QStringLiteral("lbVersao"));
    lbVersao->setAlignment(Qt::AlignRight);
    layout->addWidget(lbVersao);
    setCentralWidget(central);
}
