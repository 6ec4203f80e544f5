#pragma once

#include <QList>
#include <QMap>
#include <QMessageBox>
#include <QString>
#include <optional>

// Every message box and number box of the program goes through here, so a test can answer
// the next question instead of a person and see what was shown.
class CaixaMensagem
{
public:
    struct Exibida {
        QMessageBox::Icon icone;
        QString titulo;
        QString texto;
    };

    // Shows a modal box; captions replace the text of the given buttons.
    static QMessageBox::StandardButton
    mostra(QWidget* pai, QMessageBox::Icon icone, const QString& titulo, const QString& texto,
           QMessageBox::StandardButtons botoes = QMessageBox::Ok,
           const QMap<QMessageBox::StandardButton, QString>& legendas = {});
    // A number typed by the user; nothing when cancelled.
    static std::optional<double> numero(QWidget* pai, const QString& titulo, const QString& rotulo,
                                        double inicial);

    // Test hooks: the next box returns this answer without being shown (queued in order).
    static void setNextAnswer(QMessageBox::StandardButton resposta);
    static void setNextNumber(std::optional<double> numero);
    // Boxes asked for since the last reset, shown or answered by the hook.
    static const QList<Exibida>& exibidas();
    static void reset();
};

// The program's messages, titled "Orlix".
void Mensagem(const QString& strTexto, QWidget* pai = nullptr);
void MensagemAtencao(const QString& strTexto, QWidget* pai = nullptr);
// A question whose buttons carry the caller's captions: Yes takes the first text of sButoes,
// No the second, Cancel the third, Abort the fourth. Returns the button pressed.
int MsgDinamica(const QString& texto, const QStringList& sButoes,
                QMessageBox::StandardButtons Butoes, QWidget* pai = nullptr);
