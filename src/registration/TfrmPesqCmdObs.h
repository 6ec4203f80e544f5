#pragma once

#include "ui/TFrmPesquisaSimples.h"

// The ready-made observations, every row of CMD_OBS (inactive ones too) searched by its text;
// CodPesquisa is the chosen COD_OBS, 0 when nothing was chosen.
class TfrmPesqCmdObs : public TFrmPesquisaSimples
{
    Q_OBJECT
public:
    explicit TfrmPesqCmdObs(TDMXAL& dm, QWidget* parent = nullptr);

    // Shows the search modally: the chosen code, 0 when nothing was chosen.
    static int escolhe(TDMXAL& dm, QWidget* parent);
};
