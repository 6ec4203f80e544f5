#include "TFrmSenhaBase.h"

#include "TXALFinger.h"
#include "platform/Falha.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace
{
// Codes are numbers; badges are longer numbers. Nothing else can be typed.
const QRegularExpression kCodigoValido(QStringLiteral("-?[0-9]{0,20}"));
constexpr int kIntervaloFecha = 1000;
} // namespace

QColor TFrmSenhaBase::corFoco()
{
    return TXALFinger::corDeTColor(0xE6FFFF);
}

QColor TFrmSenhaBase::corJanela()
{
    return QColor(Qt::white);
}

QColor TFrmSenhaBase::corBotao()
{
    return QColor(0xF0, 0xF0, 0xF0);
}

TFrmSenhaBase::TFrmSenhaBase(IdentificacaoPessoa& regras, Interacao& interacao,
                             const QString& titulo, QWidget* parent)
    : QDialog(parent), m_regras(regras), m_interacao(interacao)
{
    setWindowTitle(titulo);
    setModal(true);

    auto* pnCentral = new QWidget(this);
    pnCentral->setObjectName(QStringLiteral("pnCentral"));
    pnCentral->setFixedSize(260, 124);

    auto* lbCodigo = new QLabel(QStringLiteral("Código"), pnCentral);
    lbCodigo->move(13, 5);
    edCodigo = new QLineEdit(pnCentral);
    edCodigo->setObjectName(QStringLiteral("edCodigo"));
    edCodigo->setGeometry(13, 22, 130, 24);
    edCodigo->setValidator(new QRegularExpressionValidator(kCodigoValido, edCodigo));
    edCodigo->setMaxLength(21);

    pnCod = new QLabel(QStringLiteral("******"), pnCentral);
    pnCod->setObjectName(QStringLiteral("pnCod"));
    pnCod->setFrameShape(QFrame::Panel);
    pnCod->setAlignment(Qt::AlignCenter);
    pnCod->setAutoFillBackground(true);
    pnCod->hide();

    auto* lbSenha = new QLabel(QStringLiteral("Senha"), pnCentral);
    lbSenha->move(13, 50);
    edSenha = new QLineEdit(pnCentral);
    edSenha->setObjectName(QStringLiteral("edSenha"));
    edSenha->setGeometry(13, 67, 130, 24);
    edSenha->setMaxLength(6);
    edSenha->setEchoMode(QLineEdit::Password);
    edSenha->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));

    DBText1 = new QLabel(pnCentral);
    DBText1->setObjectName(QStringLiteral("DBText1"));
    DBText1->setGeometry(13, 98, 240, 20);

    XALFinger1 = new TXALFinger(pnCentral);
    XALFinger1->setObjectName(QStringLiteral("XALFinger1"));
    XALFinger1->setGeometry(165, 12, 80, 80);
    XALFinger1->CorNormal = corBotao();
    XALFinger1->CorQuandoAchar = corBotao();
    XALFinger1->CorDaFonte = TXALFinger::corDeTColor(5329233);
    connect(XALFinger1, &TXALFinger::OnIdentify, this, &TFrmSenhaBase::leitorIdentificou);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kIntervaloFecha);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] { done(mrYes); });

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i) {
        painelStatus[i] = new QLabel(StatusBar1);
        painelStatus[i]->setObjectName(QStringLiteral("painelStatus%1").arg(i + 1));
        StatusBar1->addWidget(painelStatus[i], i == 2 ? 1 : 0);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnCentral);
    layout->addWidget(StatusBar1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(edCodigo, edSenha);
    edCodigo->installEventFilter(this);
    edSenha->installEventFilter(this);
    connect(edCodigo, &QLineEdit::textChanged, this, &TFrmSenhaBase::cobreCodigo);
    HabilitaCampo(edCodigo);
    HabilitaCampo(edSenha);
}

TFrmSenhaBase::~TFrmSenhaBase() = default;

void TFrmSenhaBase::MudaCaption(const QString& sMensagem)
{
    if (!sMensagem.isEmpty())
        setWindowTitle(sMensagem);
}

void TFrmSenhaBase::done(int resultado)
{
    Timer1->stop();
    XALFinger1->Close();
    QDialog::done(resultado);
}

void TFrmSenhaBase::reject()
{
    // The window's close button.
    done(mrCancel);
}

void TFrmSenhaBase::HabilitaCampo(QLineEdit* ed)
{
    ed->setEnabled(true);
    ed->setFocusPolicy(Qt::StrongFocus);
    pintaFoco(ed, ed->hasFocus());
}

void TFrmSenhaBase::DesabilitaCampo(QLineEdit* ed)
{
    ed->setEnabled(false);
    ed->setFocusPolicy(Qt::NoFocus);
    QPalette p = ed->palette();
    p.setColor(QPalette::Disabled, QPalette::Base, corBotao());
    p.setColor(QPalette::Active, QPalette::Base, corBotao());
    p.setColor(QPalette::Inactive, QPalette::Base, corBotao());
    ed->setPalette(p);
}

