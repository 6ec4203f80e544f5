#include "CaixaMensagem.h"

#include <QInputDialog>
#include <QPushButton>

namespace
{
QList<QMessageBox::StandardButton> g_respostas;
QList<std::optional<double>> g_numeros;
QList<CaixaMensagem::Exibida> g_exibidas;

const QString kTitulo = QStringLiteral("Orlix");

// Texts carry carriage returns as line breaks; a label breaks lines on "\n" only.
QString paraExibir(QString texto)
{
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texto;
}
} // namespace

QMessageBox::StandardButton
CaixaMensagem::mostra(QWidget* pai, QMessageBox::Icon icone, const QString& titulo,
                      const QString& texto, QMessageBox::StandardButtons botoes,
                      const QMap<QMessageBox::StandardButton, QString>& legendas)
{
    g_exibidas.append({icone, titulo, texto});
    if (!g_respostas.isEmpty())
        return g_respostas.takeFirst();
    QMessageBox caixa(icone, titulo, paraExibir(texto), botoes, pai);
    for (auto it = legendas.cbegin(); it != legendas.cend(); ++it)
        if (QAbstractButton* b = caixa.button(it.key()))
            b->setText(it.value());
    return static_cast<QMessageBox::StandardButton>(caixa.exec());
}

std::optional<double> CaixaMensagem::numero(QWidget* pai, const QString& titulo,
                                            const QString& rotulo, double inicial)
{
    g_exibidas.append({QMessageBox::Question, titulo, rotulo});
    if (!g_numeros.isEmpty())
        return g_numeros.takeFirst();
    bool ok = false;
    const double v =
        QInputDialog::getDouble(pai, titulo, paraExibir(rotulo), inicial, -1e12, 1e12, 3, &ok);
    if (!ok)
        return std::nullopt;
    return v;
}

void CaixaMensagem::setNextAnswer(QMessageBox::StandardButton resposta)
{
    g_respostas.append(resposta);
}

void CaixaMensagem::setNextNumber(std::optional<double> numero)
{
    g_numeros.append(numero);
}

const QList<CaixaMensagem::Exibida>& CaixaMensagem::exibidas()
{
    return g_exibidas;
}

void CaixaMensagem::reset()
{
    g_respostas.clear();
    g_numeros.clear();
    g_exibidas.clear();
}

void Mensagem(const QString& strTexto, QWidget* pai)
{
    CaixaMensagem::mostra(pai, QMessageBox::Information, kTitulo, strTexto);
}

void MensagemAtencao(const QString& strTexto, QWidget* pai)
{
    CaixaMensagem::mostra(pai, QMessageBox::Warning, kTitulo, strTexto);
}

int MsgDinamica(const QString& texto, const QStringList& sButoes,
                QMessageBox::StandardButtons Butoes, QWidget* pai)
{
    const QMessageBox::StandardButton ordem[] = {QMessageBox::Yes, QMessageBox::No,
                                                 QMessageBox::Cancel, QMessageBox::Abort};
    QMap<QMessageBox::StandardButton, QString> legendas;
    for (int i = 0; i < 4 && i < sButoes.size(); ++i)
        legendas.insert(ordem[i], sButoes[i]);
    return CaixaMensagem::mostra(pai, QMessageBox::Question, kTitulo, texto, Butoes, legendas);
}
