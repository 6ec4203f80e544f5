#pragma once

#include "ModeloConjunto.h"
#include "PesquisaProduto.h"

#include <QDialog>
#include <QPoint>

class ConjuntoDados;
class QFrame;
class QLabel;
class QStatusBar;
class QTableView;

// The borderless product search of the order entry: type-ahead over the active sale
// products; Enter or a double click takes the product code.
class TFrmPesquisaProd : public QDialog
{
    Q_OBJECT
public:
    TFrmPesquisaProd(TDMXAL& dm, int codLoja, QWidget* parent = nullptr);

    // The chosen product code; empty when nothing was chosen.
    QString CodProd;
    // The text typed so far.
    QString texto() const { return sText; }
    void TiraBorda();

    QFrame* Panel1 = nullptr;
    QTableView* DBGrid = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    ConjuntoDados* CdsPesquisa = nullptr;
    QString textoStatus(int painel) const;

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void pesquisa();
    void tecla(QKeyEvent* evento);
    void escolhe();

    PesquisaProduto m_pesquisa;
    ModeloConjunto* m_modelo = nullptr;
    QLabel* m_paineis[2] = {};
    QString sText;
    bool m_arrastando = false;
    QPoint m_origem;
};
