#pragma once

#include "ModeloConjunto.h"
#include "TFrmPadrao.h"

class QTableView;

// The standard search window: an upper-case search field over a read-only grid of one table
// of the current store. A descendant names the table, the column searched and the grid's
// columns, and takes the chosen row on a double click.
class TFrmPesquisa : public TFrmPadrao
{
    Q_OBJECT
public:
    TFrmPesquisa(TDMXAL& dm, int codLoja, QWidget* parent = nullptr);

    int iCodigo = 0;

    // Fills the grid with the store's rows whose column starts with the text; the whole
    // store's list when the search field is empty.
    void Pesquisa(const QString& Tabela, const QString& Campo, const QString& EdPesquisa);

    QLabel* lbPesquisa = nullptr;
    QLineEdit* EditPesquisa = nullptr;
    QTableView* DBGrid = nullptr;
    ConjuntoDados* CdsPesquisa = nullptr;
    ModeloConjunto* modelo() const { return m_modelo; }

protected:
    // Table and column the window searches, and how the typed text is searched (descendants
    // with numeric columns search its digits).
    void definePesquisa(const QString& tabela, const QString& campo);
    virtual QString valorPesquisado(const QString& texto) const { return texto; }
    // A double click on a row of the grid.
    virtual void DBGridDblClick() {}

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    void FormKeyPress(QChar& Key) override;
    void FormKeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
    void FormCloseQuery(bool& CanClose) override;

private:
    ModeloConjunto* m_modelo = nullptr;
    QString m_tabela;
    QString m_campo;
};
