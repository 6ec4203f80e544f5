#pragma once

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>

class QFontMetrics;

// The reader picture: opens the sensor and its template file, shows the live print and short
// prompts, and signals OnIdentify with the id of an identified print. Idle until Open.
class TXALFinger : public QWidget
{
    Q_OBJECT
public:
    explicit TXALFinger(QWidget* parent = nullptr);
    ~TXALFinger() override;

    QString CaminhoDB = QStringLiteral("C:\\XalWin\\BioXal.dat");
    QColor CorNormal = corDeTColor(8454143);
    QColor CorQuandoAchar = corDeTColor(8454016);
    QColor CorDaFonte = corDeTColor(8404992);

    void Open();
    void Close();
    bool aberto() const { return m_timer.isActive() || m_pausado; }

    // The picture as last drawn and the last prompt shown in it.
    const QImage& imagem() const { return m_imagem; }
    const QString& mensagemExibida() const { return m_mensagem; }
    // Pauses after a result (identified, not found, busy); shorter in tests.
    void definePausas(int identificado, int naoEncontrado, int ocupado);
    // The 500 ms poll of the sensor's messages.
    QTimer& timerSensor() { return m_timer; }

    // A colour written as the classic $BBGGRR number, and back.
    static QColor corDeTColor(int valor);
    static int tcolorDe(QColor cor);

    struct LinhaMensagem {
        QString texto;
        int x = 0;
        int y = 0; // top of the line
    };
    // The lines of a prompt: split at ';', widened with blanks to the picture's width, the
    // first at mid-height (one line higher when the prompt has several lines).
    static QList<LinhaMensagem> dispoeMensagem(const QString& texto, const QFontMetrics& fonte,
                                               QSize tamanho);

signals:
    void OnIdentify(QObject* Sender, const QString& Identify);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void IniciaSensor();
    void FechaSensor();
    void IniciaIdentificacao();
    void TrataMensagemSensor();
    void ExibeMensagem(const QString& texto);
    void desenhaImagem(quint32 handle);
    void fimIdentificacao();
    void pausa(int ms, bool reinicia);

    QTimer m_timer;
    QImage m_imagem;
    QString m_mensagem;
    bool m_pausado = false;
    int m_pausaIdentificado = 700;
    int m_pausaNaoEncontrado = 1000;
    int m_pausaOcupado = 1500;
    int m_geracao = 0; // a pause started before Close does not restart the loop
};
