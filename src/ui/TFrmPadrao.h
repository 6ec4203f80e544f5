#pragma once

#include "ConjuntoDados.h"
#include "InteracaoJanela.h"
#include "RotinasPadrao.h"

#include <QDialog>
#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QStatusBar;
class QToolButton;

// The base of the record windows: tool bars of record actions, a status bar, an editing area
// locked outside editing, the record set with its new/save/edit/cancel flow, the keyboard
// conventions (Enter to the next field, letters upper-cased, Esc closes) and the focus colour.
// A descendant overrides the virtual handlers it replaces and calls the base ones where it
// wants their behaviour too.
class TFrmPadrao : public QDialog
{
    Q_OBJECT
public:
    TFrmPadrao(TDMXAL& dm, int codLoja, QWidget* parent = nullptr);
    ~TFrmPadrao() override;

    // The colour of a focused edit ($E6FFFF, pale yellow).
    static QColor corFoco();

    QString NomeMenu;
    // Table of the duplicate test on save (set by the descendant); empty: no test.
    QString TabelaVerifica;

    TDMXAL& dm() const { return m_dm; }
    int CODLOJA() const { return m_codLoja; }
    RotinasPadrao& rotinas() { return m_rotinas; }
    virtual Interacao& interacao() { return m_interacao; }
    // "INCLUIDO" after new, "ALTERADO" after edit.
    QString operacao() const { return m_operacao; }
    // The dataset of the record being maintained: CdsPadrao unless set to another.
    ConjuntoDados* DsPadrao() const { return m_dsPadrao; }
    void defineDsPadrao(ConjuntoDados* conjunto);
    QString textoStatus(int painel) const;
    void defineTextoStatus(int painel, const QString& texto);

    // Actions also reachable from the menus.
    void Novo() { TBNovoClick(); }
    void Salvar() { TBSalvarClick(); }
    void Alterar() { TBAlterarClick(); }
    void Cancelar() { TBCancelarClick(); }

    // Routines offered to descendants.
    void Mensagem(const QString& strTexto);
    void MensagemAtencao(const QString& strTexto);
    int MsgDinamica(const QString& texto, const QStringList& sButoes,
                    QMessageBox::StandardButtons Butoes);
    void TrataBotao();
    void TrataPage(bool Status);
    void TrataDataEdit();
    bool Verifica_Campo();
    bool VerificaSeExiste(const QString& Tabela);
    void Pesquisa(const QString& Tabela, const QString& Campo, const QString& Igual);
    int AutoInc(const QString& Tabela, const QString& Coluna);
    bool VerificaDelete(const QString& Tabela, const QString& Campo, const QVariant& Valor);
    void ProcuraFunc(const QString& strParam);
    int ProcuraProd(const QString& Tabela, const QString& Campo, const QString& strParam,
                    int intParam);
    // What the last ProcuraProd learnt (scale label value, package factor).
    const ProdutoEncontrado& ultimoProduto() const { return m_ultimoProduto; }
    void FormataField(ConjuntoDados& DataSet);
    QString Casas_Decimais();
    QString Caption_MargMark();
    void NomeImpressora();
    bool verificaimpressora();
    void EntraCor(QWidget* Sender);
    void SaiCor(QWidget* Sender);
    bool ValidaCampo(const QString& campo);
    bool ValidaCampo2();
    // Binds an edit to a column of DsPadrao (shown and written while editing).
    void ligaCampo(QLineEdit* edit, const QString& campo);
    QWidget* editDoCampo(const QString& campo) const;

