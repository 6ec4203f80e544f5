#include "InstanciaUnica.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace
{
const QByteArray kPedido = "ativar\n";
constexpr int kEspera = 2000;
} // namespace

QString InstanciaUnica::chavePadrao()
{
    QString usuario = qEnvironmentVariable("USER");
    if (usuario.isEmpty())
        usuario = QDir::homePath();
    const QByteArray resumo =
        QCryptographicHash::hash(usuario.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("brisvel-") + QString::fromLatin1(resumo);
}

InstanciaUnica::InstanciaUnica(QString chave, QObject* parent)
    : QObject(parent), m_chave(std::move(chave))
{
}

InstanciaUnica::~InstanciaUnica() = default;

bool InstanciaUnica::avisaOutra()
{
    QLocalSocket socket;
    socket.connectToServer(m_chave);
    if (!socket.waitForConnected(kEspera))
        return false;
    socket.write(kPedido);
    socket.waitForBytesWritten(kEspera);
    // Wait for the answer so the request is not lost when this process ends at once.
    socket.waitForReadyRead(kEspera);
    socket.disconnectFromServer();
    return true;
}

bool InstanciaUnica::primeira()
{
    if (m_servidor)
        return true;
    if (avisaOutra())
        return false;
    auto* servidor = new QLocalServer(this);
    servidor->setSocketOptions(QLocalServer::UserAccessOption);
    if (!servidor->listen(m_chave)) {
        // A socket left by a copy that crashed: nobody answered it above, so take it over.
        QLocalServer::removeServer(m_chave);
        if (!servidor->listen(m_chave)) {
            // Another copy started in the same instant and won; it answers now.
            delete servidor;
            if (avisaOutra())
                return false;
            return true;
        }
    }
    m_servidor = servidor;
    connect(m_servidor, &QLocalServer::newConnection, this, &InstanciaUnica::atendeConexao);
    return true;
}

void InstanciaUnica::atendeConexao()
{
    while (QLocalSocket* socket = m_servidor->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->readAll().contains(kPedido))
                return;
            socket->write("ok\n");
            socket->flush();
            emit ativacaoPedida();
        });
    }
}
