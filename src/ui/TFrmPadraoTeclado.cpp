// The keyboard conventions and focus colours of TFrmPadrao: the window sees every key of its
// controls before they do, as the counter staff expect Enter, Esc and the arrows to behave
// the same in every field.
#include "TFrmPadrao.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>

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
