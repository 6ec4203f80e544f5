#include "ServidorCups.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

bool escreve(const QString& caminho, const QString& texto)
{
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(texto.toUtf8()) == texto.toUtf8().size();
}

// A backend that appends each job to the file named by its device URI "captura:/path".
const char* const kBackend =
    "#!/bin/sh\n"
    "if [ $# -eq 0 ]; then echo 'direct captura \"Unknown\" \"Captura\"';"
    " exit 0; fi\n"
    "umask 022\n"
    "out=\"${DEVICE_URI#captura:}\"\n"
    "if [ -n \"$6\" ]; then cat \"$6\" >> \"$out\"; else cat >> \"$out\"; fi\n";
} // namespace

ServidorCups::ServidorCups()
{
    const QString cupsd = u("/usr/sbin/cupsd");
    if (!QFileInfo(cupsd).isExecutable() || !QFileInfo(u("/usr/sbin/lpadmin")).isExecutable()) {
        m_erro = u("cupsd ou lpadmin não instalado (pacotes cups-daemon e cups-client)");
        return;
    }
    const QString d = m_dir.path();
    QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                 QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                 QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                 QFileDevice::ExeOther);
    QDir dir(d);
    for (const char* p : {"spool", "tmp", "cache", "state", "log", "out", "serverbin/backend"})
        dir.mkpath(u(p));
    // The queue's backend runs as the unprivileged CUPS user: it must write these.
    for (const char* p : {"out", "tmp", "spool"})
        QFile::setPermissions(dir.filePath(u(p)), QFileDevice::Permissions(0x7777));
    for (const char* p : {"daemon", "filter", "cgi-bin", "notifier", "monitor", "driver"})
        if (QFileInfo::exists(u("/usr/lib/cups/") + u(p)))
            QFile::link(u("/usr/lib/cups/") + u(p), dir.filePath(u("serverbin/") + u(p)));
    const QString backend = dir.filePath(u("serverbin/backend/captura"));
    escreve(backend, u(kBackend));
    QFile::setPermissions(backend, QFileDevice::Permissions(0x7755));
    escreve(dir.filePath(u("cups-files.conf")),
            u("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\nCacheDir %1/cache\n"
              "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
              "PageLog %1/log/page_log\nServerBin %1/serverbin\nSystemGroup root\n"
              "Sandboxing Relaxed\n")
                .arg(d));
    escreve(dir.filePath(u("cupsd.conf")),
            u("Listen %1\nBrowsing No\nDefaultAuthType None\nLogLevel warn\nWebInterface No\n"
              "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
              "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                .arg(socket()));
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {u("-f"), u("-c"), dir.filePath(u("cupsd.conf")), u("-s"),
                          dir.filePath(u("cups-files.conf"))});
    if (!m_cupsd.waitForStarted(5000)) {
        m_erro = u("cupsd não iniciou: ") + m_cupsd.errorString();
        return;
    }
    QElapsedTimer t;
    t.start();
    while (!QFileInfo::exists(socket()) && m_cupsd.state() == QProcess::Running &&
           t.elapsed() < 10000)
        QThread::msleep(50);
    if (!QFileInfo::exists(socket()))
        m_erro = u("cupsd não abriu o socket: ") + QString::fromLocal8Bit(m_cupsd.readAll());
}

ServidorCups::~ServidorCups()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(5000))
            m_cupsd.kill();
        m_cupsd.waitForFinished(2000);
    }
}

QString ServidorCups::saida(const QString& nome) const
{
    return m_dir.filePath(u("out/") + nome + u(".prn"));
}

bool ServidorCups::executa(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, QStringList{u("-h"), socket()} + argumentos);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool ServidorCups::adicionaFila(const QString& nome)
{
    return executa(u("/usr/sbin/lpadmin"),
                   {u("-p"), nome, u("-E"), u("-v"), u("captura:") + saida(nome)});
}

QByteArray ServidorCups::esperaSaida(const QString& nome, int ms) const
{
    QElapsedTimer t;
    t.start();
    qint64 tamanho = -1;
    while (t.elapsed() < ms) {
        const QFileInfo info(saida(nome));
        if (info.exists() && info.size() > 0 && info.size() == tamanho)
            break;
        tamanho = info.exists() ? info.size() : -1;
        QThread::msleep(200);
    }
    QFile f(saida(nome));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
