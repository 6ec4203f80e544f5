#include "DestinoBytes.h"

#include "Falha.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTcpSocket>
#include <QUrl>
#include <cups/cups.h>
#include <fcntl.h>
#include <unistd.h>

namespace
{

const int kEsperaMs = 5000;

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

bool ehTerminal(const QString& caminho)
{
    const int fd = ::open(QFile::encodeName(caminho).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool tty = ::isatty(fd) != 0;
    ::close(fd);
    return tty;
}

class DestinoArquivo : public DestinoBytes
{
public:
    explicit DestinoArquivo(QString caminho) : m_arquivo(std::move(caminho)) {}
    void abre() override
    {
        if (m_arquivo.isOpen())
            return;
        // A device (not a regular file) cannot be appended to: it is simply written.
        const QFileInfo info(m_arquivo.fileName());
        const bool dispositivo = info.exists() && !info.isFile();
        if (!m_arquivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered |
                            (dispositivo ? QIODevice::OpenMode() : QIODevice::Append)))
            throw Falha(u("Não foi possível abrir ") + m_arquivo.fileName() + u(": ") +
                        m_arquivo.errorString());
    }
    void envia(const QByteArray& bytes) override
    {
        abre();
        if (m_arquivo.write(bytes) != bytes.size() || !m_arquivo.flush()) {
            const QString erro = m_arquivo.errorString();
            m_arquivo.close();
            throw Falha(u("Não foi possível gravar em ") + m_arquivo.fileName() + u(": ") + erro);
        }
    }
    void fecha() override { m_arquivo.close(); }

private:
    QFile m_arquivo;
};

class DestinoSerial : public DestinoBytes
{
public:
    explicit DestinoSerial(QString caminho) : m_caminho(std::move(caminho))
    {
        m_porta.setPortName(m_caminho);
    }
    void abre() override
    {
        if (m_porta.isOpen())
            return;
        if (!QFileInfo::exists(m_caminho))
            throw Falha(u("Porta serial não encontrada: ") + m_caminho);
        m_porta.setBaudRate(QSerialPort::Baud9600);
        m_porta.setDataBits(QSerialPort::Data8);
        m_porta.setParity(QSerialPort::NoParity);
        m_porta.setStopBits(QSerialPort::OneStop);
        m_porta.setFlowControl(QSerialPort::NoFlowControl);
        if (!m_porta.open(QIODevice::ReadWrite))
            throw Falha(u("Não foi possível abrir a porta serial ") + m_caminho + u(": ") +
                        m_porta.errorString());
    }
    void envia(const QByteArray& bytes) override
    {
        abre();
        if (m_porta.write(bytes) != bytes.size())
            throw falha();
        while (m_porta.bytesToWrite() > 0)
            if (!m_porta.waitForBytesWritten(kEsperaMs))
                throw falha();
    }
    void fecha() override { m_porta.close(); }

private:
    Falha falha()
    {
        const QString erro = m_porta.errorString();
        m_porta.close();
        return Falha(u("Não foi possível enviar à porta serial ") + m_caminho + u(": ") + erro);
    }
    QString m_caminho;
    QSerialPort m_porta;
};

class DestinoTcp : public DestinoBytes
{
public:
    DestinoTcp(QString host, quint16 porta) : m_host(std::move(host)), m_porta(porta) {}
    void abre() override
    {
        if (m_socket.state() == QAbstractSocket::ConnectedState)
            return;
        m_socket.abort();
        m_socket.connectToHost(m_host, m_porta);
        if (!m_socket.waitForConnected(kEsperaMs))
            throw falha(u("Não foi possível conectar a "));
    }
    void envia(const QByteArray& bytes) override
    {
        abre();
        if (m_socket.write(bytes) != bytes.size())
            throw falha(u("Não foi possível enviar a "));
        while (m_socket.bytesToWrite() > 0)
            if (!m_socket.waitForBytesWritten(kEsperaMs))
                throw falha(u("Não foi possível enviar a "));
    }
    void fecha() override
    {
        if (m_socket.state() == QAbstractSocket::ConnectedState) {
            m_socket.disconnectFromHost();
            if (m_socket.state() != QAbstractSocket::UnconnectedState)
                m_socket.waitForDisconnected(kEsperaMs);
        }
        m_socket.abort();
    }

private:
    Falha falha(const QString& prefixo)
    {
        const QString erro = m_socket.errorString();
        m_socket.abort();
        return Falha(prefixo + m_host + u(":") + QString::number(m_porta) + u(": ") + erro);
    }
    QString m_host;
    quint16 m_porta;
    QTcpSocket m_socket;
};

// A CUPS queue in raw mode: the bytes reach the printer as they are.
class DestinoCupsRaw : public DestinoBytes
{
public:
    explicit DestinoCupsRaw(QString fila) : m_fila(std::move(fila)) {}
    void abre() override
    {
        if (m_fila.isEmpty())
            throw Falha(u("Fila de impressão não informada"));
    }
    void envia(const QByteArray& bytes) override
    {
        abre();
        const QByteArray fila = m_fila.toUtf8();
        const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, fila.constData(), "Brisvel", 0, nullptr);
        if (job <= 0)
            throw falha();
        if (cupsStartDocument(CUPS_HTTP_DEFAULT, fila.constData(), job, "Brisvel", CUPS_FORMAT_RAW,
                              1) != HTTP_STATUS_CONTINUE ||
            cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.constData(),
                                 static_cast<size_t>(bytes.size())) != HTTP_STATUS_CONTINUE) {
            cupsFinishDocument(CUPS_HTTP_DEFAULT, fila.constData());
            throw falha();
        }
        if (cupsFinishDocument(CUPS_HTTP_DEFAULT, fila.constData()) > IPP_STATUS_OK_CONFLICTING)
            throw falha();
    }
    void fecha() override {}

