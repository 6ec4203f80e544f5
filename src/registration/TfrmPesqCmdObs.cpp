#include "TfrmPesqCmdObs.h"

#include <QLabel>

TfrmPesqCmdObs::TfrmPesqCmdObs(TDMXAL& dm, QWidget* parent)
    : TFrmPesquisaSimples(dm, QStringLiteral("CMD_OBS"), QStringLiteral("OBSERVACAO"),
                          QStringLiteral("COD_OBS"), parent)
{
    setObjectName(QStringLiteral("frmPesqCmdObs"));
    setWindowTitle(QString::fromUtf8("Observação"));
    lbPesquisa->setText(QString::fromUtf8("Pesquisar por Observação"));
    defineOrdem(QStringLiteral("COD_OBS"));
}

int TfrmPesqCmdObs::escolhe(TDMXAL& dm, QWidget* parent)
{
    TfrmPesqCmdObs pesquisa(dm, parent);
    pesquisa.exec();
    return pesquisa.CodPesquisa();
}
