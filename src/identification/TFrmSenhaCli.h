#pragma once

#include "IdentificaCliente.h"
#include "TFrmSenhaBase.h"

// "Identifica CLIENTE": the customer named by the caller (codCli) proves who he is by password
// or print. Ends with mrYes and Cliente, or mrNo; it has no close button.
class TFrmSenhaCli : public TFrmSenhaBase
{
    Q_OBJECT
public:
    TFrmSenhaCli(TDMXAL& dm, const TConfigGeral& config, int codLoja, Interacao& interacao,
                 QWidget* parent = nullptr);

    // Set by the caller before showing.
    int codCli = 0;
    bool checkPermissao = false;
    QString sNivel;

    int Cliente() const { return m_logica.Cliente(); }
    IdentificaCliente& logica() { return m_logica; }

    void reject() override;

protected:
    void aoMostrar() override;
    void showEvent(QShowEvent* evento) override;

private:
    IdentificaCliente m_logica;
};
