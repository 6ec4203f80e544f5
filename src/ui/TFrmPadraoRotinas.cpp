// The routines, data-aware edits, keyboard conventions and focus colours of TFrmPadrao.
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

namespace
{
bool ehEdicao(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w);
}
} // namespace

void TFrmPadrao::EntraCor(QWidget* Sender)
{
    QPalette p = Sender->palette();
    p.setColor(QPalette::Base, corFoco());
    Sender->setPalette(p);
}

void TFrmPadrao::SaiCor(QWidget* Sender)
{
    QPalette p = Sender->palette();
    p.setColor(QPalette::Base, palette().color(QPalette::Base));
    Sender->setPalette(p);
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

bool TFrmPadrao::ehDestaJanela(QObject* alvo) const
{
    auto* w = qobject_cast<QWidget*>(alvo);
    return w && w->window() == this;
}

bool TFrmPadrao::eventFilter(QObject* alvo, QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::KeyPress:
        if (!m_reenviando && ehDestaJanela(alvo))
            return trataTecla(alvo, static_cast<QKeyEvent*>(evento));
        break;
    case QEvent::FocusIn:
        if (ehDestaJanela(alvo) && ehEdicao(static_cast<QWidget*>(alvo)))
            EntraCor(static_cast<QWidget*>(alvo));
        break;
    case QEvent::FocusOut:
        if (ehDestaJanela(alvo) && ehEdicao(static_cast<QWidget*>(alvo)))
            SaiCor(static_cast<QWidget*>(alvo));
        break;
    case QEvent::MouseMove:
        if (alvo == TBNovo || alvo == PanelCentral)
            PanelHint->clear();
        break;
    default:
        break;
    }
    return QDialog::eventFilter(alvo, evento);
}

bool TFrmPadrao::trataTecla(QObject* alvo, QKeyEvent* tecla)
{
    auto* w = static_cast<QWidget*>(alvo);
    // A key the control ignored comes again for each parent: it was handled already.
    if (tecla == m_ultimaTecla && m_ultimoAlvo && w != m_ultimoAlvo &&
        w->isAncestorOf(m_ultimoAlvo))
        return false;
    m_ultimaTecla = tecla;
    m_ultimoAlvo = w;

    int key = tecla->key();
    // Tab is discarded: Enter is the way between fields.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return true;
    protegido([&] { FormKeyDown(key, tecla->modifiers()); });
    if (key == 0)
        return true;
    const QString texto = tecla->text();
    if (texto.size() != 1)
        return false;
    const QChar original = texto.front();
    QChar c = original;
    protegido([&] { FormKeyPress(c); });
    if (c.isNull())
        return true;
    if (c == original)
        return false;
    // The control gets the changed character in place of the typed one.
    int codigo = tecla->key();
    if (c.isLetter() && c.unicode() < 128)
        codigo = Qt::Key_A + (c.toUpper().unicode() - 'A');
    else if (c == QLatin1Char(','))
        codigo = Qt::Key_Comma;
    else if (c == QLatin1Char('.'))
        codigo = Qt::Key_Period;
    QKeyEvent novo(QEvent::KeyPress, codigo, tecla->modifiers(), QString(c));
    m_reenviando = true;
    QCoreApplication::sendEvent(alvo, &novo);
    m_reenviando = false;
    return true;
}

void TFrmPadrao::FormKeyPress(QChar& Key)
{
    if (Key == QLatin1Char(',') || Key == QLatin1Char('.')) {
        Key = QLocale().decimalPoint().front();
    } else if (Key >= QLatin1Char('a') && Key <= QLatin1Char('z')) {
        Key = Key.toUpper();
    } else if (Key == QLatin1Char('\r')) {
        Key = QChar();
        if (isEnabled())
            proximoCampo();
    } else if (Key == QChar(27)) {
        Key = QChar();
        campoAnterior();
    }
}

void TFrmPadrao::FormKeyDown(int& Key, Qt::KeyboardModifiers)
{
    switch (Key) {
    case Qt::Key_Escape:
        Key = 0;
        close();
        break;
    case Qt::Key_Left:
        Key = 0;
        campoAnterior();
        break;
    case Qt::Key_Right:
        Key = 0;
        proximoCampo();
        break;
    default:
        break;
    }
}
