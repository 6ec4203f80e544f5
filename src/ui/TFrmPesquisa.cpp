#include "TFrmPesquisa.h"

#include "Esquema.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TFrmPesquisa::TFrmPesquisa(TDMXAL& dm, int codLoja, QWidget* parent)
    : TFrmPadrao(dm, codLoja, parent)
{
    setObjectName(QStringLiteral("FrmPesquisa"));
    setWindowTitle(QStringLiteral("FrmPesquisa Padrao"));
    for (QToolButton* b :
         {ToolButton1, ToolButton2, ToolButton9, ToolButton3, TBNovo, TBSalvar, TBAlterar,
          TBCancelar, TBDeletar, TBVisulizar, TBImprimir, TBSair, BtFavoritos})
        b->setVisible(false);
    // The search lives outside the editing area, which stays locked: nothing is edited here.
    PanelCentral->setVisible(false);
    auto* painel = new QWidget(this);
    painel->setObjectName(QStringLiteral("pnPesquisa"));
    auto* coluna = new QVBoxLayout(painel);
    lbPesquisa = new QLabel(QStringLiteral("Pesquisar por "), painel);
    lbPesquisa->setObjectName(QStringLiteral("lbPesquisa"));
    EditPesquisa = new QLineEdit(painel);
    EditPesquisa->setObjectName(QStringLiteral("EditPesquisa"));
    connect(EditPesquisa, &QLineEdit::textEdited, EditPesquisa, [this](const QString& t) {
        if (t != t.toUpper()) {
            const int cursor = EditPesquisa->cursorPosition();
            EditPesquisa->setText(t.toUpper());
            EditPesquisa->setCursorPosition(cursor);
        }
    });
    CdsPesquisa = new ConjuntoDados(dm, this);
    CdsPesquisa->setObjectName(QStringLiteral("CdsPesquisa"));
    m_modelo = new ModeloConjunto(CdsPesquisa, this);
    DBGrid = new QTableView(painel);
    DBGrid->setObjectName(QStringLiteral("DBGrid"));
    DBGrid->setModel(m_modelo);
    DBGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid->setCursor(Qt::PointingHandCursor);
    DBGrid->verticalHeader()->setVisible(false);
    DBGrid->horizontalHeader()->setStretchLastSection(true);
    connect(DBGrid, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        CdsPesquisa->vaiPara(i.row());
        protegido([this] { DBGridDblClick(); });
    });
    coluna->addWidget(lbPesquisa);
    coluna->addWidget(EditPesquisa);
    coluna->addWidget(DBGrid, 1);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(layout->indexOf(StatusBar2), painel, 1);
    defineTextoStatus(0, QStringLiteral("[ Esc = Sair ]"));
    defineTextoStatus(1, QStringLiteral("  Enter para pesquisar"));
    resize(560, 420);
}

void TFrmPesquisa::definePesquisa(const QString& tabela, const QString& campo)
{
    m_tabela = tabela;
    m_campo = campo;
}

void TFrmPesquisa::Pesquisa(const QString& Tabela, const QString& Campo, const QString& EdPesquisa)
{
    Esquema esquema(dm());
    const QString tabela = esquema.tabela(Tabela);
    if (EditPesquisa->text().isEmpty()) {
        CdsPesquisa->abre(QStringLiteral("SELECT * FROM ") + tabela +
                              QStringLiteral(" WHERE COD_LOJA = :loja"),
                          {{QStringLiteral("loja"), CODLOJA()}});
    } else {
        const QString coluna = esquema.coluna(Tabela, Campo);
        CdsPesquisa->abre(
            QStringLiteral("SELECT * FROM ") + tabela +
                QStringLiteral(" WHERE COD_LOJA = :loja AND UPPER(") + coluna +
                QStringLiteral(") LIKE :texto ESCAPE '\\'"),
            {{QStringLiteral("loja"), CODLOJA()},
             {QStringLiteral("texto"), escapaLike(EdPesquisa.toUpper()) + QLatin1Char('%')}});
    }
    if (CdsPesquisa->vazio()) {
        Mensagem(RotinasPadrao::mensagemNenhumRegistro(EdPesquisa));
        EditPesquisa->setFocus();
    } else {
        DBGrid->selectRow(0);
    }
}

void TFrmPesquisa::FormCreate()
{
    TrataDataEdit();
}

void TFrmPesquisa::FormShow()
{
    if (!parentWidget() && screen())
        move(screen()->availableGeometry().center() - rect().center());
    if (!m_tabela.isEmpty())
        Pesquisa(m_tabela, m_campo, QString());
    EditPesquisa->setFocus();
}

void TFrmPesquisa::FormActivate()
{
    move(x(), 180);
}

void TFrmPesquisa::FormKeyPress(QChar& Key)
{
    if (Key == QLatin1Char('\r') && EditPesquisa->hasFocus()) {
        Key = QChar();
        if (!m_tabela.isEmpty())
            Pesquisa(m_tabela, m_campo, valorPesquisado(EditPesquisa->text()));
        return;
    }
    TFrmPadrao::FormKeyPress(Key);
}

void TFrmPesquisa::FormKeyDown(int& Key, Qt::KeyboardModifiers Shift)
{
    if (Key == Qt::Key_Down && EditPesquisa->hasFocus()) {
        Key = 0;
        DBGrid->setFocus();
        if (!DBGrid->currentIndex().isValid() && m_modelo->rowCount() > 0)
            DBGrid->selectRow(0);
        DBGrid->scrollTo(DBGrid->currentIndex());
        return;
    }
    // In the grid the arrows move between rows.
    if ((Key == Qt::Key_Left || Key == Qt::Key_Right) && DBGrid->hasFocus())
        return;
    TFrmPadrao::FormKeyDown(Key, Shift);
}

void TFrmPesquisa::FormCloseQuery(bool& CanClose)
{
    CanClose = true;
}
