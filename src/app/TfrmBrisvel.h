#pragma once

#include <QHash>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class TDMXAL;
class TPainelSenha;

// Windows opened from the main menu, other than the order entry window.
enum class JanelaMenu {
    ClassificaLista,
    PortaImpressao,
    VinculaImpressoraDptoSubDpto,
    CadTerminal,
    CadObservacao,
    ManutencaoPrecoKit,
    RelKit,
    BloqueioCartela,
    ImprimeDav,
    RastreamentoComanda,
    RelOrcamento,
    RelCancelamentos,
    RelProdutFunc,
    RelTerminais,
    RelCondominio,
    RelTicketMedioMesa,
    RelAnaliseProdutoMesa,
    RelComandasAbertas,
    RelProdutosVendidos,
    Atualiza,
};

// The frame of the program: its menu opens every other window, and it keeps the values of
// this machine and store that the other windows read.
class TfrmBrisvel : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmBrisvel(QWidget* parent = nullptr);
    ~TfrmBrisvel() override;

    // The creation steps that need the settings file and the database. False when this
    // machine's terminal is inactive: the program must end at once.
    bool FormCreate(TDMXAL* dm);

    // A menu entry is enabled only when the window it opens has been given here.
    using Abridor = std::function<void()>;
    void defineAbridor(JanelaMenu janela, Abridor abridor);
    // Creates a new order entry window of the type ('C', 'D', 'P' or 'K').
    using CriadorAtendimento = std::function<QWidget*(QChar tipo)>;
    // tipos: the document types the window handles ("CDPK" when all are built).
    void defineCriadorAtendimento(CriadorAtendimento criador,
                                  const QString& tipos = QStringLiteral("CDPK"));
    // The most recently created order entry window (null when none is open).
    QWidget* frmAtendimento() const { return m_frmAtendimento; }
    QMdiArea* areaJanelas() const { return m_area; }

    int CODLOJA = 0;
    int CODFUNC = 0;
    QString Estado;
    QString RSOCIAL;
    QString TOKEN;
    int COD_TERM = 0;
    bool TERM_ATIVO = true;
    bool UPD_AUTO = false;

signals:
    void fechada();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* alvo, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Message boxes of the main window; tests record them instead.
    virtual void mostraMensagem(QMessageBox::Icon icone, const QString& texto);

private:
    void montaMenus();
    QAction* item(QMenu* menu, const char* nome, const char* caption);
    QAction* itemJanela(QMenu* menu, const char* nome, const char* caption, JanelaMenu janela);
    QMenu* submenu(QMenu* pai, const char* nome, const char* caption);
    // True when the settings ask for the comanda window to open by itself now.
    bool aplicaMenus();
    void FormActivate();
    void IdentificaTerminal();
    void abreAtendimento(QChar tipo);
    void mostraErroUmaVez(const QString& texto);
    // Daily question to the version service; filled in with the web service.
    void VerificaVersaoApp();
    // Loads the fingerprint templates of Enroll into slots 1 and 2; filled in with the
    // fingerprint reader.
    void CarregaTemplatesBiometria();

    TDMXAL* m_dm = nullptr;
    QMdiArea* m_area = nullptr;
    QLabel* lbVersao = nullptr;
    TPainelSenha* pnSenha = nullptr;

    QHash<JanelaMenu, QAction*> m_itensJanela;
    QHash<JanelaMenu, Abridor> m_abridores;
    QHash<QString, QAction*> m_itens; // by object name
    CriadorAtendimento m_criador;
    QString m_tiposAtendimento;
    QPointer<QWidget> m_frmAtendimento;
    bool m_criouAtendimento = false;
    bool m_ativou = false;
    QStringList m_errosMostrados;
};

// The program's main window, once created.
TfrmBrisvel* frmBrisvel();

// Shows the window as it was before being minimised and gives it the focus.
void TrazParaFrente(QWidget& janela);
