#include "TfrmPesquisaFunc.h"

TfrmPesquisaFunc::TfrmPesquisaFunc(TDMXAL& dm, int codLoja, QWidget* parent)
    : TFrmPesquisa(dm, codLoja, parent)
{
    setObjectName(QStringLiteral("frmPesquisaFunc"));
    setWindowTitle(QString::fromUtf8("Pesquisa de Funcionários"));
    definePesquisa(QStringLiteral("FUNCIONARIO"), QStringLiteral("NOME"));
    modelo()->defineColunas({{QStringLiteral("COD_FUNC"), QString::fromUtf8("Código")},
                             {QStringLiteral("NOME"), QStringLiteral("Nome")}});
}

void TfrmPesquisaFunc::DBGridDblClick()
{
    if (CdsPesquisa->vazio())
        return;
    iCodigo = CdsPesquisa->valor(QStringLiteral("COD_FUNC")).toInt();
    close();
}
