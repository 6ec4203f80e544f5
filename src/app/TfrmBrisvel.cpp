#include "TfrmBrisvel.h"

#include "identification/CarregaDigitais.h"

#include "Configuracao.h"
#include "DadosLoja.h"
#include "PainelSenha.h"
#include "SenhaSuporte.h"
#include "TerminalMaquina.h"
#include "data/TDMXAL.h"
#include "platform/Arquivos.h"
#include "platform/Clock.h"
#include "platform/Falha.h"
#include "platform/TokenMaquina.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

namespace
{
TfrmBrisvel* g_principal = nullptr;

QString u(const char* t)
{
    return QString::fromUtf8(t);
}
} // namespace

TfrmBrisvel* frmBrisvel()
{
    return g_principal;
}

TfrmBrisvel::TfrmBrisvel(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint)
{
    g_principal = this;
    setObjectName(QStringLiteral("frmBrisvel"));
    setWindowTitle(QStringLiteral("Brisvel"));

    ConfigGeral.Appname = QStringLiteral("Brisvel");
    ConfigGeral.SiglaApp = QStringLiteral("ZLO");
    ConfigGeral.LogExtenso = false;
    ConfigGeral.VerApp = QStringLiteral("%1%2%3%4")
                             .arg(BRISVEL_VERSION_MAJOR)
                             .arg(BRISVEL_VERSION_MINOR)
                             .arg(BRISVEL_VERSION_PATCH)
                             .arg(BRISVEL_VERSION_TWEAK)
                             .toInt();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    m_area = new QMdiArea(central);
    m_area->setObjectName(QStringLiteral("mdiArea"));
    layout->addWidget(m_area);
    setCentralWidget(central);
    pnSenha = new TPainelSenha(central);

    lbVersao = new QLabel(QString::number(ConfigGeral.VerApp), this);
    lbVersao->setObjectName(QStringLiteral("lbVersao"));
    lbVersao->setContentsMargins(0, 0, 8, 0);
    statusBar()->addPermanentWidget(lbVersao);
    statusBar()->setSizeGripEnabled(false);

    montaMenus();
    aplicaMenus();
    connect(pnSenha, &TPainelSenha::recusado, this,
            [this](const QString& texto) { mostraMensagem(QMessageBox::Information, texto); });
    connect(pnSenha, &TPainelSenha::aceito, this, [this] {
        if (const Abridor& abre = m_abridores.value(JanelaMenu::BloqueioCartela))
            abre();
    });

    // A fixed frame, centred, never larger than the screen it opens on.
    QSize tamanho(1024, 700);
    if (const QScreen* tela = screen())
        tamanho = tamanho.boundedTo(tela->availableGeometry().size());
    setFixedSize(tamanho);
    if (const QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());

    // F10 does nothing anywhere in the program.
    qApp->installEventFilter(this);
}

TfrmBrisvel::~TfrmBrisvel()
{
    qApp->removeEventFilter(this);
    if (g_principal == this)
        g_principal = nullptr;
}

void TfrmBrisvel::defineAbridor(JanelaMenu janela, Abridor abridor)
{
    if (abridor)
        m_abridores.insert(janela, std::move(abridor));
    else
        m_abridores.remove(janela);
    aplicaMenus();
}

void TfrmBrisvel::defineCriadorAtendimento(CriadorAtendimento criador, const QString& tipos)
{
    m_tiposAtendimento = tipos;
    m_criador = std::move(criador);
    aplicaMenus();
}

bool TfrmBrisvel::FormCreate(TDMXAL* dm)
{
    m_dm = dm;
    pnSenha->defineBanco(dm);
    COD_TERM = 0;
    TOKEN.clear();
    TERM_ATIVO = true;
    VerificaVersaoApp();
    try {
        GaranteModeloKit();
    } catch (const Falha& f) {
        mostraMensagem(QMessageBox::Critical, f.mensagem());
    }
    // Without a connection the database module has already said why; the steps below would
    // only repeat it.
    if (!dm || !dm->conectado())
        return true;
    try {
        CODLOJA = PrimeiraLoja(*dm);
    } catch (const Falha& f) {
        mostraMensagem(QMessageBox::Critical, f.mensagem());
        return true;
    }
    IdentificaTerminal();
    if (!TERM_ATIVO) {
        mostraMensagem(QMessageBox::Information, u("Esse terminal não está ativo para uso!"));
        return false;
    }
    try {
        AtualizaSenhaSuporte(*dm, CODLOJA, relogio().hoje());
    } catch (const Falha& f) {
        mostraMensagem(QMessageBox::Critical, f.mensagem());
    }
    return true;
}

