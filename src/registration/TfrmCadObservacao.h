#pragma once

#include <QDialog>
#include <functional>

class BarraCadastro;
class QFrame;
class QLabel;
class QLineEdit;
class TDMXAL;

// Maintenance of the ready-made observations (CMD_OBS). It opens without a record; one is
// added with "new" or brought with the search, then edited or deleted.
class TfrmCadObservacao : public QDialog
{
    Q_OBJECT
public:
    enum class Estado { Navegando, Inserindo, Editando };

    explicit TfrmCadObservacao(TDMXAL& dm, QWidget* parent = nullptr);

    Estado estado() const { return m_estado; }
    // The code of the record shown; 0 when none.
    int codigo() const { return m_codigo; }

    void Mensagem(const QString& texto);
    void TrataBotao();

    BarraCadastro* ToolBar1 = nullptr;
    QFrame* PanelCentral = nullptr;
    QLabel* lbDescricao = nullptr;
    QLineEdit* edDescricao = nullptr;

protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void TBNovoClick();
    void TBAlterarClick();
    void TBSalvarClick();
    void TBCancelarClick();
    void TBDeletarClick();
    void TBVisulizarClick();
    // Shows the record of that code (none when 0 or not found).
    void abreRegistro(int codigo);
    void defineEstado(Estado estado);
    bool editando() const { return m_estado != Estado::Navegando; }
    // Runs a button's action; a database failure reaches the error box and the window stays
    // as it was.
    std::function<void()> protegido(void (TfrmCadObservacao::*acao)());

    TDMXAL& m_dm;
    Estado m_estado = Estado::Navegando;
    int m_codigo = 0;
    QString m_textoGravado;
};
