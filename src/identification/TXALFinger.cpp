#include "TXALFinger.h"

#include "platform/SensorDigital.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <cstring>

TXALFinger::TXALFinger(QWidget* parent) : QWidget(parent)
{
    m_timer.setInterval(500);
    connect(&m_timer, &QTimer::timeout, this, &TXALFinger::TrataMensagemSensor);
    m_imagem = QImage(size(), QImage::Format_RGB32);
    m_imagem.fill(CorNormal);
}

TXALFinger::~TXALFinger() = default;

QColor TXALFinger::corDeTColor(int valor)
{
    return QColor(valor & 0xFF, (valor >> 8) & 0xFF, (valor >> 16) & 0xFF);
}

int TXALFinger::tcolorDe(QColor cor)
{
    return cor.red() | (cor.green() << 8) | (cor.blue() << 16);
}

void TXALFinger::definePausas(int identificado, int naoEncontrado, int ocupado)
{
    m_pausaIdentificado = identificado;
    m_pausaNaoEncontrado = naoEncontrado;
    m_pausaOcupado = ocupado;
}

void TXALFinger::Open()
{
    IniciaSensor();
}

void TXALFinger::Close()
{
    FechaSensor();
}

void TXALFinger::IniciaSensor()
{
    hide();
    QCoreApplication::processEvents();
    SensorDigital& sensor = sensorDigital();
    sensor.ATInit();
    if (sensor.ATOpenSensorW(0, 2) == 0)
        show();
    sensor.ATOpenDatabaseA(CaminhoDB.toLocal8Bit(), 1, 100000, 0, 0);
    IniciaIdentificacao();
    m_timer.start();
}

void TXALFinger::FechaSensor()
{
    m_timer.stop();
    m_pausado = false;
    ++m_geracao;
    sensorDigital().ATClose();
}

void TXALFinger::IniciaIdentificacao()
{
    if (sensorDigital().ATBeginIdentify(0, 0) == 0)
        ExibeMensagem(QStringLiteral("Aguarde..."));
}

void TXALFinger::pausa(int ms, bool reinicia)
{
    // The loop rests without blocking the window; Close during the rest ends it for good.
    m_timer.stop();
    m_pausado = true;
    const int geracao = m_geracao;
    QTimer::singleShot(ms, this, [this, geracao, reinicia] {
        if (geracao != m_geracao)
            return;
        m_pausado = false;
        if (reinicia)
            IniciaIdentificacao();
        m_timer.start();
    });
}

void TXALFinger::TrataMensagemSensor()
{
    if (!m_timer.isActive())
        return;
    const std::optional<MensagemSensor> msg = sensorDigital().ATGetNextMessage();
    if (msg) {
        switch (msg->tipo) {
        case 0:
            desenhaImagem(msg->imagem);
            break;
        case 1:
            ExibeMensagem(QStringLiteral("Analisando..."));
            break;
        case 2:
        case 4:
            ExibeMensagem(QStringLiteral("Posicione;o dedo;no Sensor."));
            break;
        case 9:
            fimIdentificacao();
            break;
        case 13:
            pausa(m_pausaOcupado, false);
            break;
        default: // 12 and unknown kinds start over
            IniciaIdentificacao();
            break;
        }
    }
    QCoreApplication::processEvents();
}

void TXALFinger::desenhaImagem(quint32 handle)
{
    SensorDigital& sensor = sensorDigital();
    qint16 sx = 0, sy = 0;
    QByteArray pixels(SensorDigital::kTamanhoImagem, '\0');
    if (sensor.ATGetImageXYSizes(handle, sx, sy) != 0 || sensor.ATCopyImagePixels(pixels, handle))
        return;
    // Each byte is the pixel's colour value; the buffer holds 128 bytes a row of x.
    for (int x = 0; x < sx && x < m_imagem.width(); ++x) {
        for (int y = 0; y < sy && y < m_imagem.height(); ++y) {
            const int i = x * 128 + y;
            if (i < pixels.size())
                m_imagem.setPixelColor(x, y, corDeTColor(static_cast<quint8>(pixels[i])));
        }
    }
    show();
    update();
    QCoreApplication::processEvents();
}

void TXALFinger::fimIdentificacao()
{
    QByteArray bloco(SensorDigital::kTamanhoResultado, '\0');
    auto poe32 = [&bloco](int offset, quint32 v) { std::memcpy(bloco.data() + offset, &v, 4); };
    poe32(0, SensorDigital::kTamanhoResultado);
    poe32(4, 16);
    poe32(20, 16);
    poe32(36, 0);
    const int resultado = sensorDigital().ATEndIdentifyA(bloco, 0);
    if (resultado == 1) {
        const QByteArray id(bloco.constData() + 42,
                            static_cast<qsizetype>(qstrnlen(bloco.constData() + 42, 24)));
        emit OnIdentify(this, QString::fromLocal8Bit(id));
        for (int x = 0; x < m_imagem.width(); ++x) {
            for (int y = 0; y < m_imagem.height(); ++y) {
                if (tcolorDe(m_imagem.pixelColor(x, y)) >= 160)
                    m_imagem.setPixelColor(x, y, CorQuandoAchar);
            }
        }
        update();
        QCoreApplication::processEvents();
        pausa(m_pausaIdentificado, true);
    } else if (resultado == 3) {
        ExibeMensagem(QStringLiteral("Usuário não;encontrado!"));
        QCoreApplication::processEvents();
        pausa(m_pausaNaoEncontrado, true);
    } else {
        QCoreApplication::processEvents();
    }
}

QList<TXALFinger::LinhaMensagem>
TXALFinger::dispoeMensagem(const QString& texto, const QFontMetrics& fonte, QSize tamanho)
{
    const int alturaA = fonte.height();
    int y = tamanho.height() / 2;
    if (texto.contains(QLatin1Char(';')))
        y -= alturaA;
    QList<LinhaMensagem> linhas;
    const QStringList partes = texto.split(QLatin1Char(';'));
    for (QString parte : partes) {
        // Blanks on both sides until the line spans the picture: a cheap centring.
        while (fonte.horizontalAdvance(parte) < tamanho.width() && parte.size() < 1000)
            parte = QLatin1Char(' ') + parte + QLatin1Char(' ');
        linhas.append({parte, 1, y});
        y += alturaA;
    }
    return linhas;
}

void TXALFinger::ExibeMensagem(const QString& texto)
{
    m_mensagem = texto;
    m_imagem.fill(CorNormal);
    QPainter p(&m_imagem);
    p.setFont(font());
    p.setPen(CorDaFonte);
    p.setBackground(CorNormal);
    p.setBackgroundMode(Qt::OpaqueMode);
    const QFontMetrics fm(font());
    for (const LinhaMensagem& l : dispoeMensagem(texto, fm, m_imagem.size()))
        p.drawText(l.x, l.y + fm.ascent(), l.texto);
    p.end();
    update();
}

void TXALFinger::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_imagem);
}

void TXALFinger::resizeEvent(QResizeEvent*)
{
    if (m_imagem.size() != size()) {
        m_imagem = QImage(size(), QImage::Format_RGB32);
        m_imagem.fill(CorNormal);
    }
}
