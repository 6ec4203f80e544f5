#pragma once

#include "IdentificaFuncionario.h"
#include "TFrmSenhaBase.h"

// "Identifica Funcionário": an employee identifies himself by code or badge and password, or
// by print, before a sensitive operation. Ends with mrYes and Funcionario, mrNo, or mrCancel.
class TFrmSenhaFun : public TFrmSenhaBase
{
    Q_OBJECT
public:
    TFrmSenhaFun(TDMXAL& dm, const TConfigGeral& config, int codLoja, Interacao& interacao,
                 QWidget* parent = nullptr);

    // Set by the caller before showing: the SENHA column that must hold 'T'.
    bool VerificaPermissao = false;
    QString CampoPermissao;

    int Funcionario() const { return m_logica.Funcionario(); }
    void setFuncionario(int codigo) { m_logica.setFuncionario(codigo); }
    IdentificaFuncionario& logica() { return m_logica; }

protected:
    void aoMostrar() override;
    void showEvent(QShowEvent* evento) override;

private:
    IdentificaFuncionario m_logica;
};
