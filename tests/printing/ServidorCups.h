#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A CUPS scheduler of the test's own, on a socket in a temporary folder, whose queues write
// each job into a file the test reads back. Stopped when the object goes.
class ServidorCups
{
public:
    ServidorCups();
    ~ServidorCups();
    // "" when running; otherwise why it could not run.
    QString erro() const { return m_erro; }
    QString socket() const { return m_dir.filePath(QStringLiteral("cups.sock")); }
    // Adds an enabled queue that writes its jobs into saida(nome).
    bool adicionaFila(const QString& nome);
    QString saida(const QString& nome) const;
    // Runs a CUPS command-line tool (cupsreject, cupsdisable, ...) on this server.
    bool executa(const QString& programa, const QStringList& argumentos);
    // Waits until the file exists and stops growing.
    QByteArray esperaSaida(const QString& nome, int ms = 20000) const;

private:
    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_erro;
};
