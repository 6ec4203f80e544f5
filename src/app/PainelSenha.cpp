#include "PainelSenha.h"

#include "ConferenciaSenha.h"
#include "platform/Falha.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QStyle>
#include <QToolButton>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

// The password shows as asterisks, whatever the desktop style draws by default.
class EstiloAsterisco : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint dica, const QStyleOption* opcao, const QWidget* widget,
                  QStyleHintReturn* retorno) const override
    {
        if (dica == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(dica, opcao, widget, retorno);
    }
};
} // namespace

TPainelSenha::TPainelSenha(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pnSenha"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    edtCod = new QLineEdit(this);
    edtCod->setObjectName(QStringLiteral("edtCod"));
    edtCod->setValidator(new QIntValidator(0, 999999999, edtCod));
    edtCod->setMaximumWidth(90);
    edtNome = new QLineEdit(this);
    edtNome->setObjectName(QStringLiteral("edtNome"));
    edtNome->setReadOnly(true);
    edtNome->setFocusPolicy(Qt::NoFocus);
    edtNome->setMinimumWidth(260);
    edtSenha = new QLineEdit(this);
    edtSenha->setObjectName(QStringLiteral("edtSenha"));
    edtSenha->setEchoMode(QLineEdit::Password);
    edtSenha->setMaxLength(8);
    auto* estilo = new EstiloAsterisco;
    estilo->setParent(edtSenha);
    edtSenha->setStyle(estilo);
    edtSenha->setMaximumWidth(90);

    auto botao = [this](const char* nome, const char* texto, QStyle::StandardPixmap icone) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setText(u(texto));
        b->setIcon(style()->standardIcon(icone));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        return b;
    };
    btOk = botao("btOk", "Ok", QStyle::SP_DialogOkButton);
    btFechar = botao("btFechar", "Fechar", QStyle::SP_DialogCloseButton);

    auto* linhaFunc = new QHBoxLayout;
    linhaFunc->addWidget(edtCod);
    linhaFunc->addWidget(edtNome, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btOk);
    botoes->addWidget(btFechar);
    auto* form = new QFormLayout(this);
    auto* titulo = new QLabel(u("Bloqueio Comanda"), this);
    QFont f = titulo->font();
    f.setBold(true);
    titulo->setFont(f);
    form->addRow(titulo);
    form->addRow(u("Funcionário"), linhaFunc);
    form->addRow(u("Senha"), edtSenha);
    form->addRow(botoes);

    connect(edtCod, &QLineEdit::textChanged, this, &TPainelSenha::edtCodChange);
    connect(edtCod, &QLineEdit::returnPressed, edtSenha, [this] { edtSenha->setFocus(); });
    connect(edtSenha, &QLineEdit::returnPressed, this, &TPainelSenha::btOkClick);
    connect(btOk, &QToolButton::clicked, this, &TPainelSenha::btOkClick);
    connect(btFechar, &QToolButton::clicked, this, &TPainelSenha::btFecharClick);
    hide();
}

void TPainelSenha::abre()
{
    adjustSize();
    if (parentWidget()) {
        const QSize area = parentWidget()->size();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
    show();
    raise();
    edtCod->setFocus();
}

void TPainelSenha::edtCodChange(const QString& texto)
{
    QString nome;
    if (m_dm) {
        try {
            nome = NomeFuncionario(*m_dm, texto);
        } catch (const Falha&) {
            // The name is only a help while typing; the check below tells what went wrong.
        }
    }
    edtNome->setText(nome);
}

void TPainelSenha::btOkClick()
{
    const ResultadoLogin r = m_dm ? ConfereLogin(*m_dm, edtCod->text(), edtSenha->text())
                                  : ResultadoLogin{false, u("Senha Inválida")};
    if (!r.aceito) {
        emit recusado(r.mensagem);
        return;
    }
    btFecharClick();
    emit aceito();
}

void TPainelSenha::btFecharClick()
{
    hide();
    limpa();
}

void TPainelSenha::limpa()
{
    edtCod->clear();
    edtSenha->clear();
}
