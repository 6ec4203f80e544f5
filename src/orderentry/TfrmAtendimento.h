#pragma once

#include "ListasAtendimento.h"
#include "PersistenciaComanda.h"
#include "app/Configuracao.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTableWidget;
class QToolButton;
class QFrame;
class QDateEdit;
class QComboBox;
class TDMXAL;
class Interacao;
class Balanca;
class EntradaItem;

// What the order entry window reaches outside itself. A hook left empty is a feature not
// available on this installation: its key does nothing and its button stays disabled.
struct ServicosAtendimento {
    TDMXAL* dm = nullptr;
    Interacao* interacao = nullptr;
    int codLoja = 1;
    int codTerm = 0;
    // The product search window: the chosen code, 0 when nothing was chosen.
    std::function<int()> pesquisaProduto;
    // The observation dialog: the text chosen for an item (empty removes it), or nothing when
    // the dialog was closed without choosing.
    std::function<std::optional<QString>()> observacaoItem;
    // Production tickets of the document's new items.
    std::function<void(int documento, QChar tipo, const ConfigAtendimento& config)> imprimeProducao;
    // The comanda desk for a document type and card number text.
    std::function<void(QChar tipo, const QString& cartao)> abreMesa;
    // The serial scale of the terminal.
    std::function<std::unique_ptr<Balanca>(const ConfigAtendimento&)> criaBalanca;
};

// The window in which attendants put products on comandas (and, by type, on quotes,
// pre-sales and kits). Several may be open; the newest is TfrmAtendimento::maisRecente().
class TfrmAtendimento : public QWidget
{
    Q_OBJECT
public:
    TfrmAtendimento(QChar sTipo, ServicosAtendimento servicos, QWidget* parent = nullptr);
    ~TfrmAtendimento() override;

    static TfrmAtendimento* maisRecente();

    QChar StipoForm() const { return m_tipo; }
    PersistenciaComanda& persistencia() { return *m_persistencia; }
    const ConfigAtendimento& configuracao() const { return m_config; }

    // Reads the order entry settings; an error text when a key could not be read.
    QString InicializaBrisvel();
    void TrataFormulario(QChar sTipo);
    void LimpaTela();
    void ComandasAbertas();
    // Opens the number typed in EditComanda.
    void InicializaComanda();
    // Writes the item of the product row.
    void InsereComanda();
    void mostraPainelMesa();
    void tabPressionado(QWidget* onde);

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* alvo, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void montaTela();
    void aplicaFoco(Foco foco);
    void recarregaDocumento();
    void buscaProdutoDigitado();
    void depoisDaBusca(bool codigoDigitado);
    void propoeQuantidade();
    void lePeso();
    void limpaProduto();
    void escNoProduto();
    void escNaQuantidade();
    void enterNaQuantidade();
    void observacaoDoItem();
    void atendenteDoItem();
    void pegaDaLista(int linha);
    void reabre();
    void gravaMesa();
    void mostraAtendente();
    bool teclaDoProduto(QKeyEvent* e);
    bool teclaDaQuantidade(QKeyEvent* e);

    QChar m_tipo;
    ServicosAtendimento m_s;
    ConfigAtendimento m_config;
    std::unique_ptr<PersistenciaComanda> m_persistencia;
    std::unique_ptr<EntradaItem> m_entrada;
    std::unique_ptr<ListasAtendimento> m_listas;
    std::unique_ptr<Balanca> m_balanca;
    std::optional<ProdutoSelecionado> m_produto;
    QString m_ultimoCartaoAberto;
    QList<LinhaItem> m_itens;
    QList<LinhaAberta> m_abertas;

    QGroupBox* grpBrisvel = nullptr;
    QLineEdit* EditComanda = nullptr;
    QLabel* lblMesaAtual = nullptr;
    QLineEdit* edMesaAtual = nullptr;
    QPushButton* btVincularCmdConsumo = nullptr;
    QPushButton* btCondicaoPreco = nullptr;
    QComboBox* cbCondicaoPreco = nullptr;
    QLabel* lbNumComanda = nullptr;
    QLineEdit* edProduto = nullptr;
    QToolButton* btPesquisaProduto = nullptr;
    QLineEdit* DBEdit6 = nullptr;
    QLineEdit* DBEdit21 = nullptr;
    QLabel* lblEstoq = nullptr;
    QLineEdit* edEstoq = nullptr;
    QLineEdit* edQuant = nullptr;
    QLabel* lblPreco = nullptr;
    QLineEdit* edPreco = nullptr;
    QTableWidget* dbgEmbalagens = nullptr;
    QLabel* lblTotal = nullptr;
    QLabel* DBText3 = nullptr;
    QLabel* lblFunc = nullptr;
    QGroupBox* Panel7 = nullptr;
    QTableWidget* cxGrid1 = nullptr;
    QPushButton* SpeedButton2 = nullptr;
    QGroupBox* gbDataAberto = nullptr;
    QDateEdit* edDataIni = nullptr;
    QDateEdit* edDataFin = nullptr;
    QPushButton* btPesquisarAbertas = nullptr;
    QFrame* pnIdentificaMesa = nullptr;
    QLineEdit* edMesa = nullptr;
    QLineEdit* edNumOcupante = nullptr;
    QPushButton* btSalvar = nullptr;
    QPushButton* btSair = nullptr;
    QStatusBar* StatusBar2 = nullptr;

    static QPointer<TfrmAtendimento> s_maisRecente;
};
