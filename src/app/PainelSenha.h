#pragma once

#include <QFrame>

class QLineEdit;
class QToolButton;
class TDMXAL;

// The login panel that guards card blocking: employee code, name shown as the code is typed,
// masked password. Only employees allowed to take cash out (CHK_SANGRIAS) pass.
class TPainelSenha : public QFrame
{
    Q_OBJECT
public:
    explicit TPainelSenha(QWidget* parent = nullptr);

    void defineBanco(TDMXAL* dm) { m_dm = dm; }
    // Shows the panel centred on its parent with the focus on the code.
    void abre();

signals:
    void aceito();
    void recusado(const QString& mensagem);

private:
    void edtCodChange(const QString& texto);
    void btOkClick();
    void btFecharClick();
    void limpa();

    TDMXAL* m_dm = nullptr;
    QLineEdit* edtCod = nullptr;
    QLineEdit* edtNome = nullptr;
    QLineEdit* edtSenha = nullptr;
    QToolButton* btOk = nullptr;
    QToolButton* btFechar = nullptr;
};