private:
    Falha falha() const
    {
        return Falha(u("Não foi possível imprimir na fila ") + m_fila + u(": ") +
                     QString::fromUtf8(cupsLastErrorString()));
    }
    QString m_fila;
};

} // namespace

QString caminhoPortaSerial(const QString& porta)
{
    static const QRegularExpression com(u("^COM([1-9][0-9]?)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = com.match(porta.trimmed());
    if (!m.hasMatch())
        return QString();
    return u("/dev/ttyS") + QString::number(m.captured(1).toInt() - 1);
}

bool portaDireta(const QString& porta)
{
    return porta.startsWith(u("tcp://"), Qt::CaseInsensitive) ||
           porta.startsWith(u("file:"), Qt::CaseInsensitive) ||
           porta.startsWith(u("RAW:"), Qt::CaseInsensitive) || porta.startsWith(QLatin1Char('/'));
}

std::unique_ptr<DestinoBytes> criaDestinoBytes(const QString& porta)
{
    if (porta.startsWith(u("file:"), Qt::CaseInsensitive)) {
        QString caminho = porta.mid(5);
        if (caminho.startsWith(u("//")))
            caminho = QUrl(porta).toLocalFile();
        return std::make_unique<DestinoArquivo>(caminho);
    }
    if (porta.startsWith(u("RAW:"), Qt::CaseInsensitive)) {
        const QString resto = porta.mid(4);
        // A name that is itself a target needs no queue in between.
        if (portaDireta(resto) || !caminhoPortaSerial(resto).isEmpty())
            return criaDestinoBytes(resto);
        return std::make_unique<DestinoCupsRaw>(resto);
    }
    if (porta.startsWith(u("tcp://"), Qt::CaseInsensitive)) {
        const QUrl url(porta);
        if (!url.isValid() || url.host().isEmpty())
            throw Falha(u("Endereço de impressora inválido: ") + porta);
        return std::make_unique<DestinoTcp>(url.host(), static_cast<quint16>(url.port(9100)));
    }
    QString caminho = caminhoPortaSerial(porta);
    if (caminho.isEmpty() && porta.startsWith(QLatin1Char('/')))
        caminho = porta;
    if (caminho.isEmpty())
        return std::make_unique<DestinoCupsRaw>(porta);
    if (!QFileInfo::exists(caminho) || ehTerminal(caminho))
        return std::make_unique<DestinoSerial>(caminho);
    return std::make_unique<DestinoArquivo>(caminho);
}
