// The routines and data-aware edits that TFrmPadrao offers its descendants.
#include "CaixaMensagem.h"
#include "Impressoras.h"
#include "TFrmPadrao.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>

void TFrmPadrao::Mensagem(const QString& strTexto)
{
    ::Mensagem(strTexto, this);
}

void TFrmPadrao::MensagemAtencao(const QString& strTexto)
{
    ::MensagemAtencao(strTexto, this);
}

int TFrmPadrao::MsgDinamica(const QString& texto, const QStringList& sButoes,
                            QMessageBox::StandardButtons Butoes)
{
    return ::MsgDinamica(texto, sButoes, Butoes, this);
}

void TFrmPadrao::TrataDataEdit()
{
    for (QDateEdit* data : findChildren<QDateEdit*>()) {
        data->setCalendarPopup(true);
        QCalendarWidget* calendario = data->calendarWidget();
        calendario->setFirstDayOfWeek(Qt::Sunday);
        QTextCharFormat fimDeSemana = calendario->weekdayTextFormat(Qt::Sunday);
        fimDeSemana.setForeground(Qt::red);
        calendario->setWeekdayTextFormat(Qt::Sunday, fimDeSemana);
        calendario->setWeekdayTextFormat(Qt::Saturday, fimDeSemana);
        calendario->setWindowTitle(QStringLiteral("Selecione a Data"));
        data->setToolTip(QString::fromUtf8("Clique para ver o Calendário"));
    }
}

bool TFrmPadrao::Verifica_Campo()
{
    const QString campo = m_dsPadrao->campoObrigatorioVazio();
    if (campo.isEmpty())
        return true;
    const QString rotulo = m_dsPadrao->info(campo).rotulo;
    CaixaMensagem::mostra(this, QMessageBox::Warning, QString::fromUtf8("Informação"),
                          QStringLiteral("Atenção!\rfavor preencher o campo [") +
                              (rotulo.isEmpty() ? campo : rotulo) + QLatin1Char(']'));
    if (QWidget* edit = editDoCampo(campo))
        edit->setFocus();
    return false;
}

bool TFrmPadrao::VerificaSeExiste(const QString& Tabela)
{
    if (Tabela.isEmpty() || m_dsPadrao->estado() != ConjuntoDados::Estado::Inserindo)
        return true;
    QList<QPair<QString, QVariant>> campos;
    for (const QString& c : m_dsPadrao->campos())
        if (m_dsPadrao->info(c).tag == 1)
            campos.append({c, m_dsPadrao->valor(c)});
    const QString repetido = m_rotinas.VerificaSeExiste(Tabela, campos);
    if (repetido.isEmpty())
        return true;
    if (QWidget* edit = editDoCampo(repetido))
        edit->setFocus();
    return false;
}

void TFrmPadrao::Pesquisa(const QString& Tabela, const QString& Campo, const QString& Igual)
{
    m_rotinas.Pesquisa(*CdsPadrao, Tabela, Campo, Igual);
}

int TFrmPadrao::AutoInc(const QString& Tabela, const QString& Coluna)
{
    return m_rotinas.AutoInc(Tabela, Coluna);
}

bool TFrmPadrao::VerificaDelete(const QString& Tabela, const QString& Campo, const QVariant& Valor)
{
    return m_rotinas.VerificaDelete(Tabela, Campo, Valor);
}

void TFrmPadrao::ProcuraFunc(const QString& strParam)
{
    CdsVerifica->carregaLinhas(m_rotinas.ProcuraFunc(strParam));
}

int TFrmPadrao::ProcuraProd(const QString& Tabela, const QString& Campo, const QString& strParam,
                            int intParam)
{
    m_ultimoProduto = m_rotinas.ProcuraProd(Tabela, Campo, strParam, intParam);
    CdsVerifica->carregaLinhas(m_ultimoProduto.encontrado()
                                   ? QList<QSqlRecord>{m_ultimoProduto.linha}
                                   : QList<QSqlRecord>{});
    return m_ultimoProduto.valor.toInt();
}

void TFrmPadrao::FormataField(ConjuntoDados& DataSet)
{
    m_rotinas.FormataField(DataSet);
}

QString TFrmPadrao::Casas_Decimais()
{
    return m_rotinas.Casas_Decimais();
}

QString TFrmPadrao::Caption_MargMark()
{
    return m_rotinas.Caption_MargMark();
}

void TFrmPadrao::NomeImpressora()
{
    defineTextoStatus(2, Impressoras::NomeImpressora());
}

bool TFrmPadrao::verificaimpressora()
{
    return Impressoras::verificaimpressora();
}

void TFrmPadrao::ligaCampo(QLineEdit* edit, const QString& campo)
{
    m_camposLigados.append({campo, edit});
    connect(edit, &QLineEdit::textEdited, this, [this, edit, campo](const QString& texto) {
        if (!m_dsPadrao->editando() || !m_dsPadrao->temCampo(campo))
            return;
        // The edit being typed in keeps its text; the others show the new values.
        m_editLigadoAtivo = edit;
        m_dsPadrao->defineValor(campo, m_dsPadrao->valorDigitado(campo, texto));
        m_editLigadoAtivo = nullptr;
    });
    atualizaCamposLigados();
}

QWidget* TFrmPadrao::editDoCampo(const QString& campo) const
{
    for (const auto& [nome, edit] : m_camposLigados)
        if (nome.compare(campo, Qt::CaseInsensitive) == 0)
            return edit;
    return nullptr;
}

void TFrmPadrao::atualizaCamposLigados()
{
    for (const auto& [campo, edit] : m_camposLigados) {
        if (edit == m_editLigadoAtivo)
            continue;
        const QString texto = m_dsPadrao->texto(campo);
        if (edit->text() != texto)
            edit->setText(texto);
    }
}

bool TFrmPadrao::ValidaCampo(const QString& campo)
{
    if (m_dsPadrao->estado() == ConjuntoDados::Estado::Navegando)
        m_dsPadrao->Edit();
    const QVariant v = m_dsPadrao->valor(campo);
    if (!v.isNull() && !v.toString().isEmpty())
        return false;
    if (QWidget* edit = editDoCampo(campo))
        edit->setFocus();
    return true;
}

bool TFrmPadrao::ValidaCampo2()
{
    for (const auto& par : m_camposLigados)
        if (par.second->isEnabled()) {
            par.second->setFocus();
            return true;
        }
    return false;
}
