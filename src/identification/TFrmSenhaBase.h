#pragma once

#include "Identificacao.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QStatusBar;
class QTimer;
class TXALFinger;

// What the two identification dialogs share: code and password fields, the badge cover, the
// name of the person found, the reader picture, the one-second close timer, the keys (Esc
// refuses, F8 reads a print, Enter moves from code to password and confirms the password) and
// the pale yellow of the focused field. The rules stay in the IdentificacaoPessoa given.
class TFrmSenhaBase : public QDialog
{
    Q_OBJECT
public:
    TFrmSenhaBase(IdentificacaoPessoa& regras, Interacao& interacao, const QString& titulo,
                  QWidget* parent);
    ~TFrmSenhaBase() override;

    // Sets the caption when the text is not empty.
    void MudaCaption(const QString& sMensagem);
    bool SolicitaSenha() const { return m_regras.SolicitaSenha; }
    void setSolicitaSenha(bool valor) { m_regras.SolicitaSenha = valor; }

    void done(int resultado) override;
    void reject() override;

    static QColor corFoco();   // $E6FFFF
    static QColor corJanela(); // clWindow
    static QColor corBotao();  // clBtnFace

    QLineEdit* edCodigo = nullptr;
    QLineEdit* edSenha = nullptr;
    QLabel* pnCod = nullptr;
    QLabel* DBText1 = nullptr;
    TXALFinger* XALFinger1 = nullptr;
    QTimer* Timer1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* painelStatus[3] = {};

protected:
    // Showing: the rules of each dialog.
    virtual void aoMostrar() = 0;
    // Runs the fingerprint procedure and applies its answer.
    void executaBiometria();
    // Applies an answer of the rules; queued focus when inside a focus change.
    void aplica(const Resposta& r, bool focoAdiado = false);
    void HabilitaCampo(QLineEdit* ed);
    void DesabilitaCampo(QLineEdit* ed);
    void mostraAtalhoBiometria();
    void cobreCodigo();

    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

    IdentificacaoPessoa& m_regras;
    Interacao& m_interacao;

private:
    bool trataTecla(QKeyEvent* evento, QObject* origem);
    void saiCodigo();
    void confirmaSenha();
    void pintaFoco(QLineEdit* ed, bool focado);
    void leitorIdentificou(QObject* sender, const QString& identificador);

    bool m_mostrado = false;
};
