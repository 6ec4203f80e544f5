#pragma once

#include <QDialog>
#include <optional>

class BarraCadastro;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class TDMXAL;

// The dialog in which an attendant types the observation of one item or picks a ready-made
// one. PObservacao holds the text chosen; nothing when the dialog was closed without one.
class TfrmPesquisaObsCmd : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmPesquisaObsCmd(TDMXAL& dm, QWidget* parent = nullptr);

    const std::optional<QString>& PObservacao() const { return m_observacao; }

    // Shows the dialog modally and returns what it chose.
    static std::optional<QString> escolhe(TDMXAL& dm, QWidget* parent);

    QLabel* lbObs = nullptr;
    QLineEdit* edObs = nullptr;
    QPushButton* BitBtn1 = nullptr;
    BarraCadastro* ToolBar1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void BitBtn1Click();
    void TBSalvarClick();
    void edObsEnter();

    TDMXAL& m_dm;
    std::optional<QString> m_observacao;
};