void TFrmSenhaBase::pintaFoco(QLineEdit* ed, bool focado)
{
    if (!ed->isEnabled())
        return;
    QPalette p = ed->palette();
    const QColor cor = focado ? corFoco() : corJanela();
    p.setColor(QPalette::Active, QPalette::Base, cor);
    p.setColor(QPalette::Inactive, QPalette::Base, cor);
    ed->setPalette(p);
}

void TFrmSenhaBase::mostraAtalhoBiometria()
{
    if (m_regras.biometriaHabilitada())
        painelStatus[2]->setText(QStringLiteral(" [ F8 = Biometria ]"));
}

void TFrmSenhaBase::cobreCodigo()
{
    // A badge number is not shown: the panel covers the field while it holds one.
    if (edCodigo->text().size() > 6) {
        pnCod->setGeometry(edCodigo->geometry());
        pnCod->raise();
        pnCod->show();
    } else {
        pnCod->hide();
    }
}

void TFrmSenhaBase::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (m_mostrado)
        return;
    m_mostrado = true;
    // After the window is up, so that a print capture or a refusal comes from a shown dialog.
    QTimer::singleShot(0, this, [this] {
        if (result() == mrNone && isVisible())
            aoMostrar();
    });
}

void TFrmSenhaBase::executaBiometria()
{
    aplica(m_regras.biometria());
}

void TFrmSenhaBase::aplica(const Resposta& r, bool focoAdiado)
{
    if (r.foco == Resposta::Foco::Codigo && !focoAdiado && edCodigo->isEnabled())
        edCodigo->setFocus(Qt::OtherFocusReason);
    if (r.codigo)
        edCodigo->setText(*r.codigo);
    if (r.senha)
        edSenha->setText(*r.senha);
    if (r.limpaSenha)
        edSenha->clear();
    DBText1->setText(m_regras.nome());
    if (r.resultado != mrNone) {
        done(r.resultado);
        return;
    }
    if (r.aceitaAposPausa)
        Timer1->start();
    QLineEdit* destino = r.foco == Resposta::Foco::Senha    ? edSenha
                         : r.foco == Resposta::Foco::Codigo ? edCodigo
                                                            : nullptr;
    if (destino && destino->isEnabled() && (focoAdiado || destino == edSenha)) {
        if (focoAdiado)
            QTimer::singleShot(0, destino, [destino] { destino->setFocus(Qt::OtherFocusReason); });
        else
            destino->setFocus(Qt::OtherFocusReason);
    }
}

void TFrmSenhaBase::saiCodigo()
{
    try {
        aplica(m_regras.saiCodigo(edCodigo->text()), true);
    } catch (const Falha& f) {
        m_interacao.erro(f.mensagem());
    }
}

void TFrmSenhaBase::confirmaSenha()
{
    try {
        aplica(m_regras.confirmaSenha(edSenha->text()));
    } catch (const Falha& f) {
        m_interacao.erro(f.mensagem());
    }
}

void TFrmSenhaBase::leitorIdentificou(QObject*, const QString& identificador)
{
    try {
        aplica(m_regras.leitorIdentificou(identificador));
    } catch (const Falha& f) {
        m_interacao.erro(f.mensagem());
    }
}

bool TFrmSenhaBase::trataTecla(QKeyEvent* evento, QObject* origem)
{
    switch (evento->key()) {
    case Qt::Key_Escape:
        done(mrNo);
        return true;
    case Qt::Key_F8:
        executaBiometria();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (origem == edCodigo) {
            edSenha->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (origem == edSenha) {
            confirmaSenha();
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool TFrmSenhaBase::eventFilter(QObject* objeto, QEvent* evento)
{
    auto* ed = qobject_cast<QLineEdit*>(objeto);
    if (!ed)
        return QDialog::eventFilter(objeto, evento);
    switch (evento->type()) {
    case QEvent::KeyPress:
        if (trataTecla(static_cast<QKeyEvent*>(evento), objeto))
            return true;
        break;
    case QEvent::FocusIn: {
        pintaFoco(ed, true);
        const auto razao = static_cast<QFocusEvent*>(evento)->reason();
        // Entering the code field starts a new code; coming back to the window does not.
        if (ed == edCodigo && razao != Qt::ActiveWindowFocusReason &&
            razao != Qt::PopupFocusReason) {
            pnCod->hide();
            edCodigo->clear();
        }
        break;
    }
    case QEvent::FocusOut: {
        pintaFoco(ed, false);
        const auto razao = static_cast<QFocusEvent*>(evento)->reason();
        if (ed == edCodigo && razao != Qt::ActiveWindowFocusReason &&
            razao != Qt::PopupFocusReason && isVisible() && result() == mrNone &&
            edCodigo->isEnabled())
            saiCodigo();
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFrmSenhaBase::keyPressEvent(QKeyEvent* evento)
{
    if (!trataTecla(evento, this))
        QDialog::keyPressEvent(evento);
}
