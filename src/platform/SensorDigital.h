#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

// The calls of the sensor library that the reader picture (TXALFinger) drives. Results are the
// library's: 0 means success unless a call says otherwise.
struct MensagemSensor {
    int tipo = 0;       // 0 image, 1 analysing, 2/4 place the finger, 9 ended, 12/13 ...
    quint32 imagem = 0; // image handle of an image message
};

class SensorDigital
{
public:
    static constexpr int kTamanhoImagem = 16384; // 128 x 128 bytes, one byte a pixel
    static constexpr int kTamanhoResultado = 92;

    virtual ~SensorDigital() = default;
    virtual void ATInit() = 0;
    virtual int ATOpenSensorW(int a, int b) = 0;
    virtual int ATOpenDatabaseA(const QByteArray& caminho, int a, int b, int c, int d) = 0;
    virtual int ATBeginIdentify(int a, int b) = 0;
    // The next message; the library's message is released before returning.
    virtual std::optional<MensagemSensor> ATGetNextMessage() = 0;
    virtual int ATGetImageXYSizes(quint32 imagem, qint16& sx, qint16& sy) = 0;
    virtual int ATCopyImagePixels(QByteArray& buffer, quint32 imagem) = 0;
    // 1 identified (the id is written at offset 42 of the block), 3 no match.
    virtual int ATEndIdentifyA(QByteArray& bloco, int a) = 0;
    virtual void ATClose() = 0;
};

// No sensor library on this machine: the sensor never opens and sends nothing.
class SensorAusente : public SensorDigital
{
public:
    void ATInit() override {}
    int ATOpenSensorW(int, int) override { return -1; }
    int ATOpenDatabaseA(const QByteArray&, int, int, int, int) override { return -1; }
    int ATBeginIdentify(int, int) override { return -1; }
    std::optional<MensagemSensor> ATGetNextMessage() override { return std::nullopt; }
    int ATGetImageXYSizes(quint32, qint16&, qint16&) override { return -1; }
    int ATCopyImagePixels(QByteArray&, quint32) override { return -1; }
    int ATEndIdentifyA(QByteArray&, int) override { return 0; }
    void ATClose() override {}
};

// A sensor played from a script, for tests and demonstrations.
class SensorSimulado : public SensorDigital
{
public:
    QList<MensagemSensor> mensagens; // sent one per call
    int resultadoFim = 1;            // result of ATEndIdentifyA
    QByteArray identificador;        // id written into the result block when identified
    QByteArray imagem;               // pixels of every image message
    qint16 largura = 128, altura = 128;
    // What was called, in order ("ATInit", "ATOpenSensorW", ...).
    QList<QString> chamadas;
    QByteArray caminhoBanco;
    QByteArray blocoRecebido; // the result block as prepared by the caller

    void ATInit() override { chamadas << QStringLiteral("ATInit"); }
    int ATOpenSensorW(int, int) override;
    int ATOpenDatabaseA(const QByteArray& caminho, int, int, int, int) override;
    int ATBeginIdentify(int, int) override;
    std::optional<MensagemSensor> ATGetNextMessage() override;
    int ATGetImageXYSizes(quint32, qint16& sx, qint16& sy) override;
    int ATCopyImagePixels(QByteArray& buffer, quint32) override;
    int ATEndIdentifyA(QByteArray& bloco, int) override;
    void ATClose() override { chamadas << QStringLiteral("ATClose"); }
};

// The sensor library in use: none unless replaced.
SensorDigital& sensorDigital();
void defineSensorDigital(std::unique_ptr<SensorDigital> sensor);
