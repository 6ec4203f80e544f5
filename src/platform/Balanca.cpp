#include "Balanca.h"

#include "Arquivos.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSerialPort>
#include <cmath>

namespace
{
constexpr char STX = 0x02;
constexpr char ETX = 0x03;
constexpr char ENQ = 0x05;

// STX + five characters + ETX: digits are grams; IIIII unstable, NNNNN negative, SSSSS overload.
std::optional<double> quadroCincoDigitos(QByteArray& buffer)
{
    const qsizetype inicio = buffer.indexOf(STX);
    if (inicio < 0) {
        buffer.clear();
        return std::nullopt;
    }
    const qsizetype fim = buffer.indexOf(ETX, inicio + 1);
    if (fim < 0)
        return std::nullopt;
    const QByteArray corpo = buffer.mid(inicio + 1, fim - inicio - 1).trimmed();
    buffer.remove(0, fim + 1);
    bool ok = false;
    const int gramas = corpo.toInt(&ok);
    return ok && gramas >= 0 ? gramas / 1000.0 : 0.0;
}
} // namespace

ModeloBalanca modeloBalanca(const QString& texto)
{
    const QString t = texto.trimmed().toUpper();
    if (t == QLatin1String("FILIZOLA"))
        return ModeloBalanca::Filizola;
    if (t == QLatin1String("URANO"))
        return ModeloBalanca::Urano;
    if (t == QLatin1String("MAGELLAN"))
        return ModeloBalanca::Magellan;
    return ModeloBalanca::Toledo;
}

namespace ProtocoloBalanca
{

QByteArray pedidoPeso(ModeloBalanca modelo)
{
    return modelo == ModeloBalanca::Magellan ? QByteArray("S11\r") : QByteArray(1, ENQ);
}

QByteArray quadroPreco(ModeloBalanca modelo, double precoKg)
{
    const QByteArray centavos =
        QByteArray::number(qRound64(precoKg * 100)).rightJustified(6, '0').right(6);
    switch (modelo) {
    case ModeloBalanca::Toledo:
    case ModeloBalanca::Filizola:
        return STX + centavos + ETX;
    case ModeloBalanca::Urano:
        return STX + QByteArray("P") + centavos + ETX;
    case ModeloBalanca::Magellan:
        break;
    }
    return {};
}

std::optional<double> interpretaResposta(ModeloBalanca modelo, QByteArray& buffer)
{
    switch (modelo) {
    case ModeloBalanca::Toledo:
    case ModeloBalanca::Filizola:
        return quadroCincoDigitos(buffer);
    case ModeloBalanca::Urano: {
        // A text line such as "PESO L:   0,350 kg" ended by CR.
        const qsizetype fim = buffer.indexOf('\r');
        if (fim < 0)
            return std::nullopt;
        const QString linha = QString::fromLatin1(buffer.left(fim));
        buffer.remove(0, fim + 1);
        static const QRegularExpression numero(QStringLiteral("(-?\\d+)[,.](\\d{3})"));
        const auto m = numero.match(linha);
        if (!m.hasMatch())
            return 0.0;
        const double peso = (m.captured(1) + QLatin1Char('.') + m.captured(2)).toDouble();
        return peso > 0 ? peso : 0.0;
    }
    case ModeloBalanca::Magellan: {
        // "S11" + five digits (grams) + CR; "S14x" is a status answer (in motion, no weight).
        const qsizetype fim = buffer.indexOf('\r');
        if (fim < 0)
            return std::nullopt;
        const QByteArray linha = buffer.left(fim).trimmed();
        buffer.remove(0, fim + 1);
        if (!linha.startsWith("S11"))
            return 0.0;
        bool ok = false;
        const int gramas = linha.mid(3).toInt(&ok);
        return ok ? gramas / 1000.0 : 0.0;
    }
    }
    return std::nullopt;
}

} // namespace ProtocoloBalanca

QString caminhoPorta(const QString& nome)
{
    const QString n = nome.trimmed();
    if (!n.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
        return n;
    const int numero = n.mid(3).toInt();
    const QString padrao = QStringLiteral("/dev/ttyS%1").arg(numero > 0 ? numero - 1 : 0);
    const QString configurado = LeIniString(QStringLiteral("Atendimento.ini"),
                                            QStringLiteral("PORTAS"), n.toUpper(), padrao);
    return configurado.isEmpty() ? padrao : configurado;
}

namespace
{

class BalancaSerial : public Balanca
{
public:
    BalancaSerial(const QString& porta, ModeloBalanca modelo) : m_modelo(modelo)
    {
        m_porta.setPortName(caminhoPorta(porta));
    }
    bool abre() override
    {
        if (!m_porta.open(QIODevice::ReadWrite))
            return false;
        m_porta.setBaudRate(QSerialPort::Baud9600);
        m_porta.setDataBits(QSerialPort::Data8);
        m_porta.setParity(QSerialPort::NoParity);
        m_porta.setStopBits(QSerialPort::OneStop);
        m_porta.setFlowControl(QSerialPort::NoFlowControl);
        m_porta.clear();
        return true;
    }
    void fecha() override { m_porta.close(); }
    bool enviaPreco(double precoKg, int timeoutMs) override
    {
        const QByteArray quadro = ProtocoloBalanca::quadroPreco(m_modelo, precoKg);
        if (quadro.isEmpty() || !m_porta.isOpen())
            return false;
        m_porta.write(quadro);
        return m_porta.waitForBytesWritten(timeoutMs);
    }
    std::optional<double> lePeso(int timeoutMs) override
    {
        if (!m_porta.isOpen())
            return std::nullopt;
        m_porta.write(ProtocoloBalanca::pedidoPeso(m_modelo));
        m_porta.waitForBytesWritten(timeoutMs);
        QByteArray buffer;
        QElapsedTimer relogio;
        relogio.start();
        while (relogio.elapsed() < timeoutMs) {
            if (m_porta.bytesAvailable() > 0 || m_porta.waitForReadyRead(50)) {
                buffer += m_porta.readAll();
                if (auto peso = ProtocoloBalanca::interpretaResposta(m_modelo, buffer))
                    return peso;
            }
        }
        return std::nullopt;
    }

private:
    QSerialPort m_porta;
    ModeloBalanca m_modelo;
};

} // namespace

std::unique_ptr<Balanca> criaBalancaSerial(const QString& porta, ModeloBalanca modelo)
{
    return std::make_unique<BalancaSerial>(porta, modelo);
}
