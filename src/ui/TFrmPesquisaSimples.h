#pragma once

#include "ModeloConjunto.h"

#include <QDialog>

class ConjuntoDados;
class QLabel;
class QLineEdit;
class QStatusBar;
class QTableView;
class TDMXAL;

// The lighter search window, on a plain window: searches a whole table (no store condition)
// and returns the chosen row's code in CodPesquisa, 0 until a row is chosen.
class TFrmPesquisaSimples : public QDialog
{
    Q_OBJECT
public:
    // tabela and campo: where and by what the window searches; colunaCodigo: the value
    // returned; ordem: a column to order by (empty: none).
    TFrmPesquisaSimples(TDMXAL& dm, const QString& tabela, const QString& campo,
                        const QString& colunaCodigo, QWidget* parent = nullptr);

    int CodPesquisa() const { return Codigo; }
    void setCodPesquisa(int codigo) { Codigo = codigo; }
    void defineOrdem(const QString& coluna) { m_ordem = coluna; }

    void PesquisaLista(const QString& Tabela, const QString& Campo, const QString& EdPesquisa);

    QLabel* lbPesquisa = nullptr;
    QLineEdit* EditPesquisa = nullptr;
    QTableView* DBGrid = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    ConjuntoDados* CdsPesquisa = nullptr;
    ModeloConjunto* modelo() const { return m_modelo; }

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* alvo, QEvent* evento) override;
    virtual void DBGridDblClick();

private:
    TDMXAL& m_dm;
    int Codigo = 0;
    QString m_tabela;
    QString m_campo;
    QString m_colunaCodigo;
    QString m_ordem;
    ModeloConjunto* m_modelo = nullptr;
};
