#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per user session: the first start listens on a local socket; a later
// start finds it, asks it to come to the front and ends.
class InstanciaUnica : public QObject
{
    Q_OBJECT
public:
    // The key of the program for the current user.
    static QString chavePadrao();

    explicit InstanciaUnica(QString chave = chavePadrao(), QObject* parent = nullptr);
    ~InstanciaUnica() override;

    // True when this process is the first: it now answers later starts. False when another
    // copy runs; it has been asked to come to the front.
    bool primeira();

signals:
    // A later start asked this copy to show its main window.
    void ativacaoPedida();

private:
    bool avisaOutra();
    void atendeConexao();

    QString m_chave;
    QLocalServer* m_servidor = nullptr;
};
