#pragma once

#include <QMainWindow>

class QLabel;

// The frame of the program: its menu opens every other window.
class TfrmBrisvel : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmBrisvel(QWidget* parent = nullptr);

    int CODLOJA = 1;
    int CODFUNC = 1000;
    int COD_TERM = 0;
    QString Estado;
    QString RSOCIAL;
    QString TOKEN;

private:
    QLabel* lbVersao = nullptr;
};
