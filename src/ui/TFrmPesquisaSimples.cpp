#include "TFrmPesquisaSimples.h"

#include "CaixaMensagem.h"
#include "ConjuntoDados.h"
#include "Esquema.h"
#include "RotinasPadrao.h"
#include "platform/Falha.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

TFrmPesquisaSimples::TFrmPesquisaSimples(TDMXAL& dm, const QString& tabela, const QString& campo,
                                         const QString& colunaCodigo, QWidget* parent)
    : QDialog(parent), m_dm(dm), m_tabela(tabela), m_campo(campo), m_colunaCodigo(colunaCodigo)
{
    auto* coluna = new QVBoxLayout(this);
    lbPesquisa = new QLabel(QStringLiteral("Pesquisar por "), this);
    lbPesquisa->setObjectName(QStringLiteral("lbPesquisa"));
    EditPesquisa = new QLineEdit(this);
    EditPesquisa->setObjectName(QStringLiteral("EditPesquisa"));
    connect(EditPesquisa, &QLineEdit::textEdited, EditPesquisa, [this](const QString& t) {
        if (t != t.toUpper()) {
            const int cursor = EditPesquisa->cursorPosition();
            EditPesquisa->setText(t.toUpper());
            EditPesquisa->setCursorPosition(cursor);
        }
    });
    EditPesquisa->installEventFilter(this);
    CdsPesquisa = new ConjuntoDados(dm, this);
    CdsPesquisa->setObjectName(QStringLiteral("CdsPesquisa"));
    m_modelo = new ModeloConjunto(CdsPesquisa, this);
    DBGrid = new QTableView(this);
    DBGrid->setObjectName(QStringLiteral("DBGrid"));
    DBGrid->setModel(m_modelo);
    DBGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid->verticalHeader()->setVisible(false);
    DBGrid->horizontalHeader()->setStretchLastSection(true);
    // Also a double click below the rows: an empty grid is closed that way.
    DBGrid->viewport()->installEventFilter(this);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->addWidget(new QLabel(QStringLiteral("[ Esc = Sair ]"), StatusBar1));
    StatusBar1->addWidget(new QLabel(QStringLiteral("  Enter para pesquisar"), StatusBar1), 1);
    coluna->addWidget(lbPesquisa);
    coluna->addWidget(EditPesquisa);
    coluna->addWidget(DBGrid, 1);
    coluna->addWidget(StatusBar1);
    resize(520, 400);
}

void TFrmPesquisaSimples::PesquisaLista(const QString& Tabela, const QString& Campo,
                                        const QString& EdPesquisa)
{
    Esquema esquema(m_dm);
    const QString ordem = m_ordem.isEmpty()
                              ? QString()
                              : QStringLiteral(" ORDER BY ") + esquema.coluna(Tabela, m_ordem);
    if (!EditPesquisa->text().isEmpty()) {
        const QString coluna = esquema.coluna(Tabela, Campo);
        CdsPesquisa->abre(
            QStringLiteral("SELECT * FROM ") + esquema.tabela(Tabela) +
                QStringLiteral(" WHERE UPPER(") + coluna +
                QStringLiteral(") LIKE :texto ESCAPE '\\'") + ordem,
            {{QStringLiteral("texto"), escapaLike(EdPesquisa.toUpper()) + QLatin1Char('%')}});
        if (CdsPesquisa->vazio()) {
            Mensagem(RotinasPadrao::mensagemNenhumRegistro(EdPesquisa), this);
            EditPesquisa->setFocus();
        }
    } else {
        CdsPesquisa->abre(QStringLiteral("SELECT * FROM ") + esquema.tabela(Tabela) + ordem, {});
    }
    if (!CdsPesquisa->vazio())
        DBGrid->selectRow(0);
}

void TFrmPesquisaSimples::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    try {
        PesquisaLista(m_tabela, m_campo, QString());
    } catch (const Falha& f) {
        CaixaMensagem::mostra(this, QMessageBox::Critical, QStringLiteral("Orlix"), f.mensagem());
    }
    EditPesquisa->setFocus();
}

bool TFrmPesquisaSimples::eventFilter(QObject* alvo, QEvent* evento)
{
    if (alvo == DBGrid->viewport() && evento->type() == QEvent::MouseButtonDblClick) {
        DBGridDblClick();
        return true;
    }
    if (alvo == EditPesquisa && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            try {
                PesquisaLista(m_tabela, m_campo, EditPesquisa->text());
            } catch (const Falha& f) {
                CaixaMensagem::mostra(this, QMessageBox::Critical, QStringLiteral("Orlix"),
                                      f.mensagem());
            }
            return true;
        }
        if (tecla == Qt::Key_Down) {
            DBGrid->setFocus();
            if (!DBGrid->currentIndex().isValid() && m_modelo->rowCount() > 0)
                DBGrid->selectRow(0);
            return true;
        }
    }
    return QDialog::eventFilter(alvo, evento);
}

void TFrmPesquisaSimples::DBGridDblClick()
{
    const QModelIndex atual = DBGrid->currentIndex();
    if (atual.isValid() && !CdsPesquisa->vazio())
        Codigo = CdsPesquisa->valor(atual.row(), m_colunaCodigo).toInt();
    accept();
}