    // Controls.
    QWidget* CoolBar1 = nullptr;
    QWidget* ToolBar1 = nullptr;
    QToolButton* ToolButton1 = nullptr;
    QToolButton* ToolButton2 = nullptr;
    QToolButton* ToolButton9 = nullptr;
    QToolButton* ToolButton3 = nullptr;
    QLabel* pnSis = nullptr;
    QWidget* CoolBar2 = nullptr;
    QWidget* ToolBar2 = nullptr;
    QToolButton* TBNovo = nullptr;
    QToolButton* TBSalvar = nullptr;
    QToolButton* TBAlterar = nullptr;
    QToolButton* TBCancelar = nullptr;
    QToolButton* TBDeletar = nullptr;
    QToolButton* TBVisulizar = nullptr;
    QToolButton* TBImprimir = nullptr;
    QToolButton* TBSair = nullptr;
    QToolButton* BtFavoritos = nullptr;
    QLabel* PanelHint = nullptr;
    QStatusBar* StatusBar2 = nullptr;
    QFrame* PanelCentral = nullptr;
    QMenu* PopSair = nullptr;
    QMenu* PopEditar = nullptr;
    QMenu* PopRelatorio = nullptr;
    QMenu* PopPesquisar = nullptr;

    ConjuntoDados* CdsPadrao = nullptr;
    ConjuntoDados* CdsVerifica = nullptr;
    ConjuntoDados* CdsConfig = nullptr;
    ConjuntoDados* CdsLoja = nullptr;

    void done(int resultado) override;

protected:
    // Handlers a descendant may replace. FormCreate runs once, at the first showing, so that
    // the descendant's own runs (a constructor cannot reach it).
    virtual void FormCreate();
    virtual void FormShow();
    virtual void FormActivate();
    virtual void FormClose();
    virtual void FormCloseQuery(bool& CanClose);
    // Key is the typed character; set it to QChar() to consume it, or change it.
    virtual void FormKeyPress(QChar& Key);
    // Key is the Qt key code; set it to 0 to consume it.
    virtual void FormKeyDown(int& Key, Qt::KeyboardModifiers Shift);
    virtual void TBNovoClick();
    virtual void TBSalvarClick();
    virtual void TBAlterarClick();
    virtual void TBCancelarClick();
    virtual void TBDeletarClick() {}
    virtual void TBVisulizarClick() {}
    virtual void TBImprimirClick() {}
    virtual void BtFavoritosClick() {}
    virtual void TBSairClick();
    virtual void DsPadraoStateChange();
    virtual void DsPadraoDataChange();
    virtual void CdsPadraoAfterOpen();
    virtual void CdsPadraoBeforeApplyUpdates() {}
    // The server refused the pending changes: hint, or the server's message.
    virtual void CdsPadraoReconcileError(const QString& mensagem);

    // Runs a handler from an event: a failure is shown in the error dialog and the window
    // stays as it was (an exception must not cross the event loop).
    void protegido(const std::function<void()>& acao);
    // A handler bound to a signal, run protected (virtual: a descendant's own runs).
    std::function<void()> acao(void (TFrmPadrao::*handler)());
    // Applies DsPadrao's pending changes; false (the record back in editing) when refused.
    bool aplicaAlteracoes();
    // Focus moves of the keyboard conventions.
    void proximoCampo() { focusNextPrevChild(true); }
    void campoAnterior() { focusNextPrevChild(false); }

    bool eventFilter(QObject* alvo, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    bool event(QEvent* evento) override;

private:
    void montaBarras();
    void atualizaCamposLigados();
    bool trataTecla(QObject* alvo, QKeyEvent* tecla);
    bool ehDestaJanela(QObject* alvo) const;

    TDMXAL& m_dm;
    int m_codLoja;
    InteracaoJanela m_interacao;
    RotinasPadrao m_rotinas;
    ProdutoEncontrado m_ultimoProduto;
    ConjuntoDados* m_dsPadrao = nullptr;
    QString m_operacao;
    QString m_caption;
    QLabel* m_paineis[3] = {};
    QList<QPair<QString, QLineEdit*>> m_camposLigados; // in the order they were bound
    QLineEdit* m_editLigadoAtivo = nullptr;
    bool m_criado = false;
    bool m_reenviando = false;
    // The key event last seen and its first receiver: an ignored key travels up to the
    // parents, and must be handled once.
    const QEvent* m_ultimaTecla = nullptr;
    QPointer<QWidget> m_ultimoAlvo;
};
