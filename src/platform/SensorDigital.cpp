#include "SensorDigital.h"

#include <cstring>

namespace
{
std::unique_ptr<SensorDigital> g_sensor;
}

int SensorSimulado::ATOpenSensorW(int, int)
{
    chamadas << QStringLiteral("ATOpenSensorW");
    return 0;
}

int SensorSimulado::ATOpenDatabaseA(const QByteArray& caminho, int, int, int, int)
{
    chamadas << QStringLiteral("ATOpenDatabaseA");
    caminhoBanco = caminho;
    return 0;
}

int SensorSimulado::ATBeginIdentify(int, int)
{
    chamadas << QStringLiteral("ATBeginIdentify");
    return 0;
}

std::optional<MensagemSensor> SensorSimulado::ATGetNextMessage()
{
    if (mensagens.isEmpty())
        return std::nullopt;
    return mensagens.takeFirst();
}

int SensorSimulado::ATGetImageXYSizes(quint32, qint16& sx, qint16& sy)
{
    sx = largura;
    sy = altura;
    return imagem.isEmpty() ? 1 : 0;
}

int SensorSimulado::ATCopyImagePixels(QByteArray& buffer, quint32)
{
    if (imagem.isEmpty())
        return 1;
    buffer = imagem.leftJustified(kTamanhoImagem, '\0', true);
    return 0;
}

int SensorSimulado::ATEndIdentifyA(QByteArray& bloco, int)
{
    chamadas << QStringLiteral("ATEndIdentifyA");
    blocoRecebido = bloco;
    if (resultadoFim == 1 && bloco.size() >= kTamanhoResultado) {
        // The id goes into the 24 bytes at offset 42, zero-terminated.
        const QByteArray id = identificador.left(23);
        std::memcpy(bloco.data() + 42, id.constData(), static_cast<size_t>(id.size()));
        bloco[42 + id.size()] = '\0';
    }
    return resultadoFim;
}

SensorDigital& sensorDigital()
{
    if (!g_sensor)
        g_sensor = std::make_unique<SensorAusente>();
    return *g_sensor;
}

void defineSensorDigital(std::unique_ptr<SensorDigital> sensor)
{
    g_sensor = std::move(sensor);
}