void TfrmBrisvel::IdentificaTerminal()
{
    // A machine that cannot be identified works as terminal 0.
    try {
        TOKEN = TokenMaquina();
        const ResultadoTerminal r = ::IdentificaTerminal(*m_dm, TOKEN);
        COD_TERM = r.codTerm;
        TERM_ATIVO = !r.inativo;
    } catch (const Falha&) {
        COD_TERM = 0;
    }
}

void TfrmBrisvel::VerificaVersaoApp() {}

void TfrmBrisvel::CarregaTemplatesBiometria()
{
    if (m_dm && m_dm->conectado())
        InicializaSisBiometrico(*m_dm);
}

void TfrmBrisvel::FormActivate()
{
    m_ativou = true;
    CODFUNC = 1000;
    CODLOJA = 1;
    Estado = QStringLiteral("PB");
    RSOCIAL.clear();
    if (m_dm && m_dm->conectado()) {
        try {
            const EstadoLoja loja = LeEstadoLoja(*m_dm, CODLOJA);
            Estado = loja.Estado;
            RSOCIAL = loja.RSOCIAL;
        } catch (const Falha& f) {
            mostraErroUmaVez(f.mensagem());
        }
    }
    if (QFileInfo::exists(PastaPrograma() + kArquivoAtendimento)) {
        const QString erro = LeConfigGeral(ConfigGeral);
        if (!erro.isEmpty())
            mostraErroUmaVez(erro);
    }
    if (aplicaMenus())
        abreAtendimento(QLatin1Char('C'));
    if (ConfigGeral.HabilitaBiometria)
        CarregaTemplatesBiometria();
}

void TfrmBrisvel::mostraErroUmaVez(const QString& texto)
{
    // Activation comes back after every dialog: repeating an error would never let go.
    if (m_errosMostrados.contains(texto))
        return;
    m_errosMostrados.append(texto);
    mostraMensagem(QMessageBox::Critical, texto);
}

void TfrmBrisvel::abreAtendimento(QChar tipo)
{
    if (!m_criador)
        return;
    m_criouAtendimento = true;
    m_frmAtendimento = m_criador(tipo);
}

bool TfrmBrisvel::event(QEvent* e)
{
    const bool r = QMainWindow::event(e);
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    return r;
}

void TfrmBrisvel::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // Without a window manager the frame may never be activated; its menus still follow
    // the settings.
    if (!m_ativou)
        FormActivate();
}

bool TfrmBrisvel::eventFilter(QObject* alvo, QEvent* e)
{
    const auto tipo = e->type();
    if (tipo == QEvent::KeyPress || tipo == QEvent::KeyRelease ||
        tipo == QEvent::ShortcutOverride) {
        if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_F10)
            return true;
    }
    return QMainWindow::eventFilter(alvo, e);
}

void TfrmBrisvel::closeEvent(QCloseEvent* e)
{
    QMainWindow::closeEvent(e);
    if (e->isAccepted())
        emit fechada();
}

void TfrmBrisvel::mostraMensagem(QMessageBox::Icon icone, const QString& texto)
{
    const QString titulo =
        icone == QMessageBox::Critical ? QStringLiteral("Brisvel") : QStringLiteral("Orlix");
    QMessageBox caixa(icone, titulo, texto, QMessageBox::Ok, this);
    caixa.exec();
}

void TrazParaFrente(QWidget& janela)
{
    janela.setWindowState(janela.windowState() & ~Qt::WindowMinimized);
    janela.show();
    janela.raise();
    janela.activateWindow();
}
