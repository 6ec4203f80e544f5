#include "BarraCadastro.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace
{
QToolButton* botao(QWidget* barra, const char* nome, const char* dica,
                   QStyle::StandardPixmap imagem)
{
    auto* b = new QToolButton(barra);
    b->setAutoRaise(true);
    b->setIconSize(QSize(24, 24));
    b->setObjectName(QString::fromUtf8(nome));
    b->setToolTip(QString::fromUtf8(dica));
    b->setText(QString::fromUtf8(dica));
    b->setIcon(barra->style()->standardIcon(imagem));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    barra->layout()->addWidget(b);
    return b;
}
} // namespace

BarraCadastro::BarraCadastro(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ToolBar1"));
    auto* linha = new QHBoxLayout(this);
    linha->setContentsMargins(0, 0, 0, 0);
    TBNovo = botao(this, "TBNovo", "Novo registro", QStyle::SP_FileIcon);
    TBSalvar = botao(this, "TBSalvar", "Salvar registro", QStyle::SP_DialogSaveButton);
    TBAlterar = botao(this, "TBAlterar", "Alterar registro", QStyle::SP_FileDialogDetailedView);
    TBCancelar = botao(this, "TBCancelar", "Cancelar registro", QStyle::SP_DialogCancelButton);
    TBDeletar = botao(this, "TBDeletar", "Deletar registro", QStyle::SP_TrashIcon);
    TBVisulizar =
        botao(this, "TBVisulizar", "Pesquisar registros", QStyle::SP_FileDialogContentsView);
    TBSair = botao(this, "TBSair", "Sair", QStyle::SP_DialogCloseButton);
    linha->addStretch();
    TBSalvar->setEnabled(false);
    TBCancelar->setEnabled(false);
}

void BarraCadastro::TrataBotao()
{
    for (QToolButton* b : {TBSair, TBNovo, TBSalvar, TBCancelar, TBAlterar, TBDeletar, TBVisulizar})
        b->setEnabled(!b->isEnabled());
}
