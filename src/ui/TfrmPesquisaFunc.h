#pragma once

#include "TFrmPesquisa.h"

// Employees of the store by name; a double click takes the code and closes.
class TfrmPesquisaFunc : public TFrmPesquisa
{
    Q_OBJECT
public:
    TfrmPesquisaFunc(TDMXAL& dm, int codLoja, QWidget* parent = nullptr);

    int iCodigo = 0;

protected:
    void DBGridDblClick() override;
};
